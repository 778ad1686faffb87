// Text and multiline text: one primitive per line at its baseline's left end, codes resolved, box hits.
#include <gtest/gtest.h>

#include "gs/TextCodes.h"
#include "GsTestDrawing.h"

namespace {

using acadsim::GraphicPrimitive;
using acadsim::hitTest;
using gstest::drawing;
using gstest::dxfText;
using gstest::firstGraphics;

TEST(TextCodes, PercentCodesBecomeTheirCharacters) {
  EXPECT_EQ(acadsim::gs::expandTextCodes(u"45%%d %%p1 %%c5 100%%%"), u"45\u00B0 \u00B11 \u23005 100%");
  EXPECT_EQ(acadsim::gs::expandTextCodes(u"%%uunder%%u %%065"), u"under A");
  EXPECT_EQ(acadsim::gs::expandTextCodes(u"50%"), u"50%");
}

TEST(TextCodes, MTextFormattingIsDroppedAndParagraphsSplit) {
  auto lines = acadsim::gs::mtextLines(u"{\\fArial|b1;Bold}\\Pline \\H2.5;two\\~x\\P\\S1^2;\\\\");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], u"Bold");
  EXPECT_EQ(lines[1], u"line two\u00A0x");
  EXPECT_EQ(lines[2], u"1/2\\");
  EXPECT_EQ(acadsim::gs::mtextLines(u"\\U+00B0C")[0], u"\u00B0C");
}

TEST(TextGraphics, LeftTextStartsAtItsPosition) {
  auto db = drawing(dxfText({{0, "TEXT"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "0"}, {40, "2"}, {1, "AB%%dC"},
                             {50, "90"}, {41, "0.5"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  const GraphicPrimitive& t = g.primitives[0];
  EXPECT_EQ(t.kind, GraphicPrimitive::Kind::Text);
  EXPECT_EQ(t.text, u"AB\u00B0C");
  EXPECT_DOUBLE_EQ(t.height, 2);
  EXPECT_NEAR(t.rotation, M_PI / 2, 1e-12);
  EXPECT_NEAR(t.widthFactor, 0.5, 1e-12);
  EXPECT_NEAR(t.points[0].x, 1, 1e-12);
  EXPECT_NEAR(t.points[0].y, 2, 1e-12);
  EXPECT_EQ(t.face, u"Arial");
  // Rotated a quarter turn: the box runs up from (1,2) to (1,2 + 4*0.6*2*0.5) and left by the height.
  EXPECT_NEAR(g.extents.max.y, 2 + 2.4, 1e-9);
  EXPECT_NEAR(g.extents.min.x, -1, 1e-9);
}

TEST(TextGraphics, CentredTextIsPlacedAroundItsAlignmentPoint) {
  auto db = drawing(dxfText({{0, "TEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {1, "ABCD"},
                             {72, "1"}, {11, "10"}, {21, "10"}, {31, "0"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_NEAR(g.primitives[0].points[0].x, 10 - 4 * 0.6 / 2, 1e-12);
  EXPECT_NEAR(g.primitives[0].points[0].y, 10, 1e-12);
}

TEST(TextGraphics, HitsInsideTheBoxAndAtToleranceOutside) {
  auto db = drawing(dxfText({{0, "TEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {1, "ABCDE"}}));
  auto g = firstGraphics(*db);
  auto inside = hitTest(g, AcGePoint2d(1, 0.5), 0);
  EXPECT_TRUE(inside.hit);
  EXPECT_DOUBLE_EQ(inside.distance, 0);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(3.5, 0.5), 0.5).hit);  // the box ends at 5 * 0.6
  EXPECT_FALSE(hitTest(g, AcGePoint2d(3.6, 0.5), 0.5).hit);
}

TEST(MTextGraphics, TopLeftLinesGoDownFromTheLocation) {
  auto db = drawing(dxfText({{0, "MTEXT"}, {8, "0"}, {10, "0"}, {20, "10"}, {30, "0"}, {40, "3"}, {71, "1"},
                             {1, "one\\Ptwo"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 2u);
  EXPECT_EQ(g.primitives[0].text, u"one");
  EXPECT_NEAR(g.primitives[0].points[0].y, 7, 1e-12);
  EXPECT_NEAR(g.primitives[1].points[0].y, 7 - 5, 1e-12);
  EXPECT_NEAR(g.extents.max.y, 10, 1e-12);
}

TEST(MTextGraphics, WrapsBetweenWordsAtItsWidth) {
  auto db = drawing(dxfText({{0, "MTEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {41, "3"},
                             {71, "1"}, {1, "aaa bbbb c\\Pdddddddd"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 4u);  // five characters of 0.6 fit in 3
  EXPECT_EQ(g.primitives[0].text, u"aaa");
  EXPECT_EQ(g.primitives[1].text, u"bbbb");
  EXPECT_EQ(g.primitives[2].text, u"c");
  EXPECT_EQ(g.primitives[3].text, u"dddddddd");  // a word longer than the width keeps its own line
}

TEST(MTextGraphics, BottomRightEndsAtTheLocation) {
  auto db = drawing(dxfText({{0, "MTEXT"}, {8, "0"}, {10, "10"}, {20, "0"}, {30, "0"}, {40, "1"}, {71, "9"},
                             {1, "ab"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_NEAR(g.primitives[0].points[0].x, 10 - 1.2, 1e-12);
  EXPECT_NEAR(g.primitives[0].points[0].y, 0, 1e-12);
}

}  // namespace
