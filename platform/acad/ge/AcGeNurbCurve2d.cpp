// AcGeNurbCurve2d: the 2D face of the host's NURBS evaluator.
#include <genurb2d.h>

#include "NurbsEvaluator.h"

namespace {

std::shared_ptr<const acadsim::NurbsEvaluator> makeEvaluator(int degree, const AcGeKnotVector& knots,
                                                            const AcGePoint2dArray& controlPoints,
                                                            const AcGeDoubleArray& weights, bool periodic) {
  std::vector<double> k(knots.asArrayPtr(), knots.asArrayPtr() + knots.length());
  std::vector<AcGePoint3d> points;
  points.reserve(static_cast<size_t>(controlPoints.length()));
  for (const AcGePoint2d& p : controlPoints) points.emplace_back(p.x, p.y, 0.0);
  std::vector<double> w(weights.begin(), weights.end());
  return std::make_shared<const acadsim::NurbsEvaluator>(degree, k, points, w, periodic);
}

}  // namespace

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 Adesk::Boolean isPeriodic)
    : mDegree(degree), mPeriodic(isPeriodic), mKnots(knots), mControlPoints(controlPoints),
      mEvaluator(makeEvaluator(degree, knots, controlPoints, AcGeDoubleArray(), isPeriodic)) {}

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 const AcGeDoubleArray& weights, Adesk::Boolean isPeriodic)
    : mDegree(degree), mPeriodic(isPeriodic), mKnots(knots), mControlPoints(controlPoints), mWeights(weights),
      mEvaluator(makeEvaluator(degree, knots, controlPoints, weights, isPeriodic)) {}

double AcGeNurbCurve2d::startParam() const { return mEvaluator ? mEvaluator->startParam() : 0.0; }

double AcGeNurbCurve2d::endParam() const { return mEvaluator ? mEvaluator->endParam() : 0.0; }

AcGePoint2d AcGeNurbCurve2d::evalPoint(double param) const {
  if (!mEvaluator) return AcGePoint2d::kOrigin;
  AcGePoint3d p = mEvaluator->pointAt(param);
  return {p.x, p.y};
}

void AcGeNurbCurve2d::getDefinitionData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& periodic,
                                        AcGeKnotVector& knots, AcGePoint2dArray& controlPoints,
                                        AcGeDoubleArray& weights) const {
  degree = mDegree;
  rational = isRational();
  periodic = mPeriodic;
  knots = mKnots;
  controlPoints = mControlPoints;
  weights = mWeights;
}
