#include <gtest/gtest.h>
#include <acadsim/UnitFormat.h>
#include <qvwide.h>
#include <limits>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double Degrees(double degrees) { return degrees * kPi / 180; }

struct AngleCase {
  double radians;
  int unit;
  int precision;
  int unitMode;
  int dimzin;
  const char16_t* expected;
};

void PrintTo(const AngleCase& c, std::ostream* os) {
  *os << c.radians << " rad unit " << c.unit << " prec " << c.precision << " UNITMODE " << c.unitMode << " DIMZIN "
      << c.dimzin << " -> " << WideToUtf8(c.expected);
}

class FormatAngleCase : public testing::TestWithParam<AngleCase> {};

TEST_P(FormatAngleCase, GivesAngtosText) {
  const AngleCase& c = GetParam();
  std::optional<std::u16string> text = acadsim::FormatAngle(c.radians, c.unit, c.precision, c.unitMode, c.dimzin);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(WideToUtf8(*text), WideToUtf8(c.expected));
}

// AutoCAD's angtos reference: (angtos 0.785398 0 4), (angtos -0.785398 0 4), (angtos -0.785398 4) at
// AUPREC 0, and its UNITMODE example.
INSTANTIATE_TEST_SUITE_P(DocumentedExamples, FormatAngleCase,
                         testing::Values(AngleCase{0.785398, 0, 4, 0, 0, u"45.0000"},
                                         AngleCase{-0.785398, 0, 4, 0, 0, u"315.0000"},
                                         AngleCase{-0.785398, 4, 0, 0, 0, u"S 45d E"},
                                         AngleCase{0.785398, 4, 0, 0, 0, u"N 45d E"},
                                         AngleCase{0.785398, 4, 0, 1, 0, u"N45dE"}));

INSTANTIATE_TEST_SUITE_P(
    Reduction, FormatAngleCase,
    testing::Values(AngleCase{Degrees(360) - 1e-9, 0, 4, 0, 0, u"0.0000"}, AngleCase{-1e-12, 0, 4, 0, 0, u"0.0000"},
                    AngleCase{2 * kPi, 0, 2, 0, 0, u"0.00"}, AngleCase{5 * kPi, 0, 0, 0, 0, u"180"},
                    AngleCase{4 * kPi + kPi / 4, 0, 0, 0, 0, u"45"}, AngleCase{-7 * kPi / 2, 0, 1, 0, 0, u"90.0"},
                    AngleCase{Degrees(359.6), 0, 0, 0, 0, u"0"}));

INSTANTIATE_TEST_SUITE_P(
    DegreesMinutesSeconds, FormatAngleCase,
    testing::Values(AngleCase{Degrees(45 + 30 / 60.0 + 15 / 3600.0), 1, 4, 0, 0, u"45d30'15\""},
                    AngleCase{Degrees(45 + 30 / 60.0 + 15 / 3600.0), 1, 3, 0, 0, u"45d30'15\""},
                    AngleCase{Degrees(45 + 30 / 60.0 + 15 / 3600.0), 1, 2, 0, 0, u"45d30'"},
                    AngleCase{Degrees(45 + 30 / 60.0 + 15 / 3600.0), 1, 1, 0, 0, u"45d30'"},
                    AngleCase{Degrees(45 + 30 / 60.0 + 15 / 3600.0), 1, 0, 0, 0, u"46d"},
                    AngleCase{Degrees(45 + 30 / 60.0 + 15 / 3600.0), 1, 5, 0, 0, u"45d30'15.0\""},
                    AngleCase{Degrees(45 + 30 / 60.0 + 15.25 / 3600.0), 1, 8, 0, 0, u"45d30'15.2500\""},
                    AngleCase{Degrees(29.99999), 1, 4, 0, 0, u"30d0'0\""},
                    AngleCase{Degrees(359.9999), 1, 2, 0, 0, u"0d0'"}, AngleCase{0, 1, 4, 0, 0, u"0d0'0\""}));

INSTANTIATE_TEST_SUITE_P(GradsAndRadians, FormatAngleCase,
                         testing::Values(AngleCase{kPi / 2, 2, 2, 0, 0, u"100.00g"},
                                         AngleCase{-kPi / 2, 2, 0, 0, 0, u"300g"}, AngleCase{1, 3, 4, 0, 0, u"1.0000r"},
                                         AngleCase{-1, 3, 4, 0, 0, u"5.2832r"},
                                         AngleCase{2 * kPi - 1e-7, 3, 4, 0, 0, u"0.0000r"},
                                         AngleCase{kPi, 3, 0, 0, 0, u"3r"}));

INSTANTIATE_TEST_SUITE_P(ZeroSuppression, FormatAngleCase,
                         testing::Values(AngleCase{0.785398, 0, 4, 0, 8, u"45"},
                                         AngleCase{Degrees(0.1), 0, 4, 0, 4, u".1000"},
                                         AngleCase{Degrees(0.1), 0, 4, 0, 12, u".1"},
                                         AngleCase{kPi / 2, 2, 2, 0, 8, u"100g"}, AngleCase{0.5, 3, 4, 0, 12, u".5r"}));

INSTANTIATE_TEST_SUITE_P(Surveyor, FormatAngleCase,
                         testing::Values(AngleCase{3 * kPi / 4, 4, 0, 0, 0, u"N 45d W"},
                                         AngleCase{5 * kPi / 4, 4, 0, 0, 0, u"S 45d W"}, AngleCase{0, 4, 0, 0, 0, u"E"},
                                         AngleCase{kPi / 2, 4, 4, 0, 0, u"N"}, AngleCase{kPi, 4, 2, 1, 0, u"W"},
                                         AngleCase{3 * kPi / 2, 4, 0, 0, 0, u"S"},
                                         AngleCase{Degrees(89.99999), 4, 0, 0, 0, u"N"},
                                         AngleCase{Degrees(10.5), 4, 4, 0, 0, u"N 79d30'0\" E"},
                                         AngleCase{Degrees(100.25), 4, 2, 1, 0, u"N10d15'W"},
                                         AngleCase{Degrees(300), 4, 2, 0, 0, u"S 30d0' E"}));

TEST(FormatAngle, RefusesUnitsAndPrecisionsOutOfRange) {
  EXPECT_FALSE(acadsim::FormatAngle(1, -1, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatAngle(1, 5, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatAngle(1, 0, -1, 0, 0));
  EXPECT_FALSE(acadsim::FormatAngle(1, 0, 9, 0, 0));
  EXPECT_TRUE(acadsim::FormatAngle(1, 1, 8, 0, 0));
  EXPECT_FALSE(acadsim::FormatAngle(std::numeric_limits<double>::quiet_NaN(), 0, 2, 0, 0));
  EXPECT_FALSE(acadsim::FormatAngle(std::numeric_limits<double>::infinity(), 0, 2, 0, 0));
}

}  // namespace
