#include "DimensionGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "../text/GroupValues.h"

namespace acadsim::annotation {
namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;
constexpr double kPi = kTwoPi / 2.0;

struct Flat {
  double x, y;
  double length() const { return std::hypot(x, y); }
  double angle() const { return normalizedAngle(std::atan2(y, x)); }
};

Flat flat(const AcGeVector3d& v, const AcGeVector3d& normal) {
  AcGeVector3d ocs = ocsVectorOf(v, normal);
  return {ocs.x, ocs.y};
}

double cross(Flat a, Flat b) { return a.x * b.y - a.y * b.x; }

}  // namespace

Acad::ErrorStatus angleOnSideOf(const AcGePoint3d& vertex, const AcGePoint3d& first, const AcGePoint3d& second,
                                const AcGePoint3d& inside, const AcGeVector3d& normal, double& angle) {
  Flat a = flat(first - vertex, normal), b = flat(second - vertex, normal), in = flat(inside - vertex, normal);
  double scale = std::max({a.length(), b.length(), 1.0});
  if (a.length() <= 1e-12 * scale || b.length() <= 1e-12 * scale) return Acad::eDegenerateGeometry;
  double sweep = normalizedAngle(b.angle() - a.angle());
  if (sweep <= 1e-12 || kTwoPi - sweep <= 1e-12) return Acad::eDegenerateGeometry;
  if (in.length() <= 1e-12 * scale) {
    angle = std::min(sweep, kTwoPi - sweep);
    return Acad::eOk;
  }
  angle = normalizedAngle(in.angle() - a.angle()) <= sweep ? sweep : kTwoPi - sweep;
  return Acad::eOk;
}

Acad::ErrorStatus angleBetweenLines(const AcGePoint3d& line1Start, const AcGePoint3d& line1End,
                                    const AcGePoint3d& line2Start, const AcGePoint3d& line2End,
                                    const AcGePoint3d& inside, const AcGeVector3d& normal, double& angle) {
  Flat d1 = flat(line1End - line1Start, normal), d2 = flat(line2End - line2Start, normal);
  double scale = std::max({d1.length(), d2.length(), 1.0});
  if (d1.length() <= 1e-12 * scale || d2.length() <= 1e-12 * scale) return Acad::eDegenerateGeometry;
  double denominator = cross(d1, d2);
  if (std::fabs(denominator) <= 1e-12 * d1.length() * d2.length()) return Acad::eDegenerateGeometry;
  Flat startGap = flat(line2Start - line1Start, normal);
  double t = cross(startGap, d2) / denominator;
  Flat toInside = flat(inside - line1Start, normal);
  Flat w{toInside.x - d1.x * t, toInside.y - d1.y * t};  // from the crossing
  if (w.length() <= 1e-12 * scale) {
    angle = std::acos(std::clamp((d1.x * d2.x + d1.y * d2.y) / (d1.length() * d2.length()), -1.0, 1.0));
    return Acad::eOk;
  }
  std::array<double, 4> rays = {d1.angle(), normalizedAngle(d1.angle() + kPi), d2.angle(),
                                normalizedAngle(d2.angle() + kPi)};
  std::sort(rays.begin(), rays.end());
  double at = w.angle();
  for (size_t i = 0; i + 1 < rays.size(); ++i) {
    if (at >= rays[i] && at <= rays[i + 1]) {
      angle = rays[i + 1] - rays[i];
      return Acad::eOk;
    }
  }
  angle = rays[0] + kTwoPi - rays[3];  // the sector across angle 0
  return Acad::eOk;
}

}  // namespace acadsim::annotation
