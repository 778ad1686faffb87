// Hatches, solids and images: fills hit inside (even-odd), outlines and frames as strokes.
#include <gtest/gtest.h>

#include "GsTestDrawing.h"

namespace {

using acadsim::GraphicPrimitive;
using acadsim::hitTest;
using gstest::drawing;
using gstest::dxfText;
using gstest::firstGraphics;

// A polyline loop (boundary type 2) of the square from (x0, y0) to (x1, y1).
std::string squareLoop(double x0, double y0, double x1, double y1) {
  auto s = [](double v) { return std::to_string(v); };
  return dxfText({{92, "2"}, {72, "0"}, {73, "1"}, {93, "4"}, {10, s(x0)}, {20, s(y0)}, {10, s(x1)}, {20, s(y0)},
                  {10, s(x1)}, {20, s(y1)}, {10, s(x0)}, {20, s(y1)}, {97, "0"}});
}

// pattern: the pattern data groups (52 onwards) of a pattern hatch; none leaves the record without lines.
std::string hatch(bool solid, const std::string& loops, int count, const std::string& pattern = "") {
  return dxfText({{0, "HATCH"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {210, "0"}, {220, "0"}, {230, "1"},
                  {2, solid ? "SOLID" : "ANSI31"}, {70, solid ? "1" : "0"}, {71, "0"}, {91, std::to_string(count)}}) +
         loops + dxfText({{75, "0"}, {76, "1"}}) + pattern + dxfText({{98, "0"}});
}

// One horizontal pattern line repeating every unit upwards.
const std::string kHorizontalLines = dxfText({{52, "0"}, {41, "1"}, {77, "0"}, {78, "1"}, {53, "0"}, {43, "0"},
                                              {44, "0.5"}, {45, "0"}, {46, "1"}, {79, "0"}});

TEST(HatchGraphics, SolidFillWithAHoleIsEvenOdd) {
  auto db = drawing(hatch(true, squareLoop(0, 0, 10, 10) + squareLoop(4, 4, 6, 6), 2));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].kind, GraphicPrimitive::Kind::Fill);
  EXPECT_EQ(g.primitives[0].loopStarts.size(), 2u);
  EXPECT_DOUBLE_EQ(hitTest(g, AcGePoint2d(2, 2), 0).distance, 0);
  auto inHole = hitTest(g, AcGePoint2d(5, 5), 1);
  EXPECT_TRUE(inHole.hit);
  EXPECT_DOUBLE_EQ(inHole.distance, 1);  // one unit from the hole's edge
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, 5), 0.99).hit);
  EXPECT_DOUBLE_EQ(g.extents.max.x, 10);
}

TEST(HatchGraphics, PatternHatchDrawsItsBoundary) {
  auto db = drawing(hatch(false, squareLoop(0, 0, 10, 10), 1));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].kind, GraphicPrimitive::Kind::Stroke);
  EXPECT_TRUE(g.primitives[0].closed);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(0, 5), 0).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, 5), 1).hit);
}

TEST(HatchGraphics, PatternLinesAreClippedToTheLoops) {
  auto db = drawing(hatch(false, squareLoop(0, 0, 10, 10) + squareLoop(4, 4, 6, 6), 2, kHorizontalLines));
  auto g = firstGraphics(*db);
  EXPECT_EQ(g.primitives.size(), 10u + 2u);  // y = 0.5 .. 9.5, the two in the hole's rows split in two
  EXPECT_TRUE(hitTest(g, AcGePoint2d(2, 4.5), 1e-9).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, 4.5), 0.9).hit);  // in the hole, beyond the reach of its sides
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, 5), 0.4).hit);    // between two lines
  EXPECT_NEAR(g.extents.min.x, 0, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 9.5, 1e-9);
}

TEST(SolidGraphics, CornersZigZagIntoAQuadrilateral) {
  auto db = drawing(dxfText({{0, "SOLID"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "4"}, {21, "0"},
                             {31, "0"}, {12, "0"}, {22, "4"}, {32, "0"}, {13, "4"}, {23, "4"}, {33, "0"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].kind, GraphicPrimitive::Kind::Fill);
  EXPECT_EQ(g.primitives[0].points.size(), 4u);
  EXPECT_DOUBLE_EQ(hitTest(g, AcGePoint2d(2, 2), 0).distance, 0);  // a bow tie would not cover its centre side
  EXPECT_DOUBLE_EQ(hitTest(g, AcGePoint2d(2, 3.9), 0).distance, 0);
}

TEST(SolidGraphics, ThreeCornersMakeATriangle) {
  auto db = drawing(dxfText({{0, "3DFACE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "4"}, {21, "0"},
                             {31, "0"}, {12, "0"}, {22, "4"}, {32, "0"}, {13, "0"}, {23, "4"}, {33, "0"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].points.size(), 3u);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(1, 1), 0).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(3, 3), 0.5).hit);
}

}  // namespace
