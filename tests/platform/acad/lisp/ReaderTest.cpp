// The reader: every literal AutoLISP writes, comments, and malformed input.
#include "LispTestSupport.h"

namespace {

using LispReader = LispTest;

TEST_F(LispReader, Integers) {
  EXPECT_EQ(eval("700"), "700");
  EXPECT_EQ(eval("-12"), "-12");
  EXPECT_EQ(eval("+5"), "5");
  EXPECT_EQ(eval("2147483647"), "2147483647");
  EXPECT_EQ(eval("-2147483647"), "-2147483647");
}

TEST_F(LispReader, IntegersBeyond32BitsAreReals) {
  EXPECT_EQ(eval("2147483648"), "2.14748e+009");
  EXPECT_EQ(eval("(type 99999999999)"), "REAL");
}

TEST_F(LispReader, TheSmallest32BitIntegerWrittenOutReadsAsAReal) {
  EXPECT_EQ(eval("-2147483648"), "-2.14748e+009");
  EXPECT_EQ(eval("(type -2147483648)"), "REAL");
  EXPECT_EQ(eval("(- -2147483648 1)"), "-2.14748e+009");
  EXPECT_EQ(eval("(type (1- -2147483647))"), "INT");
}

TEST_F(LispReader, Reals) {
  EXPECT_EQ(eval("1.5"), "1.5");
  EXPECT_EQ(eval(".5"), "0.5");
  EXPECT_EQ(eval("5."), "5.0");
  EXPECT_EQ(eval("-0.25"), "-0.25");
  EXPECT_EQ(eval("1e3"), "1000.0");
  EXPECT_EQ(eval("1.5E-2"), "0.015");
  EXPECT_EQ(eval("1e999"), "1.#INF");
  EXPECT_EQ(eval("1e-999"), "0.0");
}

TEST_F(LispReader, RealsTooSmallForADoubleAreZeroWithOrWithoutAnExponent) {
  const std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(eval(tiny), "0.0");
  EXPECT_EQ(eval("-" + tiny), "-0.0");
  EXPECT_EQ(eval(tiny + "e+5"), "0.0");
  EXPECT_EQ(eval("(atof \"" + tiny + "\")"), "0.0");
  EXPECT_EQ(eval("(distof \"" + tiny + "\" 2)"), "0.0");
  EXPECT_EQ(eval("1" + std::string(400, '0') + ".0"), "1.#INF");
}

TEST_F(LispReader, StringsAndEscapes) {
  EXPECT_EQ(eval(R"("abc")"), R"("abc")");
  EXPECT_EQ(eval(R"((strlen "a\\b"))"), "3");
  EXPECT_EQ(eval(R"((strlen "\""))"), "1");
  EXPECT_EQ(eval(R"("line\nnext\ttab\rret\e")"), R"("line\nnext\ttab\rret\e")");
  EXPECT_EQ(eval(R"((strcat "\101\102" "\7"))"), R"("AB\007")");
  EXPECT_EQ(eval(R"("\q")"), R"("q")");
  EXPECT_EQ(eval("\"two\nlines\""), R"("two\nlines")");
  EXPECT_EQ(eval(R"("中国")"), R"("中国")");
}

TEST_F(LispReader, SymbolsAreUpperCase) {
  EXPECT_EQ(eval("'abc"), "ABC");
  EXPECT_EQ(eval("(setq MixedCase 1) mixedcase"), "1");
  EXPECT_EQ(eval("'1+"), "1+");
  EXPECT_EQ(eval("'c:my-cmd"), "C:MY-CMD");
}

TEST_F(LispReader, NilAndT) {
  EXPECT_EQ(eval("nil"), "nil");
  EXPECT_EQ(eval("NIL"), "nil");
  EXPECT_EQ(eval("()"), "nil");
  EXPECT_EQ(eval("t"), "T");
}

TEST_F(LispReader, QuoteAndLists) {
  EXPECT_EQ(eval("'(1 2 3)"), "(1 2 3)");
  EXPECT_EQ(eval("(quote (a (b c)))"), "(A (B C))");
  EXPECT_EQ(eval("''a"), "(QUOTE A)");
  EXPECT_EQ(eval("'(a 'b)"), "(A (QUOTE B))");
}

TEST_F(LispReader, DottedPairs) {
  EXPECT_EQ(eval("'(1 . 2)"), "(1 . 2)");
  EXPECT_EQ(eval("'(1 2 . 3)"), "(1 2 . 3)");
  EXPECT_EQ(eval("'(1 . (2 3))"), "(1 2 3)");
  EXPECT_EQ(eval("'(0 . \"LINE\")"), R"((0 . "LINE"))");
  EXPECT_EQ(eval("'(a . 'b)"), "(A QUOTE B)");
}

TEST_F(LispReader, Comments) {
  EXPECT_EQ(eval("(+ 1 ; one\n 2)"), "3");
  EXPECT_EQ(eval("(+ 1 ;| inline ) |; 2)"), "3");
  EXPECT_EQ(eval("(+ 1 ;| over\nlines |; 2)"), "3");
  EXPECT_EQ(eval(R"((strlen "; not a comment"))"), "15");
}

TEST_F(LispReader, EveryExpressionIsEvaluatedAndTheLastPrinted) {
  EXPECT_EQ(eval("(setq a 1) (setq b 2) (+ a b)"), "3");
  EXPECT_EQ(eval(""), "");
  EXPECT_EQ(eval("  ; only a comment"), "");
}

TEST_F(LispReader, MalformedInput) {
  EXPECT_EQ(eval("(+ 1 2"), "; error: malformed list on input");
  EXPECT_EQ(eval("'"), "; error: malformed list on input");
  EXPECT_EQ(eval("(list 'a ')"), "; error: malformed list on input");
  EXPECT_EQ(eval("(+ 1 2))"), "; error: extra right paren on input");
  EXPECT_EQ(eval(")"), "; error: extra right paren on input");
  EXPECT_EQ(eval(R"((strcat "abc)"), "; error: malformed string on input");
  EXPECT_EQ(eval(R"("abc\)"), "; error: malformed string on input");
  EXPECT_EQ(eval("'(. 1)"), "; error: misplaced dot on input");
  EXPECT_EQ(eval("'(1 .)"), "; error: misplaced dot on input");
  EXPECT_EQ(eval("'(1 . 2 3)"), "; error: misplaced dot on input");
  EXPECT_EQ(eval("'(1 . 2 . 3)"), "; error: misplaced dot on input");
  EXPECT_EQ(eval("."), "; error: misplaced dot on input");
}

TEST_F(LispReader, ExpressionsBeforeMalformedInputStillRun) {
  EXPECT_EQ(eval("(setq kept 5) (+ 1"), "; error: malformed list on input");
  EXPECT_EQ(eval("kept"), "5");
}

TEST_F(LispReader, DeepNestingIsReadWithoutExhaustingTheStack) {
  const int depth = 200000;
  const std::string nested = "'" + std::string(depth, '(') + std::string(depth, ')');
  EXPECT_EQ(eval("(length " + nested + ")"), "1");
}

}  // namespace
