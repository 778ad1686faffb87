// Arithmetic at its boundaries: 32-bit wrap, integer and real mixing, division by zero, comparisons.
#include "LispTestSupport.h"

namespace {

using LispArithmetic = LispTest;

// The smallest integer comes from arithmetic: written out, -2147483648 reads as a real.
TEST_F(LispArithmetic, IntegersWrapAt32Bits) {
  eval("(setq smallest (1- -2147483647))");
  EXPECT_EQ(eval("(+ 2147483647 1)"), "-2147483648");
  EXPECT_EQ(eval("(- smallest 1)"), "2147483647");
  EXPECT_EQ(eval("(* 65536 65536)"), "0");
  EXPECT_EQ(eval("(* 2147483647 2)"), "-2");
  EXPECT_EQ(eval("(1+ 2147483647)"), "-2147483648");
  EXPECT_EQ(eval("(1- smallest)"), "2147483647");
  EXPECT_EQ(eval("(- smallest)"), "-2147483648");
  EXPECT_EQ(eval("(abs smallest)"), "-2147483648");
}

TEST_F(LispArithmetic, TheOneOverflowingDivisionWrapsInsteadOfTrapping) {
  eval("(setq smallest (1- -2147483647))");
  EXPECT_EQ(eval("(/ smallest -1)"), "-2147483648");
  EXPECT_EQ(eval("(rem smallest -1)"), "0");
}

TEST_F(LispArithmetic, NoAndOneArgument) {
  EXPECT_EQ(eval("(+)"), "0");
  EXPECT_EQ(eval("(-)"), "0");
  EXPECT_EQ(eval("(*)"), "0");
  EXPECT_EQ(eval("(/)"), "0");
  EXPECT_EQ(eval("(+ 5)"), "5");
  EXPECT_EQ(eval("(- 5)"), "-5");
  EXPECT_EQ(eval("(- 2.5)"), "-2.5");
  EXPECT_EQ(eval("(* 5)"), "5");
  EXPECT_EQ(eval("(/ 5)"), "5");
}

TEST_F(LispArithmetic, RealsJoinLeftToRight) {
  EXPECT_EQ(eval("(+ 1 2 3 4.5)"), "10.5");
  EXPECT_EQ(eval("(+ 1 2 3 4.0)"), "10.0");
  EXPECT_EQ(eval("(- 50 40.0 2.5)"), "7.5");
  EXPECT_EQ(eval("(* 2 3.0)"), "6.0");
  EXPECT_EQ(eval("(+ 2147483647 1 0.5)"), "-2.14748e+009");
}

TEST_F(LispArithmetic, IntegerDivisionTruncatesTowardZero) {
  EXPECT_EQ(eval("(/ 7 2)"), "3");
  EXPECT_EQ(eval("(/ -7 2)"), "-3");
  EXPECT_EQ(eval("(/ 7 2.0)"), "3.5");
  EXPECT_EQ(eval("(/ 100 5 2)"), "10");
}

TEST_F(LispArithmetic, DivisionByZero) {
  EXPECT_EQ(eval("(/ 1 0)"), "; error: divide by zero");
  EXPECT_EQ(eval("(/ 1.0 0)"), "; error: divide by zero");
  EXPECT_EQ(eval("(/ 1 0.0)"), "; error: divide by zero");
  EXPECT_EQ(eval("(rem 5 0)"), "; error: divide by zero");
  EXPECT_EQ(eval("(rem 5.5 0.0)"), "; error: divide by zero");
}

TEST_F(LispArithmetic, Remainder) {
  EXPECT_EQ(eval("(rem 42 12)"), "6");
  EXPECT_EQ(eval("(rem -7 2)"), "-1");
  EXPECT_EQ(eval("(rem 12.0 16)"), "12.0");
  EXPECT_EQ(eval("(rem 5.5 2)"), "1.5");
  EXPECT_EQ(eval("(rem 60 7 3)"), "1");
}

TEST_F(LispArithmetic, TypeErrors) {
  EXPECT_EQ(eval("(+ 1 \"a\")"), R"(; error: bad argument type: numberp: "a")");
  EXPECT_EQ(eval("(* 'x 2)"), "; error: bad argument type: numberp: X");
  EXPECT_EQ(eval("(1+ nil)"), "; error: bad argument type: numberp: nil");
  EXPECT_EQ(eval("(abs '(1))"), "; error: bad argument type: numberp: (1)");
  EXPECT_EQ(eval("(1+)"), "; error: too few arguments");
  EXPECT_EQ(eval("(1+ 1 2)"), "; error: too many arguments");
}

TEST_F(LispArithmetic, MinMax) {
  EXPECT_EQ(eval("(min 3 1 2)"), "1");
  EXPECT_EQ(eval("(max 3 1 2)"), "3");
  EXPECT_EQ(eval("(max 3 2.0)"), "3.0");
  EXPECT_EQ(eval("(min -1.5 2)"), "-1.5");
  EXPECT_EQ(eval("(max)"), "0");
  EXPECT_EQ(eval("(max 1 \"2\")"), R"(; error: bad argument type: numberp: "2")");
}

TEST_F(LispArithmetic, FixAndFloat) {
  EXPECT_EQ(eval("(fix 3.7)"), "3");
  EXPECT_EQ(eval("(fix -3.7)"), "-3");
  EXPECT_EQ(eval("(fix 5)"), "5");
  EXPECT_EQ(eval("(fix 2147483647.9)"), "2147483647");
  EXPECT_EQ(eval("(fix 3e9)"), "3.0e+009");
  EXPECT_EQ(eval("(fix -3e9)"), "-3.0e+009");
  EXPECT_EQ(eval("(float 3)"), "3.0");
  EXPECT_EQ(eval("(float 2.5)"), "2.5");
}

TEST_F(LispArithmetic, NumericComparisons) {
  EXPECT_EQ(eval("(= 1 1.0)"), "T");
  EXPECT_EQ(eval("(= 1 1 2)"), "nil");
  EXPECT_EQ(eval("(= 5)"), "T");
  EXPECT_EQ(eval("(/= 1 2)"), "T");
  EXPECT_EQ(eval("(/= 1 1.0)"), "nil");
  EXPECT_EQ(eval("(< 1 2 3)"), "T");
  EXPECT_EQ(eval("(< 1 3 2)"), "nil");
  EXPECT_EQ(eval("(> 3 2 2)"), "nil");
  EXPECT_EQ(eval("(>= 3 2 2)"), "T");
  EXPECT_EQ(eval("(<= 1 1 2)"), "T");
  EXPECT_EQ(eval("(=)"), "; error: too few arguments");
}

TEST_F(LispArithmetic, StringComparisons) {
  EXPECT_EQ(eval(R"((= "abc" "abc"))"), "T");
  EXPECT_EQ(eval(R"((= "abc" "ABC"))"), "nil");
  EXPECT_EQ(eval(R"((< "abc" "abd"))"), "T");
  EXPECT_EQ(eval(R"((> "b" "abc"))"), "T");
  EXPECT_EQ(eval(R"((= 'a 'a))"), "T");
  EXPECT_EQ(eval(R"((= 1 "1"))"), "nil");
  EXPECT_EQ(eval(R"((< 1 "a"))"), R"(; error: bad argument type: numberp: "a")");
  EXPECT_EQ(eval(R"((< "a" 1))"), "; error: bad argument type: stringp 1");
}

}  // namespace
