#include "describe/Names.h"

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"

namespace {

TEST(ColorName, IndexColoursByNameOrDigits) {
  const char16_t* const names[] = {u"随块", u"红色", u"黄色", u"绿色", u"青色", u"蓝色", u"紫色", u"白色", u"8"};
  for (Adesk::UInt16 index = 0; index <= 8; ++index) EXPECT_EQ(ColorName(IndexColor(index)), names[index]);
  EXPECT_EQ(ColorName(IndexColor(255)), u"255");
  EXPECT_EQ(ColorName(IndexColor(256)), u"随层");
}

TEST(ColorName, TrueColourIsTheHostsDisplayName) {
  AcCmColor color;
  color.setRGB(255, 128, 0);
  EXPECT_EQ(ColorName(color), std::u16string(AcCmColor(color).colorNameForDisplay()));
  ASSERT_TRUE(color.setNames(u"PANTONE 151 C", u"PANTONE+ Solid Coated"));
  EXPECT_EQ(ColorName(color), std::u16string(AcCmColor(color).colorNameForDisplay()));
}

TEST(ShortenName, KeepsThirtyCharactersAndShortensLongerToTwentyThree) {
  EXPECT_EQ(ShortenName(u""), u"");
  EXPECT_EQ(ShortenName(u"123456789012345678901234567890"), u"123456789012345678901234567890");
  EXPECT_EQ(ShortenName(u"1234567890123456789012345678901"), u"123456789012345...78901");
  EXPECT_EQ(ShortenName(u"图层图层图层图层图层图层图层图层图层图层图层图层图层图层图层图层"), u"图层图层图层图层图层图层图层图...层图层图层");
}

}  // namespace
