// List functions, their ends (nil, dotted lists, atoms) and mapping.
#include "LispTestSupport.h"

namespace {

using LispLists = LispTest;

TEST_F(LispLists, ConsAndList) {
  EXPECT_EQ(eval("(cons 1 '(2 3))"), "(1 2 3)");
  EXPECT_EQ(eval("(cons 'a 'b)"), "(A . B)");
  EXPECT_EQ(eval("(cons 1 nil)"), "(1)");
  EXPECT_EQ(eval("(list)"), "nil");
  EXPECT_EQ(eval("(cons 1)"), "; error: too few arguments");
}

TEST_F(LispLists, CarCdrAndTheirCompositions) {
  EXPECT_EQ(eval("(car '(1 2 3))"), "1");
  EXPECT_EQ(eval("(cdr '(1 2 3))"), "(2 3)");
  EXPECT_EQ(eval("(cdr '(1 . 2))"), "2");
  EXPECT_EQ(eval("(cadr '(1 2 3))"), "2");
  EXPECT_EQ(eval("(caddr '(1 2 3))"), "3");
  EXPECT_EQ(eval("(cddr '(1 2 3))"), "(3)");
  EXPECT_EQ(eval("(caar '((1) 2))"), "1");
  EXPECT_EQ(eval("(car nil)"), "nil");
  EXPECT_EQ(eval("(caddr '(1))"), "nil");
  EXPECT_EQ(eval("(car 5)"), "; error: bad argument type: consp 5");
  EXPECT_EQ(eval("(cadr '(1 . 2))"), "; error: bad argument type: consp 2");
}

TEST_F(LispLists, LastAndLength) {
  EXPECT_EQ(eval("(last '(1 2 3))"), "3");
  EXPECT_EQ(eval("(last nil)"), "nil");
  EXPECT_EQ(eval("(length '(1 (2 3) 4))"), "3");
  EXPECT_EQ(eval("(length nil)"), "0");
  EXPECT_EQ(eval("(length '(1 . 2))"), "; error: bad list: (1 . 2)");
  EXPECT_EQ(eval("(length 5)"), "; error: bad argument type: listp 5");
}

TEST_F(LispLists, Nth) {
  EXPECT_EQ(eval("(nth 0 '(a b c))"), "A");
  EXPECT_EQ(eval("(nth 2 '(a b c))"), "C");
  EXPECT_EQ(eval("(nth 3 '(a b c))"), "nil");
  EXPECT_EQ(eval("(nth 0 nil)"), "nil");
  EXPECT_EQ(eval("(nth -1 '(a b c))"), "; error: bad argument value: non-negative: -1");
  EXPECT_EQ(eval("(nth 1.0 '(a))"), "; error: bad argument type: fixnump: 1.0");
}

TEST_F(LispLists, Assoc) {
  eval(R"((setq data '((0 . "LINE") (8 . "Walls") (10 1.0 2.0 0.0))))");
  EXPECT_EQ(eval("(assoc 8 data)"), R"((8 . "Walls"))");
  EXPECT_EQ(eval("(cdr (assoc 10 data))"), "(1.0 2.0 0.0)");
  EXPECT_EQ(eval("(assoc 62 data)"), "nil");
  EXPECT_EQ(eval("(assoc '(a) '(((a) . 1)))"), "((A) . 1)");
  EXPECT_EQ(eval("(assoc 1 '(nil (1 . 2)))"), "(1 . 2)");
  EXPECT_EQ(eval("(assoc 1 '(1 2))"), "; error: bad association list: (1 2)");
}

TEST_F(LispLists, Append) {
  EXPECT_EQ(eval("(append '(1 2) '(3) nil '(4 5))"), "(1 2 3 4 5)");
  EXPECT_EQ(eval("(append)"), "nil");
  EXPECT_EQ(eval("(append '(1) 2)"), "; error: bad argument type: listp 2");
}

TEST_F(LispLists, MemberUsesEqual) {
  EXPECT_EQ(eval("(member 'c '(a b c d))"), "(C D)");
  EXPECT_EQ(eval("(member '(1) '(0 (1) 2))"), "((1) 2)");
  EXPECT_EQ(eval("(member 'z '(a b))"), "nil");
  EXPECT_EQ(eval("(member 1 5)"), "; error: bad argument type: listp 5");
}

TEST_F(LispLists, ReverseAndSubst) {
  EXPECT_EQ(eval("(reverse '(1 (2 3) 4))"), "(4 (2 3) 1)");
  EXPECT_EQ(eval("(reverse nil)"), "nil");
  EXPECT_EQ(eval("(subst 'qq 'b '(a b (c d) b))"), "(A QQ (C D) QQ)");
  EXPECT_EQ(eval("(subst 'qq '(c d) '(a b (c d) b))"), "(A B QQ B)");
  EXPECT_EQ(eval("(subst '(8 . \"New\") '(8 . \"Old\") '((0 . \"X\") (8 . \"Old\")))"),
            R"(((0 . "X") (8 . "New")))");
}

TEST_F(LispLists, Mapcar) {
  EXPECT_EQ(eval("(mapcar '1+ '(10 20 30))"), "(11 21 31)");
  EXPECT_EQ(eval("(mapcar '+ '(1 2 3) '(10 20))"), "(11 22)");
  EXPECT_EQ(eval("(mapcar '(lambda (x) (* x x)) '(1 2 3))"), "(1 4 9)");
  EXPECT_EQ(eval("(mapcar (lambda (x) x) nil)"), "nil");
  EXPECT_EQ(eval("(defun twice (x) (* 2 x)) (mapcar 'twice '(1 2))"), "(2 4)");
  EXPECT_EQ(eval("(mapcar 'undefined-fn '(1))"), "; error: no function definition: UNDEFINED-FN");
  EXPECT_EQ(eval("(mapcar 5 '(1))"), "; error: bad function: 5");
  EXPECT_EQ(eval("(mapcar '(1 2) '(1))"), "; error: bad function: (1 2)");
}

TEST_F(LispLists, Apply) {
  EXPECT_EQ(eval("(apply '+ '(1 2 3))"), "6");
  EXPECT_EQ(eval("(apply 'strcat '(\"a\" \"b\"))"), R"("ab")");
  EXPECT_EQ(eval("(apply '(lambda (a b) (- a b)) '(10 3))"), "7");
  EXPECT_EQ(eval("(apply 'max nil)"), "0");
  EXPECT_EQ(eval("(apply '+ 5)"), "; error: bad argument type: listp 5");
  EXPECT_EQ(eval("(apply 'setq '(a 1))"), "; error: bad function: SETQ");
}

TEST_F(LispLists, LongListsLiveAndDieWithoutExhaustingTheStack) {
  EXPECT_EQ(eval("(setq big nil) (setq i 0) (repeat 300000 (setq big (cons i big)))"
                 " (length big)"),
            "300000");
  EXPECT_EQ(eval("(length (reverse big))"), "300000");
  EXPECT_EQ(eval("(equal big (reverse (reverse big)))"), "T");
  EXPECT_EQ(eval("(setq big nil)"), "nil");
}

}  // namespace
