// inputState: when the command line has read a whole expression.
#include <acadsim/Lisp.h>
#include <gtest/gtest.h>

namespace {

using acadsim::lisp::inputState;
using acadsim::lisp::InputState;

TEST(LispInputState, BalancedParenthesesAreComplete) {
  EXPECT_EQ(inputState(u"(+ 1 2)"), InputState::Complete);
  EXPECT_EQ(inputState(u"(setq a '(1 (2)))"), InputState::Complete);
  EXPECT_EQ(inputState(u"(a) (b)"), InputState::Complete);
}

TEST(LispInputState, OpenParenthesesNeedMore) {
  EXPECT_EQ(inputState(u"("), InputState::NeedMore);
  EXPECT_EQ(inputState(u"(defun f ()\n(princ \"x\")"), InputState::NeedMore);
  EXPECT_EQ(inputState(u"(defun f ()\n(princ \"x\")\n)"), InputState::Complete);
  EXPECT_EQ(inputState(u"(a) (b"), InputState::NeedMore);
  EXPECT_EQ(inputState(u"'"), InputState::NeedMore);
}

TEST(LispInputState, StringsHideParentheses) {
  EXPECT_EQ(inputState(u"(princ \")\")"), InputState::Complete);
  EXPECT_EQ(inputState(u"(princ \"(\")"), InputState::Complete);
  EXPECT_EQ(inputState(u"(princ \"abc"), InputState::NeedMore);
  EXPECT_EQ(inputState(u"(princ \"abc\ndef\")"), InputState::Complete);
}

TEST(LispInputState, EscapesInStrings) {
  EXPECT_EQ(inputState(u"(princ \"\\\")\")"), InputState::Complete);
  EXPECT_EQ(inputState(u"(princ \"\\\")"), InputState::NeedMore);
  EXPECT_EQ(inputState(u"(princ \"\\\\\")"), InputState::Complete);
}

TEST(LispInputState, CommentsHideParentheses) {
  EXPECT_EQ(inputState(u"(+ 1 ; )\n 2)"), InputState::Complete);
  EXPECT_EQ(inputState(u"(+ 1 ; )"), InputState::NeedMore);
  EXPECT_EQ(inputState(u"(+ 1 ;| ) |; 2)"), InputState::Complete);
  EXPECT_EQ(inputState(u"(+ 1 ;| )\n more"), InputState::NeedMore);
  EXPECT_EQ(inputState(u"(+ 1 ;| )\n |; 2)"), InputState::Complete);
}

TEST(LispInputState, AClosingParenthesisThatClosesNothingIsMalformed) {
  EXPECT_EQ(inputState(u")"), InputState::Malformed);
  EXPECT_EQ(inputState(u"(a))"), InputState::Malformed);
  EXPECT_EQ(inputState(u"(a)) (b"), InputState::Malformed);
}

}  // namespace
