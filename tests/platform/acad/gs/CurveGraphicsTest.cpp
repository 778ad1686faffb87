// Lines, circles, arcs, points, rays and ellipses: their strokes, extents, colours and hits.
#include <gtest/gtest.h>

#include "GsTestDrawing.h"

namespace {

using acadsim::GraphicPrimitive;
using acadsim::hitTest;
using gstest::drawing;
using gstest::dxfText;
using gstest::firstGraphics;

TEST(LineGraphics, OneStrokeBetweenTheEndsWithMarkerOne) {
  auto db = drawing(gstest::line(1, 2, 11, 2));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  const GraphicPrimitive& p = g.primitives[0];
  EXPECT_EQ(p.kind, GraphicPrimitive::Kind::Stroke);
  ASSERT_EQ(p.points.size(), 2u);
  EXPECT_DOUBLE_EQ(p.points[1].x, 11);
  EXPECT_EQ(p.gsMarker, 1);
  EXPECT_EQ(p.nestedPath, -1);
  EXPECT_DOUBLE_EQ(g.extents.min.x, 1);
  EXPECT_DOUBLE_EQ(g.extents.max.x, 11);
  EXPECT_DOUBLE_EQ(g.extents.min.y, 2);
  EXPECT_DOUBLE_EQ(g.extents.max.y, 2);
}

TEST(LineGraphics, ThreeDimensionalEndsAreSeenFromAbove) {
  auto db = drawing(dxfText({{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "5"}, {11, "3"}, {21, "4"}, {31, "-7"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_DOUBLE_EQ(g.primitives[0].points[1].x, 3);
  EXPECT_DOUBLE_EQ(g.primitives[0].points[1].y, 4);
}

TEST(LineGraphics, HitsWithinToleranceAndNotBeyond) {
  auto db = drawing(gstest::line(0, 0, 10, 0));
  auto g = firstGraphics(*db);
  auto exact = hitTest(g, AcGePoint2d(5, 0.5), 0.5);
  EXPECT_TRUE(exact.hit);
  EXPECT_DOUBLE_EQ(exact.distance, 0.5);
  EXPECT_EQ(exact.gsMarker, 1);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, 0.5001), 0.5).hit);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(10.3, 0.3), 0.5).hit);  // past the end, within reach of it
  EXPECT_FALSE(hitTest(g, AcGePoint2d(10.4, 0.4), 0.5).hit);
}

TEST(EntityColorGraphics, IndexTrueColourAndByLayer) {
  std::string layers = gstest::layer("RED", 1) + gstest::layer("0", 7);
  std::string entities = gstest::line(0, 0, 1, 0, "RED") + gstest::line(0, 0, 1, 0, "RED", 3) +
                         dxfText({{0, "LINE"}, {8, "0"}, {420, "1122867"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}}) +
                         gstest::line(0, 0, 1, 0, "0", 0) + gstest::line(0, 0, 1, 0, "0", 7);
  auto db = drawing(entities, "", layers);
  auto ids = gstest::modelSpace(*db);
  ASSERT_EQ(ids.size(), 5u);
  EXPECT_EQ(gstest::graphicsOf(ids[0]).primitives.at(0).color, RGB(255, 0, 0));  // ByLayer: the layer's red
  EXPECT_EQ(gstest::graphicsOf(ids[1]).primitives.at(0).color, RGB(0, 255, 0));
  EXPECT_EQ(gstest::graphicsOf(ids[2]).primitives.at(0).color, RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(gstest::graphicsOf(ids[3]).primitives.at(0).color, RGB(255, 255, 255));  // ByBlock at top level
  EXPECT_EQ(gstest::graphicsOf(ids[4]).primitives.at(0).color, RGB(255, 255, 255));
}

TEST(EntityVisibility, OffFrozenAndErasedEntitiesDrawNothing) {
  std::string layers = gstest::layer("OFF", -1) + gstest::layer("FROZEN", 1, 1) + gstest::layer("ON", 1);
  auto db = drawing(gstest::line(0, 0, 1, 0, "OFF") + gstest::line(0, 0, 1, 0, "FROZEN") +
                        gstest::line(0, 0, 1, 0, "ON"),
                    "", layers);
  auto ids = gstest::modelSpace(*db);
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_TRUE(gstest::graphicsOf(ids[0]).primitives.empty());
  EXPECT_TRUE(gstest::graphicsOf(ids[0]).extents.isEmpty());
  EXPECT_TRUE(gstest::graphicsOf(ids[1]).primitives.empty());
  EXPECT_EQ(gstest::graphicsOf(ids[2]).primitives.size(), 1u);
  AcDbEntity* line = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(line, ids[2], AcDb::kForWrite), Acad::eOk);
  line->erase();
  EXPECT_TRUE(acadsim::entityGraphics(*line).primitives.empty());
  line->close();
}

TEST(CircleGraphics, ClosedStrokeOnTheCircleWithItsExtents) {
  auto db = drawing(dxfText({{0, "CIRCLE"}, {8, "0"}, {10, "5"}, {20, "5"}, {30, "0"}, {40, "2"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_TRUE(g.primitives[0].closed);
  EXPECT_EQ(g.primitives[0].gsMarker, 1);
  EXPECT_NEAR(g.extents.min.x, 3, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 7, 1e-9);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(7.5, 5), 0.5).hit);  // a vertex of the stroke at angle 0
  EXPECT_FALSE(hitTest(g, AcGePoint2d(5, 5), 0.5).hit);   // the centre is far from the outline
}

TEST(ArcGraphics, FollowsTheSweepCounterClockwise) {
  auto db = drawing(dxfText({{0, "ARC"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {50, "0"}, {51, "90"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  const auto& pts = g.primitives[0].points;
  EXPECT_NEAR(pts.front().x, 1, 1e-12);
  EXPECT_NEAR(pts.back().y, 1, 1e-12);
  EXPECT_NEAR(g.extents.min.x, 0, 1e-12);
  EXPECT_NEAR(g.extents.min.y, 0, 1e-12);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(-1, 0), 0.1).hit);  // the other half of the circle is not drawn
}

TEST(PointGraphics, ADotHitByDistance) {
  auto db = drawing(dxfText({{0, "POINT"}, {8, "0"}, {10, "3"}, {20, "4"}, {30, "0"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].kind, GraphicPrimitive::Kind::Dot);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(3, 5), 1).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(3, 5.01), 1).hit);
}

TEST(RayGraphics, ReachesFarButFiniteOneWay) {
  auto db = drawing(dxfText({{0, "RAY"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "1"}, {21, "0"}, {31, "0"}}));
  auto g = firstGraphics(*db);
  EXPECT_DOUBLE_EQ(g.extents.min.x, 0);
  EXPECT_GT(g.extents.max.x, 1e6);
  EXPECT_TRUE(std::isfinite(g.extents.max.x));
  EXPECT_TRUE(hitTest(g, AcGePoint2d(5e5, 0.1), 0.2).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(-1, 0), 0.2).hit);
}

TEST(LeaderGraphics, JoinsItsVertices) {
  auto db = drawing(dxfText({{0, "LEADER"}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbLeader"}, {76, "3"}, {10, "0"},
                             {20, "0"}, {30, "0"}, {10, "4"}, {20, "4"}, {30, "0"}, {10, "8"}, {20, "4"}, {30, "0"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].points.size(), 3u);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(6, 4), 1e-9).hit);
  EXPECT_DOUBLE_EQ(g.extents.max.x, 8);
}

TEST(EllipseGraphics, SpansItsAxes) {
  auto db = drawing(dxfText({{0, "ELLIPSE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "4"}, {21, "0"},
                             {31, "0"}, {40, "0.5"}, {41, "0"}, {42, "6.283185307179586"}}));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_NEAR(g.extents.max.x, 4, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 2, 1e-2);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(0, 2), 0.05).hit);
}

}  // namespace
