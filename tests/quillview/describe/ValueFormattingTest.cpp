#include "describe/ValueFormatting.h"

#include <gtest/gtest.h>

#include <numbers>

#include "QuillviewTestSupport.h"

namespace {

TEST(Tolerance, NearZeroIsBelowOneHundredMillionth) {
  EXPECT_TRUE(IsNearZero(0.99e-8));
  EXPECT_TRUE(IsNearZero(-0.99e-8));
  EXPECT_FALSE(IsNearZero(1e-8));
  EXPECT_FALSE(IsNearZero(-1e-8));
  EXPECT_EQ(kPi, std::numbers::pi);
}

using ValueFormattingTest = DrawingTest;

TEST_F(ValueFormattingTest, IntegerVariableReaderGivesMinusOneForAnythingElse) {
  SetVariable(u"LUNITS", short{4});
  EXPECT_EQ(GetIntSysVar(u"LUNITS"), 4);
  EXPECT_EQ(GetIntSysVar(u"NOSUCHVARIABLE"), -1);
  EXPECT_EQ(GetIntSysVar(u"ANGBASE"), -1);
  EXPECT_EQ(GetIntSysVar(u"DWGNAME"), -1);
}

TEST_F(ValueFormattingTest, DistancesAndAnglesInTheDrawingsUnits) {
  SetVariable(u"LUNITS", short{4});
  SetVariable(u"LUPREC", short{1});
  SetVariable(u"AUNITS", short{0});
  SetVariable(u"AUPREC", short{0});
  SetVariable(u"ANGBASE", kPi / 2);
  std::u16string part;
  AppendDistance(part, u"  长度: %s", 15.5);
  AppendAngle(part, u"  角度: %s", kPi / 2, -1);
  AppendAngle(part, u"  角度: %s", kPi, 2);
  AppendBaseAngle(part, u"  总角度: %s", kPi / 4, -1);
  EXPECT_EQ(part, u"长度: 1'-3 1/2\"  角度: 90  角度: 200g  总角度: 135");
}

TEST_F(ValueFormattingTest, AreaLinesByUnitsAtTheirThresholds) {
  struct Case {
    short units, precision;
    double area;
    const char16_t* expected;
  };
  const Case cases[] = {
      {4, 4, 6272640, u"面积: 1.0000 Ac. (43560.0000 Sq. ft.)"},
      {4, 4, 5000000, u"面积: 34722.2222 Sq. ft. (5000000.0000 Sq. in.)"},
      {3, 2, 288, u"面积: 2.00 Sq. ft. (288.00 Sq. in.)"},
      {2, 4, 20000, u"面积: 20000.0000 (0.4591 Ac.)"},
      {2, 4, 15000, u"面积: 15000.0000"},
      {1, 2, 20000, u"面积: 20000.00"},
  };
  for (const Case& c : cases) {
    SetVariable(u"LUNITS", c.units);
    SetVariable(u"LUPREC", c.precision);
    std::u16string part;
    EXPECT_EQ(AppendAreaLines(part, c.area), c.expected) << "LUNITS " << c.units << ", area " << c.area;
  }
  std::u16string part = u"周长: 4";
  EXPECT_EQ(AppendAreaLines(part, 1), u"周长: 4  面积: 1.00");
}

}  // namespace
