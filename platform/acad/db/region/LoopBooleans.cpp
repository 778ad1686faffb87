#include "LoopBooleans.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

// Boost 1.74 geometry includes a header Boost marks deprecated, and its inlined code trips GCC's flow analysis.
#define BOOST_ALLOW_DEPRECATED_HEADERS
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#pragma GCC diagnostic pop

namespace acadsim {

namespace {

namespace bg = boost::geometry;
using BgPoint = bg::model::d2::point_xy<double>;
using BgRing = bg::model::ring<BgPoint, false, true>;
using BgPolygon = bg::model::polygon<BgPoint, false, true>;
using BgMultiPolygon = bg::model::multi_polygon<BgPolygon>;
using BgLinestring = bg::model::linestring<BgPoint>;
using Polyline = std::vector<AcGePoint2d>;

// Each loop's fine flattening, made when first asked for.
class FlatteningCache {
 public:
  explicit FlatteningCache(const std::vector<BoundaryLoop>& loops) : mLoops(loops), mRings(loops.size()) {}
  const Polyline& ring(size_t i) {
    if (!mRings[i]) mRings[i] = mLoops[i].flattened(kFineFlattening * mLoops[i].size());
    return *mRings[i];
  }
  const BoundaryLoop& loop(size_t i) const { return mLoops[i]; }
  size_t size() const { return mLoops.size(); }

 private:
  const std::vector<BoundaryLoop>& mLoops;
  std::vector<std::optional<Polyline>> mRings;
};

template <class Geometry>
Geometry toBoost(const Polyline& points) {
  Geometry g;
  for (const AcGePoint2d& p : points) bg::append(g, BgPoint(p.x, p.y));
  return g;
}

bool segmentsNearBox(const Polyline& ring, const BoundaryLoop& box, double margin) {
  AcGePoint2d low = box.low(), high = box.high();
  for (size_t i = 0; i + 1 < ring.size(); ++i) {
    const AcGePoint2d &p = ring[i], &q = ring[i + 1];
    if (std::max(p.x, q.x) >= low.x - margin && std::min(p.x, q.x) <= high.x + margin &&
        std::max(p.y, q.y) >= low.y - margin && std::min(p.y, q.y) <= high.y + margin)
      return true;
  }
  return false;
}

bool pairMeets(FlatteningCache& a, size_t i, FlatteningCache& b, size_t j) {
  const BoundaryLoop &la = a.loop(i), &lb = b.loop(j);
  double margin = kFineFlattening * std::max(la.size(), lb.size());
  if (!la.boxOverlaps(lb, margin)) return false;
  // The larger loop's segments must reach the smaller loop's box before the two can meet.
  bool aLarger = la.size() >= lb.size();
  const Polyline& larger = aLarger ? a.ring(i) : b.ring(j);
  if (!segmentsNearBox(larger, aLarger ? lb : la, margin)) return false;
  return bg::intersects(toBoost<BgLinestring>(a.ring(i)), toBoost<BgLinestring>(b.ring(j)));
}

// Even-odd test of one ring.
bool ringContains(const Polyline& ring, const AcGePoint2d& p) {
  bool inside = false;
  for (size_t i = 0; i + 1 < ring.size(); ++i) {
    const AcGePoint2d &a = ring[i], &b = ring[i + 1];
    if ((a.y > p.y) != (b.y > p.y)) {
      double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x > p.x) inside = !inside;
    }
  }
  return inside;
}

// Inside the region the loops bound: outer loops count +1 and holes -1 around the point.
bool regionContains(FlatteningCache& loops, const AcGePoint2d& p) {
  int winding = 0;
  for (size_t i = 0; i < loops.size(); ++i) {
    const BoundaryLoop& loop = loops.loop(i);
    if (p.x < loop.low().x || p.x > loop.high().x || p.y < loop.low().y || p.y > loop.high().y) continue;
    if (ringContains(loops.ring(i), p)) winding += loop.signedArea() > 0.0 ? 1 : -1;
  }
  return winding > 0;
}

BgMultiPolygon toMultiPolygon(FlatteningCache& loops) {
  std::vector<size_t> outers, holes;
  for (size_t i = 0; i < loops.size(); ++i) (loops.loop(i).signedArea() > 0.0 ? outers : holes).push_back(i);
  BgMultiPolygon result;
  std::vector<size_t> polygonOf(loops.size());
  for (size_t i : outers) {
    BgPolygon polygon;
    polygon.outer() = toBoost<BgRing>(loops.ring(i));
    polygonOf[i] = result.size();
    result.push_back(std::move(polygon));
  }
  for (size_t h : holes) {
    // A hole belongs to the smallest outer loop around it.
    std::optional<size_t> owner;
    for (size_t o : outers) {
      if (!ringContains(loops.ring(o), loops.ring(h).front())) continue;
      if (!owner || loops.loop(o).signedArea() < loops.loop(*owner).signedArea()) owner = o;
    }
    if (owner) result[polygonOf[*owner]].inners().push_back(toBoost<BgRing>(loops.ring(h)));
  }
  bg::correct(result);
  return result;
}

void appendRingLoop(const BgRing& ring, std::vector<BoundaryLoop>& loops) {
  std::vector<BoundaryPiece> pieces;
  pieces.reserve(ring.size());
  for (size_t i = 0; i + 1 < ring.size(); ++i) {
    AcGePoint2d p(ring[i].x(), ring[i].y()), q(ring[i + 1].x(), ring[i + 1].y());
    if (p.distanceTo(q) > 0.0) pieces.emplace_back(LinePiece{p, q});
  }
  if (pieces.size() >= 3) loops.emplace_back(std::move(pieces));
}

bool keepsLoop(AcDb::BoolOperType operation, bool fromA, bool insideOther) {
  switch (operation) {
    case AcDb::kBoolUnite: return !insideOther;
    case AcDb::kBoolIntersect: return insideOther;
    case AcDb::kBoolSubtract: return fromA ? !insideOther : insideOther;
  }
  return false;
}

}  // namespace

bool loopsMeet(const std::vector<BoundaryLoop>& a, const std::vector<BoundaryLoop>& b) {
  FlatteningCache fa(a), fb(b);
  for (size_t i = 0; i < a.size(); ++i)
    for (size_t j = 0; j < b.size(); ++j)
      if (pairMeets(fa, i, fb, j)) return true;
  return false;
}

std::vector<BoundaryLoop> combineSeparateLoops(AcDb::BoolOperType operation, std::vector<BoundaryLoop> a,
                                               std::vector<BoundaryLoop> b) {
  FlatteningCache fa(a), fb(b);
  std::vector<bool> keepA, keepB;
  for (const BoundaryLoop& loop : a) keepA.push_back(keepsLoop(operation, true, regionContains(fb, loop.samplePoint())));
  for (const BoundaryLoop& loop : b) keepB.push_back(keepsLoop(operation, false, regionContains(fa, loop.samplePoint())));
  std::vector<BoundaryLoop> result;
  for (size_t i = 0; i < a.size(); ++i)
    if (keepA[i]) result.push_back(std::move(a[i]));
  for (size_t i = 0; i < b.size(); ++i)
    if (keepB[i]) result.push_back(operation == AcDb::kBoolSubtract ? b[i].reversed() : std::move(b[i]));
  return result;
}

Acad::ErrorStatus combineFlattenedLoops(AcDb::BoolOperType operation, const std::vector<BoundaryLoop>& a,
                                        const std::vector<BoundaryLoop>& b, std::vector<BoundaryLoop>& result) {
  FlatteningCache fa(a), fb(b);
  BgMultiPolygon out;
  try {
    BgMultiPolygon pa = toMultiPolygon(fa), pb = toMultiPolygon(fb);
    switch (operation) {
      case AcDb::kBoolUnite: bg::union_(pa, pb, out); break;
      case AcDb::kBoolIntersect: bg::intersection(pa, pb, out); break;
      case AcDb::kBoolSubtract: bg::difference(pa, pb, out); break;
      default: return Acad::eInvalidInput;
    }
  } catch (const std::exception&) {
    return Acad::eGeneralModelingFailure;
  }
  result.clear();
  for (const BgPolygon& polygon : out) {
    appendRingLoop(polygon.outer(), result);
    for (const BgRing& inner : polygon.inners()) appendRingLoop(inner, result);
  }
  return Acad::eOk;
}

bool crossesItself(const BoundaryLoop& loop) {
  BgRing ring = toBoost<BgRing>(loop.flattened(1e-6 * loop.size()));
  bg::correct(ring);
  try {
    return bg::intersects(ring);
  } catch (const std::exception&) {
    return true;
  }
}

}  // namespace acadsim
