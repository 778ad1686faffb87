// Bulged segments as circular arcs: sweep 4 atan(bulge), radius chord / (2 |sin(sweep / 2)|).
#include "BulgePath.h"

#include <algorithm>
#include <cmath>

#include "CurveGeometry.h"

namespace acadsim::curves {
namespace {

double cross(const AcGeVector2d& a, const AcGeVector2d& b) { return a.x * b.y - a.y * b.x; }
AcGeVector2d rotated(const AcGeVector2d& v, double angle) {
  double c = std::cos(angle), s = std::sin(angle);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

}  // namespace

BulgePath::BulgePath(std::vector<BulgeVertex> vertices, bool closed, double elevation, const AcGeVector3d& normal)
    : mVertices(std::move(vertices)), mClosed(closed), mElevation(isFinite(elevation) ? elevation : 0.0),
      mNormal(unitNormalOrZ(normal)) {}

int BulgePath::numSegments() const {
  int n = static_cast<int>(mVertices.size());
  if (n < 2) return 0;
  return mClosed ? n : n - 1;
}

BulgePath::Segment BulgePath::segment(int i) const {
  Segment s;
  s.from = mVertices[static_cast<size_t>(i)].point;
  s.to = mVertices[static_cast<size_t>(i + 1) % mVertices.size()].point;
  double bulge = mVertices[static_cast<size_t>(i)].bulge;
  AcGeVector2d chord = s.to - s.from;
  double c = chord.length();
  s.length = c;
  // A bulge on coincident vertices or a non-finite bulge has no circle: the segment is straight (and may be empty).
  if (!std::isfinite(bulge) || std::fabs(bulge) < 1e-12 || !(c > 0.0)) return s;
  s.sweep = 4.0 * std::atan(bulge);
  double half = 0.5 * s.sweep;
  s.radius = c / (2.0 * std::fabs(std::sin(half)));
  AcGeVector2d left(-chord.y / c, chord.x / c);
  AcGePoint2d mid(0.5 * (s.from.x + s.to.x), 0.5 * (s.from.y + s.to.y));
  s.center = mid + left * (0.5 * c / std::tan(half));
  s.length = s.radius * std::fabs(s.sweep);
  return s;
}

void BulgePath::locate(double param, int& index, double& fraction) const {
  const int n = numSegments();
  double t = std::isfinite(param) ? std::clamp(param, 0.0, static_cast<double>(n)) : 0.0;
  index = std::min(static_cast<int>(std::floor(t)), n - 1);
  fraction = t - index;
}

AcGePoint3d BulgePath::toWorld(const AcGePoint2d& p) const {
  return ocsToWorld(mNormal, AcGePoint3d(p.x, p.y, mElevation));
}

AcGePoint3d BulgePath::pointAt(double param) const {
  if (mVertices.empty()) return AcGePoint3d::kOrigin;
  if (numSegments() == 0) return toWorld(mVertices.front().point);
  int i = 0;
  double f = 0.0;
  locate(param, i, f);
  Segment s = segment(i);
  if (s.sweep == 0.0) return toWorld(s.from + (s.to - s.from) * f);
  return toWorld(s.center + rotated(s.from - s.center, s.sweep * f));
}

AcGeVector3d BulgePath::firstDerivAt(double param) const {
  if (numSegments() == 0) return AcGeVector3d();
  int i = 0;
  double f = 0.0;
  locate(param, i, f);
  Segment s = segment(i);
  AcGeVector2d d = s.to - s.from;
  if (s.sweep != 0.0) {
    AcGeVector2d r = rotated(s.from - s.center, s.sweep * f);
    d = AcGeVector2d(-r.y, r.x) * s.sweep;
  }
  return ocsToWorld(mNormal, AcGeVector3d(d.x, d.y, 0.0));
}

double BulgePath::distAt(double param) const {
  if (numSegments() == 0) return 0.0;
  int i = 0;
  double f = 0.0;
  locate(param, i, f);
  double dist = 0.0;
  for (int k = 0; k < i; ++k) dist += segment(k).length;
  return dist + f * segment(i).length;
}

double BulgePath::area() const {
  const int n = static_cast<int>(mVertices.size());
  if (n < 2) return 0.0;
  // Green's theorem: the chords of the closed vertex loop, plus for each arc what it adds beyond its chord.
  double twice = 0.0;
  AcGePoint2d o = mVertices.front().point;  // relative to the first vertex, against cancellation far from 0
  for (int i = 0; i < n; ++i) {
    AcGeVector2d a = mVertices[static_cast<size_t>(i)].point - o;
    AcGeVector2d b = mVertices[static_cast<size_t>(i + 1) % static_cast<size_t>(n)].point - o;
    twice += cross(a, b);
  }
  for (int i = 0; i < numSegments(); ++i) {
    Segment s = segment(i);
    if (s.sweep == 0.0) continue;
    AcGeVector2d c = s.center - o;
    AcGeVector2d a = s.from - o, b = s.to - o;
    twice += cross(c, b - a) + s.radius * s.radius * s.sweep - cross(a, b);
  }
  return std::fabs(0.5 * twice);
}

}  // namespace acadsim::curves
