#include "HatchRegions.h"

#include <dbcurve.h>

namespace hatchtest {

namespace {

AcGePoint3d lift(const AcGePoint2d& p) { return AcGePoint3d(p.x, p.y, 0.0); }
AcGeVector3d lift(const AcGeVector2d& v) { return AcGeVector3d(v.x, v.y, 0.0); }

AcDbCurve* edgeCurve(const AcGeCurve2d* edge, int type) {
  switch (type) {
    case AcDbHatch::kLine: {
      auto* line = static_cast<const AcGeLineSeg2d*>(edge);
      return new AcDbLine(lift(line->startPoint()), lift(line->endPoint()));
    }
    case AcDbHatch::kCirArc: {
      auto* arc = static_cast<const AcGeCircArc2d*>(edge);
      if (arc->isClosed(AcGeContext::gTol)) return new AcDbCircle(lift(arc->center()), AcGeVector3d::kZAxis, arc->radius());
      return new AcDbArc(lift(arc->center()), AcGeVector3d::kZAxis, arc->radius(), arc->startAng(), arc->endAng());
    }
    case AcDbHatch::kEllArc: {
      auto* e = static_cast<const AcGeEllipArc2d*>(edge);
      return new AcDbEllipse(lift(e->center()), AcGeVector3d::kZAxis, lift(e->majorAxis()) * e->majorRadius(),
                             e->minorRadius() / e->majorRadius(), e->startAng(), e->endAng());
    }
    case AcDbHatch::kSpline: {
      auto* s = static_cast<const AcGeNurbCurve2d*>(edge);
      int degree = 0;
      Adesk::Boolean rational = false, periodic = false;
      AcGeKnotVector knots(0, 8, 1e-9);
      AcGePoint2dArray points2d;
      AcGeDoubleArray weights, knotList;
      s->getDefinitionData(degree, rational, periodic, knots, points2d, weights);
      AcGePoint3dArray points;
      for (const AcGePoint2d& p : points2d) points.append(lift(p));
      for (int i = 0; i < knots.length(); ++i) knotList.append(knots[i]);
      return new AcDbSpline(degree, rational, s->isClosed(AcGeContext::gTol), periodic, points, knotList, weights, 0.0, 0.0);
    }
    default: return nullptr;
  }
}

}  // namespace

void loopCurves(const AcDbHatch& hatch, int loop, OwnedArray<AcDbCurve>& curves) {
  Adesk::Int32 type = hatch.loopTypeAt(loop);
  if (type & AcDbHatch::kPolyline) {
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    if (hatch.getLoopAt(loop, type, vertices, bulges) != Acad::eOk) return;
    auto* pline = new AcDbPolyline();
    for (int j = 0; j < vertices.length(); ++j)
      pline->addVertexAt(j, vertices[j], bulges.length() < vertices.length() ? 0.0 : bulges[j]);
    curves.items.append(pline);
    return;
  }
  AcGeVoidPointerArray edges;
  AcGeIntArray types;
  if (hatch.getLoopAt(loop, type, edges, types) != Acad::eOk) return;
  for (int j = edges.length() - 1; j >= 0; --j)
    if (AcDbCurve* curve = edgeCurve(static_cast<const AcGeCurve2d*>(edges[j]), types[j])) curves.items.append(curve);
}

Acad::ErrorStatus loopRegions(const AcDbHatch& hatch, int loop, OwnedArray<AcDbRegion>& regions) {
  OwnedArray<AcDbCurve> curves;
  loopCurves(hatch, loop, curves);
  return AcDbRegion::createFromCurves(curves.items, regions.items);
}

double hatchArea(const AcDbHatch& hatch) {
  AcDbRegion outer, inner;
  for (int i = 0; i < hatch.numLoops(); ++i) {
    OwnedArray<AcDbRegion> regions;
    loopRegions(hatch, i, regions);
    AcDbRegion& target = (hatch.loopTypeAt(i) & AcDbHatch::kOutermost) ? outer : inner;
    for (int r = regions.items.length() - 1; r >= 0; --r) target.booleanOper(AcDb::kBoolUnite, regions.at(r));
  }
  double outerArea = 0.0, innerArea = 0.0, area = 0.0;
  if (outer.getArea(outerArea) != Acad::eOk) outerArea = 0.0;
  if (inner.getArea(innerArea) != Acad::eOk) innerArea = 0.0;
  AcDbRegion& kept = innerArea <= outerArea ? outer : inner;
  kept.booleanOper(AcDb::kBoolSubtract, innerArea <= outerArea ? &inner : &outer);
  return kept.getArea(area) == Acad::eOk ? area : 0.0;
}

}  // namespace hatchtest
