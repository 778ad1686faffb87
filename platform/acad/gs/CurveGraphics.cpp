// Lines, arcs, circles, ellipses, splines, rays, xlines, leaders and points: one stroke (or dot) each, GS
// marker 1. A leader is its vertices joined by straight segments (no arrowhead, no spline fit).
#include <dbents.h>

#include <algorithm>
#include <cmath>

#include "GraphicsBuilder.h"

namespace acadsim::gs {

namespace {

// Rays and xlines are drawn this far from their base point: beyond any drawing's extents yet finite, so
// that sums stay exact enough for picking.
constexpr double kUnboundedLength = 1e8;

// Points of a curve at evenly spaced parameters from start to end; the last exactly at end.
std::vector<AcGePoint2d> sampled(const GraphicsBuilder& b, const AcDbCurve& curve, double start, double end,
                                 int segments) {
  std::vector<AcGePoint2d> points;
  points.reserve(segments + 1);
  AcGePoint3d p;
  for (int i = 0; i <= segments; ++i) {
    double t = i == segments ? end : start + (end - start) * i / segments;
    if (curve.getPointAtParam(t, p) == Acad::eOk) points.push_back(b.project(p));
  }
  return points;
}

// Splines: enough chords for their control polygon's turns, within bounds.
int splineSegments(const AcDbSpline& spline) {
  return std::clamp(spline.numControlPoints() * 8, 16, 1024);
}

bool drawUnbounded(GraphicsBuilder& b, const AcGePoint3d& base, const AcGeVector3d& dir, bool bothWays) {
  AcGeVector3d d = dir.length() > 0 ? dir / dir.length() : AcGeVector3d::kXAxis;
  AcGePoint3d from = bothWays ? base - d * kUnboundedLength : base;
  b.addStroke({b.project(from), b.project(base + d * kUnboundedLength)}, false);
  return true;
}

// A leader's vertices are the 10 groups its record keeps, in order.
bool drawLeader(GraphicsBuilder& b, const AcDbLeader& leader) {
  const DxfData& data = leader.dxfSubclassData();
  std::vector<AcGePoint2d> points;
  for (size_t i = 0; i < data.size(); ++i) {
    if (data.code(i) != 10 || data.type(i) != DxfData::Type::Point) continue;
    double xyz[3];
    data.point(i, xyz);
    points.push_back(b.project(xyz[0], xyz[1], xyz[2]));
  }
  b.addStroke(std::move(points), false);
  return true;
}

}  // namespace

int arcSegments(double sweep) {
  return std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / (2 * M_PI) * 64)));
}

bool drawCurve(GraphicsBuilder& b, const AcDbEntity& entity) {
  if (auto* line = AcDbLine::cast(&entity)) {
    b.addStroke({b.project(line->startPoint()), b.project(line->endPoint())}, false);
    return true;
  }
  if (auto* circle = AcDbCircle::cast(&entity)) {
    auto points = sampled(b, *circle, 0, 2 * M_PI, arcSegments(2 * M_PI));
    if (!points.empty()) points.pop_back();  // the closing point is the first
    b.addStroke(std::move(points), true);
    return true;
  }
  if (auto* point = AcDbPoint::cast(&entity)) {
    b.addDot(b.project(point->position()));
    return true;
  }
  if (auto* ray = AcDbRay::cast(&entity)) return drawUnbounded(b, ray->basePoint(), ray->unitDir(), false);
  if (auto* xline = AcDbXline::cast(&entity)) return drawUnbounded(b, xline->basePoint(), xline->unitDir(), true);
  if (auto* leader = AcDbLeader::cast(&entity)) return drawLeader(b, *leader);
  bool arcLike = AcDbArc::cast(&entity) || AcDbEllipse::cast(&entity);
  auto* spline = AcDbSpline::cast(&entity);
  if (!arcLike && !spline) return false;
  auto* curve = AcDbCurve::cast(&entity);
  double start = 0, end = 0;
  if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk) return true;
  int segments = spline ? splineSegments(*spline) : arcSegments(end - start);
  b.addStroke(sampled(b, *curve, start, end, segments), false);
  return true;
}

}  // namespace acadsim::gs
