// quote, setq, defun, lambda, if, cond, progn, while, repeat, foreach, and, or, function.
#include "LispTestSupport.h"

namespace {

using LispSyntaxForms = LispTest;

TEST_F(LispSyntaxForms, SetqAssignsPairsInOrderAndGivesTheLast) {
  EXPECT_EQ(eval("(setq a 1 b (+ a 1))"), "2");
  EXPECT_EQ(eval("(list a b)"), "(1 2)");
  EXPECT_EQ(eval("(setq a)"), "; error: too few arguments");
  EXPECT_EQ(eval("(setq a 5 b)"), "; error: too few arguments");
  EXPECT_EQ(eval("(setq 1 2)"), "; error: bad argument type: symbolp 1");
  EXPECT_EQ(eval("(setq nil 2)"), "; error: bad argument type: symbolp nil");
}

TEST_F(LispSyntaxForms, UnboundSymbolsAreNil) { EXPECT_EQ(eval("never-set"), "nil"); }

TEST_F(LispSyntaxForms, DefunReturnsItsNameAndDefines) {
  EXPECT_EQ(eval("(defun sq (x) (* x x))"), "SQ");
  EXPECT_EQ(eval("(sq 12)"), "144");
  EXPECT_EQ(eval("(type sq)"), "USUBR");
  EXPECT_EQ(eval("(defun noop ())"), "NOOP");
  EXPECT_EQ(eval("(noop)"), "nil");
}

TEST_F(LispSyntaxForms, DefunArgumentCount) {
  eval("(defun two (a b) (list a b))");
  EXPECT_EQ(eval("(two 1)"), "; error: too few arguments");
  EXPECT_EQ(eval("(two 1 2 3)"), "; error: too many arguments");
  EXPECT_EQ(eval("(two 1 2)"), "(1 2)");
}

TEST_F(LispSyntaxForms, ArgumentsAndLocalsAreRestoredAfterTheCall) {
  eval("(setq x 'outer y 'outer)");
  eval("(defun f (x / y) (setq y x) (list x y))");
  EXPECT_EQ(eval("(f 5)"), "(5 5)");
  EXPECT_EQ(eval("(list x y)"), "(OUTER OUTER)");
}

TEST_F(LispSyntaxForms, BindingsAreDynamic) {
  eval("(defun show () depth)");
  eval("(defun wrap (depth) (show))");
  EXPECT_EQ(eval("(wrap 3)"), "3");
  EXPECT_EQ(eval("(show)"), "nil");
}

TEST_F(LispSyntaxForms, LocalsComeBackAfterAnError) {
  eval("(setq x 1)");
  eval("(defun bad (x) (car x))");
  EXPECT_EQ(eval("(bad 5)"), "; error: bad argument type: consp 5");
  EXPECT_EQ(eval("x"), "1");
}

TEST_F(LispSyntaxForms, DefunParameterList) {
  EXPECT_EQ(eval("(defun d (a a) a)"), "; error: duplicate argument name: A");
  EXPECT_EQ(eval("(defun d (1) 1)"), "; error: bad argument type: symbolp 1");
  EXPECT_EQ(eval("(defun 1 () 1)"), "; error: bad argument type: symbolp 1");
  EXPECT_EQ(eval("(defun d)"), "; error: too few arguments");
  EXPECT_EQ(eval("(defun d (/ a b) (setq a 1 b 2) (+ a b)) (d)"), "3");
}

TEST_F(LispSyntaxForms, AFunctionThatRedefinesItselfFinishes) {
  eval("(defun self () (defun self () 'second) 'first)");
  EXPECT_EQ(eval("(self)"), "FIRST");
  EXPECT_EQ(eval("(self)"), "SECOND");
}

TEST_F(LispSyntaxForms, Recursion) {
  eval("(defun fact (n) (if (< n 2) 1 (* n (fact (1- n)))))");
  EXPECT_EQ(eval("(fact 10)"), "3628800");
}

TEST_F(LispSyntaxForms, Lambda) {
  EXPECT_EQ(eval("((lambda (x y) (+ x y)) 1 2)"), "3");
  EXPECT_EQ(eval("(type (lambda () 1))"), "USUBR");
  EXPECT_EQ(eval("(setq add1 (lambda (n) (1+ n))) (add1 4)"), "5");
}

TEST_F(LispSyntaxForms, If) {
  EXPECT_EQ(eval("(if t 1 2)"), "1");
  EXPECT_EQ(eval("(if nil 1 2)"), "2");
  EXPECT_EQ(eval("(if nil 1)"), "nil");
  EXPECT_EQ(eval("(if 0 'zero-is-true)"), "ZERO-IS-TRUE");
  EXPECT_EQ(eval("(if)"), "; error: too few arguments");
  EXPECT_EQ(eval("(if t)"), "; error: too few arguments");
  EXPECT_EQ(eval("(if t 1 2 3)"), "; error: too many arguments");
}

TEST_F(LispSyntaxForms, IfEvaluatesOnlyTheChosenBranch) {
  eval("(if t (setq chosen 1) (setq other 1))");
  EXPECT_EQ(eval("(list chosen other)"), "(1 nil)");
}

TEST_F(LispSyntaxForms, Cond) {
  EXPECT_EQ(eval("(cond ((= 1 2) 'a) ((= 1 1) 'b 'c) (t 'd))"), "C");
  EXPECT_EQ(eval("(cond ((member 2 '(1 2 3))))"), "(2 3)");
  EXPECT_EQ(eval("(cond (nil 1))"), "nil");
  EXPECT_EQ(eval("(cond)"), "nil");
  EXPECT_EQ(eval("(cond 5)"), "; error: bad argument type: consp 5");
}

TEST_F(LispSyntaxForms, Progn) {
  EXPECT_EQ(eval("(progn (setq p 1) (setq p (1+ p)) p)"), "2");
  EXPECT_EQ(eval("(progn)"), "nil");
}

TEST_F(LispSyntaxForms, While) {
  EXPECT_EQ(eval("(setq i 0 sum 0) (while (< i 5) (setq sum (+ sum i)) (setq i (1+ i)))"), "5");
  EXPECT_EQ(eval("sum"), "10");
  EXPECT_EQ(eval("(while nil 1)"), "nil");
  EXPECT_EQ(eval("(while)"), "; error: too few arguments");
}

TEST_F(LispSyntaxForms, Repeat) {
  EXPECT_EQ(eval("(setq n 0) (repeat 4 (setq n (+ n 2)))"), "8");
  EXPECT_EQ(eval("(repeat 0 (setq n 99))"), "nil");
  EXPECT_EQ(eval("(repeat -3 (setq n 99))"), "nil");
  EXPECT_EQ(eval("n"), "8");
  EXPECT_EQ(eval("(repeat 1.5 1)"), "; error: bad argument type: fixnump: 1.5");
}

TEST_F(LispSyntaxForms, ForeachKeepsItsVariableToItself) {
  eval("(setq item 'before total 0)");
  EXPECT_EQ(eval("(foreach item '(1 2 3) (setq total (+ total item)))"), "6");
  EXPECT_EQ(eval("item"), "BEFORE");
  EXPECT_EQ(eval("(foreach item nil 1)"), "nil");
  EXPECT_EQ(eval("(foreach 1 '(1) 1)"), "; error: bad argument type: symbolp 1");
  EXPECT_EQ(eval("(foreach x 5 x)"), "; error: bad argument type: listp 5");
}

TEST_F(LispSyntaxForms, AndOrGiveTOrNilAndStopEarly) {
  EXPECT_EQ(eval("(and 1 2)"), "T");
  EXPECT_EQ(eval("(and)"), "T");
  EXPECT_EQ(eval("(and 1 nil (setq never 1))"), "nil");
  EXPECT_EQ(eval("(or nil 5)"), "T");
  EXPECT_EQ(eval("(or)"), "nil");
  EXPECT_EQ(eval("(or 1 (setq never 1))"), "T");
  EXPECT_EQ(eval("never"), "nil");
}

TEST_F(LispSyntaxForms, QuoteAndFunction) {
  EXPECT_EQ(eval("(quote x)"), "X");
  EXPECT_EQ(eval("(quote)"), "; error: too few arguments");
  EXPECT_EQ(eval("(quote a b)"), "; error: too many arguments");
  EXPECT_EQ(eval("(mapcar (function (lambda (x) (* 2 x))) '(1 2))"), "(2 4)");
  EXPECT_EQ(eval("(type (function car))"), "SUBR");
}

}  // namespace
