// AcDb3dSolid::extrude: a region swept along its normal.
#include <dbsol3d.h>

#include <cmath>

#include "SolidBody.h"

namespace {

constexpr double kHalfPi = 1.57079632679489661923;

struct AreaProps {
  double perimeter = 0.0, area = 0.0;
  AcGePoint2d centroid;
  double momInertia[2] = {0.0, 0.0}, prodInertia = 0.0;
  AcGePoint2d low, high;
};

Acad::ErrorStatus areaProps(const AcDbRegion* region, const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                            const AcGeVector3d& yAxis, AreaProps& out) {
  double prinMoments[2], radii[2];
  AcGeVector2d prinAxes[2];
  return region->getAreaProp(origin, xAxis, yAxis, out.perimeter, out.area, out.centroid, out.momInertia,
                             out.prodInertia, prinMoments, prinAxes, radii, out.low, out.high);
}

// The region's range of coordinates along a world axis, by area properties in a frame whose x axis is
// that world axis seen in the region's plane.
Acad::ErrorStatus rangeAlong(const AcDbRegion* region, const AcGePoint3d& origin, const AcGeVector3d& normal,
                             const AcGeVector3d& worldAxis, double& low, double& high) {
  AcGeVector3d inPlane = worldAxis - normal * worldAxis.dotProduct(normal);
  double length = inPlane.length();
  double base = (origin - AcGePoint3d::kOrigin).dotProduct(worldAxis);
  if (length < 1e-12) {
    low = high = base;
    return Acad::eOk;
  }
  AcGeVector3d xAxis = inPlane / length;
  AreaProps props;
  Acad::ErrorStatus es = areaProps(region, origin, xAxis, normal.crossProduct(xAxis), props);
  low = base + props.low.x * length;
  high = base + props.high.x * length;
  return es;
}

}  // namespace

// Tapered sides are not interpreted yet: eNotImplementedYet, the solid unchanged.
Acad::ErrorStatus AcDb3dSolid::extrude(const AcDbRegion* region, double height, double taperAngle) {
  if (region == nullptr || !std::isfinite(height) || !std::isfinite(taperAngle) || std::fabs(taperAngle) >= kHalfPi)
    return Acad::eInvalidInput;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (region->isNull() || height == 0.0) return Acad::eDegenerateGeometry;
  if (taperAngle != 0.0) return Acad::eNotImplementedYet;

  AcGeVector3d normal;
  AcGePlane plane;
  AcDb::Planarity planarity;
  Acad::ErrorStatus es = region->getNormal(normal);
  if (es == Acad::eOk) es = region->getPlane(plane, planarity);
  if (es != Acad::eOk) return es;
  normal = normal.normal();
  AcGePoint3d origin = plane.pointOnPlane();
  AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(normal);
  AcGeVector3d uAxis(axes(0, 0), axes(1, 0), axes(2, 0)), vAxis(axes(0, 1), axes(1, 1), axes(2, 1));
  AreaProps props;
  if ((es = areaProps(region, origin, uAxis, vAxis, props)) != Acad::eOk) return es;
  if (!(props.area > 0.0)) return Acad::eDegenerateGeometry;

  acadsim::PrismProfile profile;
  profile.area = props.area;
  profile.perimeter = props.perimeter;
  profile.firstU = props.area * props.centroid.x;
  profile.firstV = props.area * props.centroid.y;
  // The moment about the x axis is the integral of v², the one about the y axis that of u², as MASSPROP has them.
  profile.secondVV = props.momInertia[0];
  profile.secondUU = props.momInertia[1];
  profile.secondUV = props.prodInertia;

  AcGeVector3d sweep = normal * (height > 0.0 ? 1.0 : -1.0);
  double depth = std::fabs(height);
  AcDbExtents box;
  AcGePoint3d low, high;
  const AcGeVector3d worldAxes[3] = {AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis};
  for (unsigned i = 0; i < 3; ++i) {
    double from = 0.0, to = 0.0;
    if ((es = rangeAlong(region, origin, normal, worldAxes[i], from, to)) != Acad::eOk) return es;
    double shift = depth * sweep.dotProduct(worldAxes[i]);
    low[i] = std::fmin(from, from + shift);
    high[i] = std::fmax(to, to + shift);
  }
  box.set(low, high);
  AcGeMatrix3d placement;
  placement.setCoordSystem(origin, uAxis, vAxis, sweep);
  return setBody(acadsim::SolidBody::prism(profile, depth, placement, box));
}
