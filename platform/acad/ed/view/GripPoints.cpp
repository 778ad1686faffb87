// The grip points of the entities the view shows grips for.
#include "GripPoints.h"

#include <dbents.h>

namespace acadsim::view {

namespace {

AcGePoint2d plan(const AcGePoint3d& p) { return {p.x, p.y}; }

void addCurvePoints(const AcDbCurve& curve, std::vector<AcGePoint2d>& grips, std::initializer_list<double> fractions) {
  double start = 0, end = 0;
  if (curve.getStartParam(start) != Acad::eOk || curve.getEndParam(end) != Acad::eOk) return;
  AcGePoint3d p;
  for (double f : fractions)
    if (curve.getPointAtParam(start + (end - start) * f, p) == Acad::eOk) grips.push_back(plan(p));
}

void addVertices(AcDbObjectIterator* it, std::vector<AcGePoint2d>& grips) {
  for (it->start(); !it->done(); it->step()) {
    AcDbEntity* vertex = nullptr;
    if (acdbOpenAcDbEntity(vertex, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    if (auto* v2 = AcDb2dVertex::cast(vertex)) grips.push_back(plan(v2->position()));
    if (auto* v3 = AcDb3dPolylineVertex::cast(vertex)) grips.push_back(plan(v3->position()));
    vertex->close();
  }
  delete it;
}

}  // namespace

std::vector<AcGePoint2d> gripPoints(const AcDbEntity& entity) {
  std::vector<AcGePoint2d> grips;
  if (auto* line = AcDbLine::cast(&entity)) {
    addCurvePoints(*line, grips, {0.0, 0.5, 1.0});
  } else if (auto* circle = AcDbCircle::cast(&entity)) {
    grips.push_back(plan(circle->center()));
    addCurvePoints(*circle, grips, {0.0, 0.25, 0.5, 0.75});
  } else if (auto* arc = AcDbArc::cast(&entity)) {
    addCurvePoints(*arc, grips, {0.0, 0.5, 1.0});
    grips.push_back(plan(arc->center()));
  } else if (auto* lw = AcDbPolyline::cast(&entity)) {
    AcGePoint3d p;
    for (unsigned i = 0; i < lw->numVerts(); ++i)
      if (lw->getPointAt(i, p) == Acad::eOk) grips.push_back(plan(p));
  } else if (auto* p2 = AcDb2dPolyline::cast(&entity)) {
    addVertices(p2->vertexIterator(), grips);
  } else if (auto* p3 = AcDb3dPolyline::cast(&entity)) {
    addVertices(p3->vertexIterator(), grips);
  } else if (auto* reference = AcDbBlockReference::cast(&entity)) {
    grips.push_back(plan(reference->position()));
  } else if (auto* text = AcDbText::cast(&entity)) {
    grips.push_back(plan(text->horizontalMode() == AcDb::kTextLeft && text->verticalMode() == AcDb::kTextBase
                             ? text->position()
                             : text->alignmentPoint()));
  } else if (auto* mtext = AcDbMText::cast(&entity)) {
    grips.push_back(plan(mtext->location()));
  } else if (auto* point = AcDbPoint::cast(&entity)) {
    grips.push_back(plan(point->position()));
  }
  return grips;
}

}  // namespace acadsim::view
