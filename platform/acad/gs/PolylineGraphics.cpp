// Lightweight, 2D and 3D polylines: one primitive per segment, its GS marker the segment's number from 1
// (as AutoCAD reports a pick on a polyline). Bulged segments are arcs; a segment with a constant width is a
// wide stroke, one whose width changes a filled outline. Wide segments are not mitred at their joins.
#include <dbents.h>

#include <cmath>

#include "GraphicsBuilder.h"

namespace acadsim::gs {

namespace {

struct PlanVertex {
  AcGePoint2d point;  // in the polyline's object coordinate system
  double bulge = 0, startWidth = 0, endWidth = 0;
};

// The two sides of a segment whose width runs from w0 to w1, as one closed outline.
std::vector<AcGePoint2d> outline(const std::vector<AcGePoint2d>& path, double w0, double w1) {
  double total = 0;
  std::vector<double> along{0};
  for (size_t i = 1; i < path.size(); ++i) along.push_back(total += path[i].distanceTo(path[i - 1]));
  std::vector<AcGePoint2d> left, right;
  for (size_t i = 0; i < path.size(); ++i) {
    AcGeVector2d dir = path[std::min(i + 1, path.size() - 1)] - path[i == 0 ? 0 : i - 1];
    double len = dir.length();
    AcGeVector2d n = len > 0 ? AcGeVector2d(-dir.y / len, dir.x / len) : AcGeVector2d(0, 0);
    double half = (total > 0 ? w0 + (w1 - w0) * along[i] / total : w0) / 2;
    left.push_back(path[i] + n * half);
    right.push_back(path[i] - n * half);
  }
  left.insert(left.end(), right.rbegin(), right.rend());
  return left;
}

void drawPlanPolyline(GraphicsBuilder& b, const std::vector<PlanVertex>& vertices, bool closed, double elevation,
                      const AcGeVector3d& normal) {
  AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal);
  auto project = [&](const std::vector<AcGePoint2d>& plan) {
    std::vector<AcGePoint2d> out;
    out.reserve(plan.size());
    for (const AcGePoint2d& p : plan) out.push_back(b.project(AcGePoint3d(p.x, p.y, elevation).transformBy(toWorld)));
    return out;
  };
  size_t count = vertices.size();
  if (count == 1) {
    b.setMarker(1);
    b.addStroke(project({vertices[0].point}), false);
    return;
  }
  size_t segments = closed ? count : count - 1;
  for (size_t i = 0; i < segments; ++i) {
    const PlanVertex& v = vertices[i];
    std::vector<AcGePoint2d> path = bulgeSegment(v.point, vertices[(i + 1) % count].point, v.bulge);
    b.setMarker(static_cast<int>(i + 1));
    if (v.startWidth == v.endWidth)
      b.addStroke(project(path), false, v.startWidth * b.lengthScale());
    else
      b.addFill(project(outline(path, v.startWidth, v.endWidth)), {});
  }
}

bool drawLightweight(GraphicsBuilder& b, const AcDbPolyline& pline) {
  std::vector<PlanVertex> vertices(pline.numVerts());
  for (unsigned i = 0; i < vertices.size(); ++i) {
    pline.getPointAt(i, vertices[i].point);
    pline.getBulgeAt(i, vertices[i].bulge);
    pline.getWidthsAt(i, vertices[i].startWidth, vertices[i].endWidth);
  }
  if (!vertices.empty()) drawPlanPolyline(b, vertices, pline.isClosed(), pline.elevation(), pline.normal());
  return true;
}

bool drawPolyline2d(GraphicsBuilder& b, const AcDb2dPolyline& pline) {
  std::vector<PlanVertex> vertices;
  AcDbObjectIterator* it = pline.vertexIterator();
  for (it->start(); !it->done(); it->step()) {
    AcDb2dVertex* vertex = nullptr;
    if (acdbOpenObject(vertex, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    if (vertex->vertexType() != AcDb::k2dSplineCtlVertex) {
      AcGePoint3d p = vertex->position();
      vertices.push_back({AcGePoint2d(p.x, p.y), vertex->bulge(), vertex->startWidth(), vertex->endWidth()});
    }
    vertex->close();
  }
  delete it;
  if (!vertices.empty()) drawPlanPolyline(b, vertices, pline.isClosed(), pline.elevation(), pline.normal());
  return true;
}

bool drawPolyline3d(GraphicsBuilder& b, const AcDb3dPolyline& pline) {
  std::vector<AcGePoint2d> points;
  AcDbObjectIterator* it = pline.vertexIterator();
  for (it->start(); !it->done(); it->step()) {
    AcDb3dPolylineVertex* vertex = nullptr;
    if (acdbOpenObject(vertex, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    if (vertex->vertexType() != AcDb::k3dControlVertex) points.push_back(b.project(vertex->position()));
    vertex->close();
  }
  delete it;
  size_t segments = points.size() < 2 ? points.size() : (pline.isClosed() ? points.size() : points.size() - 1);
  for (size_t i = 0; i < segments; ++i) {
    b.setMarker(static_cast<int>(i + 1));
    if (points.size() == 1)
      b.addStroke(points, false);
    else
      b.addStroke({points[i], points[(i + 1) % points.size()]}, false);
  }
  return true;
}

}  // namespace

std::vector<AcGePoint2d> bulgeSegment(const AcGePoint2d& from, const AcGePoint2d& to, double b) {
  if (std::fabs(b) < 1e-12 || from.isEqualTo(to)) return {from, to};
  AcGeVector2d chord = to - from;
  double sweep = 4 * std::atan(b);
  AcGeVector2d left(-chord.y, chord.x);
  AcGePoint2d mid(from.x + chord.x / 2, from.y + chord.y / 2);
  AcGePoint2d center = mid + left * ((1 - b * b) / (4 * b));
  double radius = center.distanceTo(from);
  double start = std::atan2(from.y - center.y, from.x - center.x);
  int n = arcSegments(sweep);
  std::vector<AcGePoint2d> points{from};
  for (int i = 1; i < n; ++i) {
    double a = start + sweep * i / n;
    points.emplace_back(center.x + radius * std::cos(a), center.y + radius * std::sin(a));
  }
  points.push_back(to);
  return points;
}

bool drawPolyline(GraphicsBuilder& b, const AcDbEntity& entity) {
  if (auto* lw = AcDbPolyline::cast(&entity)) return drawLightweight(b, *lw);
  if (auto* p2 = AcDb2dPolyline::cast(&entity)) return drawPolyline2d(b, *p2);
  if (auto* p3 = AcDb3dPolyline::cast(&entity)) return drawPolyline3d(b, *p3);
  return false;
}

}  // namespace acadsim::gs
