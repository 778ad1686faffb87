// AcCmColor and AcCmEntityColor: methods, indices, true colours, colour-book names and display names.
#include <dbcolor.h>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AcCmColor, DefaultsToByLayer) {
  AcCmColor c;
  EXPECT_TRUE(c.isByLayer());
  EXPECT_EQ(c.colorIndex(), 256);
  EXPECT_EQ(std::u16string(c.colorNameForDisplay()), u"ByLayer");
}

TEST(AcCmColor, IndexColoursAndTheirSpecialValues) {
  AcCmColor c;
  EXPECT_EQ(c.setColorIndex(0), Acad::eOk);
  EXPECT_TRUE(c.isByBlock());
  EXPECT_EQ(c.colorIndex(), 0);
  EXPECT_EQ(c.setColorIndex(256), Acad::eOk);
  EXPECT_TRUE(c.isByLayer());
  EXPECT_EQ(c.setColorIndex(8), Acad::eOk);
  EXPECT_TRUE(c.isByACI());
  EXPECT_FALSE(c.isByColor());
  EXPECT_EQ(c.colorIndex(), 8);
  EXPECT_EQ(c.setColorIndex(258), Acad::eBadColorIndex);
  EXPECT_EQ(c.colorIndex(), 8);
}

TEST(AcCmColor, PaletteComponentsOfIndexColours) {
  AcCmColor c;
  c.setColorIndex(1);
  EXPECT_EQ(c.red(), 255);
  EXPECT_EQ(c.green(), 0);
  EXPECT_EQ(c.blue(), 0);
  EXPECT_EQ(AcCmEntityColor::lookUpRGB(7), 0xFFFFFFu);
  EXPECT_EQ(AcCmEntityColor::lookUpRGB(8), 0x414141u);
  EXPECT_EQ(AcCmEntityColor::lookUpRGB(250), 0x333333u);
  EXPECT_EQ(AcCmEntityColor::lookUpRGB(12), 0xBD0000u);
  EXPECT_EQ(AcCmEntityColor::lookUpACI(255, 0, 0), 1);
  EXPECT_EQ(AcCmEntityColor::lookUpACI(0, 0, 254), 5);
}

TEST(AcCmColor, TrueColours) {
  AcCmColor c;
  EXPECT_EQ(c.setRGB(10, 20, 30), Acad::eOk);
  EXPECT_TRUE(c.isByColor());
  EXPECT_EQ(c.red(), 10);
  EXPECT_EQ(c.green(), 20);
  EXPECT_EQ(c.blue(), 30);
  EXPECT_EQ(std::u16string(c.colorNameForDisplay()), u"10,20,30");
  c.setGreen(200);
  EXPECT_EQ(c.green(), 200);
}

TEST(AcCmColor, ColourBookNamesOnlyForTrueColours) {
  AcCmColor c;
  c.setColorIndex(3);
  EXPECT_FALSE(c.setNames(u"PANTONE 186 C", u"PANTONE+ Solid Coated"));
  EXPECT_EQ(c.colorName(), nullptr);
  c.setRGB(200, 16, 46);
  EXPECT_TRUE(c.setNames(u"PANTONE 186 C", u"PANTONE+ Solid Coated"));
  EXPECT_EQ(std::u16string(c.colorName()), u"PANTONE 186 C");
  EXPECT_EQ(std::u16string(c.bookName()), u"PANTONE+ Solid Coated");
  EXPECT_EQ(std::u16string(c.colorNameForDisplay()), u"PANTONE 186 C");
  AcCmColor copy(c);
  EXPECT_EQ(copy, c);
  EXPECT_EQ(std::u16string(copy.bookName()), u"PANTONE+ Solid Coated");
  c.setRGB(1, 2, 3);  // a new value drops the names
  EXPECT_EQ(c.colorName(), nullptr);
  EXPECT_NE(copy, c);
}

TEST(AcCmColor, DisplayNamesOfIndexColours) {
  AcCmColor c;
  const std::pair<int, const char16_t*> cases[] = {{0, u"ByBlock"}, {1, u"Red"},   {5, u"Blue"},
                                                   {7, u"White"},   {8, u"8"},     {250, u"250"}};
  for (const auto& [index, name] : cases) {
    c.setColorIndex(static_cast<Adesk::UInt16>(index));
    EXPECT_EQ(std::u16string(c.colorNameForDisplay()), name) << index;
  }
}

TEST(AcCmEntityColor, MethodsAndRawValue) {
  AcCmEntityColor e(AcCmEntityColor::kByBlock);
  EXPECT_TRUE(e.isByBlock());
  EXPECT_EQ(e.color() >> 24, 0xC1u);
  EXPECT_EQ(e.setColorMethod(AcCmEntityColor::ColorMethod(0x10)), Acad::eInvalidInput);
  AcCmEntityColor rgb(1, 2, 3);
  EXPECT_EQ(rgb.color(), 0xC2010203u);
}

}  // namespace
