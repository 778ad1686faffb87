// AcDbEllipse: definition checks, parameters against angles, arc lengths to 1e-9 and areas closed by the chord.
#include <cmath>

#include "CurveTestDrawing.h"

namespace {

using curvetest::areaOf;
using curvetest::lengthOf;

TEST(AcDbEllipse, WholeEllipse) {
  AcDbEllipse e(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d(5, 0, 0), 0.3);
  EXPECT_FALSE(e.isNull());
  EXPECT_TRUE(e.isClosed());
  EXPECT_TRUE(e.minorAxis().isEqualTo(AcGeVector3d(0, 1.5, 0)));
  double start = -1, end = -1;
  EXPECT_EQ(e.getStartParam(start), Acad::eOk);
  EXPECT_EQ(e.getEndParam(end), Acad::eOk);
  EXPECT_EQ(start, 0.0);
  EXPECT_DOUBLE_EQ(end, 2 * M_PI);
  // The perimeter by the arithmetic-geometric mean: 21.929550347844543.
  EXPECT_NEAR(lengthOf(e), 21.929550347844543, 21.93 * 1e-12);
  EXPECT_NEAR(areaOf(e), M_PI * 5 * 1.5, 1e-13);
  AcGePoint3d p;
  EXPECT_EQ(e.getPointAtParam(M_PI / 2, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 2.5, 0)));
}

TEST(AcDbEllipse, CircularEllipseMeasuresAsACircle) {
  AcDbEllipse e(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 2, 0), 1.0);
  EXPECT_NEAR(lengthOf(e), 4 * M_PI, 1e-12);
  double half = 0;
  EXPECT_EQ(e.getDistAtParam(M_PI, half), Acad::eOk);
  EXPECT_NEAR(half, 2 * M_PI, 1e-12);
}

TEST(AcDbEllipse, ArcAnglesBecomeParameters) {
  // On an ellipse of ratio 0.5 the point seen at 45 degrees has parameter atan(2).
  AcDbEllipse e(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5, M_PI / 4, M_PI);
  double start = 0, end = 0;
  EXPECT_EQ(e.getStartParam(start), Acad::eOk);
  EXPECT_EQ(e.getEndParam(end), Acad::eOk);
  EXPECT_NEAR(start, std::atan(2.0), 1e-15);
  EXPECT_NEAR(end, M_PI, 1e-15);
  EXPECT_NEAR(e.startAngle(), M_PI / 4, 1e-15);
  EXPECT_NEAR(e.endAngle(), M_PI, 1e-15);
  EXPECT_FALSE(e.isClosed());
  AcGePoint3d s;
  EXPECT_EQ(e.getStartPoint(s), Acad::eOk);
  EXPECT_NEAR(s.x, s.y, 1e-15);
}

TEST(AcDbEllipse, ArcAreaIsClosedByTheChord) {
  AcDbEllipse half(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(4, 0, 0), 0.5, 0.0, M_PI);
  EXPECT_NEAR(areaOf(half), M_PI * 4 * 2 / 2, 1e-13);
}

TEST(AcDbEllipse, SetRefusesWhatIsNoEllipse) {
  AcDbEllipse e;
  EXPECT_TRUE(e.isNull());
  AcGePoint3d c(0, 0, 0);
  EXPECT_EQ(e.set(c, AcGeVector3d::kZAxis, AcGeVector3d(), 0.5), Acad::eInvalidInput);
  EXPECT_EQ(e.set(c, AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 0), 0.0), Acad::eInvalidInput);
  EXPECT_EQ(e.set(c, AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 0), 1.5), Acad::eInvalidInput);
  EXPECT_EQ(e.set(c, AcGeVector3d::kXAxis, AcGeVector3d(1, 0, 0), 0.5), Acad::eInvalidInput);
  EXPECT_EQ(e.set(c, AcGeVector3d(), AcGeVector3d(1, 0, 0), 0.5), Acad::eInvalidInput);
  EXPECT_EQ(e.set(c, AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 0), 0.5, std::nan("")), Acad::eInvalidInput);
  EXPECT_TRUE(e.isNull());
  EXPECT_EQ(e.set(c, AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 0), 0.5), Acad::eOk);
  EXPECT_FALSE(e.isNull());
  // A null ellipse still measures finitely.
  AcDbEllipse null;
  EXPECT_EQ(lengthOf(null), 0.0);
  EXPECT_EQ(areaOf(null), 0.0);
}

TEST(AcDbEllipse, TiltedPlaneAndDerivative) {
  AcGeVector3d n = AcGeVector3d(0, 1, 1).normal();
  AcDbEllipse e(AcGePoint3d(0, 0, 2), n, AcGeVector3d(4, 0, 0), 0.25);
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(e.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.normal().isEqualTo(n));
  AcGePoint3d p;
  EXPECT_EQ(e.getPointAtParam(1.0, p), Acad::eOk);
  EXPECT_TRUE(plane.isOn(p, 1e-12));
  AcGeVector3d d;
  EXPECT_EQ(e.getFirstDeriv(0.0, d), Acad::eOk);
  EXPECT_TRUE(d.isEqualTo(e.minorAxis()));
}

TEST(AcDbEllipse, ParamAtDistInvertsTheLength) {
  AcDbEllipse e(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 0, 0), 0.4);
  double quarter = 0, param = 0;
  EXPECT_EQ(e.getDistAtParam(M_PI / 2, quarter), Acad::eOk);
  EXPECT_EQ(e.getParamAtDist(quarter, param), Acad::eOk);
  EXPECT_NEAR(param, M_PI / 2, 1e-10);
  EXPECT_NEAR(4 * quarter, lengthOf(e), 1e-11);
}

}  // namespace
