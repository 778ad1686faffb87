// AcDbSpline: a NURBS curve through the host's one evaluator; the parameter is the knot value.
#include <algorithm>
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "../../ge/NurbsEvaluator.h"
#include "../../ge/Quadrature.h"
#include "CurveGeometry.h"

using acadsim::curves::inRange;
using acadsim::curves::isFinite;

namespace {

std::vector<AcGePoint3d> toVector(const AcGePoint3dArray& a) { return std::vector<AcGePoint3d>(a.begin(), a.end()); }

}  // namespace

AcDbSpline::AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double controlPtTol, double knotTol) {
  setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
}

void AcDbSpline::rebuild() {
  std::vector<double> weights;
  if (mRational) weights.assign(mWeights.begin(), mWeights.end());
  // A rational spline whose file gave no weights has all of them 1.
  if (mRational && weights.empty()) weights.assign(static_cast<size_t>(mControlPoints.length()), 1.0);
  mEvaluator = std::make_shared<const acadsim::NurbsEvaluator>(
      mDegree, std::vector<double>(mKnots.begin(), mKnots.end()), toVector(mControlPoints), weights, mPeriodic);
}

int AcDbSpline::degree() const { return mDegree; }
Adesk::Boolean AcDbSpline::isRational() const { return mRational; }
int AcDbSpline::numControlPoints() const { return mControlPoints.length(); }
int AcDbSpline::numFitPoints() const { return mFitPoints.length(); }

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const {
  if (!mControlPoints.isValid(index)) return Acad::eInvalidIndex;
  point = mControlPoints[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const {
  if (!mFitPoints.isValid(index)) return Acad::eInvalidIndex;
  point = mFitPoints[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                           Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints,
                                           AcGeDoubleArray& knots, AcGeDoubleArray& weights, double& controlPtTol,
                                           double& knotTol) const {
  degree = mDegree;
  rational = mRational;
  closed = mClosed;
  periodic = mPeriodic;
  controlPoints = mControlPoints;
  knots = mKnots;
  weights = mRational ? mWeights : AcGeDoubleArray();
  controlPtTol = mControlPtTol;
  knotTol = mKnotTol;
  return Acad::eOk;
}

// eInvalidInput, changing nothing, for data no curve can be made of: a degree below 1, fewer control points than
// degree + 1, a wrong number of knots, decreasing knots or an empty knot range, weights that are missing or not
// positive, non-finite values.
Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed,
                                           Adesk::Boolean periodic, const AcGePoint3dArray& controlPoints,
                                           const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
                                           double controlPtTol, double knotTol) {
  std::vector<double> w;
  if (rational) w.assign(weights.begin(), weights.end());
  if (rational && w.size() != static_cast<size_t>(controlPoints.length())) return Acad::eInvalidInput;
  acadsim::NurbsEvaluator check(degree, std::vector<double>(knots.begin(), knots.end()), toVector(controlPoints), w,
                                periodic);
  if (!check.isValid()) return Acad::eInvalidInput;
  mDegree = degree;
  mRational = rational;
  mClosed = closed;
  mPeriodic = periodic;
  mControlPoints = controlPoints;
  mKnots = knots;
  mWeights = rational ? weights : AcGeDoubleArray();
  mControlPtTol = controlPtTol;
  mKnotTol = knotTol;
  mFitPoints.removeAll();
  mEvaluator = std::make_shared<const acadsim::NurbsEvaluator>(std::move(check));
  return Acad::eOk;
}

Adesk::Boolean AcDbSpline::isNull() const { return !mEvaluator || !mEvaluator->isValid(); }

// Closed when its ends meet (within the host's point tolerance scaled to the curve), whatever the flag says.
Adesk::Boolean AcDbSpline::isClosed() const {
  if (isNull()) return Adesk::kFalse;
  AcGePoint3d s = mEvaluator->pointAt(mEvaluator->startParam()), e = mEvaluator->pointAt(mEvaluator->endParam());
  double scale = 1.0;
  for (const AcGePoint3d& p : mControlPoints) scale = std::max(scale, p.distanceTo(s));
  return s.distanceTo(e) <= 1e-10 * scale;
}

Adesk::Boolean AcDbSpline::isPeriodic() const { return mPeriodic; }

// A spline without a valid definition (bad knots, too few control points, fit points only) has no geometry:
// every query gives eDegenerateGeometry.
Acad::ErrorStatus AcDbSpline::getStartParam(double& param) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  param = mEvaluator->startParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndParam(double& param) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  param = mEvaluator->endParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getStartPoint(AcGePoint3d& point) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  point = mEvaluator->pointAt(mEvaluator->startParam());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndPoint(AcGePoint3d& point) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  point = mEvaluator->pointAt(mEvaluator->endParam());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  if (!inRange(param, mEvaluator->startParam(), mEvaluator->endParam())) return Acad::eInvalidInput;
  point = mEvaluator->pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getDistAtParam(double param, double& dist) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  if (!inRange(param, mEvaluator->startParam(), mEvaluator->endParam())) return Acad::eInvalidInput;
  dist = mEvaluator->length(mEvaluator->startParam(), param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  if (!inRange(param, mEvaluator->startParam(), mEvaluator->endParam())) return Acad::eInvalidInput;
  firstDeriv = mEvaluator->derivAt(param, 1);
  return Acad::eOk;
}

// Green's theorem in the spline's plane, piece by piece, closed by the chord from the end back to the start;
// eNonPlanarEntity for a spline whose control points leave every plane.
Acad::ErrorStatus AcDbSpline::getArea(double& area) const {
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  Acad::ErrorStatus es = getPlane(plane, planarity);
  if (es != Acad::eOk) return es;
  if (planarity == AcDb::kNonPlanar) return Acad::eNonPlanarEntity;
  area = 0.0;
  if (planarity == AcDb::kLinear) return Acad::eOk;
  AcGeVector3d x, y;
  acadsim::curves::ocsAxes(plane.normal(), x, y);
  const AcGePoint3d origin = mEvaluator->pointAt(mEvaluator->startParam());
  const acadsim::NurbsEvaluator& curve = *mEvaluator;
  auto integrand = [&](double t) {
    AcGeVector3d d[2];
    curve.evaluate(t, 1, d);
    AcGeVector3d p = AcGeVector3d(d[0].x, d[0].y, d[0].z) - (origin - AcGePoint3d::kOrigin);
    return p.dotProduct(x) * d[1].dotProduct(y) - p.dotProduct(y) * d[1].dotProduct(x);
  };
  double twice = acadsim::integrateAdaptive(integrand, curve.breakpoints());
  // The chord from the end back to the start (the origin) adds nothing: one of its ends is the origin.
  area = std::fabs(0.5 * twice);
  return Acad::eOk;
}

// The plane of the control points (a curve lies in the plane of its control points).
Acad::ErrorStatus AcDbSpline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  planarity = acadsim::curves::planeOfPoints(toVector(mControlPoints), plane);
  return Acad::eOk;
}

// Knots (40), weights (41), control points (10) and fit points (11) in file order; the counts 72-74 are checked
// against what follows only through the definition's validity.
Acad::ErrorStatus AcDbSpline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  mControlPoints.removeAll();
  mFitPoints.removeAll();
  mKnots.removeAll();
  mWeights.removeAll();
  int flags = 0;
  acadsim::DxfGroupView g;
  bool splineGroupsSeen = false;
  while (filer->readGroup(g)) {
    // A subclass marker after the spline's groups starts a subclass's own (a helix's axis and turns), which
    // reuse the spline's codes.
    if (g.code == 100) {
      if (g.text == "AcDbSpline") {
        splineGroupsSeen = true;
      } else if (splineGroupsSeen) {
        filer->pushBackItem();
        break;
      }
      continue;
    }
    splineGroupsSeen = true;
    switch (g.code) {
      case 70: flags = static_cast<int>(g.integer); break;
      case 71: mDegree = static_cast<int>(std::clamp<long long>(g.integer, -1, 1000)); break;
      case 40: mKnots.append(g.real); break;
      case 41: mWeights.append(g.real); break;
      case 10: mControlPoints.append(AcGePoint3d(g.point[0], g.point[1], g.point[2])); break;
      case 11: mFitPoints.append(AcGePoint3d(g.point[0], g.point[1], g.point[2])); break;
      case 42: mKnotTol = acadsim::curves::finiteValue(g.real); break;
      case 43: mControlPtTol = acadsim::curves::finiteValue(g.real); break;
      case 210: mNormal = acadsim::curves::finiteVector(g.point); break;
      default: break;
    }
  }
  mClosed = (flags & 1) != 0;
  mPeriodic = (flags & 2) != 0;
  mRational = (flags & 4) != 0;
  rebuild();
  return filer->filerStatus();
}
