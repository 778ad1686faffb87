// Curves read from DXF: each class's groups, object coordinates, the vertices after a POLYLINE.
#include <cmath>

#include "CurveTestDrawing.h"

namespace {

using curvetest::areaOf;
using curvetest::lengthOf;
using curvetest::modelSpace;
using curvetest::Opened;
using curvetest::readEntities;

TEST(DxfCurves, Line) {
  auto db = readEntities({{0, "LINE"}, {8, "0"}, {39, "2.5"}, {10, "1"}, {20, "2"}, {30, "3"},
                          {11, "4"}, {21, "6"}, {31, "15"}, {210, "0"}, {220, "0"}, {230, "1"}});
  Opened<AcDbLine> line(modelSpace(*db).at(0));
  EXPECT_TRUE(line->startPoint().isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_TRUE(line->endPoint().isEqualTo(AcGePoint3d(4, 6, 15)));
  EXPECT_EQ(line->thickness(), 2.5);
  EXPECT_DOUBLE_EQ(lengthOf(*line.object), 13.0);
}

TEST(DxfCurves, CircleCentreIsInObjectCoordinates) {
  auto db = readEntities({{0, "CIRCLE"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "3"}, {40, "2"},
                          {210, "0"}, {220, "0"}, {230, "-1"}});
  Opened<AcDbCircle> circle(modelSpace(*db).at(0));
  EXPECT_TRUE(circle->center().isEqualTo(AcGePoint3d(-1, 2, -3)));
  EXPECT_TRUE(circle->normal().isEqualTo(AcGeVector3d(0, 0, -1)));
  EXPECT_EQ(circle->radius(), 2.0);
}

TEST(DxfCurves, ArcAnglesInDegrees) {
  auto db = readEntities({{0, "ARC"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "3"}, {50, "350"},
                          {51, "10"}});
  Opened<AcDbArc> arc(modelSpace(*db).at(0));
  EXPECT_NEAR(arc->startAngle(), 350 * M_PI / 180, 1e-15);
  EXPECT_NEAR(arc->endAngle(), 10 * M_PI / 180, 1e-15);
  EXPECT_NEAR(lengthOf(*arc.object), 3 * 20 * M_PI / 180, 1e-14);
}

TEST(DxfCurves, BadRadiusReadsAsZero) {
  auto db = readEntities({{0, "CIRCLE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "-4"}});
  Opened<AcDbCircle> circle(modelSpace(*db).at(0));
  EXPECT_EQ(circle->radius(), 0.0);
  EXPECT_EQ(areaOf(*circle.object), 0.0);
}

TEST(DxfCurves, EllipseParameters) {
  auto db = readEntities({{0, "ELLIPSE"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "0"}, {11, "3"}, {21, "4"},
                          {31, "0"}, {40, "0.6"}, {41, "4.0"}, {42, "0.4"}});
  Opened<AcDbEllipse> e(modelSpace(*db).at(0));
  EXPECT_TRUE(e->majorAxis().isEqualTo(AcGeVector3d(3, 4, 0)));
  EXPECT_EQ(e->radiusRatio(), 0.6);
  double start = 0, end = 0;
  EXPECT_EQ(e->getStartParam(start), Acad::eOk);
  EXPECT_EQ(e->getEndParam(end), Acad::eOk);
  EXPECT_DOUBLE_EQ(start, 4.0);
  EXPECT_DOUBLE_EQ(end, 0.4 + 2 * M_PI);
  EXPECT_FALSE(e->isClosed());
}

TEST(DxfCurves, LightweightPolyline) {
  auto db = readEntities({{0, "LWPOLYLINE"}, {8, "0"}, {90, "3"}, {70, "1"}, {43, "0.5"}, {38, "2"}, {39, "1"},
                          {10, "0"}, {20, "0"}, {42, "1"}, {10, "2"}, {20, "0"}, {10, "2"}, {20, "3"},
                          {40, "0.1"}, {41, "0.2"}});
  Opened<AcDbPolyline> pl(modelSpace(*db).at(0));
  EXPECT_EQ(pl->numVerts(), 3u);
  EXPECT_TRUE(pl->isClosed());
  EXPECT_EQ(pl->elevation(), 2.0);
  EXPECT_EQ(pl->thickness(), 1.0);
  double s = 0, e = 0, b = 0;
  EXPECT_EQ(pl->getWidthsAt(0, s, e), Acad::eOk);
  EXPECT_EQ(s, 0.5);
  EXPECT_EQ(e, 0.5);
  EXPECT_EQ(pl->getWidthsAt(2, s, e), Acad::eOk);
  EXPECT_EQ(s, 0.1);
  EXPECT_EQ(e, 0.2);
  EXPECT_EQ(pl->getBulgeAt(0, b), Acad::eOk);
  EXPECT_EQ(b, 1.0);
  EXPECT_NE(pl->getConstantWidth(s), Acad::eOk);
  EXPECT_NEAR(lengthOf(*pl.object), M_PI + 3 + std::sqrt(13.0), 1e-14);
  // The triangle (3) and the half disc below the first chord (pi / 2).
  EXPECT_NEAR(areaOf(*pl.object), 3 + M_PI / 2, 1e-14);
}

std::unique_ptr<AcDbDatabase> polyline2d() {
  return readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "4"}, {70, "1"},
                       {40, "0.3"}, {41, "0.3"},
                       {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {42, "1"},
                       {0, "VERTEX"}, {8, "0"}, {10, "2"}, {20, "0"},
                       {0, "VERTEX"}, {8, "0"}, {10, "2"}, {20, "3"}, {40, "0.1"},
                       {0, "SEQEND"}, {8, "0"}});
}

TEST(DxfCurves, Polyline2dVerticesFollowIt) {
  auto db = polyline2d();
  Opened<AcDb2dPolyline> pl(modelSpace(*db).at(0));
  EXPECT_TRUE(pl->isClosed());
  EXPECT_EQ(pl->elevation(), 4.0);
  EXPECT_EQ(pl->polyType(), AcDb::k2dSimplePoly);
  EXPECT_EQ(pl->defaultStartWidth(), 0.3);
  double end = 0;
  EXPECT_EQ(pl->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 3.0);
  EXPECT_NEAR(lengthOf(*pl.object), M_PI + 3 + std::sqrt(13.0), 1e-14);
  EXPECT_NEAR(areaOf(*pl.object), 3 + M_PI / 2, 1e-14);
  AcGePoint3d s;
  EXPECT_EQ(pl->getStartPoint(s), Acad::eOk);
  EXPECT_TRUE(s.isEqualTo(AcGePoint3d(0, 0, 4)));
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(pl->getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_DOUBLE_EQ(plane.pointOnPlane().z, 4.0);
}

TEST(DxfCurves, VertexIteratorWalksTheVerticesWithoutSeqend) {
  auto db = polyline2d();
  Opened<AcDb2dPolyline> pl(modelSpace(*db).at(0));
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  ASSERT_NE(it, nullptr);
  int count = 0;
  std::vector<double> startWidths;
  for (it->start(); !it->done(); it->step()) {
    AcDb2dVertex* v = nullptr;
    ASSERT_EQ(acdbOpenObject(v, it->objectId(), AcDb::kForRead), Acad::eOk);
    ++count;
    startWidths.push_back(v->startWidth());
    EXPECT_EQ(v->position().z, 4.0);
    EXPECT_EQ(v->vertexType(), AcDb::k2dVertex);
    v->close();
  }
  EXPECT_EQ(count, 3);
  // Widths the vertex leaves out are the polyline's defaults.
  EXPECT_EQ(startWidths, (std::vector<double>{0.3, 0.3, 0.1}));
}

TEST(DxfCurves, SplineFitPolylineMeasuresItsFittedVertices) {
  auto db = readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "4"},
                          {75, "5"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {70, "16"},
                          {0, "VERTEX"}, {8, "0"}, {10, "5"}, {20, "8"}, {70, "16"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {70, "8"},
                          {0, "VERTEX"}, {8, "0"}, {10, "3"}, {20, "4"}, {70, "8"},
                          {0, "VERTEX"}, {8, "0"}, {10, "6"}, {20, "0"}, {70, "8"},
                          {0, "SEQEND"}, {8, "0"}});
  Opened<AcDb2dPolyline> pl(modelSpace(*db).at(0));
  EXPECT_EQ(pl->polyType(), AcDb::k2dQuadSplinePoly);
  double end = 0;
  EXPECT_EQ(pl->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 2.0);
  EXPECT_DOUBLE_EQ(lengthOf(*pl.object), 10.0);
  EXPECT_DOUBLE_EQ(areaOf(*pl.object), 12.0);
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  int count = 0;
  for (it->start(); !it->done(); it->step()) ++count;
  EXPECT_EQ(count, 5);
}

TEST(DxfCurves, CurveFitFlagGivesTheFitType) {
  auto db = readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "2"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"},
                          {0, "VERTEX"}, {8, "0"}, {10, "1"}, {20, "0"}, {70, "1"},
                          {0, "SEQEND"}, {8, "0"}});
  Opened<AcDb2dPolyline> pl(modelSpace(*db).at(0));
  EXPECT_EQ(pl->polyType(), AcDb::k2dFitCurvePoly);
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  it->start();
  it->step();
  AcDb2dVertex* v = nullptr;
  ASSERT_EQ(acdbOpenObject(v, it->objectId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(v->vertexType(), AcDb::k2dCurveFitVertex);
  v->close();
}

TEST(DxfCurves, Polyline3d) {
  auto db = readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "9"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "32"},
                          {0, "VERTEX"}, {8, "0"}, {10, "4"}, {20, "0"}, {30, "4"}, {70, "32"},
                          {0, "VERTEX"}, {8, "0"}, {10, "4"}, {20, "3"}, {30, "4"}, {70, "32"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "3"}, {30, "0"}, {70, "32"},
                          {0, "SEQEND"}, {8, "0"}});
  Opened<AcDb3dPolyline> pl(modelSpace(*db).at(0));
  EXPECT_TRUE(pl->isClosed());
  EXPECT_EQ(pl->polyType(), AcDb::k3dSimplePoly);
  double end = 0;
  EXPECT_EQ(pl->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 4.0);
  EXPECT_NEAR(lengthOf(*pl.object), 2 * 4 * std::sqrt(2.0) + 6, 1e-13);
  EXPECT_NEAR(areaOf(*pl.object), 3 * 4 * std::sqrt(2.0), 1e-13);
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(pl->getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.normal().isEqualTo(AcGeVector3d(-1, 0, 1).normal(), 1e-12));
  AcGePoint3d p;
  EXPECT_EQ(pl->getPointAtParam(3.5, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(0, 1.5, 0)));
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  it->start();
  AcDb3dPolylineVertex* v = nullptr;
  ASSERT_EQ(acdbOpenObject(v, it->objectId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(v->vertexType(), AcDb::k3dSimpleVertex);
  v->close();
}

TEST(DxfCurves, PolylineWithoutVerticesHasNoGeometry) {
  auto db = readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "0"}, {0, "SEQEND"}, {8, "0"}});
  Opened<AcDb2dPolyline> pl(modelSpace(*db).at(0));
  double v = 0;
  EXPECT_EQ(pl->getEndParam(v), Acad::eDegenerateGeometry);
  EXPECT_EQ(pl->getArea(v), Acad::eDegenerateGeometry);
  std::unique_ptr<AcDbObjectIterator> it(pl->vertexIterator());
  it->start();
  EXPECT_TRUE(it->done());
}

TEST(DxfCurves, Spline) {
  auto db = readEntities({{0, "SPLINE"}, {8, "0"}, {210, "0"}, {220, "0"}, {230, "1"}, {70, "12"}, {71, "2"},
                          {72, "6"}, {73, "3"}, {74, "0"}, {42, "1e-10"}, {43, "1e-10"},
                          {40, "0"}, {40, "0"}, {40, "0"}, {40, "1"}, {40, "1"}, {40, "1"},
                          {10, "1"}, {20, "0"}, {30, "0"}, {41, "1"},
                          {10, "1"}, {20, "1"}, {30, "0"}, {41, "0.7071067811865476"},
                          {10, "0"}, {20, "1"}, {30, "0"}, {41, "1"}});
  Opened<AcDbSpline> s(modelSpace(*db).at(0));
  EXPECT_FALSE(s->isNull());
  EXPECT_TRUE(s->isRational());
  EXPECT_EQ(s->numControlPoints(), 3);
  EXPECT_NEAR(lengthOf(*s.object), M_PI / 2, 1e-13);
}

TEST(DxfCurves, SplineWithDecreasingKnotsHasNoGeometry) {
  auto db = readEntities({{0, "SPLINE"}, {8, "0"}, {70, "8"}, {71, "1"}, {72, "4"}, {73, "2"},
                          {40, "0"}, {40, "1"}, {40, "0.5"}, {40, "1"},
                          {10, "0"}, {20, "0"}, {30, "0"}, {10, "1"}, {20, "1"}, {30, "0"}});
  Opened<AcDbSpline> s(modelSpace(*db).at(0));
  EXPECT_TRUE(s->isNull());
  double v = 0;
  EXPECT_EQ(s->getEndParam(v), Acad::eDegenerateGeometry);
}

TEST(DxfCurves, HelixKeepsItsSplineData) {
  auto db = readEntities({{0, "HELIX"}, {8, "0"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbSpline"},
                          {70, "8"}, {71, "1"}, {72, "4"}, {73, "2"},
                          {40, "0"}, {40, "0"}, {40, "1"}, {40, "1"},
                          {10, "0"}, {20, "0"}, {30, "0"}, {10, "3"}, {20, "4"}, {30, "0"},
                          {100, "AcDbHelix"}, {90, "31"}, {91, "8"}, {10, "9"}, {20, "9"}, {30, "9"},
                          {11, "1"}, {21, "0"}, {31, "0"}, {12, "0"}, {22, "0"}, {32, "1"}, {40, "1"}, {41, "3"},
                          {42, "1"}, {290, "1"}, {280, "1"}});
  Opened<AcDbHelix> h(modelSpace(*db).at(0));
  EXPECT_EQ(h->numControlPoints(), 2);
  EXPECT_DOUBLE_EQ(lengthOf(*h.object), 5.0);
}

TEST(DxfCurves, RayXlineAndPoint) {
  auto db = readEntities({{0, "RAY"}, {8, "0"}, {10, "1"}, {20, "1"}, {30, "0"}, {11, "0"}, {21, "2"}, {31, "0"},
                          {0, "XLINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "0"}, {21, "0"}, {31, "0"},
                          {0, "POINT"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "3"}, {39, "4"}, {50, "90"}});
  std::vector<AcDbObjectId> ids = modelSpace(*db);
  ASSERT_EQ(ids.size(), 3u);
  {
    Opened<AcDbRay> ray(ids[0]);
    EXPECT_TRUE(ray->basePoint().isEqualTo(AcGePoint3d(1, 1, 0)));
    EXPECT_TRUE(ray->unitDir().isEqualTo(AcGeVector3d(0, 1, 0)));
  }
  {
    // A zero direction reads as +X.
    Opened<AcDbXline> xline(ids[1]);
    EXPECT_TRUE(xline->unitDir().isEqualTo(AcGeVector3d::kXAxis));
  }
  Opened<AcDbPoint> point(ids[2]);
  EXPECT_TRUE(point->position().isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_EQ(point->thickness(), 4.0);
  EXPECT_NEAR(point->ecsRotation(), M_PI / 2, 1e-15);
  EXPECT_TRUE(point->normal().isEqualTo(AcGeVector3d::kZAxis));
}

TEST(DxfCurves, NonFiniteNumbersReadAsZero) {
  auto db = readEntities({{0, "LINE"}, {8, "0"}, {10, "nan"}, {20, "inf"}, {30, "0"}, {11, "1"}, {21, "0"},
                          {31, "0"}});
  Opened<AcDbLine> line(modelSpace(*db).at(0));
  EXPECT_TRUE(curvetest::finite(line->startPoint()));
  EXPECT_TRUE(std::isfinite(lengthOf(*line.object)));
}

}  // namespace
