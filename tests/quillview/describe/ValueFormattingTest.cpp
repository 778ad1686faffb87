#include "describe/ValueFormatting.h"

#include <gtest/gtest.h>

#include <numbers>

#include "QuillviewTestSupport.h"
#include "describe/Names.h"

namespace {

TEST(Tolerance, NearZeroIsBelowOneHundredMillionth) {
  EXPECT_TRUE(IsNearZero(0.99e-8));
  EXPECT_TRUE(IsNearZero(-0.99e-8));
  EXPECT_FALSE(IsNearZero(1e-8));
  EXPECT_FALSE(IsNearZero(-1e-8));
  EXPECT_EQ(kPi, std::numbers::pi);
}

TEST(ColorName, TrueColourByDisplayNameIndexByNameOrDigits) {
  const char16_t* const names[] = {u"随块", u"红色", u"黄色", u"绿色", u"青色", u"蓝色", u"紫色", u"白色", u"8"};
  for (Adesk::UInt16 index = 0; index <= 8; ++index) EXPECT_EQ(ColorName(IndexColor(index)), names[index]);
  EXPECT_EQ(ColorName(IndexColor(255)), u"255");
  EXPECT_EQ(ColorName(IndexColor(256)), u"随层");
  AcCmColor color;
  ASSERT_EQ(color.setRGB(255, 128, 0), Acad::eOk);
  ASSERT_TRUE(color.setNames(u"PANTONE 151 C", u"PANTONE+ Solid Coated"));
  EXPECT_EQ(ColorName(color), std::u16string(AcCmColor(color).colorNameForDisplay()));
}

TEST(ShortenName, KeepsThirtyCharactersAndShortensLongerToTwentyThree) {
  EXPECT_EQ(ShortenName(u"123456789012345678901234567890"), u"123456789012345678901234567890");
  EXPECT_EQ(ShortenName(u"1234567890123456789012345678901"), u"123456789012345...78901");
}

using ValueFormattingTest = DrawingTest;

TEST_F(ValueFormattingTest, IntegerVariableReaderSignExtendsAndGivesMinusOneForAnythingElse) {
  SetVariable(u"SPLINESEGS", short{-32768});
  EXPECT_EQ(GetIntSysVar(u"SPLINESEGS"), -32768);
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
