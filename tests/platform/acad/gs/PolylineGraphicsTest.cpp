// Polylines: one primitive per segment numbered from 1, bulges as arcs, widths as wide strokes or outlines.
#include <gtest/gtest.h>

#include "GsTestDrawing.h"

namespace {

using acadsim::GraphicPrimitive;
using acadsim::hitTest;
using gstest::drawing;
using gstest::dxfText;
using gstest::firstGraphics;

// A square LWPOLYLINE 0,0 10,0 10,10 0,10, closed or open, with a constant width (group 43).
std::string square(bool closed, const std::string& width = "0") {
  return dxfText({{0, "LWPOLYLINE"}, {8, "0"}, {90, "4"}, {70, closed ? "1" : "0"}, {43, width}, {10, "0"},
                  {20, "0"}, {10, "10"}, {20, "0"}, {10, "10"}, {20, "10"}, {10, "0"}, {20, "10"}});
}

TEST(LightweightPolylineGraphics, SegmentsAreNumberedFromOne) {
  auto db = drawing(square(true));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 4u);
  EXPECT_EQ(hitTest(g, AcGePoint2d(5, 0.1), 0.2).gsMarker, 1);
  EXPECT_EQ(hitTest(g, AcGePoint2d(9.9, 5), 0.2).gsMarker, 2);
  EXPECT_EQ(hitTest(g, AcGePoint2d(5, 10.1), 0.2).gsMarker, 3);
  EXPECT_EQ(hitTest(g, AcGePoint2d(0.1, 5), 0.2).gsMarker, 4);  // the closing segment
}

TEST(LightweightPolylineGraphics, OpenPolylineHasNoClosingSegment) {
  auto db = drawing(square(false));
  auto g = firstGraphics(*db);
  EXPECT_EQ(g.primitives.size(), 3u);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(0.1, 5), 0.2).hit);
}

TEST(LightweightPolylineGraphics, ConstantWidthWidensTheHitByHalfOfIt) {
  auto db = drawing(square(false, "2"));
  auto g = firstGraphics(*db);
  ASSERT_FALSE(g.primitives.empty());
  EXPECT_DOUBLE_EQ(g.primitives[0].width, 2);
  auto onEdge = hitTest(g, AcGePoint2d(5, -1.5), 0.5);
  EXPECT_TRUE(onEdge.hit);
  EXPECT_DOUBLE_EQ(onEdge.distance, 0.5);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, -1.6), 0.5).hit);
  EXPECT_DOUBLE_EQ(g.extents.min.y, -1);
}

TEST(LightweightPolylineGraphics, TaperedSegmentIsAFilledOutline) {
  auto db = drawing(dxfText({{0, "LWPOLYLINE"}, {8, "0"}, {90, "2"}, {70, "0"}, {10, "0"}, {20, "0"}, {40, "0"},
                             {41, "4"}, {10, "10"}, {20, "0"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].kind, GraphicPrimitive::Kind::Fill);
  EXPECT_DOUBLE_EQ(hitTest(g, AcGePoint2d(9, 1.5), 0).distance, 0);  // inside near the wide end
  EXPECT_FALSE(hitTest(g, AcGePoint2d(1, 1.5), 0.5).hit);            // outside near the narrow end
  EXPECT_DOUBLE_EQ(g.extents.max.y, 2);
}

TEST(LightweightPolylineGraphics, BulgeOfOneIsASemicircle) {
  // From (0,0) to (2,0) with bulge 1: counter-clockwise, so the arc passes below through (1,-1).
  auto db = drawing(dxfText({{0, "LWPOLYLINE"}, {8, "0"}, {90, "2"}, {70, "0"}, {10, "0"}, {20, "0"}, {42, "1"},
                             {10, "2"}, {20, "0"}}));
  auto g = firstGraphics(*db);
  EXPECT_NEAR(g.extents.min.y, -1, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 0, 1e-9);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(1, -1), 1e-6).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(1, 0), 0.5).hit);
}

TEST(OldPolylineGraphics, VerticesFollowThePolyline) {
  std::string pline = dxfText({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "0"},
                               {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"},
                               {0, "VERTEX"}, {8, "0"}, {10, "4"}, {20, "0"}, {30, "0"},
                               {0, "VERTEX"}, {8, "0"}, {10, "4"}, {20, "3"}, {30, "0"}, {0, "SEQEND"}, {8, "0"}});
  auto db = drawing(pline);
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 2u);
  EXPECT_EQ(hitTest(g, AcGePoint2d(4, 2), 0.1).gsMarker, 2);
  EXPECT_DOUBLE_EQ(g.extents.max.y, 3);
}

TEST(OldPolylineGraphics, ThreeDimensionalPolylineSeenFromAbove) {
  std::string pline = dxfText({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "8"},
                               {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "32"},
                               {0, "VERTEX"}, {8, "0"}, {10, "4"}, {20, "4"}, {30, "9"}, {70, "32"},
                               {0, "SEQEND"}, {8, "0"}});
  auto db = drawing(pline);
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_DOUBLE_EQ(g.extents.max.x, 4);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(2, 2), 1e-9).hit);
}

}  // namespace
