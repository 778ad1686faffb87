// The renderer's text: entities, tags, styles, fonts and lines, checked through measured sizes.
#include <gtest/gtest.h>

#include "HtmlTestSurface.h"

namespace {

// The body of the default sheet: 10 points at 96 dpi, a 13-pixel Verdana cell.
constexpr int kBody = 13;

class HtmlText : public ::testing::Test {
 protected:
  HtmlTestSurface surface;
  CHtmlDrawer drawer;
  SIZE Measure(const std::u16string& text) { return surface.Measure(drawer, text); }
  LONG Width(const std::u16string& text, int weight = FW_NORMAL) {
    return surface.TextExtent(text, kBody, u"Verdana", weight).cx;
  }
};

TEST_F(HtmlText, PlainTextMeasuresItsExtentPlusOne) {
  const SIZE size = Measure(u"Layer: 0");
  EXPECT_EQ(size.cx, Width(u"Layer: 0") + 1);
  EXPECT_EQ(size.cy, kBody + 1);
}

TEST_F(HtmlText, EntitiesAndTheDoubledAngleBracketAreText) {
  EXPECT_EQ(Measure(u"a<<b").cx, Width(u"a<b") + 1);
  EXPECT_EQ(Measure(u"&lt;b&gt;x").cx, Width(u"<b>x") + 1);  // not a tag, so not bold
  EXPECT_EQ(Measure(u"&amp;&copy;&euro;&quot;").cx, Width(u"&\u00a9\u20ac\"") + 1);
  EXPECT_EQ(Measure(u"&nbsp;x").cx, Width(u" x") + 1);
  EXPECT_EQ(Measure(u"&amp;lt;").cx, Width(u"<") + 1);  // the entities apply in their order
  EXPECT_EQ(Measure(u"x<").cx, Width(u"x<") + 1);       // a lone "<" at the end is text
}

TEST_F(HtmlText, CapitalAndUnknownTagsAreDropped) {
  EXPECT_EQ(Measure(u"<B>x</B>").cx, Width(u"x") + 1);
  EXPECT_EQ(Measure(u"a<blink>b</blink>").cx, Width(u"ab") + 1);
  EXPECT_EQ(Measure(u"a<b").cx, Width(u"a") + 1);  // a tag without ">" takes the rest with it
}

TEST_F(HtmlText, BoldDoublesTheWeightAndBoldInBoldIsNineHundred) {
  EXPECT_EQ(Measure(u"<b>Weight</b>").cx, Width(u"Weight", 800) + 1);
  EXPECT_EQ(Measure(u"<b><b>Weight</b></b>").cx, Width(u"Weight", FW_HEAVY) + 1);
  EXPECT_NE(Width(u"Weight", 800), Width(u"Weight"));
  EXPECT_EQ(Measure(u"<b>W</b>eight").cx, Width(u"W", 800) + Width(u"eight") + 1);
}

TEST_F(HtmlText, AClosingTagOfAnotherGroupIsIgnored) {
  EXPECT_EQ(Measure(u"<b>x</i>y</b>z").cx, Width(u"x", 800) + Width(u"y", 800) + Width(u"z") + 1);
  const LONG italicBold = surface.TextExtent(u"y", kBody, u"Verdana", 800, true).cx;
  EXPECT_EQ(Measure(u"<i><b>x</i>y").cx, surface.TextExtent(u"x", kBody, u"Verdana", 800, true).cx + italicBold + 1);
}

TEST_F(HtmlText, FontSizesAreStepsLengthsAndPoints) {
  EXPECT_EQ(Measure(u"<font size=3>x</font>").cy, 12 + 1);
  EXPECT_EQ(Measure(u"<font size=12>x</font>").cy, 12 + 1);
  EXPECT_EQ(Measure(u"<font size=10pt>x</font>").cy, 13 + 1);
  EXPECT_EQ(Measure(u"<font size=7>x</font>").cy, 36 + 1);
  EXPECT_EQ(Measure(u"<font size=200%>x</font>").cy, 26 + 1);
  EXPECT_EQ(Measure(u"<font size=8>x</font>").cy, 8 + 1);  // past the steps: pixels
}

TEST_F(HtmlText, LengthUnits) {
  auto bodyHeight = [&](const std::u16string& size) {
    CHtmlDrawer d;
    d.SetStyleEntry(u"body", u"font-size:" + size);
    return surface.Measure(d, u"x").cy - 1;
  };
  EXPECT_EQ(bodyHeight(u"20px"), 20);
  EXPECT_EQ(bodyHeight(u"0.5in"), 48);
  EXPECT_EQ(bodyHeight(u"1cm"), 37);
  EXPECT_EQ(bodyHeight(u"10mm"), 37);
  EXPECT_EQ(bodyHeight(u"3pc"), 48);
  EXPECT_EQ(bodyHeight(u"150%"), 24);  // of the default 16
  EXPECT_EQ(bodyHeight(u"2em"), 32);   // of the default font's 16-pixel height
  EXPECT_EQ(bodyHeight(u"2ex"), 2 * surface.TextExtent(u"x", 16).cy);
  EXPECT_EQ(bodyHeight(u"12pt"), 16);
  EXPECT_EQ(bodyHeight(u"+18"), 18);   // the sign is dropped
  EXPECT_EQ(bodyHeight(u"0x14"), 20);
}

TEST_F(HtmlText, LineFeedsBreakAndTabsStopAtMultiplesOfThirtyTwo) {
  EXPECT_EQ(Measure(u"a\nb").cy, 2 * kBody + 1);
  EXPECT_EQ(Measure(u"a<br>b").cy, 2 * kBody + 1);
  EXPECT_EQ(Measure(u"a<br 3>b").cy, 4 * kBody + 1);
  EXPECT_EQ(Measure(u"a\r\n\r\nb").cy, 3 * kBody + 1);
  EXPECT_EQ(Measure(u"a\tb").cx, 32 + Width(u"b") + 1);
  EXPECT_EQ(Measure(u"\tb").cx, 32 + Width(u"b") + 1);
  EXPECT_EQ(Measure(u"a<t 2>b").cx, 64 + Width(u"b") + 1);
  EXPECT_EQ(Measure(u"a\t\tb").cx, 64 + Width(u"b") + 1);
}

TEST_F(HtmlText, WithoutLineFeedsAsBreaksTheyVanish) {
  drawer.SetLineFeedsAsBreaks(false);
  EXPECT_EQ(Measure(u"a\nb\tc").cx, Width(u"abc") + 1);
  EXPECT_EQ(Measure(u"a\nb").cy, kBody + 1);
}

TEST_F(HtmlText, TagOnlyTextMeasuresZeroAndDrawsNothing) {
  EXPECT_EQ(Measure(u"").cx, 0);
  const SIZE size = surface.Render(drawer, u"<b></b><i><font color=red></font></i><br><br>");
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, 0);
  drawer.DrawMeasuredText(surface.Dc(), RECT{0, 0, 400, 200});
  EXPECT_EQ(surface.CountNot(RGB(255, 255, 255)), 0);
  // A trailing line end adds nothing.
  EXPECT_EQ(Measure(u"x<br>").cy, kBody + 1);
}

TEST_F(HtmlText, SheetTagsApplyTheirEntries) {
  EXPECT_EQ(Measure(u"<h4>Line</h4>").cx, Width(u"Line", FW_BOLD) + 1);
  EXPECT_EQ(Measure(u"<h1>x</h1>").cy, 18 + 1);  // 14pt
  EXPECT_EQ(Measure(u"<big>x</big>").cy, 16 + 1);
  EXPECT_EQ(Measure(u"<p>x</p>").cx, Width(u"x") + 1);  // no p tag
  EXPECT_EQ(Measure(u"<pre>iii</pre>").cx, surface.TextExtent(u"iii", 12, u"Courier").cx + 1);
}

TEST_F(HtmlText, StyleSheetsParseIntoEntries) {
  drawer.SetStyleSheet(u"\r\n.Note {font-weight:bold}\r\nH1{font-size:20px} junk");
  EXPECT_EQ(Measure(u"<span class=note>x</span>").cx, Width(u"x", FW_BOLD) + 1);
  EXPECT_EQ(Measure(u"<h1>x</h1>").cy, 20 + 1);
  EXPECT_NE(drawer.StyleSheet().find(u".Note"), std::u16string::npos);
  drawer.SetStyleEntry(u"BODY", u"font-size:30px");
  EXPECT_EQ(Measure(u"x").cy, 30 + 1);
}

TEST_F(HtmlText, TextTransform) {
  drawer.SetStyleEntry(u".up", u"text-transform:uppercase");
  drawer.SetStyleEntry(u".cap", u"text-transform:capitalize");
  drawer.SetStyleEntry(u".low", u"text-transform:lowercase");
  EXPECT_EQ(Measure(u"<span class=up>abc</span>").cx, Width(u"ABC") + 1);
  EXPECT_EQ(Measure(u"<span class=low>ABC</span>").cx, Width(u"abc") + 1);
  EXPECT_EQ(Measure(u"<span class=up>a<span class=nosuch>b</span></span>").cx, Width(u"AB") + 1);
  EXPECT_EQ(Measure(u"<span class=cap>hello wORLD</span>").cx, Width(u"Hello World") + 1);
}

TEST_F(HtmlText, FontTagStyleLettersAndWeights) {
  EXPECT_EQ(Measure(u"<font style=b>x</font>").cx, Width(u"x", FW_BOLD) + 1);
  EXPECT_EQ(Measure(u"<b><font style=-b>x</font></b>").cx, Width(u"x") + 1);
  EXPECT_EQ(Measure(u"<font weight=bold>x</font>").cx, Width(u"x", FW_BOLD) + 1);
  EXPECT_EQ(Measure(u"<font face=\"Courier New\">iii</font>").cx, surface.TextExtent(u"iii", kBody, u"Courier New").cx + 1);
}

TEST_F(HtmlText, WrappingAtBreakCharacters) {
  drawer.SetMaxWidth(60);
  const SIZE size = Measure(u"one two three four five");
  EXPECT_LE(size.cx, 61);
  EXPECT_GE(size.cy, 3 * kBody + 1);
  EXPECT_EQ((size.cy - 1) % kBody, 0);
  // Lines hold whole words, as many as fit.
  LONG widest = 0, line = 0;
  std::u16string current;
  for (const std::u16string word : {u"one", u"two", u"three", u"four", u"five"}) {
    const std::u16string longer = current.empty() ? word : current + u" " + word;
    if (Width(longer) <= 60) {
      current = longer;
    } else {
      widest = std::max(widest, Width(current));
      current = word;
      ++line;
    }
  }
  widest = std::max(widest, Width(current));
  EXPECT_EQ(size.cx, widest + 1);
  EXPECT_EQ(size.cy, (line + 1) * kBody + 1);
}

TEST_F(HtmlText, WrappingCutsAWordThatFitsNowhere) {
  drawer.SetMaxWidth(40);
  const std::u16string word = u"abcdefghijklmnopqrstuvwxyz";
  const SIZE size = Measure(word);
  EXPECT_LE(size.cx, 41);
  const LONG lines = (size.cy - 1) / kBody;
  EXPECT_GE(lines, (Width(word) + 39) / 40);
  // A word that fits on the next line moves there whole.
  drawer.SetMaxWidth(60);
  const SIZE moved = Measure(u"ab abcdefgh");
  ASSERT_LE(Width(u"abcdefgh"), 60);
  ASSERT_GT(Width(u"ab abcdefgh"), 60);
  EXPECT_EQ(moved.cy, 2 * kBody + 1);
  EXPECT_EQ(moved.cx, Width(u"abcdefgh") + 1);
}

TEST_F(HtmlText, WrappingAtHyphensKeepsTheHyphen) {
  ASSERT_GT(Width(u"well-known"), 50);
  ASSERT_LE(Width(u"well-"), 50);
  drawer.SetMaxWidth(50);
  const SIZE size = Measure(u"well-known");
  EXPECT_EQ(size.cy, 2 * kBody + 1);
  EXPECT_EQ(size.cx, std::max(Width(u"well-"), Width(u"known")) + 1);
}

TEST_F(HtmlText, ImagesThatCannotBeLoadedTakeNoRoom) {
  EXPECT_EQ(Measure(u"a<bmp file=/no/such.bmp>b<icon idres=9999><ilst handle=12345 index=2>").cx, Width(u"ab") + 1);
}

}  // namespace
