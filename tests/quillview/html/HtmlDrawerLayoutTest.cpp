// Where the layout puts things: vertical alignment, the wrap width, tab widths, hovered links, cut words and
// long tables, checked through measured sizes and the pixels of the drawn surface.
#include <gtest/gtest.h>

#include "HtmlTestSurface.h"

namespace {

constexpr int kBody = 13;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

class HtmlLayout : public ::testing::Test {
 protected:
  HtmlTestSurface surface{400, 300};
  CHtmlDrawer drawer;
  SIZE Measure(const std::u16string& text) { return surface.Measure(drawer, text); }
  LONG Width(const std::u16string& text) { return surface.TextExtent(text, kBody).cx; }

  struct Rows {
    int first = -1;
    int last = -1;
  };
  // The first and last rows holding a pixel that is exactly colour, or -1.
  Rows RowsOf(COLORREF colour) const {
    Rows rows;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x)
        if (surface.Pixel(x, y) == colour) {
          if (rows.first < 0) rows.first = y;
          rows.last = y;
          break;
        }
    return rows;
  }
};

TEST_F(HtmlLayout, VerticalAlignmentPlacesSmallTextInATallLine) {
  const std::u16string tall = u"<font size=40px>H</font>";
  const SIZE top = surface.Render(drawer, tall + u"<top><font size=10px color=red>x</font></top>");
  EXPECT_EQ(top.cy, 40 + 1);
  EXPECT_LT(RowsOf(kRed).first, 10);

  surface.Clear();
  surface.Render(drawer, tall + u"<bottom><font size=10px color=red>x</font></bottom>");
  EXPECT_GT(RowsOf(kRed).last, 30);
  EXPECT_LT(RowsOf(kRed).last, 40);

  surface.Clear();
  surface.Render(drawer, tall + u"<vcenter><font size=10px color=red>x</font></vcenter>");
  const auto [first, last] = RowsOf(kRed);
  EXPECT_GT(first, 10);
  EXPECT_LT(last, 30);
}

TEST_F(HtmlLayout, MixedSizesShareTheBaseline) {
  const TEXTMETRICW big = surface.Metrics(40), small = surface.Metrics(10);
  const SIZE size = Measure(u"<font size=40px>H</font><font size=10px>x</font>");
  EXPECT_EQ(size.cy, big.tmAscent + std::max(big.tmDescent, small.tmDescent) + 1);
}

TEST_F(HtmlLayout, TheMeasuredWidthStopsAtTheWrapWidth) {
  drawer.SetMaxWidth(100);
  EXPECT_EQ(Measure(u"<t 10>x").cx, 100 + 1);  // tabs are not wrapped
  EXPECT_EQ(Measure(u"ab").cx, Width(u"ab") + 1);
}

TEST_F(HtmlLayout, TabStopsFollowTheTabWidth) {
  drawer.SetTabWidth(50);
  EXPECT_EQ(Measure(u"a\tb").cx, 50 + Width(u"b") + 1);
  EXPECT_EQ(Measure(u"abcdefghijk\tb").cx, 100 + Width(u"b") + 1);  // past the first stop: the next one
}

TEST_F(HtmlLayout, AWordAloneIsCutAfterItsLastFittingCharacter) {
  drawer.SetMaxWidth(40);
  const std::u16string word = u"mmmmmmmmmm";
  size_t fit = 1;
  while (fit < word.size() && Width(word.substr(0, fit + 1)) <= 40) ++fit;
  ASSERT_LT(fit, word.size());
  const SIZE size = Measure(word);
  const size_t lines = (word.size() + fit - 1) / fit;
  EXPECT_EQ(size.cy, static_cast<LONG>(lines) * kBody + 1);
  EXPECT_EQ(size.cx, Width(word.substr(0, fit)) + 1);
  // Narrower than one character: one character a line.
  drawer.SetMaxWidth(2);
  EXPECT_EQ(Measure(u"mmm").cy, 3 * kBody + 1);
}

TEST_F(HtmlLayout, BlanksAtAWrapAreDropped) {
  drawer.SetMaxWidth(Width(u"aaa bbb") + 2);
  const SIZE size = Measure(u"aaa bbb     ccc");
  EXPECT_EQ(size.cy, 2 * kBody + 1);
  EXPECT_EQ(size.cx, Width(u"aaa bbb") + 1);
  // The second line starts at the left edge, not after the blanks.
  surface.Render(drawer, u"aaa bbb     ccc");
  EXPECT_GT(surface.CountNot(kWhite, RECT{0, kBody, Width(u"c"), 2 * kBody}), 0);
  EXPECT_EQ(surface.CountNot(kWhite, RECT{Width(u"ccc") + 2, kBody, 400, 2 * kBody}), 0);
}

TEST_F(HtmlLayout, AHoveredLinkIsDrawnInTheHoverStyle) {
  const SIZE size = surface.Render(drawer, u"<a msg=\"zoom\">link</a>");
  const int plain = surface.CountNot(kWhite);
  const std::u16string* target = drawer.LinkAt(POINT{size.cx / 2, size.cy / 2});
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(*target, u"zoom");

  drawer.SetMousePoint(POINT{size.cx / 2, size.cy / 2});
  surface.Clear();
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, size.cx, size.cy});
  EXPECT_GT(surface.CountNot(kWhite), plain);  // the underline of "a:hover"

  drawer.SetMousePoint(POINT{size.cx + 50, 0});
  surface.Clear();
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, size.cx, size.cy});
  EXPECT_EQ(surface.CountNot(kWhite), plain);
}

TEST_F(HtmlLayout, ANewTextForgetsTheLinksOfTheOldOne) {
  const SIZE size = surface.Render(drawer, u"<a href=x>link</a>");
  ASSERT_NE(drawer.LinkAt(POINT{size.cx / 2, size.cy / 2}), nullptr);
  Measure(u"plain");
  EXPECT_EQ(drawer.LinkAt(POINT{size.cx / 2, size.cy / 2}), nullptr);
}

TEST_F(HtmlLayout, CellsAreDrawnWhereTheSpacingPutsThem) {
  surface.Render(drawer, u"<table cellspacing=4 cellpadding=0><tr><td bgcolor=#ff0000>a</td>"
                         u"<td bgcolor=#0000ff>bb</td></tr></table>");
  const int a = Width(u"a"), middle = 4 + kBody / 2;
  EXPECT_EQ(surface.Pixel(3, middle), kWhite);
  EXPECT_EQ(surface.Pixel(4, middle), kRed);
  EXPECT_EQ(surface.Pixel(4 + a - 1, 4), kRed);
  EXPECT_EQ(surface.Pixel(4 + a, 4), kWhite);
  EXPECT_EQ(surface.Pixel(4 + a + 3, 4), kWhite);
  EXPECT_EQ(surface.Pixel(4 + a + 4, 4), RGB(0, 0, 255));
  EXPECT_EQ(surface.Pixel(4, 3), kWhite);
  EXPECT_EQ(surface.Pixel(4, 4 + kBody), kWhite);
  EXPECT_EQ(surface.Pixel(4, 4 + kBody - 1), kRed);
}

TEST_F(HtmlLayout, AVerticalGradientRunsFromTopToBottom) {
  const SIZE size = surface.Render(
      drawer, u"<table cellspacing=0 cellpadding=0><tr><td bgeffect=vgradient bgcolor=#00ff00 bgendcolor=#ff0000>"
              u"<font size=60px>&nbsp;&nbsp;</font></td></tr></table>");
  const COLORREF top = surface.Pixel(size.cx / 2, 0), bottom = surface.Pixel(size.cx / 2, size.cy - 2);
  EXPECT_GT(GetGValue(top), 220);
  EXPECT_LT(GetRValue(top), 35);
  EXPECT_GT(GetRValue(bottom), 220);
  EXPECT_LT(GetGValue(bottom), 35);
}

TEST_F(HtmlLayout, WhatIsDrawnStaysInsideTheMeasuredSize) {
  const struct {
    int maxWidth;
    const char16_t* text;
  } cases[] = {
      {0, u"<b>Bold</b> and plain text<br><h2>Header</h2>"},
      {120, u"<justify>some words to wrap across the lines of a narrow box</justify>"},
      {0, u"<table border=2><tr><td>a</td><td bgcolor=red>bb</td></tr><tr><td colspan=2>wide</td></tr></table>after"},
      {0, u"x<sub>2</sub> y<sup>3</sup> <font size=30px>z</font>"},
      {0, u"<right>r</right><br><center>centred text</center><hr size=4>"},
      {0, u"a\tb\tc<br>\t\td"},
      {60, u"unbreakablewordthatiscut and more"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(::testing::Message() << "case " << i);
    surface.Clear();
    drawer.SetMaxWidth(c.maxWidth);
    const SIZE size = surface.Render(drawer, c.text);
    ASSERT_GT(size.cx, 1);
    const RECT ink = surface.InkBox();
    EXPECT_GE(ink.left, 0);
    EXPECT_GE(ink.top, 0);
    EXPECT_LT(ink.right, size.cx);
    EXPECT_LT(ink.bottom, size.cy);
  }
}

TEST_F(HtmlLayout, ALongTableStacksItsRows) {
  std::u16string text = u"<table cellspacing=0 cellpadding=0>";
  constexpr int kRows = 5000;
  for (int i = 0; i < kRows; ++i) text += u"<tr><td>x</td></tr>";
  text += u"</table>";
  HtmlTestSurface tall(40, 600);
  const SIZE size = tall.Render(drawer, text);
  EXPECT_EQ(size.cy, kRows * kBody + 1);
  EXPECT_EQ(size.cx, Width(u"x") + 1);
}

}  // namespace
