// The exact boundary representation of a region: closed loops in a plane, outer loops counter-clockwise and
// holes clockwise, none crossing another.
#pragma once
#include <vector>

#include <acadstrc.h>
#include <acdb.h>
#include <gepnt3d.h>

#include "BoundaryLoop.h"

namespace acadsim {

// A plane with its own 2D coordinates: origin + x * xAxis + y * yAxis.
struct RegionPlane {
  AcGePoint3d origin;
  AcGeVector3d xAxis = AcGeVector3d::kXAxis, yAxis = AcGeVector3d::kYAxis, normal = AcGeVector3d::kZAxis;

  // The plane through point with that normal, its axes by the arbitrary axis algorithm.
  static RegionPlane through(const AcGePoint3d& point, const AcGeVector3d& unitNormal);
  AcGePoint2d toPlane(const AcGePoint3d& p) const;
  AcGeVector2d toPlane(const AcGeVector3d& v) const;
  AcGePoint3d toWorld(const AcGePoint2d& p) const;
};

class RegionBody {
 public:
  RegionBody() = default;
  RegionBody(const RegionPlane& plane, std::vector<BoundaryLoop> loops) : mPlane(plane), mLoops(std::move(loops)) {}

  const RegionPlane& plane() const { return mPlane; }
  const std::vector<BoundaryLoop>& loops() const { return mLoops; }
  bool isEmpty() const { return mLoops.empty(); }
  double area() const;
  double perimeter() const;
  // Moments of the whole region about its plane's origin, in its plane's coordinates.
  AreaMoments moments() const;
  // The size of the region's box, for relative tolerances.
  double size() const;

  // This region becomes (this op other); other is left empty. eNonCoplanarGeometry for regions in different planes.
  Acad::ErrorStatus combine(AcDb::BoolOperType operation, RegionBody& other);

 private:
  bool sharesCoordinates(const RegionBody& other) const;
  // other's loops in this region's plane coordinates, oriented as this plane sees them.
  std::vector<BoundaryLoop> loopsInThisPlane(const RegionBody& other) const;

  RegionPlane mPlane;
  std::vector<BoundaryLoop> mLoops;
};

}  // namespace acadsim
