// AcDbLine, AcDbCircle and AcDbArc: parameters, points, distances, derivatives, areas and planes.
#include <cmath>

#include "CurveTestDrawing.h"

namespace {

using curvetest::areaOf;
using curvetest::lengthOf;

TEST(AcDbLine, ParametersRunFromZeroToTheLength) {
  AcDbLine line(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 6, 15));
  double start = -1, end = -1;
  EXPECT_EQ(line.getStartParam(start), Acad::eOk);
  EXPECT_EQ(start, 0.0);
  EXPECT_EQ(line.getEndParam(end), Acad::eOk);
  EXPECT_DOUBLE_EQ(end, 13.0);
  EXPECT_DOUBLE_EQ(lengthOf(line), 13.0);
  AcGePoint3d p;
  EXPECT_EQ(line.getPointAtParam(6.5, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(2.5, 4, 9)));
  AcGeVector3d d;
  EXPECT_EQ(line.getFirstDeriv(1.0, d), Acad::eOk);
  EXPECT_TRUE(d.isEqualTo(AcGeVector3d(3, 4, 12) / 13.0));
  EXPECT_EQ(line.getPointAtParam(13.5, p), Acad::eInvalidInput);
  EXPECT_EQ(line.getPointAtParam(-0.5, p), Acad::eInvalidInput);
  EXPECT_EQ(line.getDistAtParam(std::nan(""), end), Acad::eInvalidInput);
}

TEST(AcDbLine, EndsAreaAndPlane) {
  AcDbLine line(AcGePoint3d(0, 0, 5), AcGePoint3d(10, 0, 5));
  AcGePoint3d s, e;
  EXPECT_EQ(line.getStartPoint(s), Acad::eOk);
  EXPECT_EQ(line.getEndPoint(e), Acad::eOk);
  EXPECT_TRUE(s.isEqualTo(AcGePoint3d(0, 0, 5)));
  EXPECT_TRUE(e.isEqualTo(AcGePoint3d(10, 0, 5)));
  EXPECT_FALSE(line.isClosed());
  EXPECT_EQ(areaOf(line), 0.0);
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(line.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kLinear);
  EXPECT_TRUE(plane.isOn(s));
  EXPECT_TRUE(plane.isOn(e));
  // A horizontal line lies in the horizontal plane through it.
  EXPECT_TRUE(plane.normal().isEqualTo(AcGeVector3d::kZAxis));
}

TEST(AcDbLine, ZeroLengthLineHasOneParameter) {
  AcDbLine line(AcGePoint3d(2, 2, 2), AcGePoint3d(2, 2, 2));
  double end = -1;
  EXPECT_EQ(line.getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 0.0);
  AcGePoint3d p;
  EXPECT_EQ(line.getPointAtParam(0.0, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(2, 2, 2)));
  AcGeVector3d d(9, 9, 9);
  EXPECT_EQ(line.getFirstDeriv(0.0, d), Acad::eOk);
  EXPECT_TRUE(d.isZeroLength());
  double param = -1;
  EXPECT_EQ(line.getParamAtDist(0.0, param), Acad::eOk);
  EXPECT_EQ(param, 0.0);
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(line.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kLinear);
}

TEST(AcDbLine, SettersRefuseNonFiniteValues) {
  AcDbLine line;
  EXPECT_EQ(line.setStartPoint(AcGePoint3d(std::nan(""), 0, 0)), Acad::eInvalidInput);
  EXPECT_EQ(line.setEndPoint(AcGePoint3d(0, INFINITY, 0)), Acad::eInvalidInput);
  EXPECT_EQ(line.setNormal(AcGeVector3d()), Acad::eInvalidInput);
  EXPECT_EQ(line.setThickness(std::nan("")), Acad::eInvalidInput);
  EXPECT_EQ(line.setThickness(2.0), Acad::eOk);
  EXPECT_EQ(line.thickness(), 2.0);
  EXPECT_EQ(line.setNormal(AcGeVector3d(0, 0, 3)), Acad::eOk);
  EXPECT_TRUE(line.normal().isEqualTo(AcGeVector3d::kZAxis));
}

TEST(AcDbLine, ParamAtDistAndPointAtDist) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 8, 0));
  double param = -1;
  EXPECT_EQ(line.getParamAtDist(3.0, param), Acad::eOk);
  EXPECT_NEAR(param, 3.0, 1e-12);
  AcGePoint3d p;
  EXPECT_EQ(line.getPointAtDist(8.0, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(0, 8, 0), 1e-9));
  EXPECT_EQ(line.getParamAtDist(8.5, param), Acad::eInvalidInput);
  EXPECT_EQ(line.getParamAtDist(-1.0, param), Acad::eInvalidInput);
}

TEST(AcDbCircle, WholeTurnInItsPlane) {
  AcDbCircle circle(AcGePoint3d(0, 0, 3), AcGeVector3d::kZAxis, 2.0);
  EXPECT_TRUE(circle.isClosed());
  double start = -1, end = -1;
  EXPECT_EQ(circle.getStartParam(start), Acad::eOk);
  EXPECT_EQ(start, 0.0);
  EXPECT_EQ(circle.getEndParam(end), Acad::eOk);
  EXPECT_DOUBLE_EQ(end, 2 * M_PI);
  EXPECT_DOUBLE_EQ(lengthOf(circle), 4 * M_PI);
  EXPECT_DOUBLE_EQ(areaOf(circle), 4 * M_PI);
  AcGePoint3d p;
  EXPECT_EQ(circle.getPointAtParam(M_PI / 2, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(0, 2, 3)));
  AcGeVector3d d;
  EXPECT_EQ(circle.getFirstDeriv(0.0, d), Acad::eOk);
  EXPECT_TRUE(d.isEqualTo(AcGeVector3d(0, 2, 0)));
  EXPECT_EQ(circle.getPointAtParam(7.0, p), Acad::eInvalidInput);
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(circle.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_DOUBLE_EQ(plane.pointOnPlane().z, 3.0);
}

TEST(AcDbCircle, ParameterZeroIsOnTheObjectXAxis) {
  // Normal -Z: the arbitrary axis algorithm turns the X axis to -X.
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, -1), 1.0);
  AcGePoint3d p;
  EXPECT_EQ(circle.getStartPoint(p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-1, 0, 0)));
}

TEST(AcDbCircle, RadiusMustBePositive) {
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  EXPECT_EQ(circle.setRadius(0.0), Acad::eInvalidInput);
  EXPECT_EQ(circle.setRadius(-2.0), Acad::eInvalidInput);
  EXPECT_EQ(circle.setRadius(std::nan("")), Acad::eInvalidInput);
  EXPECT_EQ(circle.radius(), 1.0);
  // A circle made with no radius measures nothing, finitely.
  AcDbCircle empty(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, -3.0);
  EXPECT_EQ(empty.radius(), 0.0);
  EXPECT_EQ(lengthOf(empty), 0.0);
  EXPECT_EQ(areaOf(empty), 0.0);
}

TEST(AcDbArc, SweepCrossesZero) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 3.0, 350 * M_PI / 180, 10 * M_PI / 180);
  EXPECT_FALSE(arc.isClosed());
  double start = 0, end = 0;
  EXPECT_EQ(arc.getStartParam(start), Acad::eOk);
  EXPECT_EQ(arc.getEndParam(end), Acad::eOk);
  EXPECT_NEAR(start, 350 * M_PI / 180, 1e-15);
  EXPECT_NEAR(end, 370 * M_PI / 180, 1e-14);
  EXPECT_NEAR(lengthOf(arc), 3.0 * 20 * M_PI / 180, 1e-14);
  AcGePoint3d s, e;
  EXPECT_EQ(arc.getStartPoint(s), Acad::eOk);
  EXPECT_EQ(arc.getEndPoint(e), Acad::eOk);
  EXPECT_NEAR(s.y, -3.0 * std::sin(10 * M_PI / 180), 1e-14);
  EXPECT_NEAR(e.y, 3.0 * std::sin(10 * M_PI / 180), 1e-14);
  double dist = 0;
  EXPECT_EQ(arc.getDistAtParam(2 * M_PI, dist), Acad::eOk);
  EXPECT_NEAR(dist, 3.0 * 10 * M_PI / 180, 1e-14);
  EXPECT_EQ(arc.getDistAtParam(0.1, dist), Acad::eInvalidInput);
}

TEST(AcDbArc, AnglesAreKeptInTheFirstTurn) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1.0, -M_PI / 2, 5 * M_PI);
  EXPECT_NEAR(arc.startAngle(), 1.5 * M_PI, 1e-15);
  EXPECT_NEAR(arc.endAngle(), M_PI, 1e-15);
  EXPECT_EQ(arc.setStartAngle(std::nan("")), Acad::eInvalidInput);
  EXPECT_EQ(arc.setEndAngle(2 * M_PI), Acad::eOk);
  EXPECT_EQ(arc.endAngle(), 0.0);
}

TEST(AcDbArc, EqualAnglesMakeAWholeTurn) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 2.0, 1.0, 1.0);
  EXPECT_NEAR(lengthOf(arc), 4 * M_PI, 1e-14);
  // The segment of a whole turn is the whole disc.
  EXPECT_NEAR(areaOf(arc), 4 * M_PI, 1e-13);
}

TEST(AcDbArc, AreaIsTheSegmentUnderTheChord) {
  AcDbArc half(AcGePoint3d(1, 1, 0), 2.0, 0.0, M_PI);
  EXPECT_NEAR(areaOf(half), 2 * M_PI, 1e-14);
  AcDbArc quarter(AcGePoint3d(0, 0, 0), 1.0, 0.0, M_PI / 2);
  EXPECT_NEAR(areaOf(quarter), M_PI / 4 - 0.5, 1e-15);
}

TEST(AcDbArc, PlaneIsItsOwn) {
  AcDbArc arc(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 0, -2), 1.0, 0.0, 1.0);
  EXPECT_TRUE(arc.normal().isEqualTo(AcGeVector3d(0, 0, -1)));
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(arc.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.normal().isEqualTo(AcGeVector3d(0, 0, -1)));
  EXPECT_TRUE(plane.isOn(AcGePoint3d(1, 2, 3)));
}

}  // namespace
