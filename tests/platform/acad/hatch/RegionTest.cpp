// AcDbRegion: regions from curves, their areas, perimeters and area properties, and Boolean operations.
#include <dbcurve.h>
#include <dbregion.h>
#include <gtest/gtest.h>

#include <cmath>

#include "HatchRegions.h"

namespace {

using hatchtest::OwnedArray;

AcDbPolyline* rectangle(double x0, double y0, double x1, double y1) {
  auto* p = new AcDbPolyline();
  p->addVertexAt(0, AcGePoint2d(x0, y0));
  p->addVertexAt(1, AcGePoint2d(x1, y0));
  p->addVertexAt(2, AcGePoint2d(x1, y1));
  p->addVertexAt(3, AcGePoint2d(x0, y1));
  p->setClosed(true);
  return p;
}

// The one region the curves make; the curves are deleted.
std::unique_ptr<AcDbRegion> regionOf(std::initializer_list<AcDbCurve*> curves) {
  OwnedArray<AcDbCurve> owned;
  for (AcDbCurve* c : curves) owned.items.append(c);
  AcDbVoidPtrArray regions;
  EXPECT_EQ(AcDbRegion::createFromCurves(owned.items, regions), Acad::eOk);
  EXPECT_EQ(regions.length(), 1);
  for (int i = 1; i < regions.length(); ++i) delete static_cast<AcDbRegion*>(regions[i]);
  return std::unique_ptr<AcDbRegion>(regions.isEmpty() ? new AcDbRegion() : static_cast<AcDbRegion*>(regions[0]));
}

double areaOf(const AcDbRegion& r) {
  double a = -1.0;
  EXPECT_EQ(r.getArea(a), Acad::eOk);
  return a;
}

double perimeterOf(const AcDbRegion& r) {
  double p = -1.0;
  EXPECT_EQ(r.getPerimeter(p), Acad::eOk);
  return p;
}

Acad::ErrorStatus createStatus(std::initializer_list<AcDbCurve*> curves, int& made) {
  OwnedArray<AcDbCurve> owned;
  for (AcDbCurve* c : curves) owned.items.append(c);
  OwnedArray<AcDbRegion> regions;
  Acad::ErrorStatus es = AcDbRegion::createFromCurves(owned.items, regions.items);
  made = regions.items.length();
  return es;
}

TEST(RegionCreateFromCurves, ChainsCurvesInAnyOrderAndDirection) {
  // A half disc: the diameter drawn backwards and listed after the arc.
  auto half = regionOf({new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, M_PI), new AcDbLine(AcGePoint3d(2, 0, 0), AcGePoint3d(-2, 0, 0))});
  EXPECT_NEAR(areaOf(*half), 2 * M_PI, 1e-12);
  EXPECT_NEAR(perimeterOf(*half), 2 * M_PI + 4, 1e-12);
  // Four lines out of order, two of them reversed.
  auto square = regionOf({new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), new AcDbLine(AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0)),
                          new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0)), new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 0, 0))});
  EXPECT_NEAR(areaOf(*square), 1.0, 1e-15);
  AcGeVector3d normal;
  EXPECT_EQ(square->getNormal(normal), Acad::eOk);
  EXPECT_TRUE(normal.isEqualTo(AcGeVector3d::kZAxis));
}

TEST(RegionCreateFromCurves, EachClosedCurveMakesItsOwnRegion) {
  int made = 0;
  EXPECT_EQ(createStatus({new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0),
                          new AcDbEllipse(AcGePoint3d(5, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5),
                          rectangle(10, 0, 12, 1)},
                         made),
            Acad::eOk);
  EXPECT_EQ(made, 3);
}

TEST(RegionCreateFromCurves, ExactAreasOfCurvedBoundaries) {
  EXPECT_NEAR(areaOf(*regionOf({new AcDbCircle(AcGePoint3d(1e6, -1e6, 0), AcGeVector3d::kZAxis, 3.0)})), 9 * M_PI, 9 * M_PI * 1e-12);
  auto ellipse = regionOf({new AcDbEllipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 4, 0), 0.2)});
  EXPECT_NEAR(areaOf(*ellipse), M_PI * 5 * 1, 1e-12);
  // A closed polyline of two bulge-1 segments is a circle of diameter 2.
  auto* pline = new AcDbPolyline();
  pline->addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  pline->addVertexAt(1, AcGePoint2d(2, 0), 1.0);
  pline->setClosed(true);
  auto disc = regionOf({pline});
  EXPECT_NEAR(areaOf(*disc), M_PI, 1e-14);
  EXPECT_NEAR(perimeterOf(*disc), 2 * M_PI, 1e-14);
  // Seen from below (normal -Z) the circle has the same area.
  EXPECT_NEAR(areaOf(*regionOf({new AcDbCircle(AcGePoint3d(0, 0, 5), AcGeVector3d(0, 0, -1), 2.0)})), 4 * M_PI, 1e-13);
}

TEST(RegionCreateFromCurves, RegionInATiltedPlane) {
  AcGeVector3d n = AcGeVector3d(1, 1, 1).normal();
  auto tilted = regionOf({new AcDbCircle(AcGePoint3d(1, 2, 3), n, 2.0)});
  EXPECT_NEAR(areaOf(*tilted), 4 * M_PI, 1e-12);
  AcGeVector3d normal;
  ASSERT_EQ(tilted->getNormal(normal), Acad::eOk);
  EXPECT_TRUE(normal.isEqualTo(n, 1e-12));
}

TEST(RegionCreateFromCurves, RefusesWhatBoundsNothing) {
  int made = 0;
  EXPECT_EQ(createStatus({new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 0))}, made),
            Acad::eInvalidInput);
  EXPECT_EQ(made, 0);
  EXPECT_EQ(createStatus({new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.0)}, made), Acad::eInvalidInput);
  EXPECT_EQ(createStatus({new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(0, 0, 0))}, made),
            Acad::eInvalidInput);
  AcDbVoidPtrArray none, regions;
  EXPECT_EQ(AcDbRegion::createFromCurves(none, regions), Acad::eInvalidInput);
  AcDbVoidPtrArray nulls;
  nulls.append(nullptr);
  EXPECT_EQ(AcDbRegion::createFromCurves(nulls, regions), Acad::eInvalidInput);
  EXPECT_TRUE(regions.isEmpty());
}

TEST(RegionCreateFromCurves, HostileGeometry) {
  int made = 0;
  // A bow tie crosses itself.
  auto* bow = new AcDbPolyline();
  bow->addVertexAt(0, AcGePoint2d(0, 0));
  bow->addVertexAt(1, AcGePoint2d(2, 2));
  bow->addVertexAt(2, AcGePoint2d(2, 0));
  bow->addVertexAt(3, AcGePoint2d(0, 2));
  bow->setClosed(true);
  EXPECT_EQ(createStatus({bow}, made), Acad::eInvalidInput);
  // Coincident vertices are passed over.
  auto* doubled = rectangle(0, 0, 3, 1);
  doubled->addVertexAt(1, AcGePoint2d(0, 0));
  EXPECT_NEAR(areaOf(*regionOf({doubled})), 3.0, 1e-15);
  // Not in one plane.
  EXPECT_EQ(createStatus({new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 1)),
                          new AcDbLine(AcGePoint3d(0, 1, 1), AcGePoint3d(0, 0, 0)), new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0)},
                         made),
            Acad::eNonCoplanarGeometry);
  // Not finite.
  EXPECT_EQ(createStatus({new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(HUGE_VAL, 0, 0))}, made), Acad::eInvalidInput);
}

TEST(RegionBooleanOper, SeparateLoopsStayExact) {
  auto disc = regionOf({new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0)});
  auto hole = regionOf({new AcDbCircle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 2.0)});
  auto apart = regionOf({new AcDbCircle(AcGePoint3d(20, 0, 0), AcGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(disc->booleanOper(AcDb::kBoolSubtract, hole.get()), Acad::eOk);
  EXPECT_TRUE(hole->isNull());
  EXPECT_NEAR(areaOf(*disc), 21 * M_PI, 1e-13);
  EXPECT_NEAR(perimeterOf(*disc), 14 * M_PI, 1e-13);
  EXPECT_EQ(disc->booleanOper(AcDb::kBoolUnite, apart.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*disc), 22 * M_PI, 1e-13);
  // An island inside the hole joins; the hole's inside meets nothing else.
  auto island = regionOf({new AcDbCircle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(disc->booleanOper(AcDb::kBoolUnite, island.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*disc), 23 * M_PI, 1e-13);
  auto inHole = regionOf({new AcDbCircle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 1.5)});
  EXPECT_EQ(inHole->booleanOper(AcDb::kBoolIntersect, disc.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*inHole), M_PI, 1e-13);
}

TEST(RegionBooleanOper, CrossingLoopsGoThroughTheOverlay) {
  auto a = regionOf({rectangle(0, 0, 2, 2)});
  auto b = regionOf({rectangle(1, 1, 3, 3)});
  EXPECT_EQ(a->booleanOper(AcDb::kBoolUnite, b.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*a), 7.0, 1e-12);
  auto c = regionOf({rectangle(0, 0, 2, 2)});
  auto d = regionOf({new AcDbCircle(AcGePoint3d(2, 2, 0), AcGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(c->booleanOper(AcDb::kBoolSubtract, d.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*c), 4.0 - M_PI / 4, 4.0 * 1e-7);
  auto e = regionOf({rectangle(0, 0, 2, 2)});
  auto f = regionOf({new AcDbCircle(AcGePoint3d(2, 2, 0), AcGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(e->booleanOper(AcDb::kBoolIntersect, f.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*e), M_PI / 4, 1e-7);
  // Loops that only share an edge merge.
  auto g = regionOf({rectangle(0, 0, 1, 1)});
  auto h = regionOf({rectangle(1, 0, 2, 1)});
  EXPECT_EQ(g->booleanOper(AcDb::kBoolUnite, h.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*g), 2.0, 1e-12);
  EXPECT_NEAR(perimeterOf(*g), 6.0, 1e-12);
}

TEST(RegionBooleanOper, EmptyRegionsAndBadArguments) {
  AcDbRegion empty;
  EXPECT_TRUE(empty.isNull());
  EXPECT_NEAR(areaOf(empty), 0.0, 0.0);
  AcGeVector3d normal;
  EXPECT_EQ(empty.getNormal(normal), Acad::eDegenerateGeometry);
  auto disc = regionOf({new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(empty.booleanOper(AcDb::kBoolUnite, disc.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(empty), M_PI, 1e-14);
  EXPECT_TRUE(disc->isNull());
  AcDbRegion nothing;
  EXPECT_EQ(empty.booleanOper(AcDb::kBoolSubtract, &nothing), Acad::eOk);
  EXPECT_NEAR(areaOf(empty), M_PI, 1e-14);
  EXPECT_EQ(empty.booleanOper(AcDb::kBoolUnite, nullptr), Acad::eInvalidInput);
  EXPECT_EQ(empty.booleanOper(AcDb::BoolOperType(7), &nothing), Acad::eInvalidInput);
  EXPECT_EQ(empty.booleanOper(AcDb::kBoolSubtract, &empty), Acad::eOk);
  EXPECT_TRUE(empty.isNull());
  auto low = regionOf({new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0)});
  auto high = regionOf({new AcDbCircle(AcGePoint3d(0, 0, 1), AcGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(low->booleanOper(AcDb::kBoolUnite, high.get()), Acad::eNonCoplanarGeometry);
  EXPECT_FALSE(high->isNull());
}

TEST(RegionGetAreaProp, RectangleAgainstClosedForms) {
  auto r = regionOf({rectangle(1, 2, 5, 4)});  // 4 by 2, centroid (3, 3)
  double perimeter, area, mom[2], prod, prin[2], radii[2];
  AcGePoint2d centroid, low, high;
  AcGeVector2d axes[2];
  ASSERT_EQ(r->getAreaProp(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, perimeter, area, centroid, mom,
                           prod, prin, axes, radii, low, high),
            Acad::eOk);
  EXPECT_NEAR(perimeter, 12.0, 1e-12);
  EXPECT_NEAR(area, 8.0, 1e-12);
  EXPECT_NEAR(centroid.x, 3.0, 1e-12);
  EXPECT_NEAR(centroid.y, 3.0, 1e-12);
  EXPECT_NEAR(mom[0], 8.0 * 9.0 + 4.0 * 8.0 / 12.0, 1e-10);   // about X: A cy^2 + b h^3 / 12
  EXPECT_NEAR(mom[1], 8.0 * 9.0 + 2.0 * 64.0 / 12.0, 1e-10);  // about Y
  EXPECT_NEAR(prod, 8.0 * 9.0, 1e-10);
  EXPECT_NEAR(prin[0], 4.0 * 8.0 / 12.0, 1e-10);  // about the long axis
  EXPECT_NEAR(prin[1], 2.0 * 64.0 / 12.0, 1e-10);
  EXPECT_NEAR(std::fabs(axes[0].x), 1.0, 1e-12);
  EXPECT_NEAR(radii[0], std::sqrt(mom[0] / 8.0), 1e-12);
  EXPECT_NEAR(low.x, 1.0, 1e-12);
  EXPECT_NEAR(high.y, 4.0, 1e-12);
  // Measured from (3, 3) with axes turned a quarter: the centroid is the origin.
  ASSERT_EQ(r->getAreaProp(AcGePoint3d(3, 3, 0), AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis, perimeter, area, centroid,
                           mom, prod, prin, axes, radii, low, high),
            Acad::eOk);
  EXPECT_NEAR(centroid.x, 0.0, 1e-12);
  EXPECT_NEAR(mom[1], 4.0 * 8.0 / 12.0, 1e-10);
  EXPECT_EQ(r->getAreaProp(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kZAxis, perimeter, area, centroid, mom,
                           prod, prin, axes, radii, low, high),
            Acad::eInvalidInput);
}

TEST(RegionGetAreaProp, DiscSecondMomentsAreExact) {
  auto disc = regionOf({new AcDbCircle(AcGePoint3d(2, 0, 0), AcGeVector3d::kZAxis, 3.0)});
  double perimeter, area, mom[2], prod, prin[2], radii[2];
  AcGePoint2d centroid, low, high;
  AcGeVector2d axes[2];
  ASSERT_EQ(disc->getAreaProp(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, perimeter, area, centroid,
                              mom, prod, prin, axes, radii, low, high),
            Acad::eOk);
  const double a = 9 * M_PI, central = M_PI * 81 / 4;
  EXPECT_NEAR(centroid.x, 2.0, 1e-12);
  EXPECT_NEAR(mom[0], central, 1e-10);
  EXPECT_NEAR(mom[1], central + 4 * a, 1e-10);
  EXPECT_NEAR(prin[0], central, 1e-10);
  EXPECT_NEAR(prin[1], central, 1e-10);
}

}  // namespace
