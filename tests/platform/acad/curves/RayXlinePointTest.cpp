// AcDbRay and AcDbXline (unbounded: no end, no area) and AcDbPoint.
#include <cmath>

#include "CurveTestDrawing.h"

namespace {

TEST(AcDbRay, StartsAtItsBasePointAndHasNoEnd) {
  AcDbRay ray;
  ray.setBasePoint(AcGePoint3d(1, 2, 3));
  ray.setUnitDir(AcGeVector3d(0, 3, 0));
  EXPECT_TRUE(ray.unitDir().isEqualTo(AcGeVector3d::kYAxis));
  EXPECT_FALSE(ray.isClosed());
  double param = -1;
  EXPECT_EQ(ray.getStartParam(param), Acad::eOk);
  EXPECT_EQ(param, 0.0);
  EXPECT_EQ(ray.getEndParam(param), Acad::eNotApplicable);
  AcGePoint3d p;
  EXPECT_EQ(ray.getStartPoint(p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_EQ(ray.getEndPoint(p), Acad::eNotApplicable);
  EXPECT_EQ(ray.getPointAtParam(2.0, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 4, 3)));
  EXPECT_EQ(ray.getPointAtParam(-2.0, p), Acad::eInvalidInput);
  double dist = 0;
  EXPECT_EQ(ray.getDistAtParam(5.0, dist), Acad::eOk);
  EXPECT_EQ(dist, 5.0);
  double area = 0;
  EXPECT_EQ(ray.getArea(area), Acad::eNotApplicable);
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kPlanar;
  EXPECT_EQ(ray.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kLinear);
}

TEST(AcDbRay, ZeroDirectionIsIgnored) {
  AcDbRay ray;
  ray.setUnitDir(AcGeVector3d(0, 0, 2));
  ray.setUnitDir(AcGeVector3d());
  ray.setUnitDir(AcGeVector3d(NAN, 0, 0));
  EXPECT_TRUE(ray.unitDir().isEqualTo(AcGeVector3d::kZAxis));
}

TEST(AcDbXline, HasNeitherStartNorEnd) {
  AcDbXline xline;
  xline.setBasePoint(AcGePoint3d(1, 1, 1));
  double param = 0;
  EXPECT_EQ(xline.getStartParam(param), Acad::eNotApplicable);
  EXPECT_EQ(xline.getEndParam(param), Acad::eNotApplicable);
  AcGePoint3d p;
  EXPECT_EQ(xline.getStartPoint(p), Acad::eNotApplicable);
  EXPECT_EQ(xline.getEndPoint(p), Acad::eNotApplicable);
  EXPECT_EQ(xline.getPointAtParam(-3.0, p), Acad::eOk);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-2, 1, 1)));
  EXPECT_EQ(xline.getDistAtParam(1.0, param), Acad::eNotApplicable);
  EXPECT_EQ(xline.getParamAtDist(1.0, param), Acad::eNotApplicable);
  EXPECT_EQ(xline.getArea(param), Acad::eNotApplicable);
  AcGeVector3d d;
  EXPECT_EQ(xline.getFirstDeriv(7.0, d), Acad::eOk);
  EXPECT_TRUE(d.isEqualTo(AcGeVector3d::kXAxis));
}

TEST(AcDbPoint, PositionThicknessNormal) {
  AcDbPoint point(AcGePoint3d(1, 2, 3));
  EXPECT_TRUE(point.position().isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_EQ(point.thickness(), 0.0);
  EXPECT_TRUE(point.normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_EQ(point.ecsRotation(), 0.0);
  EXPECT_EQ(point.setPosition(AcGePoint3d(0, NAN, 0)), Acad::eInvalidInput);
  EXPECT_EQ(point.setThickness(1.5), Acad::eOk);
  EXPECT_EQ(point.thickness(), 1.5);
  EXPECT_EQ(point.setNormal(AcGeVector3d()), Acad::eInvalidInput);
  EXPECT_EQ(point.setNormal(AcGeVector3d(0, 0, -4)), Acad::eOk);
  EXPECT_TRUE(point.normal().isEqualTo(AcGeVector3d(0, 0, -1)));
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  EXPECT_EQ(point.getPlane(plane, planarity), Acad::eOk);
  EXPECT_EQ(planarity, AcDb::kPlanar);
  EXPECT_TRUE(plane.isOn(AcGePoint3d(1, 2, 3)));
}

}  // namespace
