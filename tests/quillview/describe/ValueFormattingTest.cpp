#include "describe/ValueFormatting.h"

#include <gtest/gtest.h>

#include <numbers>

#include "QuillviewTestSupport.h"

namespace {

TEST(Tolerance, NearZeroBelowOneHundredMillionth) {
  EXPECT_TRUE(IsNearZero(0.0));
  EXPECT_TRUE(IsNearZero(0.99e-8));
  EXPECT_TRUE(IsNearZero(-0.99e-8));
  EXPECT_FALSE(IsNearZero(1e-8));
  EXPECT_FALSE(IsNearZero(-1e-8));
}

TEST(Pi, IsTheArcTangentOfZeroOverMinusOne) { EXPECT_EQ(kPi, std::numbers::pi); }

using ValueFormattingTest = DrawingTest;

TEST_F(ValueFormattingTest, IntegerVariableReader) {
  SetShortVariable(u"LUNITS", 4);
  EXPECT_EQ(GetIntSysVar(u"LUNITS"), 4);
  EXPECT_EQ(GetIntSysVar(u"NOSUCHVARIABLE"), -1);
}

TEST_F(ValueFormattingTest, IntegerVariableReaderRefusesOtherTypes) {
  EXPECT_EQ(GetIntSysVar(u"ANGBASE"), -1);
  EXPECT_EQ(GetIntSysVar(u"DWGNAME"), -1);
}

TEST_F(ValueFormattingTest, DistanceInTheDrawingsUnits) {
  SetShortVariable(u"LUNITS", 2);
  SetShortVariable(u"LUPREC", 4);
  std::u16string part;
  AppendDistance(part, u"  长度: %s", 12.5);
  EXPECT_EQ(part, u"长度: 12.5000");
  SetShortVariable(u"LUNITS", 4);
  SetShortVariable(u"LUPREC", 1);
  part.clear();
  AppendDistance(part, u"  长度: %s", 15.5);
  EXPECT_EQ(part, u"长度: 1'-3 1/2\"");
}

TEST_F(ValueFormattingTest, AngleInTheGivenOrCurrentUnits) {
  SetShortVariable(u"AUNITS", 0);
  SetShortVariable(u"AUPREC", 0);
  std::u16string part;
  AppendAngle(part, u"  角度: %s", kPi / 2, -1);
  EXPECT_EQ(part, u"角度: 90");
  part.clear();
  AppendAngle(part, u"  角度: %s", kPi, 2);
  EXPECT_EQ(part, u"角度: 200g");
}

TEST_F(ValueFormattingTest, BaseAngleAddsAngbase) {
  SetShortVariable(u"AUNITS", 0);
  SetShortVariable(u"AUPREC", 0);
  SetRealVariable(u"ANGBASE", kPi / 2);
  std::u16string part;
  AppendBaseAngle(part, u"  总角度: %s", kPi / 4, -1);
  EXPECT_EQ(part, u"总角度: 135");
}

TEST_F(ValueFormattingTest, AreaInSquareInchesShowsAcresAboveFiveMillion) {
  SetShortVariable(u"LUNITS", 4);
  SetShortVariable(u"LUPREC", 4);
  std::u16string part;
  AppendAreaLines(part, 6272640);
  EXPECT_EQ(part, u"面积: 1.0000 Ac. (43560.0000 Sq. ft.)");
  part.clear();
  AppendAreaLines(part, 5000000);
  EXPECT_EQ(part, u"面积: 34722.2222 Sq. ft. (5000000.0000 Sq. in.)");
}

TEST_F(ValueFormattingTest, EngineeringUnitsAreSquareInchesToo) {
  SetShortVariable(u"LUNITS", 3);
  SetShortVariable(u"LUPREC", 2);
  std::u16string part;
  AppendAreaLines(part, 288);
  EXPECT_EQ(part, u"面积: 2.00 Sq. ft. (288.00 Sq. in.)");
}

TEST_F(ValueFormattingTest, DecimalAreaAddsAcresAboveFifteenThousand) {
  SetShortVariable(u"LUNITS", 2);
  SetShortVariable(u"LUPREC", 4);
  std::u16string part;
  AppendAreaLines(part, 20000);
  EXPECT_EQ(part, u"面积: 20000.0000 (0.4591 Ac.)");
  part.clear();
  AppendAreaLines(part, 15000);
  EXPECT_EQ(part, u"面积: 15000.0000");
}

TEST_F(ValueFormattingTest, OtherUnitsShowThePlainArea) {
  SetShortVariable(u"LUNITS", 1);
  SetShortVariable(u"LUPREC", 2);
  std::u16string part;
  AppendAreaLines(part, 20000);
  EXPECT_EQ(part, u"面积: 20000.00");
}

TEST_F(ValueFormattingTest, AreaGoesOnTheCurrentLine) {
  SetShortVariable(u"LUNITS", 2);
  SetShortVariable(u"LUPREC", 0);
  std::u16string part = u"周长: 4";
  AppendAreaLines(part, 1);
  EXPECT_EQ(part, u"周长: 4  面积: 1");
}

}  // namespace
