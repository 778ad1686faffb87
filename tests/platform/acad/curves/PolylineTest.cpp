// AcDbPolyline: vertices, bulges and widths, and its geometry with the vertex index as parameter.
#include <cmath>

#include "CurveTestDrawing.h"

namespace {

using curvetest::areaOf;
using curvetest::lengthOf;

AcDbPolyline* square(double side, bool closed) {
  auto* pl = new AcDbPolyline();
  pl->addVertexAt(0, AcGePoint2d(0, 0));
  pl->addVertexAt(1, AcGePoint2d(side, 0));
  pl->addVertexAt(2, AcGePoint2d(side, side));
  pl->addVertexAt(3, AcGePoint2d(0, side));
  pl->setClosed(closed);
  return pl;
}

TEST(AcDbPolyline, VertexAccess) {
  AcDbPolyline pl;
  EXPECT_EQ(pl.numVerts(), 0u);
  EXPECT_EQ(pl.addVertexAt(1, AcGePoint2d(1, 1)), Acad::eInvalidIndex);
  EXPECT_EQ(pl.addVertexAt(0, AcGePoint2d(1, 1), 0.5), Acad::eOk);
  EXPECT_EQ(pl.addVertexAt(0, AcGePoint2d(0, 0)), Acad::eOk);
  EXPECT_EQ(pl.addVertexAt(0, AcGePoint2d(NAN, 0)), Acad::eInvalidInput);
  EXPECT_EQ(pl.numVerts(), 2u);
  AcGePoint2d p;
  EXPECT_EQ(pl.getPointAt(1, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint2d(1, 1)));
  EXPECT_EQ(pl.getPointAt(2, p), Acad::eInvalidIndex);
  double bulge = 0;
  EXPECT_EQ(pl.getBulgeAt(1, bulge), Acad::eOk);
  EXPECT_EQ(bulge, 0.5);
  EXPECT_EQ(pl.setBulgeAt(5, 1.0), Acad::eInvalidIndex);
  EXPECT_FALSE(pl.isOnlyLines());
  EXPECT_EQ(pl.removeVertexAt(1), Acad::eOk);
  EXPECT_TRUE(pl.isOnlyLines());
  EXPECT_EQ(pl.removeVertexAt(1), Acad::eInvalidIndex);
}

TEST(AcDbPolyline, WidthsAndConstantWidth) {
  std::unique_ptr<AcDbPolyline> pl(square(1, false));
  double w = -1;
  EXPECT_EQ(pl->getConstantWidth(w), Acad::eOk);
  EXPECT_EQ(w, 0.0);
  EXPECT_EQ(pl->setWidthsAt(0, 0.5, 0.7), Acad::eOk);
  EXPECT_NE(pl->getConstantWidth(w), Acad::eOk);
  EXPECT_EQ(pl->setConstantWidth(0.25), Acad::eOk);
  EXPECT_EQ(pl->getConstantWidth(w), Acad::eOk);
  EXPECT_EQ(w, 0.25);
  // The last vertex of an open polyline starts no segment, so its widths do not count.
  EXPECT_EQ(pl->setWidthsAt(3, 2.0, 3.0), Acad::eOk);
  EXPECT_EQ(pl->getConstantWidth(w), Acad::eOk);
  pl->setClosed(true);
  EXPECT_NE(pl->getConstantWidth(w), Acad::eOk);
  EXPECT_EQ(pl->setWidthsAt(0, -1.0, 1.0), Acad::eInvalidInput);
  // New vertices without widths take the constant width.
  EXPECT_EQ(pl->addVertexAt(4, AcGePoint2d(5, 5)), Acad::eOk);
  double s = 0, e = 0;
  EXPECT_EQ(pl->getWidthsAt(4, s, e), Acad::eOk);
  EXPECT_EQ(s, 0.25);
  EXPECT_EQ(e, 0.25);
}

TEST(AcDbPolyline, ClosedSquare) {
  std::unique_ptr<AcDbPolyline> pl(square(2, true));
  EXPECT_TRUE(pl->isClosed());
  double end = 0;
  EXPECT_EQ(pl->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 4.0);
  EXPECT_DOUBLE_EQ(lengthOf(*pl), 8.0);
  EXPECT_DOUBLE_EQ(areaOf(*pl), 4.0);
  AcGePoint3d p;
  EXPECT_EQ(pl->getPointAtParam(3.5, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(0, 1, 0)));
  EXPECT_EQ(pl->getEndPoint(p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(0, 0, 0)));
}

TEST(AcDbPolyline, OpenPolylineAreaIsClosedByTheChord) {
  std::unique_ptr<AcDbPolyline> pl(square(2, false));
  double end = 0;
  EXPECT_EQ(pl->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 3.0);
  EXPECT_DOUBLE_EQ(lengthOf(*pl), 6.0);
  EXPECT_DOUBLE_EQ(areaOf(*pl), 4.0);
}

TEST(AcDbPolyline, BulgeOfOneIsASemicircle) {
  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  pl.addVertexAt(1, AcGePoint2d(2, 0));
  EXPECT_NEAR(lengthOf(pl), M_PI, 1e-14);
  EXPECT_NEAR(areaOf(pl), M_PI / 2, 1e-14);
  AcGePoint3d mid;
  EXPECT_EQ(pl.getPointAtParam(0.5, mid), Acad::eOk);
  // A positive bulge turns counter-clockwise: from (0,0) to (2,0) it passes below the chord.
  EXPECT_TRUE(mid.isEqualTo(AcGePoint3d(1, -1, 0), 1e-14));
  AcGeVector3d d;
  EXPECT_EQ(pl.getFirstDeriv(0.0, d), Acad::eOk);
  EXPECT_TRUE(d.normal().isEqualTo(AcGeVector3d(0, -1, 0), 1e-14));
  EXPECT_NEAR(d.length(), M_PI, 1e-14);
}

TEST(AcDbPolyline, ClosedCircleOfTwoBulges) {
  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(-1, 0), 1.0);
  pl.addVertexAt(1, AcGePoint2d(1, 0), 1.0);
  pl.setClosed(true);
  EXPECT_NEAR(lengthOf(pl), 2 * M_PI, 1e-14);
  EXPECT_NEAR(areaOf(pl), M_PI, 1e-14);
  // Negative bulges make the same circle the other way round.
  pl.setBulgeAt(0, -1.0);
  pl.setBulgeAt(1, -1.0);
  EXPECT_NEAR(areaOf(pl), M_PI, 1e-14);
}

TEST(AcDbPolyline, ElevationAndNormalPlaceItInSpace) {
  std::unique_ptr<AcDbPolyline> pl(square(1, true));
  pl->setElevation(3.0);
  EXPECT_EQ(pl->setNormal(AcGeVector3d(0, 0, -1)), Acad::eOk);
  AcGePoint3d p;
  EXPECT_EQ(pl->getPointAt(1, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-1, 0, -3)));
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(pl->getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.isOn(p));
  EXPECT_DOUBLE_EQ(areaOf(*pl), 1.0);
}

TEST(AcDbPolyline, DegenerateVertices) {
  AcDbPolyline empty;
  double v = 0;
  AcGePoint3d p;
  EXPECT_EQ(empty.getEndParam(v), Acad::eDegenerateGeometry);
  EXPECT_EQ(empty.getStartPoint(p), Acad::eDegenerateGeometry);
  EXPECT_EQ(empty.getArea(v), Acad::eDegenerateGeometry);
  AcDbPolyline one;
  one.addVertexAt(0, AcGePoint2d(4, 4), 3.0);
  EXPECT_EQ(lengthOf(one), 0.0);
  EXPECT_EQ(areaOf(one), 0.0);
  EXPECT_EQ(one.getEndPoint(p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(4, 4, 0)));
  // A bulge between coincident vertices has no circle: an empty straight segment.
  AcDbPolyline twice;
  twice.addVertexAt(0, AcGePoint2d(1, 1), 0.7);
  twice.addVertexAt(1, AcGePoint2d(1, 1));
  twice.addVertexAt(2, AcGePoint2d(2, 1));
  EXPECT_DOUBLE_EQ(lengthOf(twice), 1.0);
  EXPECT_EQ(areaOf(twice), 0.0);
  AcGeVector3d d;
  EXPECT_EQ(twice.getFirstDeriv(0.5, d), Acad::eOk);
  EXPECT_TRUE(d.isZeroLength());
}

}  // namespace
