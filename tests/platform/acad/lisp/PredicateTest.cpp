// eq, equal, atom, listp, numberp, minusp, zerop, boundp, type, not, null.
#include "LispTestSupport.h"

namespace {

using LispPredicates = LispTest;

TEST_F(LispPredicates, EqIsIdentity) {
  EXPECT_EQ(eval("(eq 'a 'a)"), "T");
  EXPECT_EQ(eval("(eq 1 1)"), "T");
  EXPECT_EQ(eval("(eq 1 1.0)"), "nil");
  EXPECT_EQ(eval("(eq '(1) '(1))"), "nil");
  EXPECT_EQ(eval("(setq l '(1)) (eq l l)"), "T");
  EXPECT_EQ(eval("(eq nil nil)"), "T");
  EXPECT_EQ(eval(R"((eq "a" "a"))"), "nil");
}

TEST_F(LispPredicates, EqualIsStructure) {
  EXPECT_EQ(eval("(equal '(1 (2 \"x\")) '(1 (2 \"x\")))"), "T");
  EXPECT_EQ(eval("(equal '(1 . 2) '(1 . 2))"), "T");
  EXPECT_EQ(eval("(equal '(1 2) '(1 2 3))"), "nil");
  EXPECT_EQ(eval("(equal 1 1.0)"), "T");
  EXPECT_EQ(eval("(equal 1.0 1.05)"), "nil");
  EXPECT_EQ(eval("(equal 1.0 1.05 0.1)"), "T");
  EXPECT_EQ(eval("(equal '(1.0 2.0) '(1.01 1.99) 0.02)"), "T");
  EXPECT_EQ(eval("(equal 'a \"A\")"), "nil");
  EXPECT_EQ(eval("(equal 1 2 'x)"), "; error: bad argument type: numberp: X");
}

TEST_F(LispPredicates, KindTests) {
  EXPECT_EQ(eval("(atom 'a)"), "T");
  EXPECT_EQ(eval("(atom nil)"), "T");
  EXPECT_EQ(eval("(atom '(1))"), "nil");
  EXPECT_EQ(eval("(listp nil)"), "T");
  EXPECT_EQ(eval("(listp '(1 . 2))"), "T");
  EXPECT_EQ(eval("(listp 1)"), "nil");
  EXPECT_EQ(eval("(numberp 1.5)"), "T");
  EXPECT_EQ(eval("(numberp \"1\")"), "nil");
}

TEST_F(LispPredicates, SignTests) {
  EXPECT_EQ(eval("(minusp -0.5)"), "T");
  EXPECT_EQ(eval("(minusp 0)"), "nil");
  EXPECT_EQ(eval("(zerop 0.0)"), "T");
  EXPECT_EQ(eval("(zerop 1)"), "nil");
  EXPECT_EQ(eval("(minusp 'a)"), "; error: bad argument type: numberp: A");
  EXPECT_EQ(eval("(zerop nil)"), "; error: bad argument type: numberp: nil");
}

TEST_F(LispPredicates, Boundp) {
  EXPECT_EQ(eval("(boundp 'nothing-here)"), "nil");
  EXPECT_EQ(eval("(setq here 1) (boundp 'here)"), "T");
  EXPECT_EQ(eval("(setq here nil) (boundp 'here)"), "nil");
  EXPECT_EQ(eval("(boundp 1)"), "; error: bad argument type: symbolp 1");
  EXPECT_EQ(eval("(boundp nil)"), "nil");
  EXPECT_EQ(eval("(boundp 'vl-registry-read)"), "T");
}

TEST_F(LispPredicates, Type) {
  EXPECT_EQ(eval("(type 1)"), "INT");
  EXPECT_EQ(eval("(type 1.0)"), "REAL");
  EXPECT_EQ(eval("(type \"s\")"), "STR");
  EXPECT_EQ(eval("(type 'a)"), "SYM");
  EXPECT_EQ(eval("(type '(1))"), "LIST");
  EXPECT_EQ(eval("(type car)"), "SUBR");
  EXPECT_EQ(eval("(type if)"), "SUBR");
  EXPECT_EQ(eval("(type nil)"), "nil");
}

TEST_F(LispPredicates, NotAndNull) {
  EXPECT_EQ(eval("(not nil)"), "T");
  EXPECT_EQ(eval("(not 0)"), "nil");
  EXPECT_EQ(eval("(null '())"), "T");
  EXPECT_EQ(eval("(null (princ))"), "nil");
}

}  // namespace
