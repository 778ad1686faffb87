// AcDbArc: the parameter is the angle in the arc's object coordinate system, from the start angle to the end
// angle (raised by 2 pi when it is not above the start, so equal angles make a whole turn).
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

using acadsim::curves::inRange;
using acadsim::curves::isFinite;
using acadsim::curves::normalizedAngle;

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : AcDbArc(center, AcGeVector3d::kZAxis, radius, startAngle, endAngle) {}

AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                 double endAngle)
    : mCenter(isFinite(center) ? center : AcGePoint3d::kOrigin), mNormal(acadsim::curves::unitNormalOrZ(normal)),
      mRadius(isFinite(radius) && radius > 0.0 ? radius : 0.0), mStartAngle(normalizedAngle(startAngle)),
      mEndAngle(normalizedAngle(endAngle)) {}

AcGePoint3d AcDbArc::center() const { return mCenter; }
double AcDbArc::radius() const { return mRadius; }
double AcDbArc::startAngle() const { return mStartAngle; }
double AcDbArc::endAngle() const { return mEndAngle; }
double AcDbArc::thickness() const { return mThickness; }
AcGeVector3d AcDbArc::normal() const { return mNormal; }

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& center) {
  if (!isFinite(center)) return Acad::eInvalidInput;
  mCenter = center;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setRadius(double radius) {
  if (!isFinite(radius) || !(radius > 0.0)) return Acad::eInvalidInput;
  mRadius = radius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle) {
  if (!isFinite(angle)) return Acad::eInvalidInput;
  mStartAngle = normalizedAngle(angle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle) {
  if (!isFinite(angle)) return Acad::eInvalidInput;
  mEndAngle = normalizedAngle(angle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setThickness(double thickness) {
  if (!isFinite(thickness)) return Acad::eInvalidInput;
  mThickness = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& normal) {
  if (!isFinite(normal) || normal.isZeroLength()) return Acad::eInvalidInput;
  mNormal = normal.normal();
  return Acad::eOk;
}

double AcDbArc::sweep() const {
  double end = mEndAngle > mStartAngle ? mEndAngle : mEndAngle + 2 * M_PI;
  return end - mStartAngle;
}

Adesk::Boolean AcDbArc::isClosed() const { return Adesk::kFalse; }

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const {
  param = mStartAngle;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndParam(double& param) const {
  param = mStartAngle + sweep();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getStartPoint(AcGePoint3d& point) const { return getPointAtParam(mStartAngle, point); }

Acad::ErrorStatus AcDbArc::getEndPoint(AcGePoint3d& point) const {
  return getPointAtParam(mStartAngle + sweep(), point);
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!inRange(param, mStartAngle, mStartAngle + sweep())) return Acad::eInvalidInput;
  AcGeVector3d x, y;
  acadsim::curves::ocsAxes(mNormal, x, y);
  point = mCenter + x * (mRadius * std::cos(param)) + y * (mRadius * std::sin(param));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const {
  if (!inRange(param, mStartAngle, mStartAngle + sweep())) return Acad::eInvalidInput;
  dist = mRadius * std::fmax(param - mStartAngle, 0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!inRange(param, mStartAngle, mStartAngle + sweep())) return Acad::eInvalidInput;
  AcGeVector3d x, y;
  acadsim::curves::ocsAxes(mNormal, x, y);
  firstDeriv = x * (-mRadius * std::sin(param)) + y * (mRadius * std::cos(param));
  return Acad::eOk;
}

// The circular segment between the arc and its chord.
Acad::ErrorStatus AcDbArc::getArea(double& area) const {
  double a = sweep();
  area = 0.5 * mRadius * mRadius * (a - std::sin(a));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = AcGePlane(mCenter, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// Centre in the object coordinate system, angles in degrees; a negative or non-finite radius reads as 0.
Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  AcGePoint3d ocsCenter;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) ocsCenter = acadsim::curves::finitePoint(g.point);
    else if (g.code == 40) mRadius = std::fmax(acadsim::curves::finiteValue(g.real), 0.0);
    else if (g.code == 39) mThickness = acadsim::curves::finiteValue(g.real);
    else if (g.code == 50) mStartAngle = normalizedAngle(acadsim::curves::finiteValue(g.real) * M_PI / 180.0);
    else if (g.code == 51) mEndAngle = normalizedAngle(acadsim::curves::finiteValue(g.real) * M_PI / 180.0);
    else if (g.code == 210) mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point));
  }
  mCenter = acadsim::curves::ocsToWorld(mNormal, ocsCenter);
  return filer->filerStatus();
}
