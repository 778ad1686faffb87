// Malformed and absurd markup: never a failure, bounded sizes, the layout goes on.
#include <gtest/gtest.h>

#include <cstdint>

#include "HtmlTestSurface.h"

namespace {

class HtmlBadInput : public ::testing::Test {
 protected:
  HtmlTestSurface surface;
  CHtmlDrawer drawer;
  SIZE Render(const std::u16string& text) { return surface.Render(drawer, text); }
};

TEST_F(HtmlBadInput, UnterminatedQuotesAndTags) {
  EXPECT_GT(Render(u"a<font face=\"Arial color=red>b").cx, 0);  // the tag takes the rest
  EXPECT_GT(Render(u"x<font face='Arial>y</font>z").cx, 0);
  EXPECT_GT(Render(u"<<<<<<<").cx, 0);
  EXPECT_EQ(Render(u"<").cx, surface.TextExtent(u"<", 13).cx + 1);
}

TEST_F(HtmlBadInput, TenThousandNestedTagsAndTheirClosing) {
  std::u16string text;
  for (int i = 0; i < 10000; ++i) text += u"<b><i><font size=+1>";
  text += u"deep";
  for (int i = 0; i < 10000; ++i) text += u"</font></i></b>";
  text += u"shallow";
  const SIZE size = Render(text);
  EXPECT_GT(size.cx, surface.TextExtent(u"shallow", 13).cx);
}

TEST_F(HtmlBadInput, MegabyteAttributesAndAbsurdLengths) {
  const std::u16string huge(1 << 20, u'x');
  EXPECT_GT(Render(u"<font face=\"" + huge + u"\" color=\"" + huge + u"\">a</font>").cx, 0);
  const SIZE big = Render(u"<font size=99999999in>a</font>");
  EXPECT_GT(big.cy, 100);
  EXPECT_LE(big.cy, 2000);  // fonts stop at a size a screen can show
  drawer.SetStyleEntry(u"body", u"font-size:-99999999999999999999px; margin:99999999in; border-width:1e308");
  EXPECT_GT(Render(u"a").cx, 0);
  EXPECT_GT(Render(u"a<br 99999999>b<t 99999999>c").cy, 0);
}

TEST_F(HtmlBadInput, ImagesFromFoldersDrawNothing) {
  EXPECT_EQ(Render(u"a<bmp file=/><icon file=/tmp><ilst file=/ cx=4>").cx, surface.TextExtent(u"a", 13).cx + 1);
}

TEST_F(HtmlBadInput, TablesWithAbsurdSpansAndDepth) {
  EXPECT_GT(Render(u"<table><tr><td colspan=99999999 rowspan=99999999>a</td></tr><tr><td>b</td></tr></table>").cx, 0);
  std::u16string nested;
  for (int i = 0; i < 200; ++i) nested += u"<table><tr><td>";
  nested += u"core";
  for (int i = 0; i < 200; ++i) nested += u"</td></tr></table>";
  EXPECT_GT(Render(nested).cx, 0);
  EXPECT_GT(Render(u"<td>cell<tr>row</table>after<table><tr><td>open").cx, 0);
}

TEST_F(HtmlBadInput, HeightsAndWidthsSaturateInsteadOfOverflowing) {
  std::u16string text = u"<font size=1000px>";
  for (int i = 0; i < 3000; ++i) text += u"<br 1000>x<t 1000>";
  const SIZE size = surface.Measure(drawer, text);
  EXPECT_GT(size.cy, 1000000);
  EXPECT_GT(size.cx, 1000);
  drawer.DrawMeasuredText(surface.Dc(), RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  drawer.DrawMeasuredText(surface.Dc(), RECT{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN});
  drawer.SetMaxWidth(INT32_MAX);
  drawer.SetTabWidth(INT32_MAX);
  EXPECT_GT(Render(u"a\tb<hr width=100%>c").cx, 0);
}

TEST_F(HtmlBadInput, SurrogatesAndControlCharacters) {
  drawer.SetMaxWidth(10);
  EXPECT_GT(Render(u"\U0001F600\U0001F600\U0001F600 \xD800 a\x01\x02").cx, 0);
}

}  // namespace
