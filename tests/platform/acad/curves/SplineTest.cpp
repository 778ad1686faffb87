// AcDbSpline: NURBS data in and out, knot ranges, lengths, areas and planes, and definitions that are refused.
#include <cmath>

#include "CurveTestDrawing.h"

namespace {

using curvetest::areaOf;
using curvetest::lengthOf;

AcGePoint3dArray points(std::initializer_list<AcGePoint3d> values) {
  AcGePoint3dArray a;
  for (const AcGePoint3d& p : values) a.append(p);
  return a;
}

AcGeDoubleArray doubles(std::initializer_list<double> values) {
  AcGeDoubleArray a;
  for (double v : values) a.append(v);
  return a;
}

AcDbSpline quarterCircle() {
  return AcDbSpline(2, Adesk::kTrue, Adesk::kFalse, Adesk::kFalse,
                    points({{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}), doubles({0, 0, 0, 1, 1, 1}),
                    doubles({1, std::sqrt(0.5), 1}));
}

TEST(AcDbSpline, RationalQuarterCircle) {
  AcDbSpline s = quarterCircle();
  EXPECT_FALSE(s.isNull());
  EXPECT_TRUE(s.isRational());
  EXPECT_EQ(s.degree(), 2);
  EXPECT_EQ(s.numControlPoints(), 3);
  EXPECT_NEAR(lengthOf(s), M_PI / 2, 1e-13);
  EXPECT_NEAR(areaOf(s), M_PI / 4 - 0.5, 1e-13);
  EXPECT_FALSE(s.isClosed());
  AcGePoint3d p;
  EXPECT_EQ(s.getPointAtParam(0.5, p), Acad::eOk);
  EXPECT_NEAR(p.distanceTo(AcGePoint3d::kOrigin), 1.0, 1e-15);
  AcGeVector3d d;
  EXPECT_EQ(s.getFirstDeriv(0.0, d), Acad::eOk);
  // C'(0) = degree * w1 / w0 * (P1 - P0) for a rational Bezier curve.
  EXPECT_TRUE(d.isEqualTo(AcGeVector3d(0, 2 * std::sqrt(0.5), 0), 1e-14));
}

TEST(AcDbSpline, GetNurbsDataReturnsWhatWasSet) {
  AcDbSpline s = quarterCircle();
  int degree = 0;
  Adesk::Boolean rational = false, closed = true, periodic = true;
  AcGePoint3dArray cps;
  AcGeDoubleArray knots, weights;
  double cpTol = -1, knotTol = -1;
  EXPECT_EQ(s.getNurbsData(degree, rational, closed, periodic, cps, knots, weights, cpTol, knotTol), Acad::eOk);
  EXPECT_EQ(degree, 2);
  EXPECT_TRUE(rational);
  EXPECT_FALSE(closed);
  EXPECT_FALSE(periodic);
  EXPECT_EQ(cps.length(), 3);
  EXPECT_EQ(knots.length(), 6);
  EXPECT_EQ(weights.length(), 3);
  AcGePoint3d cp;
  EXPECT_EQ(s.getControlPointAt(1, cp), Acad::eOk);
  EXPECT_TRUE(cp.isEqualTo(AcGePoint3d(1, 1, 0)));
  EXPECT_EQ(s.getControlPointAt(3, cp), Acad::eInvalidIndex);
  EXPECT_EQ(s.getFitPointAt(0, cp), Acad::eInvalidIndex);
}

TEST(AcDbSpline, ParametersAreTheKnotRange) {
  AcDbSpline s(2, false, false, false, points({{0, 0, 0}, {1, 4, 0}, {5, 5, 0}, {7, 1, 0}, {9, 3, 0}}),
               doubles({0, 0, 0, 0.5, 2, 3, 3, 3}), AcGeDoubleArray());
  double start = -1, end = -1;
  EXPECT_EQ(s.getStartParam(start), Acad::eOk);
  EXPECT_EQ(s.getEndParam(end), Acad::eOk);
  EXPECT_EQ(start, 0.0);
  EXPECT_EQ(end, 3.0);
  AcGePoint3d e;
  EXPECT_EQ(s.getEndPoint(e), Acad::eOk);
  EXPECT_TRUE(e.isEqualTo(AcGePoint3d(9, 3, 0)));
  AcGePoint3d p;
  EXPECT_EQ(s.getPointAtParam(3.5, p), Acad::eInvalidInput);
}

TEST(AcDbSpline, StraightControlPolygonIsLinear) {
  AcDbSpline s(3, false, false, false, points({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}}),
               doubles({0, 0, 0, 0, 1, 1, 1, 1}), AcGeDoubleArray());
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(s.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kLinear);
  EXPECT_NEAR(lengthOf(s), 3 * std::sqrt(3.0), 1e-12);
  EXPECT_EQ(areaOf(s), 0.0);
}

TEST(AcDbSpline, SpaceCurveIsNonPlanarAndHasNoArea) {
  AcDbSpline s(3, false, false, false, points({{0, 0, 0}, {2, 3, 1}, {5, 4, -2}, {8, -1, 3}}),
               doubles({0, 0, 0, 0, 1, 1, 1, 1}), AcGeDoubleArray());
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kPlanar;
  EXPECT_EQ(s.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kNonPlanar);
  double area = 0;
  EXPECT_EQ(s.getArea(area), Acad::eNonPlanarEntity);
}

TEST(AcDbSpline, PlanarCurveNormalPointsUp) {
  // Clockwise in the XY plane at z = 2: the plane still faces +Z, so its height is the elevation.
  AcDbSpline s(2, false, false, false, points({{0, 0, 2}, {0, 4, 2}, {4, 4, 2}, {4, 0, 2}}),
               doubles({0, 0, 0, 1, 2, 2, 2}), AcGeDoubleArray());
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(s.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_DOUBLE_EQ(plane.pointOnPlane().z, 2.0);
}

TEST(AcDbSpline, PeriodicSplineWithOnePeriodOfKnotsIsClosed) {
  AcDbSpline s(3, false, true, true, points({{0, 0, 0}, {6, 0, 0}, {6, 6, 0}, {0, 6, 0}}),
               doubles({0, 1, 2, 3, 4}), AcGeDoubleArray());
  EXPECT_FALSE(s.isNull());
  EXPECT_TRUE(s.isPeriodic());
  EXPECT_TRUE(s.isClosed());
  double area = areaOf(s);
  // The loop lies inside its control square and outside the square through its knot points (1..5).
  EXPECT_GT(area, 16.0);
  EXPECT_LT(area, 36.0);
}

TEST(AcDbSpline, BadDefinitionsAreRefused) {
  AcDbSpline s = quarterCircle();
  AcGePoint3dArray three = points({{0, 0, 0}, {1, 1, 0}, {2, 0, 0}});
  EXPECT_EQ(s.setNurbsData(2, false, false, false, three, doubles({0, 0, 0, 1, 0.5, 1}), AcGeDoubleArray()),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(2, false, false, false, three, doubles({0, 0, 1, 1}), AcGeDoubleArray()),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(3, false, false, false, three, doubles({0, 0, 0, 0, 1, 1, 1}), AcGeDoubleArray()),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(0, false, false, false, three, doubles({0, 1, 2, 3}), AcGeDoubleArray()),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(2, false, false, false, three, doubles({1, 1, 1, 1, 1, 1}), AcGeDoubleArray()),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(2, true, false, false, three, doubles({0, 0, 0, 1, 1, 1}), doubles({1, -1, 1})),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(2, true, false, false, three, doubles({0, 0, 0, 1, 1, 1}), doubles({1, 1})),
            Acad::eInvalidInput);
  EXPECT_EQ(s.setNurbsData(2, false, false, false, points({{0, 0, 0}, {NAN, 1, 0}, {2, 0, 0}}),
                           doubles({0, 0, 0, 1, 1, 1}), AcGeDoubleArray()),
            Acad::eInvalidInput);
  // Nothing changed.
  EXPECT_NEAR(lengthOf(s), M_PI / 2, 1e-13);
}

TEST(AcDbSpline, EmptySplineHasNoGeometry) {
  AcDbSpline s;
  EXPECT_TRUE(s.isNull());
  EXPECT_FALSE(s.isClosed());
  double v = 0;
  AcGePoint3d p;
  EXPECT_EQ(s.getEndParam(v), Acad::eDegenerateGeometry);
  EXPECT_EQ(s.getStartPoint(p), Acad::eDegenerateGeometry);
  EXPECT_EQ(s.getDistAtParam(0.0, v), Acad::eDegenerateGeometry);
  EXPECT_EQ(s.getArea(v), Acad::eDegenerateGeometry);
  AcGePlane plane;
  AcDb::Planarity planarity;
  EXPECT_EQ(s.getPlane(plane, planarity), Acad::eDegenerateGeometry);
}

TEST(AcDbSpline, HighDegreeBezierLength) {
  // A degree-9 Bezier curve with its control points on a line, evenly spaced: the straight segment itself.
  AcGePoint3dArray cps;
  AcGeDoubleArray knots;
  for (int i = 0; i < 10; ++i) cps.append(AcGePoint3d(i, 2.0 * i, 0));
  for (int i = 0; i < 20; ++i) knots.append(i < 10 ? 0.0 : 1.0);
  AcDbSpline s(9, false, false, false, cps, knots, AcGeDoubleArray());
  EXPECT_NEAR(lengthOf(s), 9 * std::sqrt(5.0), 1e-12);
}

}  // namespace
