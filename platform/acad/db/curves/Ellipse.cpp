// AcDbEllipse: centre + major cos t + minor sin t, the parameter t from startParam to endParam (DXF 41/42).
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "../../ge/Quadrature.h"
#include "CurveGeometry.h"

using acadsim::curves::inRange;
using acadsim::curves::isFinite;

namespace {

// The parameter of the point seen at angle from the centre, for minor over major radius ratio.
double paramOfAngle(double angle, double ratio) {
  double a = acadsim::curves::normalizedAngle(angle);
  return acadsim::curves::normalizedAngle(std::atan2(std::sin(a), ratio * std::cos(a)));
}

double angleOfParam(double param, double ratio) {
  return acadsim::curves::normalizedAngle(std::atan2(ratio * std::sin(param), std::cos(param)));
}

// Ends brought to start in [0, 2 pi) and end above it; equal ends make the whole ellipse.
void orderParams(double& start, double& end) {
  double sweep = acadsim::curves::normalizedAngle(end - start);
  if (sweep <= 1e-12 || std::fabs(end - start) >= 2 * M_PI) sweep = 2 * M_PI;
  start = acadsim::curves::normalizedAngle(start);
  end = start + sweep;
}

}  // namespace

AcDbEllipse::AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                         double radiusRatio, double startAngle, double endAngle) {
  set(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
}

AcGePoint3d AcDbEllipse::center() const { return mCenter; }
AcGeVector3d AcDbEllipse::normal() const { return mNormal; }
AcGeVector3d AcDbEllipse::majorAxis() const { return mMajorAxis; }
AcGeVector3d AcDbEllipse::minorAxis() const { return mNormal.crossProduct(mMajorAxis) * mRadiusRatio; }
double AcDbEllipse::radiusRatio() const { return mRadiusRatio; }
double AcDbEllipse::startAngle() const { return angleOfParam(mStartParam, mRadiusRatio); }
double AcDbEllipse::endAngle() const {
  double end = angleOfParam(mEndParam, mRadiusRatio);
  return end <= startAngle() ? end + 2 * M_PI : end;
}
Adesk::Boolean AcDbEllipse::isNull() const { return !(mMajorAxis.length() > 0.0); }

// eInvalidInput, changing nothing, for a zero major axis, a normal not at right angles to it, or a radius
// ratio outside (0, 1].
Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                   const AcGeVector3d& majorAxis, double radiusRatio, double startAngle,
                                   double endAngle) {
  if (!isFinite(center) || !isFinite(unitNormal) || !isFinite(majorAxis) || !isFinite(startAngle) ||
      !isFinite(endAngle))
    return Acad::eInvalidInput;
  if (!(majorAxis.length() > 0.0) || !(unitNormal.length() > 0.0)) return Acad::eInvalidInput;
  if (!(radiusRatio > 0.0 && radiusRatio <= 1.0)) return Acad::eInvalidInput;
  AcGeVector3d n = unitNormal.normal();
  if (std::fabs(n.dotProduct(majorAxis.normal())) > 1e-9) return Acad::eInvalidInput;
  mCenter = center;
  mNormal = n;
  mMajorAxis = majorAxis;
  mRadiusRatio = radiusRatio;
  bool whole = std::fabs(endAngle - startAngle) >= 2 * M_PI - 1e-12;
  mStartParam = paramOfAngle(startAngle, radiusRatio);
  mEndParam = whole ? mStartParam + 2 * M_PI : paramOfAngle(endAngle, radiusRatio);
  orderParams(mStartParam, mEndParam);
  return Acad::eOk;
}

AcGePoint3d AcDbEllipse::pointAt(double t) const {
  return mCenter + mMajorAxis * std::cos(t) + minorAxis() * std::sin(t);
}

AcGeVector3d AcDbEllipse::derivAt(double t) const { return mMajorAxis * -std::sin(t) + minorAxis() * std::cos(t); }

Adesk::Boolean AcDbEllipse::isClosed() const { return mEndParam - mStartParam >= 2 * M_PI - 1e-8; }

Acad::ErrorStatus AcDbEllipse::getStartParam(double& param) const {
  param = mStartParam;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndParam(double& param) const {
  param = mEndParam;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getStartPoint(AcGePoint3d& point) const {
  point = pointAt(mStartParam);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndPoint(AcGePoint3d& point) const {
  point = pointAt(mEndParam);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!inRange(param, mStartParam, mEndParam)) return Acad::eInvalidInput;
  point = pointAt(param);
  return Acad::eOk;
}

// Elliptic arc length has no closed form: it is integrated, split at the axis ends where the speed turns.
Acad::ErrorStatus AcDbEllipse::getDistAtParam(double param, double& dist) const {
  if (!inRange(param, mStartParam, mEndParam)) return Acad::eInvalidInput;
  const double a = mMajorAxis.length(), b = a * mRadiusRatio;
  auto speed = [a, b](double t) { return std::hypot(a * std::sin(t), b * std::cos(t)); };
  double to = std::fmin(std::fmax(param, mStartParam), mEndParam);
  std::vector<double> pieces{mStartParam};
  for (double axisEnd = (std::floor(mStartParam / (M_PI / 2)) + 1.0) * (M_PI / 2); axisEnd < to; axisEnd += M_PI / 2)
    pieces.push_back(axisEnd);
  pieces.push_back(to);
  dist = acadsim::integrateAdaptive(speed, pieces);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!inRange(param, mStartParam, mEndParam)) return Acad::eInvalidInput;
  firstDeriv = derivAt(param);
  return Acad::eOk;
}

// The sector from the centre less the triangle under the chord: a b (sweep - sin sweep) / 2.
Acad::ErrorStatus AcDbEllipse::getArea(double& area) const {
  const double a = mMajorAxis.length(), b = a * mRadiusRatio;
  double sweep = mEndParam - mStartParam;
  area = isClosed() ? M_PI * a * b : 0.5 * a * b * (sweep - std::sin(sweep));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = AcGePlane(mCenter, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// World coordinates throughout. A ratio outside (0, 1] or a major axis not at right angles to the normal is
// kept as the file gives it (the geometry stays finite); a non-finite ratio reads as 1.
Acad::ErrorStatus AcDbEllipse::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) mCenter = acadsim::curves::finitePoint(g.point);
    else if (g.code == 11) mMajorAxis = acadsim::curves::finiteVector(g.point);
    else if (g.code == 40) mRadiusRatio = isFinite(g.real) ? std::fabs(g.real) : 1.0;
    else if (g.code == 41) mStartParam = acadsim::curves::finiteValue(g.real);
    else if (g.code == 42) mEndParam = acadsim::curves::finiteValue(g.real);
    else if (g.code == 210) mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point));
  }
  orderParams(mStartParam, mEndParam);
  return filer->filerStatus();
}
