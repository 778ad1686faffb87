// AcDbRegion::createFromCurves: curves chained end to end into closed loops, one region per loop.
#include <dbcurve.h>
#include <dbregion.h>

#include <cmath>
#include <optional>

#include "CurveParts.h"
#include "LoopBooleans.h"
#include "RegionBody.h"

namespace {

using acadsim::BoundaryLoop;
using acadsim::BoundaryPiece;
using acadsim::CurvePart;

// The pieces of one curve, end to end.
struct Strand {
  std::vector<BoundaryPiece> pieces;
  AcGePoint2d start() const { return acadsim::pieceStart(pieces.front()); }
  AcGePoint2d end() const { return acadsim::pieceEnd(pieces.back()); }
  void reverse() {
    std::vector<BoundaryPiece> reversed;
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) reversed.push_back(acadsim::reversedPiece(*it));
    pieces = std::move(reversed);
  }
};

// The plane of all parts: the first curve's own normal, else the widest triangle of their points. Empty when the
// points lie on one line.
std::optional<acadsim::RegionPlane> commonPlane(const std::vector<AcGePoint3d>& points,
                                                const std::vector<AcGeVector3d>& normals, double size) {
  for (const AcGeVector3d& n : normals)
    if (!n.isZeroLength()) return acadsim::RegionPlane::through(points.front(), n);
  const AcGePoint3d& p0 = points.front();
  AcGePoint3d p1 = p0;
  for (const AcGePoint3d& p : points)
    if (p.distanceTo(p0) > p1.distanceTo(p0)) p1 = p;
  AcGeVector3d best;
  for (const AcGePoint3d& p : points) {
    AcGeVector3d n = (p1 - p0).crossProduct(p - p0);
    if (n.length() > best.length()) best = n;
  }
  if (best.length() <= 1e-9 * size * size) return std::nullopt;
  // Lines alone give no side: face the plane's normal up the Z axis where it can.
  best = best.normal();
  if (best.z < 0.0 || (best.z == 0.0 && (best.y < 0.0 || (best.y == 0.0 && best.x < 0.0)))) best = -best;
  return acadsim::RegionPlane::through(p0, best);
}

double boxDiagonal(const std::vector<AcGePoint3d>& points) {
  AcGePoint3d low = points.front(), high = points.front();
  for (const AcGePoint3d& p : points)
    for (unsigned i = 0; i < 3; ++i) {
      low[i] = std::fmin(low[i], p[i]);
      high[i] = std::fmax(high[i], p[i]);
    }
  return low.distanceTo(high);
}

// Strands joined end to end, nearest end first; a chain that runs out before it closes is dropped.
std::vector<std::vector<BoundaryPiece>> closedChains(std::vector<Strand> strands, double tolerance) {
  std::vector<std::vector<BoundaryPiece>> chains;
  std::vector<bool> used(strands.size(), false);
  for (size_t first = 0; first < strands.size(); ++first) {
    if (used[first]) continue;
    used[first] = true;
    std::vector<BoundaryPiece> chain = strands[first].pieces;
    AcGePoint2d start = strands[first].start(), end = strands[first].end();
    while (start.distanceTo(end) > tolerance) {
      std::optional<size_t> next;
      bool flip = false;
      double nearest = tolerance;
      for (size_t i = 0; i < strands.size(); ++i) {
        if (used[i]) continue;
        double toStart = strands[i].start().distanceTo(end), toEnd = strands[i].end().distanceTo(end);
        if (toStart <= nearest) {
          next = i;
          flip = false;
          nearest = toStart;
        }
        if (toEnd < nearest) {
          next = i;
          flip = true;
          nearest = toEnd;
        }
      }
      if (!next) break;
      used[*next] = true;
      if (flip) strands[*next].reverse();
      chain.insert(chain.end(), strands[*next].pieces.begin(), strands[*next].pieces.end());
      end = strands[*next].end();
    }
    if (start.distanceTo(end) <= tolerance) chains.push_back(std::move(chain));
  }
  return chains;
}

}  // namespace

// Curves are joined where their ends meet within 1e-8 of the drawing's size; pieces shorter than that are left
// out. A loop that crosses itself or encloses no area gives no region.
Acad::ErrorStatus AcDbRegion::createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions) {
  std::vector<std::vector<CurvePart>> curves;
  std::vector<AcGeVector3d> normals;
  std::vector<AcGePoint3d> points;
  for (void* pointer : curveSegments) {
    const AcDbCurve* curve = AcDbCurve::cast(static_cast<const AcRxObject*>(pointer));
    if (curve == nullptr) return Acad::eInvalidInput;
    std::vector<CurvePart> parts;
    AcGeVector3d normal;
    if (Acad::ErrorStatus es = acadsim::readCurveParts(curve, parts, normal); es != Acad::eOk) return es;
    for (const CurvePart& part : parts) acadsim::addSpanningPoints(part, points);
    curves.push_back(std::move(parts));
    normals.push_back(normal);
  }
  if (points.empty()) return Acad::eInvalidInput;
  const double size = boxDiagonal(points);
  if (!std::isfinite(size) || !(size > 0.0)) return Acad::eInvalidInput;
  const double tolerance = 1e-8 * size;
  std::optional<acadsim::RegionPlane> plane = commonPlane(points, normals, size);
  if (!plane) return Acad::eInvalidInput;
  for (const AcGePoint3d& p : points)
    if (std::fabs(plane->normal.dotProduct(p - plane->origin)) > tolerance) return Acad::eNonCoplanarGeometry;

  std::vector<Strand> strands;
  for (const std::vector<CurvePart>& parts : curves) {
    Strand strand;
    for (const CurvePart& part : parts) {
      BoundaryPiece piece;
      if (!acadsim::projectPart(part, *plane, piece)) return Acad::eInvalidInput;
      if (!acadsim::isNegligiblePiece(piece, tolerance)) strand.pieces.push_back(std::move(piece));
    }
    if (!strand.pieces.empty()) strands.push_back(std::move(strand));
  }

  int made = 0;
  for (std::vector<BoundaryPiece>& chain : closedChains(std::move(strands), tolerance)) {
    BoundaryLoop loop(std::move(chain));
    if (std::fabs(loop.signedArea()) <= 1e-12 * loop.size() * loop.size() || acadsim::crossesItself(loop)) continue;
    auto* region = new AcDbRegion();
    *region->mBody = acadsim::RegionBody(*plane, {loop.signedArea() > 0.0 ? loop : loop.reversed()});
    regions.append(region);
    ++made;
  }
  return made > 0 ? Acad::eOk : Acad::eInvalidInput;
}
