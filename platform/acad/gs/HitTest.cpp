// hitTest: the distance from a point to each primitive, the nearest within tolerance winning.
#include <acadsim/EntityGraphics.h>

#include <algorithm>
#include <cmath>

#include "TextBox.h"

namespace acadsim {

namespace {

double segmentDistance(const AcGePoint2d& p, const AcGePoint2d& a, const AcGePoint2d& b) {
  AcGeVector2d ab = b - a, ap = p - a;
  double len2 = ab.x * ab.x + ab.y * ab.y;
  double t = len2 > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + ab.x * t), p.y - (a.y + ab.y * t));
}

// Distance to the edges of the closed ring points[first, last).
double ringDistance(const AcGePoint2d& p, const std::vector<AcGePoint2d>& points, size_t first, size_t last) {
  double best = 1e300;
  for (size_t i = first; i < last; ++i) best = std::min(best, segmentDistance(p, points[i], points[i + 1 < last ? i + 1 : first]));
  return best;
}

// Whether p crosses the ring's edges an odd number of times going right.
bool ringCrossesOdd(const AcGePoint2d& p, const std::vector<AcGePoint2d>& points, size_t first, size_t last) {
  bool odd = false;
  for (size_t i = first, j = last - 1; i < last; j = i++) {
    const AcGePoint2d &a = points[i], &b = points[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) odd = !odd;
  }
  return odd;
}

double strokeDistance(const GraphicPrimitive& s, const AcGePoint2d& p) {
  const auto& pts = s.points;
  double best = pts.size() == 1 ? p.distanceTo(pts[0]) : 1e300;
  for (size_t i = 0; i + 1 < pts.size(); ++i) best = std::min(best, segmentDistance(p, pts[i], pts[i + 1]));
  if (s.closed && pts.size() > 2) best = std::min(best, segmentDistance(p, pts.back(), pts.front()));
  return std::max(0.0, best - s.width / 2);
}

double fillDistance(const GraphicPrimitive& f, const AcGePoint2d& p) {
  bool inside = false;
  double best = 1e300;
  for (size_t loop = 0; loop < f.loopStarts.size(); ++loop) {
    size_t first = f.loopStarts[loop];
    size_t last = loop + 1 < f.loopStarts.size() ? f.loopStarts[loop + 1] : f.points.size();
    if (last <= first) continue;
    if (ringCrossesOdd(p, f.points, first, last)) inside = !inside;
    best = std::min(best, ringDistance(p, f.points, first, last));
  }
  return inside ? 0.0 : best;
}

double textDistance(const GraphicPrimitive& t, const AcGePoint2d& p) {
  std::array<AcGePoint2d, 4> box = gs::textBox(t);
  std::vector<AcGePoint2d> ring(box.begin(), box.end());
  if (ringCrossesOdd(p, ring, 0, 4)) return 0.0;
  return ringDistance(p, ring, 0, 4);
}

double distanceTo(const GraphicPrimitive& primitive, const AcGePoint2d& p) {
  if (primitive.points.empty()) return 1e300;
  switch (primitive.kind) {
    case GraphicPrimitive::Kind::Stroke: return strokeDistance(primitive, p);
    case GraphicPrimitive::Kind::Fill: return fillDistance(primitive, p);
    case GraphicPrimitive::Kind::Text: return textDistance(primitive, p);
    case GraphicPrimitive::Kind::Dot: return p.distanceTo(primitive.points[0]);
  }
  return 1e300;
}

}  // namespace

GraphicHit hitTest(const EntityGraphics& graphics, const AcGePoint2d& point, double tolerance) {
  GraphicHit hit;
  if (graphics.extents.isEmpty() || point.x < graphics.extents.min.x - tolerance ||
      point.x > graphics.extents.max.x + tolerance || point.y < graphics.extents.min.y - tolerance ||
      point.y > graphics.extents.max.y + tolerance)
    return hit;
  for (const GraphicPrimitive& primitive : graphics.primitives) {
    double d = distanceTo(primitive, point);
    if (d > tolerance || (hit.hit && d >= hit.distance)) continue;
    hit = {true, d, primitive.gsMarker, primitive.nestedPath};
  }
  return hit;
}

}  // namespace acadsim
