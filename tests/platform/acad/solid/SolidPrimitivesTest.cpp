// AcDb3dSolid primitives: mass properties and surface areas against the textbook formulas.
#include <dbsol3d.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SolidTestSupport.h"

namespace {

using soltest::MassProps;
using soltest::massProps;
constexpr double kPi = 3.14159265358979323846;

void expectNear(double actual, double expected, double relative = 1e-12) {
  EXPECT_NEAR(actual, expected, relative * std::fmax(1.0, std::fabs(expected)));
}

TEST(AcDb3dSolidPrimitives, BoxCentredOnTheOrigin) {
  AcDb3dSolid solid;
  ASSERT_EQ(solid.createBox(2, 3, 4), Acad::eOk);
  MassProps p = massProps(solid);
  ASSERT_EQ(p.status, Acad::eOk);
  double v = 24;
  expectNear(p.volume, v);
  expectNear(p.centroid.x, 0);
  expectNear(p.centroid.y, 0);
  expectNear(p.centroid.z, 0);
  expectNear(p.momInertia[0], v * (9 + 16) / 12);
  expectNear(p.momInertia[1], v * (4 + 16) / 12);
  expectNear(p.momInertia[2], v * (4 + 9) / 12);
  expectNear(p.prodInertia[0], 0);
  expectNear(p.prodInertia[1], 0);
  expectNear(p.prodInertia[2], 0);
  expectNear(p.radiiGyration[0], std::sqrt((9 + 16) / 12.0));
  // Principal moments ascend: about z (the shortest sides), then y, then x.
  expectNear(p.prinMoments[0], v * (4 + 9) / 12);
  expectNear(p.prinMoments[1], v * (4 + 16) / 12);
  expectNear(p.prinMoments[2], v * (9 + 16) / 12);
  EXPECT_NEAR(std::fabs(p.prinAxes[0].z), 1.0, 1e-12);
  EXPECT_NEAR(std::fabs(p.prinAxes[1].y), 1.0, 1e-12);
  EXPECT_NEAR(p.prinAxes[0].crossProduct(p.prinAxes[1]).dotProduct(p.prinAxes[2]), 1.0, 1e-12);
  EXPECT_TRUE(p.extents.minPoint().isEqualTo({-1, -1.5, -2}));
  EXPECT_TRUE(p.extents.maxPoint().isEqualTo({1, 1.5, 2}));
  double area = 0;
  ASSERT_EQ(solid.getArea(area), Acad::eOk);
  expectNear(area, 2 * (6 + 12 + 8));
  EXPECT_FALSE(solid.isNull());
}

TEST(AcDb3dSolidPrimitives, WedgeSlopesDownTowardsPositiveX) {
  AcDb3dSolid solid;
  ASSERT_EQ(solid.createWedge(2, 3, 4), Acad::eOk);
  MassProps p = massProps(solid);
  ASSERT_EQ(p.status, Acad::eOk);
  // The triangle (-1,-2) (1,-2) (-1,2) in xz swept over y in [-1.5, 1.5]: triangle moments times the depth.
  expectNear(p.volume, 12);
  expectNear(p.centroid.x, -1.0 / 3);
  expectNear(p.centroid.y, 0);
  expectNear(p.centroid.z, -2.0 / 3);
  expectNear(p.momInertia[0], 9 + 16);
  expectNear(p.momInertia[1], 4 + 16);
  expectNear(p.momInertia[2], 4 + 9);
  expectNear(p.prodInertia[2], 0);
  EXPECT_TRUE(p.extents.maxPoint().isEqualTo({1, 1.5, 2}));
  double area = 0;
  ASSERT_EQ(solid.getArea(area), Acad::eOk);
  expectNear(area, 6 + 12 + 8 + 3 * std::sqrt(20.0));
}

TEST(AcDb3dSolidPrimitives, CylinderConeAndEllipticalFrustum) {
  AcDb3dSolid cylinder;
  ASSERT_EQ(cylinder.createFrustum(5, 2, 2, 2), Acad::eOk);
  MassProps c = massProps(cylinder);
  ASSERT_EQ(c.status, Acad::eOk);
  double v = 20 * kPi;
  expectNear(c.volume, v);
  expectNear(c.momInertia[2], v * 4 / 2);
  expectNear(c.momInertia[0], v * (4 / 4.0 + 25 / 12.0));
  EXPECT_TRUE(c.extents.minPoint().isEqualTo({-2, -2, -2.5}));
  double area = 0;
  ASSERT_EQ(cylinder.getArea(area), Acad::eOk);
  expectNear(area, 2 * kPi * 4 + 2 * kPi * 2 * 5);

  AcDb3dSolid cone;
  ASSERT_EQ(cone.createFrustum(4, 3, 3, 0), Acad::eOk);
  MassProps k = massProps(cone);
  ASSERT_EQ(k.status, Acad::eOk);
  v = 12 * kPi;
  expectNear(k.volume, v);
  // The centroid is a quarter of the height above the base at z = -2.
  expectNear(k.centroid.z, -1);
  expectNear(k.momInertia[2], 0.3 * v * 9);
  expectNear(k.momInertia[0], v * (3 * 9 / 20.0 + 3 * 16 / 80.0) + v * 1);
  ASSERT_EQ(cone.getArea(area), Acad::eOk);
  expectNear(area, 9 * kPi + 15 * kPi);

  AcDb3dSolid elliptical;
  ASSERT_EQ(elliptical.createFrustum(2, 3, 1, 1.5), Acad::eOk);
  MassProps e = massProps(elliptical);
  ASSERT_EQ(e.status, Acad::eOk);
  // Sections are similar ellipses with x radius 3 - 0.75 (z + 1); the volume is k pi h (r1² + r1 r2 + r2²) / 3.
  expectNear(e.volume, kPi / 3 * 2 * (9 + 4.5 + 2.25) / 3);
  EXPECT_TRUE(e.extents.maxPoint().isEqualTo({3, 1, 1}));
  ASSERT_EQ(elliptical.getArea(area), Acad::eOk);
  expectNear(area, soltest::frustumAreaByTriangles(2, 3, 1.0 / 3, 1.5), 1e-8);
}

TEST(AcDb3dSolidPrimitives, EllipticalCylinderSideIsThePerimeterTimesTheHeight) {
  AcDb3dSolid solid;
  ASSERT_EQ(solid.createFrustum(2, 3, 1, 3), Acad::eOk);
  double area = 0;
  ASSERT_EQ(solid.getArea(area), Acad::eOk);
  expectNear(area, 2 * 3 * kPi + 2 * soltest::ellipsePerimeterBySummation(3, 1), 1e-9);
  MassProps p = massProps(solid);
  expectNear(p.volume, 6 * kPi);
  expectNear(p.momInertia[2], 6 * kPi * (9 + 1) / 4);
}

TEST(AcDb3dSolidPrimitives, SphereAndTorus) {
  AcDb3dSolid sphere;
  ASSERT_EQ(sphere.createSphere(2), Acad::eOk);
  MassProps s = massProps(sphere);
  ASSERT_EQ(s.status, Acad::eOk);
  double v = 32 * kPi / 3;
  expectNear(s.volume, v);
  expectNear(s.momInertia[0], 0.4 * v * 4);
  expectNear(s.prinMoments[2], 0.4 * v * 4);
  EXPECT_TRUE(s.extents.minPoint().isEqualTo({-2, -2, -2}));
  double area = 0;
  ASSERT_EQ(sphere.getArea(area), Acad::eOk);
  expectNear(area, 16 * kPi);

  AcDb3dSolid torus;
  ASSERT_EQ(torus.createTorus(5, 1), Acad::eOk);
  MassProps t = massProps(torus);
  ASSERT_EQ(t.status, Acad::eOk);
  v = 2 * kPi * kPi * 5;
  expectNear(t.volume, v);
  expectNear(t.momInertia[2], v * (25 + 0.75));
  expectNear(t.momInertia[0], v * (12.5 + 5.0 / 8));
  EXPECT_TRUE(t.extents.minPoint().isEqualTo({-6, -6, -1}));
  EXPECT_TRUE(t.extents.maxPoint().isEqualTo({6, 6, 1}));
  ASSERT_EQ(torus.getArea(area), Acad::eOk);
  expectNear(area, 20 * kPi * kPi);
}

TEST(AcDb3dSolidPrimitives, DegenerateSizesAreRefusedAndLeaveTheSolidAsItWas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  AcDb3dSolid solid;
  EXPECT_EQ(solid.createBox(0, 1, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createBox(1, -1, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createBox(1, 1, nan), Acad::eInvalidInput);
  EXPECT_EQ(solid.createWedge(1, 0, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createWedge(inf, 1, 1), Acad::eInvalidInput);
  EXPECT_EQ(solid.createFrustum(0, 1, 1, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createFrustum(1, 1, 0, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createFrustum(1, 1, 1, -0.5), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createFrustum(1, 1, 1, nan), Acad::eInvalidInput);
  EXPECT_EQ(solid.createSphere(0), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createSphere(-2), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createTorus(1, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createTorus(1, 2), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createTorus(0, 1), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.createTorus(2, 0), Acad::eDegenerateGeometry);
  EXPECT_TRUE(solid.isNull());

  MassProps p = massProps(solid);
  EXPECT_EQ(p.status, Acad::eDegenerateGeometry);
  EXPECT_EQ(p.volume, -1.0);
  double area = -1;
  EXPECT_EQ(solid.getArea(area), Acad::eDegenerateGeometry);
  EXPECT_EQ(area, -1.0);

  ASSERT_EQ(solid.createSphere(1), Acad::eOk);
  EXPECT_EQ(solid.createBox(0, 0, 0), Acad::eDegenerateGeometry);
  expectNear(massProps(solid).volume, 4 * kPi / 3);
}

TEST(AcDb3dSolidPrimitives, TinyAndHugeSizesStayFinite) {
  AcDb3dSolid tiny, huge;
  ASSERT_EQ(tiny.createFrustum(1e-120, 1e-120, 1e-120, 0), Acad::eOk);
  MassProps t = massProps(tiny);
  // The volume underflows to nothing: an error, never a NaN.
  EXPECT_NE(t.status, Acad::eOk);
  ASSERT_EQ(huge.createSphere(1e120), Acad::eOk);
  MassProps h = massProps(huge);
  EXPECT_EQ(h.status, Acad::eGeneralModelingFailure);
  double area = 0;
  EXPECT_EQ(huge.getArea(area), Acad::eOk);
  EXPECT_TRUE(std::isfinite(area));
}

}  // namespace
