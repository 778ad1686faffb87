// Geometry shared by the curve classes.
#include "CurveGeometry.h"

#include <algorithm>
#include <cmath>

namespace acadsim::curves {

bool isFinite(double v) { return std::isfinite(v); }
bool isFinite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool isFinite(const AcGeVector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

AcGeVector3d unitNormalOrZ(const AcGeVector3d& normal) {
  if (!isFinite(normal) || !(normal.length() > 0.0)) return AcGeVector3d::kZAxis;
  return normal.normal();
}

AcGePoint3d ocsToWorld(const AcGeVector3d& normal, const AcGePoint3d& p) {
  if (unitNormalOrZ(normal) == AcGeVector3d::kZAxis) return p;
  return AcGeMatrix3d::planeToWorld(unitNormalOrZ(normal)) * p;
}

AcGeVector3d ocsToWorld(const AcGeVector3d& normal, const AcGeVector3d& v) {
  if (unitNormalOrZ(normal) == AcGeVector3d::kZAxis) return v;
  return AcGeMatrix3d::planeToWorld(unitNormalOrZ(normal)) * v;
}

AcGeVector3d upward(const AcGeVector3d& n) {
  const double eps = 1e-12;
  bool flip = n.z < -eps || (std::fabs(n.z) <= eps && (n.y < -eps || (std::fabs(n.y) <= eps && n.x < 0.0)));
  return flip ? -n : n;
}

bool inRange(double param, double start, double end) {
  if (!std::isfinite(param)) return false;
  double slack = 1e-10 * std::max({1.0, std::fabs(start), std::fabs(end)});
  return param >= start - slack && param <= end + slack;
}

AcGePlane planeThroughLine(const AcGePoint3d& point, const AcGeVector3d& direction) {
  if (!(direction.length() > 0.0)) return AcGePlane(point, AcGeVector3d::kZAxis);
  AcGeVector3d d = direction.normal();
  // The plane that holds the line and is closest to horizontal.
  AcGeVector3d side = AcGeVector3d::kZAxis.crossProduct(d);
  if (side.length() < 1e-12) return AcGePlane(point, AcGeVector3d::kXAxis.crossProduct(d).normal());
  return AcGePlane(point, upward(d.crossProduct(side).normal()));
}

AcDb::Planarity planeOfPoints(const std::vector<AcGePoint3d>& points, AcGePlane& plane) {
  if (points.empty()) {
    plane = AcGePlane();
    return AcDb::kLinear;
  }
  const AcGePoint3d& origin = points.front();
  double size = 0.0;
  const AcGePoint3d* far = &origin;
  for (const AcGePoint3d& p : points)
    if (origin.distanceTo(p) > size) {
      size = origin.distanceTo(p);
      far = &p;
    }
  const double tol = 1e-10 * std::max(1.0, size + std::fabs(origin.x) + std::fabs(origin.y) + std::fabs(origin.z));
  if (size <= tol) {
    plane = AcGePlane(origin, AcGeVector3d::kZAxis);
    return AcDb::kLinear;
  }
  AcGeVector3d axis = (*far - origin).normal();
  double offLine = 0.0;
  const AcGePoint3d* side = &origin;
  for (const AcGePoint3d& p : points) {
    double d = (p - origin).crossProduct(axis).length();
    if (d > offLine) {
      offLine = d;
      side = &p;
    }
  }
  if (offLine <= tol) {
    plane = planeThroughLine(origin, axis);
    return AcDb::kLinear;
  }
  AcGeVector3d normal = upward(axis.crossProduct(*side - origin).normal());
  AcGePlane candidate(origin, normal);
  for (const AcGePoint3d& p : points)
    if (candidate.distanceTo(p) > tol) return AcDb::kNonPlanar;
  plane = candidate;
  return AcDb::kPlanar;
}

}  // namespace acadsim::curves

namespace acadsim::curves {

double finiteValue(double v) { return std::isfinite(v) ? v : 0.0; }
AcGePoint3d finitePoint(const double xyz[3]) {
  return AcGePoint3d(finiteValue(xyz[0]), finiteValue(xyz[1]), finiteValue(xyz[2]));
}
AcGeVector3d finiteVector(const double xyz[3]) {
  return AcGeVector3d(finiteValue(xyz[0]), finiteValue(xyz[1]), finiteValue(xyz[2]));
}

}  // namespace acadsim::curves

namespace acadsim::curves {

void ocsAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis) {
  xAxis = ocsToWorld(normal, AcGeVector3d::kXAxis);
  yAxis = ocsToWorld(normal, AcGeVector3d::kYAxis);
}

double normalizedAngle(double angle) {
  if (!std::isfinite(angle)) return 0.0;
  double a = std::fmod(angle, 2 * M_PI);
  if (a < 0.0) a += 2 * M_PI;
  return a >= 2 * M_PI ? 0.0 : a;
}

}  // namespace acadsim::curves
