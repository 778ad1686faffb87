// AcDb3dSolid::extrude: a region swept along its normal has the properties of the prism it makes.
#include <dbcurve.h>
#include <dbregion.h>
#include <dbsol3d.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "SolidTestSupport.h"

namespace {

using soltest::MassProps;
using soltest::massProps;
constexpr double kPi = 3.14159265358979323846;

// The one region the closed curves make in plane; the curves are deleted.
std::unique_ptr<AcDbRegion> regionOf(std::vector<AcDbCurve*> curves, const AcGePlane& plane) {
  AcDbVoidPtrArray in, out;
  for (AcDbCurve* c : curves) in.append(c);
  Acad::ErrorStatus es = AcDbRegion::createFromCurves(in, out);
  for (AcDbCurve* c : curves) delete c;
  EXPECT_EQ(es, Acad::eOk);
  EXPECT_EQ(out.length(), 1);
  auto region = std::make_unique<AcDbRegion>();
  for (int i = 0; i < out.length(); ++i) {
    auto* made = static_cast<AcDbRegion*>(out[i]);
    EXPECT_EQ(region->booleanOper(AcDb::kBoolUnite, made), Acad::eOk);
    delete made;
  }
  AcGePlane regionPlane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(region->getPlane(regionPlane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(regionPlane.normal().isEqualTo(plane.normal(), 1e-12));
  EXPECT_NEAR(plane.distanceTo(regionPlane.pointOnPlane()), 0, 1e-12);
  return region;
}

std::unique_ptr<AcDbRegion> rectangle(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c,
                                      const AcGePoint3d& d) {
  AcGeVector3d normal = (b - a).crossProduct(c - b).normal();
  return regionOf({new AcDbLine(a, b), new AcDbLine(b, c), new AcDbLine(c, d), new AcDbLine(d, a)}, {a, normal});
}

void expectNear(double actual, double expected, double relative = 1e-9) {
  EXPECT_NEAR(actual, expected, relative * std::fmax(1.0, std::fabs(expected)));
}

TEST(AcDb3dSolidExtrude, RectangleMakesTheBox) {
  // 2 by 3 with its corner at (1, 1, 1), swept 4 up: the box 2 x 3 x 4 with its centre at (2, 2.5, 3).
  auto region = rectangle({1, 1, 1}, {3, 1, 1}, {3, 4, 1}, {1, 4, 1});
  ASSERT_TRUE(region);
  AcDb3dSolid prism, box;
  ASSERT_EQ(prism.extrude(region.get(), 4), Acad::eOk);
  ASSERT_EQ(box.createBox(2, 3, 4), Acad::eOk);
  ASSERT_EQ(box.transformBy(AcGeMatrix3d::translation({2, 2.5, 3})), Acad::eOk);
  MassProps p = massProps(prism), b = massProps(box);
  ASSERT_EQ(p.status, Acad::eOk);
  expectNear(p.volume, 24);
  EXPECT_TRUE(p.centroid.isEqualTo(b.centroid, 1e-9));
  for (int k = 0; k < 3; ++k) {
    expectNear(p.momInertia[k], b.momInertia[k]);
    expectNear(p.prodInertia[k], b.prodInertia[k]);
    expectNear(p.prinMoments[k], b.prinMoments[k]);
  }
  EXPECT_TRUE(p.extents.minPoint().isEqualTo({1, 1, 1}, 1e-9));
  EXPECT_TRUE(p.extents.maxPoint().isEqualTo({3, 4, 5}, 1e-9));
  double area = 0;
  ASSERT_EQ(prism.getArea(area), Acad::eOk);
  expectNear(area, 2 * (6 + 8 + 12));
}

TEST(AcDb3dSolidExtrude, NegativeHeightSweepsAgainstTheNormal) {
  auto region = rectangle({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
  ASSERT_TRUE(region);
  AcGeVector3d normal;
  ASSERT_EQ(region->getNormal(normal), Acad::eOk);
  AcDb3dSolid prism;
  ASSERT_EQ(prism.extrude(region.get(), -2), Acad::eOk);
  MassProps p = massProps(prism);
  ASSERT_EQ(p.status, Acad::eOk);
  expectNear(p.volume, 2);
  expectNear(p.centroid.z, -normal.z);
}

TEST(AcDb3dSolidExtrude, CircleInATiltedPlaneMakesACylinder) {
  // A circle of radius 2 about (5, 0, 0) in the plane x = 5, swept 3 along its normal.
  auto region = regionOf({new AcDbCircle({5, 0, 0}, AcGeVector3d::kXAxis, 2)}, {{5, 0, 0}, AcGeVector3d::kXAxis});
  ASSERT_TRUE(region);
  AcDb3dSolid cylinder;
  ASSERT_EQ(cylinder.extrude(region.get(), 3), Acad::eOk);
  MassProps p = massProps(cylinder);
  ASSERT_EQ(p.status, Acad::eOk);
  double v = 12 * kPi;
  expectNear(p.volume, v);
  // About the world x axis, which is the cylinder's own axis.
  expectNear(p.momInertia[0], v * 4 / 2);
  // The box is as exact as the region's own extents.
  EXPECT_TRUE(p.extents.minPoint().isEqualTo({5, -2, -2}, 1e-7));
  EXPECT_TRUE(p.extents.maxPoint().isEqualTo({8, 2, 2}, 1e-7));
  double area = 0;
  ASSERT_EQ(cylinder.getArea(area), Acad::eOk);
  expectNear(area, 2 * 4 * kPi + 4 * kPi * 3);
}

TEST(AcDb3dSolidExtrude, RefusedInputs) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto region = rectangle({0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0});
  ASSERT_TRUE(region);
  AcDb3dSolid solid;
  EXPECT_EQ(solid.extrude(nullptr, 1), Acad::eInvalidInput);
  EXPECT_EQ(solid.extrude(region.get(), nan), Acad::eInvalidInput);
  EXPECT_EQ(solid.extrude(region.get(), 1, kPi / 2), Acad::eInvalidInput);
  EXPECT_EQ(solid.extrude(region.get(), 0), Acad::eDegenerateGeometry);
  EXPECT_EQ(solid.extrude(region.get(), 1, 0.1), Acad::eNotImplementedYet);
  AcDbRegion empty;
  EXPECT_EQ(solid.extrude(&empty, 1), Acad::eDegenerateGeometry);
  EXPECT_TRUE(solid.isNull());
}

}  // namespace
