// String functions at their ends: substr past the end, empty strings, case, number conversion.
#include "LispTestSupport.h"

namespace {

using LispStrings = LispTest;

TEST_F(LispStrings, Strcat) {
  EXPECT_EQ(eval(R"((strcat "a" "bc" ""))"), R"("abc")");
  EXPECT_EQ(eval("(strcat)"), R"("")");
  EXPECT_EQ(eval(R"((strcat "a" 1))"), "; error: bad argument type: stringp 1");
}

TEST_F(LispStrings, HugeStringsAreAnErrorNotAnExhaustedHost) {
  EXPECT_EQ(eval(R"((setq s "0123456789abcdef") (repeat 40 (setq s (strcat s s))))"),
            "; error: insufficient string space");
  EXPECT_EQ(eval("(strlen s)"), "16777216");
}

TEST_F(LispStrings, Substr) {
  EXPECT_EQ(eval(R"((substr "abcde" 2))"), R"("bcde")");
  EXPECT_EQ(eval(R"((substr "abcde" 2 1))"), R"("b")");
  EXPECT_EQ(eval(R"((substr "abcde" 3 2))"), R"("cd")");
  EXPECT_EQ(eval(R"((substr "abcde" 1 0))"), R"("")");
  EXPECT_EQ(eval(R"((substr "abcde" 5))"), R"("e")");
  EXPECT_EQ(eval(R"((substr "abcde" 6))"), R"("")");
  EXPECT_EQ(eval(R"((substr "abcde" 100 2))"), R"("")");
  EXPECT_EQ(eval(R"((substr "abcde" 4 100))"), R"("de")");
  EXPECT_EQ(eval(R"((substr "中国" 1 1))"), R"("中")");
}

TEST_F(LispStrings, SubstrRefusesPositionsBeforeTheStartAndNegativeLengths) {
  EXPECT_EQ(eval(R"((substr "abc" 0))"), "; error: bad argument value: positive 0");
  EXPECT_EQ(eval(R"((substr "abc" -1))"), "; error: bad argument value: positive -1");
  EXPECT_EQ(eval(R"((substr "abc" 1 -1))"), "; error: bad argument value: non-negative: -1");
  EXPECT_EQ(eval(R"((substr "abc" 1.0))"), "; error: bad argument type: fixnump: 1.0");
  EXPECT_EQ(eval("(substr 5 1)"), "; error: bad argument type: stringp 5");
}

TEST_F(LispStrings, Strlen) {
  EXPECT_EQ(eval(R"((strlen "abcd"))"), "4");
  EXPECT_EQ(eval(R"((strlen "ab" "cde"))"), "5");
  EXPECT_EQ(eval(R"((strlen ""))"), "0");
  EXPECT_EQ(eval("(strlen)"), "0");
}

TEST_F(LispStrings, Strcase) {
  EXPECT_EQ(eval(R"((strcase "This is a TEST."))"), R"("THIS IS A TEST.")");
  EXPECT_EQ(eval(R"((strcase "This is a TEST." t))"), R"("this is a test.")");
  EXPECT_EQ(eval(R"((strcase "Größe ×÷" nil))"), R"("GRÖßE ×÷")");
  EXPECT_EQ(eval(R"((strcase "ÀÉ" t))"), R"("àé")");
}

TEST_F(LispStrings, Itoa) {
  EXPECT_EQ(eval("(itoa 33)"), R"("33")");
  EXPECT_EQ(eval("(itoa (1- -2147483647))"), R"("-2147483648")");
  EXPECT_EQ(eval("(itoa 1.5)"), "; error: bad argument type: fixnump: 1.5");
}

TEST_F(LispStrings, Atoi) {
  EXPECT_EQ(eval(R"((atoi "97"))"), "97");
  EXPECT_EQ(eval(R"((atoi "  -3 apples"))"), "-3");
  EXPECT_EQ(eval(R"((atoi "3.9"))"), "3");
  EXPECT_EQ(eval(R"((atoi "abc"))"), "0");
  EXPECT_EQ(eval(R"((atoi ""))"), "0");
  EXPECT_EQ(eval(R"((atoi "99999999999999999999"))"), "2147483647");
  EXPECT_EQ(eval(R"((atoi "-99999999999"))"), "-2147483648");
}

TEST_F(LispStrings, Atof) {
  EXPECT_EQ(eval(R"((atof "97.1"))"), "97.1");
  EXPECT_EQ(eval(R"((atof " 3"))"), "3.0");
  EXPECT_EQ(eval(R"((atof "1.5e2xyz"))"), "150.0");
  EXPECT_EQ(eval(R"((atof "2e"))"), "2.0");
  EXPECT_EQ(eval(R"((atof "abc"))"), "0.0");
  EXPECT_EQ(eval(R"((atof "inf"))"), "0.0");
  EXPECT_EQ(eval(R"((atof "-1e999"))"), "-1.#INF");
  EXPECT_EQ(eval("(atof 1)"), "; error: bad argument type: stringp 1");
}

}  // namespace
