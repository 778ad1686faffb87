#include <gtest/gtest.h>
#include <acadsim/UnitFormat.h>
#include <qvwide.h>
#include <cmath>
#include <limits>

namespace {

struct DistanceCase {
  double value;
  int unit;
  int precision;
  int unitMode;
  int dimzin;
  const char16_t* expected;
};

void PrintTo(const DistanceCase& c, std::ostream* os) {
  *os << c.value << " unit " << c.unit << " prec " << c.precision << " UNITMODE " << c.unitMode << " DIMZIN "
      << c.dimzin << " -> " << WideToUtf8(c.expected);
}

class FormatDistanceCase : public testing::TestWithParam<DistanceCase> {};

TEST_P(FormatDistanceCase, GivesRtosText) {
  const DistanceCase& c = GetParam();
  std::optional<std::u16string> text = acadsim::FormatDistance(c.value, c.unit, c.precision, c.unitMode, c.dimzin);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(WideToUtf8(*text), WideToUtf8(c.expected));
}

// The five examples of AutoCAD's rtos reference, then the same with UNITMODE 1.
INSTANTIATE_TEST_SUITE_P(
    DocumentedExamples, FormatDistanceCase,
    testing::Values(DistanceCase{17.5, 1, 4, 0, 0, u"1.7500E+01"}, DistanceCase{17.5, 2, 2, 0, 0, u"17.50"},
                    DistanceCase{17.5, 3, 2, 0, 0, u"1'-5.50\""}, DistanceCase{17.5, 4, 2, 0, 0, u"1'-5 1/2\""},
                    DistanceCase{17.5, 5, 2, 0, 0, u"17 1/2"}, DistanceCase{17.5, 3, 2, 1, 0, u"1'5.50\""},
                    DistanceCase{17.5, 4, 2, 1, 0, u"1'5-1/2\""}, DistanceCase{17.5, 5, 2, 1, 0, u"17-1/2"}));

INSTANTIATE_TEST_SUITE_P(Scientific, FormatDistanceCase,
                         testing::Values(DistanceCase{0, 1, 4, 0, 0, u"0.0000E+00"},
                                         DistanceCase{-1234.5, 1, 2, 0, 0, u"-1.23E+03"},
                                         DistanceCase{17.5, 1, 4, 0, 8, u"1.75E+01"},
                                         DistanceCase{0.00012, 1, 1, 0, 0, u"1.2E-04"},
                                         DistanceCase{9.99, 1, 0, 0, 0, u"1E+01"}));

INSTANTIATE_TEST_SUITE_P(
    DecimalRounding, FormatDistanceCase,
    testing::Values(DistanceCase{0.125, 2, 2, 0, 0, u"0.13"}, DistanceCase{2.675, 2, 2, 0, 0, u"2.68"},
                    DistanceCase{-0.125, 2, 2, 0, 0, u"-0.13"}, DistanceCase{-0.004, 2, 2, 0, 0, u"0.00"},
                    DistanceCase{-17.5, 2, 1, 0, 0, u"-17.5"}, DistanceCase{0.99999, 2, 4, 0, 0, u"1.0000"},
                    DistanceCase{1234567.891, 2, 0, 0, 0, u"1234568"},
                    DistanceCase{1.23456789, 2, 8, 0, 0, u"1.23456789"},
                    DistanceCase{1e15, 2, 2, 0, 0, u"1000000000000000.00"},
                    DistanceCase{1e20, 2, 0, 0, 0, u"100000000000000000000"}));

INSTANTIATE_TEST_SUITE_P(DecimalZeroSuppression, FormatDistanceCase,
                         testing::Values(DistanceCase{0.5, 2, 4, 0, 4, u".5000"}, DistanceCase{0.5, 2, 4, 0, 8, u"0.5"},
                                         DistanceCase{0.5, 2, 4, 0, 12, u".5"}, DistanceCase{-0.5, 2, 4, 0, 12, u"-.5"},
                                         DistanceCase{17.0, 2, 2, 0, 8, u"17"}, DistanceCase{0.0, 2, 2, 0, 8, u"0"},
                                         DistanceCase{0.0, 2, 2, 0, 12, u"0"}, DistanceCase{10.0, 2, 0, 0, 8, u"10"},
                                         DistanceCase{0.5, 2, 4, 0, 3, u"0.5000"}));

// DIMZIN 0-3: which of zero feet and zero inches show.
INSTANTIATE_TEST_SUITE_P(
    EngineeringFeetAndInches, FormatDistanceCase,
    testing::Values(DistanceCase{6, 3, 2, 0, 0, u"6.00\""}, DistanceCase{6, 3, 2, 0, 1, u"0'-6.00\""},
                    DistanceCase{6, 3, 2, 0, 2, u"0'-6.00\""}, DistanceCase{6, 3, 2, 0, 3, u"6.00\""},
                    DistanceCase{24, 3, 2, 0, 0, u"2'"}, DistanceCase{24, 3, 2, 0, 1, u"2'-0.00\""},
                    DistanceCase{24, 3, 2, 0, 2, u"2'"}, DistanceCase{24, 3, 2, 0, 3, u"2'-0.00\""},
                    DistanceCase{0, 3, 2, 0, 0, u"0.00\""}, DistanceCase{0, 3, 2, 0, 2, u"0'"},
                    DistanceCase{11.9999, 3, 0, 0, 1, u"1'-0\""}, DistanceCase{11.9999, 3, 0, 0, 0, u"1'"},
                    DistanceCase{11.994, 3, 2, 0, 1, u"0'-11.99\""}, DistanceCase{-17.5, 3, 2, 0, 0, u"-1'-5.50\""},
                    DistanceCase{17.5, 3, 2, 0, 8, u"1'-5.5\""}, DistanceCase{12.5, 3, 2, 0, 12, u"1'-.5\""},
                    DistanceCase{24, 3, 2, 1, 1, u"2'0.00\""}));

INSTANTIATE_TEST_SUITE_P(
    Architectural, FormatDistanceCase,
    testing::Values(DistanceCase{11.9999, 4, 0, 0, 1, u"1'-0\""}, DistanceCase{11.9999, 4, 4, 0, 1, u"1'-0\""},
                    DistanceCase{12.5, 4, 1, 0, 0, u"1'-0 1/2\""}, DistanceCase{12.5, 4, 1, 1, 0, u"1'0-1/2\""},
                    DistanceCase{0.5, 4, 1, 0, 0, u"1/2\""}, DistanceCase{0.5, 4, 1, 0, 1, u"0'-0 1/2\""},
                    DistanceCase{0.75, 4, 4, 0, 0, u"3/4\""}, DistanceCase{0.03, 4, 8, 0, 0, u"1/32\""},
                    DistanceCase{0.001, 4, 2, 0, 0, u"0\""}, DistanceCase{5.999, 4, 2, 0, 0, u"6\""},
                    DistanceCase{5.875, 4, 2, 0, 0, u"6\""}, DistanceCase{5.625, 4, 2, 0, 0, u"5 3/4\""},
                    DistanceCase{12003.25, 4, 2, 0, 0, u"1000'-3 1/4\""}, DistanceCase{36, 4, 3, 0, 0, u"3'"},
                    DistanceCase{36, 4, 3, 0, 3, u"3'-0\""}, DistanceCase{-0.5, 4, 1, 0, 0, u"-1/2\""}));

INSTANTIATE_TEST_SUITE_P(Fractional, FormatDistanceCase,
                         testing::Values(DistanceCase{0.5, 5, 1, 0, 0, u"1/2"}, DistanceCase{3, 5, 2, 0, 0, u"3"},
                                         DistanceCase{2.99, 5, 2, 0, 0, u"3"}, DistanceCase{0.001, 5, 8, 0, 0, u"0"},
                                         DistanceCase{-2.25, 5, 2, 0, 0, u"-2 1/4"},
                                         DistanceCase{-2.25, 5, 2, 1, 0, u"-2-1/4"},
                                         DistanceCase{7.1, 5, 0, 0, 0, u"7"}));

TEST(FormatDistance, RefusesUnitsAndPrecisionsOutOfRange) {
  EXPECT_FALSE(acadsim::FormatDistance(1, 0, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(1, 6, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(1, -1, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(1, 2, -1, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(1, 2, 9, 0, 0));
  EXPECT_TRUE(acadsim::FormatDistance(1, 2, 8, 0, 0));
  EXPECT_TRUE(acadsim::FormatDistance(1, 4, 8, 0, 0));
}

TEST(FormatDistance, RefusesWhatIsNotANumberOrTooLargeToCount) {
  EXPECT_FALSE(acadsim::FormatDistance(std::numeric_limits<double>::quiet_NaN(), 2, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(std::numeric_limits<double>::infinity(), 2, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(-std::numeric_limits<double>::infinity(), 4, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(1e30, 4, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatDistance(1e30, 3, 2, 0, 0));
  EXPECT_TRUE(acadsim::FormatDistance(1e30, 2, 2, 0, 0));
  EXPECT_TRUE(acadsim::FormatDistance(1e300, 1, 2, 0, 0));
}

}  // namespace
