// inputState and InputScanner: when the command line has read a whole expression.
#include <acadsim/Lisp.h>
#include <gtest/gtest.h>
#include <qvwide.h>

namespace {

using acadsim::lisp::InputScanner;
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

// Input cut anywhere (inside atoms, strings, escapes and comments too) and fed in two or three pieces reads
// as the whole does.
TEST(LispInputScanner, PiecesCutAnywhereGiveTheStateOfTheWhole) {
  const std::u16string inputs[] = {
      u"(+ 12 34)",          u"(defun f ()\n(princ \"x\")\n)", u"(princ \"\\\")\")", u"(+ 1 ;| )\n |; 2)",
      u"(+ 1 ; )\n 2)",     u"(a)) (b",                     u"(a) 'b",                 u"(setq s \"a b\"",
      u"(quote (1 . 2))",    u"(a) '",
  };
  for (const std::u16string& whole : inputs) {
    for (size_t first = 0; first <= whole.size(); ++first) {
      for (size_t second = first; second <= whole.size(); ++second) {
        InputScanner scanner;
        scanner.feed(whole.substr(0, first));
        scanner.feed(whole.substr(first, second - first));
        EXPECT_EQ(scanner.feed(whole.substr(second)), inputState(whole))
            << WideToUtf8(whole) << " cut at " << first << " and " << second;
      }
    }
  }
}

TEST(LispInputScanner, OnceMalformedItStaysMalformed) {
  InputScanner scanner;
  EXPECT_EQ(scanner.feed(u")"), InputState::Malformed);
  EXPECT_EQ(scanner.feed(u" (a"), InputState::Malformed);
}

}  // namespace
