#include "RegionBody.h"

#include <cmath>

#include <gemat3d.h>

#include "LoopBooleans.h"

namespace acadsim {

RegionPlane RegionPlane::through(const AcGePoint3d& point, const AcGeVector3d& unitNormal) {
  RegionPlane plane;
  AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(unitNormal);
  plane.xAxis = AcGeVector3d(axes.entry[0][0], axes.entry[1][0], axes.entry[2][0]);
  plane.yAxis = AcGeVector3d(axes.entry[0][1], axes.entry[1][1], axes.entry[2][1]);
  plane.normal = unitNormal;
  // The world origin's foot on the plane, so that a plane parallel to XY keeps world x and y.
  plane.origin = AcGePoint3d::kOrigin + unitNormal * unitNormal.dotProduct(point - AcGePoint3d::kOrigin);
  return plane;
}

AcGePoint2d RegionPlane::toPlane(const AcGePoint3d& p) const {
  AcGeVector3d d = p - origin;
  return AcGePoint2d(d.dotProduct(xAxis), d.dotProduct(yAxis));
}

AcGeVector2d RegionPlane::toPlane(const AcGeVector3d& v) const { return AcGeVector2d(v.dotProduct(xAxis), v.dotProduct(yAxis)); }

AcGePoint3d RegionPlane::toWorld(const AcGePoint2d& p) const { return origin + xAxis * p.x + yAxis * p.y; }

double RegionBody::area() const {
  double total = 0.0;
  for (const BoundaryLoop& loop : mLoops) total += loop.signedArea();
  // Rounding must not make an empty-looking region negative.
  return std::fmax(total, 0.0);
}

double RegionBody::perimeter() const {
  double total = 0.0;
  for (const BoundaryLoop& loop : mLoops) total += loop.length();
  return total;
}

AreaMoments RegionBody::moments() const {
  AreaMoments total;
  for (const BoundaryLoop& loop : mLoops) total += loop.moments(AcGePoint2d::kOrigin);
  return total;
}

double RegionBody::size() const {
  AcGePoint2d low(HUGE_VAL, HUGE_VAL), high(-HUGE_VAL, -HUGE_VAL);
  for (const BoundaryLoop& loop : mLoops) {
    low = AcGePoint2d(std::fmin(low.x, loop.low().x), std::fmin(low.y, loop.low().y));
    high = AcGePoint2d(std::fmax(high.x, loop.high().x), std::fmax(high.y, loop.high().y));
  }
  return mLoops.empty() ? 0.0 : std::hypot(high.x - low.x, high.y - low.y);
}

bool RegionBody::sharesCoordinates(const RegionBody& other) const {
  const RegionPlane& p = other.mPlane;
  return p.origin.isEqualTo(mPlane.origin, 0.0) && p.xAxis.isEqualTo(mPlane.xAxis, 0.0) &&
         p.yAxis.isEqualTo(mPlane.yAxis, 0.0);
}

std::vector<BoundaryLoop> RegionBody::loopsInThisPlane(const RegionBody& other) const {
  const RegionPlane& p = other.mPlane;
  AcGePoint2d origin = mPlane.toPlane(p.origin);
  AcGeVector2d xDir = mPlane.toPlane(p.xAxis), yDir = mPlane.toPlane(p.yAxis);
  // Seen from the other side, every loop turns the other way round.
  bool mirrored = xDir.crossProduct(yDir) < 0.0;
  std::vector<BoundaryLoop> loops;
  for (const BoundaryLoop& loop : other.mLoops) {
    BoundaryLoop m = loop.mapped(origin, xDir, yDir);
    loops.push_back(mirrored ? m.reversed() : m);
  }
  return loops;
}

Acad::ErrorStatus RegionBody::combine(AcDb::BoolOperType operation, RegionBody& other) {
  if (operation != AcDb::kBoolUnite && operation != AcDb::kBoolIntersect && operation != AcDb::kBoolSubtract)
    return Acad::eInvalidInput;
  if (isEmpty() || other.isEmpty()) {
    bool takeOther = isEmpty() && operation == AcDb::kBoolUnite;
    if (operation == AcDb::kBoolIntersect) mLoops.clear();
    if (takeOther) *this = std::move(other);
    other = RegionBody();
    return Acad::eOk;
  }
  double tolerance = 1e-9 * std::fmax(size(), other.size());
  bool parallel = mPlane.normal.crossProduct(other.mPlane.normal).length() <= 1e-9;
  if (!parallel || std::fabs(mPlane.normal.dotProduct(other.mPlane.origin - mPlane.origin)) > tolerance)
    return Acad::eNonCoplanarGeometry;

  std::vector<BoundaryLoop> mapped;
  std::vector<BoundaryLoop>* theirs = &other.mLoops;
  if (!sharesCoordinates(other)) {
    mapped = loopsInThisPlane(other);
    theirs = &mapped;
  }
  std::vector<BoundaryLoop> result;
  if (!loopsMeet(mLoops, *theirs)) {
    result = combineSeparateLoops(operation, std::move(mLoops), std::move(*theirs));
  } else {
    // A failed overlay leaves both regions as they were.
    Acad::ErrorStatus es = combineFlattenedLoops(operation, mLoops, *theirs, result);
    if (es != Acad::eOk) return es;
  }
  mLoops = std::move(result);
  other = RegionBody();
  return Acad::eOk;
}

}  // namespace acadsim
