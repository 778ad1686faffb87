// AcDbCircle: the parameter is the angle from the X axis of the circle's object coordinate system, 0 to 2 pi.
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

using acadsim::curves::inRange;
using acadsim::curves::isFinite;

AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
    : mCenter(isFinite(center) ? center : AcGePoint3d::kOrigin), mNormal(acadsim::curves::unitNormalOrZ(normal)),
      mRadius(isFinite(radius) && radius > 0.0 ? radius : 0.0) {}

AcGePoint3d AcDbCircle::center() const { return mCenter; }
double AcDbCircle::radius() const { return mRadius; }
double AcDbCircle::thickness() const { return mThickness; }
AcGeVector3d AcDbCircle::normal() const { return mNormal; }

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
  if (!isFinite(center)) return Acad::eInvalidInput;
  mCenter = center;
  return Acad::eOk;
}

// A circle needs a positive radius.
Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
  if (!isFinite(radius) || !(radius > 0.0)) return Acad::eInvalidInput;
  mRadius = radius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setThickness(double thickness) {
  if (!isFinite(thickness)) return Acad::eInvalidInput;
  mThickness = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& normal) {
  if (!isFinite(normal) || normal.isZeroLength()) return Acad::eInvalidInput;
  mNormal = normal.normal();
  return Acad::eOk;
}

Adesk::Boolean AcDbCircle::isClosed() const { return Adesk::kTrue; }

Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const {
  param = 2 * M_PI;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getStartPoint(AcGePoint3d& point) const { return getPointAtParam(0.0, point); }
Acad::ErrorStatus AcDbCircle::getEndPoint(AcGePoint3d& point) const { return getPointAtParam(2 * M_PI, point); }

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!inRange(param, 0.0, 2 * M_PI)) return Acad::eInvalidInput;
  AcGeVector3d x, y;
  acadsim::curves::ocsAxes(mNormal, x, y);
  point = mCenter + x * (mRadius * std::cos(param)) + y * (mRadius * std::sin(param));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const {
  if (!inRange(param, 0.0, 2 * M_PI)) return Acad::eInvalidInput;
  dist = mRadius * std::fmax(param, 0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!inRange(param, 0.0, 2 * M_PI)) return Acad::eInvalidInput;
  AcGeVector3d x, y;
  acadsim::curves::ocsAxes(mNormal, x, y);
  firstDeriv = x * (-mRadius * std::sin(param)) + y * (mRadius * std::cos(param));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const {
  area = M_PI * mRadius * mRadius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = AcGePlane(mCenter, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// The file gives the centre in the object coordinate system; a negative or non-finite radius reads as 0.
Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  AcGePoint3d ocsCenter;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) ocsCenter = acadsim::curves::finitePoint(g.point);
    else if (g.code == 40) mRadius = std::fmax(acadsim::curves::finiteValue(g.real), 0.0);
    else if (g.code == 39) mThickness = acadsim::curves::finiteValue(g.real);
    else if (g.code == 210) mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point));
  }
  mCenter = acadsim::curves::ocsToWorld(mNormal, ocsCenter);
  return filer->filerStatus();
}
