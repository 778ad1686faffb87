// AcGeNurbCurve2d: a 2D non-uniform rational B-spline. Without weights it is polynomial (all weights 1).
#pragma once
#include "gearrays.h"
#include "gecurv2d.h"
#include "gekvec.h"

#include <memory>

namespace acadsim {
class NurbsEvaluator;
}  // namespace acadsim

class AcGeNurbCurve2d : public AcGeCurve2d {
 public:
  AcGeNurbCurve2d() = default;
  AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                  Adesk::Boolean isPeriodic = Adesk::kFalse);
  AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                  const AcGeDoubleArray& weights, Adesk::Boolean isPeriodic = Adesk::kFalse);

  AcGe::EntityId type() const override { return AcGe::kNurbCurve2d; }
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kNurbCurve2d || id == AcGe::kSplineEnt2d || AcGeCurve2d::isKindOf(id);
  }
  AcGeEntity2d* copy() const override { return new AcGeNurbCurve2d(*this); }
  // The knot range the basis covers (knots[degree] to knots[numControlPoints]); 0 to 0 without a valid definition.
  double startParam() const override;
  double endParam() const override;
  // The point at param, clamped to the curve's range; the origin for a curve without a valid definition.
  AcGePoint2d evalPoint(double param) const override;

  int degree() const { return mDegree; }
  Adesk::Boolean isRational() const { return mWeights.length() > 0; }
  Adesk::Boolean isPeriodic() const { return mPeriodic; }
  int numControlPoints() const { return mControlPoints.length(); }
  AcGePoint2d controlPointAt(int i) const { return mControlPoints[i]; }
  double weightAt(int i) const { return mWeights.isEmpty() ? 1.0 : mWeights[i]; }
  const AcGeKnotVector& knots() const { return mKnots; }
  // Weights come back empty for a polynomial curve.
  void getDefinitionData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& periodic, AcGeKnotVector& knots,
                         AcGePoint2dArray& controlPoints, AcGeDoubleArray& weights) const;

 private:
  int mDegree = 0;
  Adesk::Boolean mPeriodic = Adesk::kFalse;
  AcGeKnotVector mKnots;
  AcGePoint2dArray mControlPoints;
  AcGeDoubleArray mWeights;
  std::shared_ptr<const acadsim::NurbsEvaluator> mEvaluator;  // immutable, so copies share it
};
