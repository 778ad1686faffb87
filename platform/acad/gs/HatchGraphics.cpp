// Hatches: a solid (or gradient) fill is one Fill of all its loops, even-odd; a pattern hatch draws its
// pattern's lines clipped to the loops (or, without usable pattern lines, the loops). GS marker 1.
#include <dbents.h>

#include <algorithm>
#include <cmath>

#include "GraphicsBuilder.h"
#include "HatchPattern.h"

namespace acadsim::gs {

namespace {

// Denser patterns than this many lines across the loops (per definition line) show their loops instead.
constexpr int kMostPatternLines = 2000;

int curveSegments(const AcGeCurve2d& curve) {
  if (curve.isKindOf(AcGe::kLineSeg2d)) return 1;
  if (auto* nurbs = curve.isKindOf(AcGe::kNurbCurve2d) ? static_cast<const AcGeNurbCurve2d*>(&curve) : nullptr) return std::clamp(nurbs->numControlPoints() * 8, 16, 1024);
  return arcSegments(curve.endParam() - curve.startParam());
}

// Appends the points of an edge, leaving out its start when it repeats the loop's last point.
void appendEdge(std::vector<AcGePoint2d>& loop, const AcGeCurve2d& curve) {
  int n = curveSegments(curve);
  double t0 = curve.startParam(), t1 = curve.endParam();
  for (int i = 0; i <= n; ++i) {
    AcGePoint2d p = curve.evalPoint(i == n ? t1 : t0 + (t1 - t0) * i / n);
    if (i == 0 && !loop.empty() && loop.back().isEqualTo(p)) continue;
    loop.push_back(p);
  }
}

// An edge as the hatch hands it out: a pointer to the class its type names.
const AcGeCurve2d* edgeCurve(void* edge, int type) {
  if (!edge) return nullptr;
  switch (type) {
    case AcDbHatch::kLine: return static_cast<const AcGeLineSeg2d*>(edge);
    case AcDbHatch::kCirArc: return static_cast<const AcGeCircArc2d*>(edge);
    case AcDbHatch::kEllArc: return static_cast<const AcGeEllipArc2d*>(edge);
    case AcDbHatch::kSpline: return static_cast<const AcGeNurbCurve2d*>(edge);
  }
  return nullptr;
}

// The loop's points in the hatch's plane; the closing point is left off.
std::vector<AcGePoint2d> loopPoints(const AcDbHatch& hatch, int index) {
  std::vector<AcGePoint2d> loop;
  Adesk::Int32 type = 0;
  if (hatch.loopTypeAt(index) & AcDbHatch::kPolyline) {
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    if (hatch.getLoopAt(index, type, vertices, bulges) != Acad::eOk) return loop;
    for (int i = 0; i + 1 < vertices.length(); ++i) {
      auto segment = bulgeSegment(vertices[i], vertices[i + 1], i < bulges.length() ? bulges[i] : 0.0);
      loop.insert(loop.end(), segment.begin() + (loop.empty() ? 0 : 1), segment.end());
    }
    if (vertices.length() == 1) loop.push_back(vertices[0]);
  } else {
    AcGeVoidPointerArray edges;
    AcGeIntArray edgeTypes;
    if (hatch.getLoopAt(index, type, edges, edgeTypes) != Acad::eOk) return loop;
    for (int i = 0; i < edges.length() && i < edgeTypes.length(); ++i)
      if (const AcGeCurve2d* edge = edgeCurve(edges[i], edgeTypes[i])) appendEdge(loop, *edge);
  }
  if (loop.size() > 1 && loop.front().isEqualTo(loop.back())) loop.pop_back();
  return loop;
}

}  // namespace

bool drawHatch(GraphicsBuilder& b, const AcDbEntity& entity) {
  auto* hatch = AcDbHatch::cast(&entity);
  if (!hatch) return false;
  std::vector<std::vector<AcGePoint2d>> loops;
  for (int i = 0; i < hatch->numLoops(); ++i) {
    std::vector<AcGePoint2d> loop = loopPoints(*hatch, i);
    if (!loop.empty()) loops.push_back(std::move(loop));
  }
  AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(hatch->normal());
  auto project = [&](const AcGePoint2d& p) {
    return b.project(AcGePoint3d(p.x, p.y, hatch->elevation()).transformBy(toWorld));
  };
  if (hatch->isSolidFill()) {
    std::vector<AcGePoint2d> points;
    std::vector<size_t> starts;
    for (const auto& loop : loops) {
      starts.push_back(points.size());
      for (const AcGePoint2d& p : loop) points.push_back(project(p));
    }
    b.addFill(std::move(points), std::move(starts));
    return true;
  }
  std::vector<PlanSegment> pattern = patternSegments(*hatch, loops, kMostPatternLines);
  for (const PlanSegment& segment : pattern) b.addStroke({project(segment.first), project(segment.second)}, false);
  if (!pattern.empty()) return true;
  for (const auto& loop : loops) {
    std::vector<AcGePoint2d> points;
    for (const AcGePoint2d& p : loop) points.push_back(project(p));
    b.addStroke(std::move(points), true);
  }
  return true;
}

}  // namespace acadsim::gs
