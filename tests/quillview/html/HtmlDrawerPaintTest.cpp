// The renderer's drawing pass: colours under glyphs, backgrounds, alignment, rules, checked through pixels.
#include <gtest/gtest.h>

#include "HtmlTestSurface.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class HtmlPaint : public ::testing::Test {
 protected:
  HtmlTestSurface surface;
  CHtmlDrawer drawer;

  // The number of pixels close to colour (each channel within 40).
  int CountNear(COLORREF colour, const RECT& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        const COLORREF p = surface.Pixel(x, y);
        if (std::abs(GetRValue(p) - GetRValue(colour)) < 40 && std::abs(GetGValue(p) - GetGValue(colour)) < 40 &&
            std::abs(GetBValue(p) - GetBValue(colour)) < 40)
          ++count;
      }
    return count;
  }
  RECT All() const { return RECT{0, 0, surface.Width(), surface.Height()}; }
};

TEST_F(HtmlPaint, TextIsDrawnInItsColourInsideTheMeasuredBox) {
  const SIZE size = surface.Render(drawer, u"<font color=red>Hello</font> <font color=#0000ff>World</font>");
  const RECT ink = surface.InkBox();
  EXPECT_GE(ink.left, 0);
  EXPECT_LT(ink.right, size.cx);
  EXPECT_LT(ink.bottom, size.cy);
  EXPECT_GT(CountNear(RGB(255, 0, 0), All()), 10);
  EXPECT_GT(CountNear(RGB(0, 0, 255), All()), 10);
  EXPECT_EQ(CountNear(RGB(0, 0, 0), All()), 0);
}

TEST_F(HtmlPaint, ColourValuesNamesNumbersAndBadOnes) {
  surface.Render(drawer, u"<font color=255>lll</font>");  // 0x00BBGGRR: red
  EXPECT_GT(CountNear(RGB(255, 0, 0), All()), 10);
  surface.Clear();
  surface.Render(drawer, u"<font color=0xff0000>lll</font>");  // hexadecimal: blue
  EXPECT_GT(CountNear(RGB(0, 0, 255), All()), 10);
  surface.Clear();
  surface.Render(drawer, u"<font color=#00FF00>lll</font>");
  EXPECT_GT(CountNear(RGB(0, 255, 0), All()), 10);
  surface.Clear();
  surface.Render(drawer, u"<font color=darkgreen>lll</font>");
  EXPECT_GT(CountNear(RGB(0, 100, 0), All()), 10);
  surface.Clear();
  surface.Render(drawer, u"<font color=#zzzzzz>lll</font><font color=nosuchcolour>lll</font>");
  EXPECT_GT(CountNear(RGB(0, 0, 0), All()), 10);  // both kept black
  surface.Clear();
  surface.Render(drawer, u"<font color=infotext>lll</font>");
  EXPECT_GT(CountNear(GetSysColor(COLOR_INFOTEXT), All()), 10);
}

TEST_F(HtmlPaint, TheDefaultSheetColoursHeaders) {
  surface.Render(drawer, u"<h2>Header</h2>");
  EXPECT_GT(CountNear(RGB(0xff, 0x99, 0x00), All()), 10);
}

TEST_F(HtmlPaint, DisabledRenderersDrawEveryColourGrey) {
  drawer.SetEnabled(false);
  surface.Render(drawer, u"<font color=red>lll</font>");
  EXPECT_EQ(CountNear(RGB(255, 0, 0), All()), 0);
  EXPECT_GT(CountNear(GetSysColor(COLOR_BTNSHADOW), All()), 5);
}

TEST_F(HtmlPaint, TransparentBackgroundsLeaveTheSurfaceAndOpaqueOnesFillTheCell) {
  const COLORREF grey = RGB(200, 200, 200);
  surface.Clear(grey);
  drawer.SetStyleEntry(u"body", u"font-size:10pt; background-color:transparent");
  const SIZE size = surface.Render(drawer, u"x");
  EXPECT_EQ(surface.Pixel(size.cx - 2, 0), grey);
  surface.Clear(grey);
  drawer.SetStyleEntry(u"body", u"font-size:10pt; background-color:yellow");
  surface.Render(drawer, u"x");
  EXPECT_EQ(surface.Pixel(0, 0), RGB(255, 255, 0));
  EXPECT_EQ(surface.Pixel(size.cx - 2, size.cy - 2), RGB(255, 255, 0));
  surface.Clear(grey);
  surface.Render(drawer, u"<font bkgnd=transparent>x</font>");
  EXPECT_EQ(surface.Pixel(0, 0), grey);
}

TEST_F(HtmlPaint, TabsPlaceTheFollowingTextAtTheStop) {
  surface.Render(drawer, u"\tl");
  const RECT ink = surface.InkBox();
  EXPECT_GE(ink.left, 32);
  EXPECT_LT(ink.left, 40);
}

TEST_F(HtmlPaint, AlignmentPlacesLinesInTheRectangle) {
  SIZE size = surface.Measure(drawer, u"<right>l</right>");
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 300, size.cy});
  EXPECT_GT(surface.InkBox().left, 280);
  surface.Clear();
  size = surface.Measure(drawer, u"<center>l</center>");
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 300, size.cy});
  EXPECT_GT(surface.InkBox().left, 140);
  EXPECT_LT(surface.InkBox().left, 160);
  surface.Clear();
  size = surface.Measure(drawer, u"l");
  drawer.DrawMeasuredText(surface.Dc(), RECT{10, 20, 300, 200});
  EXPECT_GE(surface.InkBox().left, 10);
  EXPECT_GE(surface.InkBox().top, 20);
}

TEST_F(HtmlPaint, JustifiedWrappedLinesReachTheRightEdge) {
  drawer.SetMaxWidth(120);
  const SIZE size = surface.Measure(drawer, u"<justify>aa bb cc dd ee ff gg hh ii jj kk ll mm</justify>");
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 120, size.cy});
  const RECT firstLine{100, 0, 120, 13};
  EXPECT_GT(surface.CountNot(kWhite, firstLine), 0);
  surface.Clear();
  surface.Measure(drawer, u"aa bb cc dd ee ff gg hh ii jj kk ll mm");
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 120, size.cy});
  EXPECT_LE(surface.CountNot(kWhite, RECT{112, 0, 120, 13}), surface.CountNot(kWhite, firstLine));
}

TEST_F(HtmlPaint, RulesLieInTheMiddleOfTheirLineInTheirColour) {
  const SIZE size = surface.Measure(drawer, u"<left>a</left><hr color=#ff0000 size=2>b");
  EXPECT_EQ(size.cy, 13 + 10 + 13 + 1);
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 200, size.cy});
  EXPECT_EQ(surface.Pixel(100, 13 + 4), RGB(255, 0, 0));
  EXPECT_EQ(surface.Pixel(100, 13 + 5), RGB(255, 0, 0));
  EXPECT_EQ(surface.Pixel(100, 13 + 3), kWhite);
  EXPECT_EQ(surface.Pixel(100, 13 + 6), kWhite);
  EXPECT_EQ(surface.Pixel(0, 13 + 4), RGB(255, 0, 0));
  EXPECT_EQ(surface.Pixel(199, 13 + 4), RGB(255, 0, 0));
  surface.Clear();
  surface.Measure(drawer, u"<hr width=50% color=blue>");
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 200, 20});
  EXPECT_EQ(surface.Pixel(40, 4), RGB(0, 0, 255));  // the default body aligns left
  EXPECT_EQ(surface.Pixel(150, 4), kWhite);
}

TEST_F(HtmlPaint, LinksAreDrawnInTheLinkStyleAndFoundUnderThePoint) {
  const SIZE size = surface.Render(drawer, u"<a href=\"http://example.com/x\">link</a>");
  EXPECT_GT(CountNear(RGB(0, 0, 255), All()), 10);
  const std::u16string* target = drawer.LinkAt(POINT{size.cx / 2, size.cy / 2});
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(*target, u"http://example.com/x");
  EXPECT_EQ(drawer.LinkAt(POINT{size.cx + 20, 2}), nullptr);
  EXPECT_NE(drawer.LinkCursor(), nullptr);  // the system's hand: this machine has no help program
}

}  // namespace
