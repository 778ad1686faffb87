// AcDbLine: parameters run from 0 at the start point to the line's length at the end point, as AutoCAD's do.
#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

using acadsim::curves::inRange;
using acadsim::curves::isFinite;

AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : mStart(start), mEnd(end) {}

AcGePoint3d AcDbLine::startPoint() const { return mStart; }
AcGePoint3d AcDbLine::endPoint() const { return mEnd; }
double AcDbLine::thickness() const { return mThickness; }
AcGeVector3d AcDbLine::normal() const { return mNormal; }

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
  if (!isFinite(point)) return Acad::eInvalidInput;
  mStart = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
  if (!isFinite(point)) return Acad::eInvalidInput;
  mEnd = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setThickness(double thickness) {
  if (!isFinite(thickness)) return Acad::eInvalidInput;
  mThickness = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& normal) {
  if (!isFinite(normal) || normal.isZeroLength()) return Acad::eInvalidInput;
  mNormal = normal.normal();
  return Acad::eOk;
}

Adesk::Boolean AcDbLine::isClosed() const { return Adesk::kFalse; }

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndParam(double& param) const {
  param = mStart.distanceTo(mEnd);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const {
  point = mStart;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const {
  point = mEnd;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const {
  double length = mStart.distanceTo(mEnd);
  if (!inRange(param, 0.0, length)) return Acad::eInvalidInput;
  // A zero-length line has the one parameter 0, at its start point.
  point = length > 0.0 ? mStart + (mEnd - mStart) * (param / length) : mStart;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const {
  if (!inRange(param, 0.0, mStart.distanceTo(mEnd))) return Acad::eInvalidInput;
  dist = param < 0.0 ? 0.0 : param;
  return Acad::eOk;
}

// The unit direction, since the parameter is the distance; a zero-length line gives the zero vector.
Acad::ErrorStatus AcDbLine::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!inRange(param, 0.0, mStart.distanceTo(mEnd))) return Acad::eInvalidInput;
  firstDeriv = (mEnd - mStart).normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getArea(double& area) const {
  area = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = acadsim::curves::planeThroughLine(mStart, mEnd - mStart);
  planarity = AcDb::kLinear;
  return Acad::eOk;
}

// Start and end are world points; a non-finite coordinate reads as 0.
Acad::ErrorStatus AcDbLine::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) mStart = acadsim::curves::finitePoint(g.point);
    else if (g.code == 11) mEnd = acadsim::curves::finitePoint(g.point);
    else if (g.code == 39) mThickness = acadsim::curves::finiteValue(g.real);
    else if (g.code == 210) mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point));
  }
  return filer->filerStatus();
}
