// Errors: AutoCAD's messages, and a session that goes on with its globals as they were set so far.
#include "LispTestSupport.h"

namespace {

using LispErrors = LispTest;

TEST_F(LispErrors, Messages) {
  EXPECT_EQ(eval("(foo)"), "; error: no function definition: FOO");
  EXPECT_EQ(eval("(1 2)"), "; error: bad function: 1");
  EXPECT_EQ(eval("(\"f\" 2)"), R"(; error: bad function: "f")");
  EXPECT_EQ(eval("(setq x 5) (x)"), "; error: bad function: 5");
  EXPECT_EQ(eval("((list 1) 2)"), "; error: bad function: (1)");
  EXPECT_EQ(eval("(+ 1 . 2)"), "; error: bad list: (+ 1 . 2)");
}

TEST_F(LispErrors, TheSessionGoesOnWithWhatWasSetBeforeTheError) {
  EXPECT_EQ(eval("(setq a 1) (setq b (car 1)) (setq c 3)"), "; error: bad argument type: consp 1");
  EXPECT_EQ(eval("(list a b c)"), "(1 nil nil)");
  EXPECT_EQ(eval("(defun ok () 'fine) (ok)"), "FINE");
}

TEST_F(LispErrors, AnErrorInsideNestedCallsLeavesTheGlobalsItChanged) {
  eval("(defun inner () (setq changed 'yes) (/ 1 0))");
  eval("(defun outer () (inner) (setq after 'never))");
  EXPECT_EQ(eval("(outer)"), "; error: divide by zero");
  EXPECT_EQ(eval("(list changed after)"), "(YES nil)");
}

TEST_F(LispErrors, DeepRecursionIsAStackOverflowError) {
  eval("(defun down (n) (if (> n 0) (1+ (down (1- n))) 0))");
  EXPECT_EQ(eval("(down 200)"), "200");
  EXPECT_EQ(eval("(down 10000000)"), "; error: LISP stack overflow");
  EXPECT_EQ(eval("(down 300)"), "300");
}

TEST_F(LispErrors, EndlessRecursionIsAStackOverflowError) {
  eval("(setq depth 0)");
  eval("(defun forever (n / depth) (setq depth n) (forever (1+ n)))");
  EXPECT_EQ(eval("(forever 0)"), "; error: LISP stack overflow");
  EXPECT_EQ(eval("depth"), "0");
}

TEST_F(LispErrors, DeeplyNestedDataIsComparedWithinTheStackBound) {
  eval("(setq a nil b nil) (repeat 200000 (setq a (list a) b (list b)))");
  EXPECT_EQ(eval("(equal a b)"), "; error: LISP stack overflow");
  EXPECT_EQ(eval("(equal (list 1 2) (list 1 2))"), "T");
}

TEST_F(LispErrors, SessionsDoNotShareGlobals) {
  eval("(setq mine 1)");
  acadsim::lisp::Interpreter other(nullptr);
  EXPECT_EQ(WideToUtf8(other.evaluate(u"mine").printed), "nil");
  EXPECT_TRUE(other.evaluate(u"(setq mine 2)").ok);
  EXPECT_EQ(eval("mine"), "1");
}

}  // namespace
