// AcDbRay: base point + t * unit direction for t from 0 on; it has no end, so no end parameter, end point or area.
#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

using acadsim::curves::isFinite;

AcGePoint3d AcDbRay::basePoint() const { return mBase; }
void AcDbRay::setBasePoint(const AcGePoint3d& point) {
  if (isFinite(point)) mBase = point;
}
AcGeVector3d AcDbRay::unitDir() const { return mDir; }
// A zero or non-finite direction is ignored: a ray needs one.
void AcDbRay::setUnitDir(const AcGeVector3d& direction) {
  if (isFinite(direction) && direction.length() > 0.0) mDir = direction.normal();
}

Acad::ErrorStatus AcDbRay::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getStartPoint(AcGePoint3d& point) const {
  point = mBase;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!isFinite(param) || param < 0.0) return Acad::eInvalidInput;
  point = mBase + mDir * param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getDistAtParam(double param, double& dist) const {
  if (!isFinite(param) || param < 0.0) return Acad::eInvalidInput;
  dist = param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!isFinite(param) || param < 0.0) return Acad::eInvalidInput;
  firstDeriv = mDir;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = acadsim::curves::planeThroughLine(mBase, mDir);
  planarity = AcDb::kLinear;
  return Acad::eOk;
}

// Base point 10 and direction 11 in world coordinates; a zero direction reads as +X.
Acad::ErrorStatus AcDbRay::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) mBase = acadsim::curves::finitePoint(g.point);
    else if (g.code == 11) setUnitDir(acadsim::curves::finiteVector(g.point));
  }
  return filer->filerStatus();
}
