#include "describe/Names.h"

#include <gtest/gtest.h>

namespace {

AcCmColor Index(Adesk::UInt16 index) {
  AcCmColor color;
  color.setColorIndex(index);
  return color;
}

TEST(ColorName, NamesTheIndexColours) {
  EXPECT_EQ(ColorName(Index(0)), u"随块");
  EXPECT_EQ(ColorName(Index(1)), u"红色");
  EXPECT_EQ(ColorName(Index(2)), u"黄色");
  EXPECT_EQ(ColorName(Index(3)), u"绿色");
  EXPECT_EQ(ColorName(Index(4)), u"青色");
  EXPECT_EQ(ColorName(Index(5)), u"蓝色");
  EXPECT_EQ(ColorName(Index(6)), u"紫色");
  EXPECT_EQ(ColorName(Index(7)), u"白色");
  EXPECT_EQ(ColorName(Index(256)), u"随层");
}

TEST(ColorName, OtherIndicesAreTheirDigits) {
  EXPECT_EQ(ColorName(Index(8)), u"8");
  EXPECT_EQ(ColorName(Index(250)), u"250");
  EXPECT_EQ(ColorName(Index(255)), u"255");
}

TEST(ColorName, TrueColourIsTheHostsDisplayName) {
  AcCmColor color;
  color.setRGB(255, 128, 0);
  AcCmColor copy(color);
  EXPECT_EQ(ColorName(color), std::u16string(copy.colorNameForDisplay()));
  ASSERT_TRUE(color.setNames(u"PANTONE 151 C", u"PANTONE+ Solid Coated"));
  AcCmColor named(color);
  EXPECT_EQ(ColorName(color), std::u16string(named.colorNameForDisplay()));
}

TEST(ShortenName, KeepsNamesOfUpToThirtyCharacters) {
  EXPECT_EQ(ShortenName(u""), u"");
  EXPECT_EQ(ShortenName(u"0"), u"0");
  std::u16string thirty = u"123456789012345678901234567890";
  EXPECT_EQ(ShortenName(thirty), thirty);
}

TEST(ShortenName, LongerNamesKeepFifteenAndFive) {
  EXPECT_EQ(ShortenName(u"1234567890123456789012345678901"), u"123456789012345...78901");
  EXPECT_EQ(ShortenName(u"1234567890123456789012345678901").size(), 23u);
  EXPECT_EQ(ShortenName(u"图层图层图层图层图层图层图层图层图层图层图层图层图层图层图层图层"), u"图层图层图层图层图层图层图层图...层图层图层");
}

}  // namespace
