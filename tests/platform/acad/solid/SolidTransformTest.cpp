// AcDb3dSolid::transformBy: moved bodies report their properties about the world origin.
#include <dbsol3d.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../db/DbTestDrawing.h"
#include "SolidTestSupport.h"

namespace {

using soltest::MassProps;
using soltest::massProps;
constexpr double kPi = 3.14159265358979323846;

void expectNear(double actual, double expected, double relative = 1e-11) {
  EXPECT_NEAR(actual, expected, relative * std::fmax(1.0, std::fabs(expected)));
}

AcGeMatrix3d quarterTurnThenShift() {
  return AcGeMatrix3d::translation({1, 2, 3}) * AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
}

TEST(AcDb3dSolidTransform, MovedBoxFollowsTheParallelAxisTheorem) {
  AcDb3dSolid solid;
  ASSERT_EQ(solid.createBox(2, 3, 4), Acad::eOk);
  ASSERT_EQ(solid.transformBy(quarterTurnThenShift()), Acad::eOk);
  MassProps p = massProps(solid);
  ASSERT_EQ(p.status, Acad::eOk);
  double v = 24;
  // Turned a quarter about z the box is 3 along x and 2 along y; then its centre is at (1, 2, 3).
  double cx = v * (4 + 16) / 12, cy = v * (9 + 16) / 12, cz = v * (9 + 4) / 12;
  expectNear(p.volume, v);
  EXPECT_TRUE(p.centroid.isEqualTo({1, 2, 3}, 1e-12));
  expectNear(p.momInertia[0], cx + v * (4 + 9));
  expectNear(p.momInertia[1], cy + v * (1 + 9));
  expectNear(p.momInertia[2], cz + v * (1 + 4));
  expectNear(p.prodInertia[0], v * 1 * 2);
  expectNear(p.prodInertia[1], v * 2 * 3);
  expectNear(p.prodInertia[2], v * 3 * 1);
  expectNear(p.radiiGyration[2], std::sqrt((cz + v * 5) / v));
  // Principal moments are about the centroid, so moving the body leaves them.
  expectNear(p.prinMoments[0], cz);
  expectNear(p.prinMoments[2], cy);
  EXPECT_TRUE(p.extents.minPoint().isEqualTo({-0.5, 1, 1}, 1e-12));
  EXPECT_TRUE(p.extents.maxPoint().isEqualTo({2.5, 3, 5}, 1e-12));
}

TEST(AcDb3dSolidTransform, AnalyticBodiesMoveLikePolyhedra) {
  AcDb3dSolid cone, sphere, torus;
  ASSERT_EQ(cone.createFrustum(4, 3, 3, 0), Acad::eOk);
  ASSERT_EQ(sphere.createSphere(2), Acad::eOk);
  ASSERT_EQ(torus.createTorus(5, 1), Acad::eOk);
  AcGeMatrix3d tilt = AcGeMatrix3d::translation({10, 0, 0}) * AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kXAxis);
  for (AcDb3dSolid* s : {&cone, &sphere, &torus}) ASSERT_EQ(s->transformBy(tilt), Acad::eOk);

  // The cone's axis now runs along -y: its centroid, a quarter up from the base at y = 2, is at y = 1.
  MassProps c = massProps(cone);
  EXPECT_TRUE(c.centroid.isEqualTo({10, 1, 0}, 1e-12));
  double v = 12 * kPi;
  expectNear(c.momInertia[1], 0.3 * v * 9 + v * 100);
  EXPECT_TRUE(c.extents.minPoint().isEqualTo({7, -2, -3}, 1e-12));
  EXPECT_TRUE(c.extents.maxPoint().isEqualTo({13, 2, 3}, 1e-12));

  MassProps s = massProps(sphere);
  v = 32 * kPi / 3;
  expectNear(s.momInertia[1], 0.4 * v * 4 + v * 100);
  expectNear(s.momInertia[0], 0.4 * v * 4);

  // The torus's axis is now y: its ring spans x and z.
  MassProps t = massProps(torus);
  EXPECT_TRUE(t.extents.minPoint().isEqualTo({4, -1, -6}, 1e-12));
  EXPECT_TRUE(t.extents.maxPoint().isEqualTo({16, 1, 6}, 1e-12));
  v = 2 * kPi * kPi * 5;
  expectNear(t.momInertia[1], v * 25.75 + v * 100);
}

TEST(AcDb3dSolidTransform, UniformScaleAndMirror) {
  AcDb3dSolid box, cylinder;
  ASSERT_EQ(box.createBox(1, 2, 3), Acad::eOk);
  ASSERT_EQ(cylinder.createFrustum(2, 1, 1, 1), Acad::eOk);
  for (AcDb3dSolid* s : {&box, &cylinder}) ASSERT_EQ(s->transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  double area = 0;
  expectNear(massProps(box).volume, 48);
  ASSERT_EQ(box.getArea(area), Acad::eOk);
  expectNear(area, 4 * 22);
  expectNear(massProps(cylinder).volume, 8 * 2 * kPi);
  ASSERT_EQ(cylinder.getArea(area), Acad::eOk);
  expectNear(area, 4 * (2 * kPi + 4 * kPi));

  // A mirror is a similarity too: the volume stays positive and the centroid is mirrored.
  AcGeMatrix3d mirror = AcGeMatrix3d::scaling(AcGeScale3d(-1, 1, 1), AcGePoint3d(5, 0, 0));
  AcDb3dSolid wedge;
  ASSERT_EQ(wedge.createWedge(2, 3, 4), Acad::eOk);
  ASSERT_EQ(wedge.transformBy(mirror), Acad::eOk);
  ASSERT_EQ(cylinder.transformBy(mirror), Acad::eOk);
  MassProps w = massProps(wedge);
  ASSERT_EQ(w.status, Acad::eOk);
  expectNear(w.volume, 12);
  EXPECT_TRUE(w.centroid.isEqualTo({10 + 1.0 / 3, 0, -2.0 / 3}, 1e-12));
  MassProps c = massProps(cylinder);
  ASSERT_EQ(c.status, Acad::eOk);
  expectNear(c.volume, 16 * kPi);
  EXPECT_TRUE(c.centroid.isEqualTo({10, 0, 0}, 1e-12));
}

TEST(AcDb3dSolidTransform, RefusedTransformsLeaveTheBody) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  AcDb3dSolid box;
  ASSERT_EQ(box.createBox(1, 2, 3), Acad::eOk);
  EXPECT_EQ(box.transformBy(AcGeMatrix3d::scaling(AcGeScale3d(1, 2, 1))), Acad::eCannotScaleNonUniformly);
  AcGeMatrix3d shear;
  shear(0, 1) = 0.5;
  EXPECT_EQ(box.transformBy(shear), Acad::eCannotScaleNonUniformly);
  EXPECT_EQ(box.transformBy(AcGeMatrix3d::scaling(0.0)), Acad::eDegenerateGeometry);
  AcGeMatrix3d broken;
  broken(1, 3) = nan;
  EXPECT_EQ(box.transformBy(broken), Acad::eInvalidInput);
  AcGeMatrix3d projective;
  projective(3, 0) = 1;
  EXPECT_EQ(box.transformBy(projective), Acad::eInvalidInput);
  MassProps p = massProps(box);
  expectNear(p.volume, 6);
  EXPECT_TRUE(p.centroid.isEqualTo(AcGePoint3d::kOrigin, 1e-12));

  AcDb3dSolid sphere;
  ASSERT_EQ(sphere.createSphere(1), Acad::eOk);
  EXPECT_EQ(sphere.transformBy(AcGeMatrix3d::scaling(AcGeScale3d(2, 1, 1))), Acad::eCannotScaleNonUniformly);
  expectNear(massProps(sphere).volume, 4 * kPi / 3);

  AcDb3dSolid empty;
  EXPECT_EQ(empty.transformBy(quarterTurnThenShift()), Acad::eOk);
  EXPECT_TRUE(empty.isNull());
}

TEST(AcDb3dSolidTransform, ASolidInADrawingChangesOnlyWhenOpenForWrite) {
  AcDbDatabase db;
  auto* solid = new AcDb3dSolid;
  ASSERT_EQ(solid->createBox(1, 1, 1), Acad::eOk);
  AcDbObjectId id = dbtest::addToModelSpace(db, solid);
  AcDb3dSolid* opened = nullptr;
  ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(opened->transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eNotOpenForWrite);
  EXPECT_EQ(opened->createSphere(1), Acad::eNotOpenForWrite);
  expectNear(massProps(*opened).volume, 1);
  ASSERT_EQ(opened->upgradeOpen(), Acad::eOk);
  EXPECT_EQ(opened->transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  expectNear(massProps(*opened).volume, 8);
  opened->close();
}

}  // namespace
