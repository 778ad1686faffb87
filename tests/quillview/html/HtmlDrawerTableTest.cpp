// Tables: cell sizes, padding, spacing, borders and spans, the blocks around them, and their fills.
#include <gtest/gtest.h>

#include "HtmlTestSurface.h"

namespace {

constexpr int kBody = 13;

class HtmlTable : public ::testing::Test {
 protected:
  HtmlTestSurface surface{400, 300};
  CHtmlDrawer drawer;
  SIZE Measure(const std::u16string& text) { return surface.Measure(drawer, text); }
  LONG Width(const std::u16string& text) { return surface.TextExtent(text, kBody).cx; }
};

TEST_F(HtmlTable, CellsSitSideBySideWithoutPaddingOrSpacing) {
  const SIZE size = Measure(u"<table cellpadding=0 cellspacing=0><tr><td>a</td><td>bb</td></tr></table>");
  EXPECT_EQ(size.cx, Width(u"a") + Width(u"bb") + 1);
  EXPECT_EQ(size.cy, kBody + 1);
}

TEST_F(HtmlTable, PaddingSpacingAndBorderAddUp) {
  const SIZE size =
      Measure(u"<table border=1 cellpadding=2 cellspacing=3><tr><td>a</td><td>bb</td></tr><tr><td>c</td></tr></table>");
  const int frame = 2 * (2 + 1);  // padding and the cell's own border, each side
  EXPECT_EQ(size.cx, 2 * 1 + 3 * 3 + (Width(u"a") + frame) + (Width(u"bb") + frame) + 1);
  EXPECT_EQ(size.cy, 2 * 1 + 3 * 3 + 2 * (kBody + frame) + 1);
}

TEST_F(HtmlTable, TheDefaultsAreOnePixelPaddingAndTwoSpacing) {
  const SIZE size = Measure(u"<table><tr><td>a</td></tr></table>");
  EXPECT_EQ(size.cx, 2 * 2 + Width(u"a") + 2 + 1);
  EXPECT_EQ(size.cy, 2 * 2 + kBody + 2 + 1);
}

TEST_F(HtmlTable, AColumnSpanCoversTheColumnsBelowIt) {
  const std::u16string wide = u"a long spanning cell";
  const SIZE size = Measure(u"<table cellpadding=0 cellspacing=0><tr><td colspan=2>" + wide +
                            u"</td></tr><tr><td>a</td><td>b</td></tr></table>");
  EXPECT_EQ(size.cx, std::max(Width(wide), Width(u"a") + Width(u"b")) + 1);
  EXPECT_EQ(size.cy, 2 * kBody + 1);
}

TEST_F(HtmlTable, ARowSpanTakesItsPlaceInTheNextRow) {
  const SIZE size = Measure(
      u"<table cellpadding=0 cellspacing=0><tr><td rowspan=2>tall</td><td>a</td></tr><tr><td>bbbbbb</td></tr></table>");
  EXPECT_EQ(size.cx, Width(u"tall") + Width(u"bbbbbb") + 1);
  EXPECT_EQ(size.cy, 2 * kBody + 1);
}

TEST_F(HtmlTable, TextAroundATableGoesAboveAndBelowIt) {
  const SIZE size = Measure(u"above<table cellpadding=0 cellspacing=0><tr><td>x</td></tr></table>below");
  EXPECT_EQ(size.cy, 3 * kBody + 1);
  EXPECT_EQ(size.cx, std::max(Width(u"above"), Width(u"below")) + 1);
}

TEST_F(HtmlTable, NestedTablesAndAPixelWidth) {
  const SIZE nested = Measure(
      u"<table cellpadding=0 cellspacing=0><tr><td><table cellpadding=0 cellspacing=0><tr><td>a</td><td>b</td></tr>"
      u"</table></td><td>c</td></tr></table>");
  EXPECT_EQ(nested.cx, Width(u"a") + Width(u"b") + Width(u"c") + 1);
  const SIZE fixed = Measure(u"<table width=200 cellpadding=0 cellspacing=0><tr><td>a</td></tr></table>");
  EXPECT_EQ(fixed.cx, 200 + 1);
}

TEST_F(HtmlTable, CellBackgroundsAndTheBorderAreDrawn) {
  const SIZE size = surface.Render(
      drawer, u"<table border=2 cellspacing=0 bordercolorlight=#00ff00 bordercolordark=#0000ff><tr>"
              u"<td bgcolor=#ff0000>xxxx</td></tr></table>");
  EXPECT_EQ(surface.Pixel(0, 0), RGB(0, 255, 0));                       // lit top-left
  EXPECT_EQ(surface.Pixel(size.cx - 2, size.cy - 2), RGB(0, 0, 255));  // shaded bottom-right
  EXPECT_EQ(surface.Pixel(2 + 1, 2 + 1), RGB(255, 0, 0));              // inside the cell's own border
}

TEST_F(HtmlTable, AHorizontalGradientRunsFromStartToEnd) {
  const SIZE size = surface.Render(
      drawer, u"<table cellspacing=0 cellpadding=0 bgeffect=hgradient bgcolor=#ff0000 bgendcolor=#0000ff><tr>"
              u"<td><font size=40px>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</font></td></tr></table>");
  const COLORREF first = surface.Pixel(0, size.cy / 2), last = surface.Pixel(size.cx - 2, size.cy / 2);
  EXPECT_GT(GetRValue(first), 230);
  EXPECT_LT(GetBValue(first), 25);
  EXPECT_GT(GetBValue(last), 230);
  EXPECT_LT(GetRValue(last), 25);
}

}  // namespace
