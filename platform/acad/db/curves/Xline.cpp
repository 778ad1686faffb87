// AcDbXline: base point + t * unit direction for every t; it has neither start nor end, so no start or end
// parameter, no end points, no distance along it and no area.
#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

using acadsim::curves::isFinite;

AcGePoint3d AcDbXline::basePoint() const { return mBase; }
void AcDbXline::setBasePoint(const AcGePoint3d& point) {
  if (isFinite(point)) mBase = point;
}
AcGeVector3d AcDbXline::unitDir() const { return mDir; }
// A zero or non-finite direction is ignored: a construction line needs one.
void AcDbXline::setUnitDir(const AcGeVector3d& direction) {
  if (isFinite(direction) && direction.length() > 0.0) mDir = direction.normal();
}

Acad::ErrorStatus AcDbXline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!isFinite(param)) return Acad::eInvalidInput;
  point = mBase + mDir * param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!isFinite(param)) return Acad::eInvalidInput;
  firstDeriv = mDir;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = acadsim::curves::planeThroughLine(mBase, mDir);
  planarity = AcDb::kLinear;
  return Acad::eOk;
}

// Base point 10 and direction 11 in world coordinates; a zero direction reads as +X.
Acad::ErrorStatus AcDbXline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) mBase = acadsim::curves::finitePoint(g.point);
    else if (g.code == 11) setUnitDir(acadsim::curves::finiteVector(g.point));
  }
  return filer->filerStatus();
}
