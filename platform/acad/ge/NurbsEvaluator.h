// The host's one NURBS evaluator (any degree, rational or not, open or periodic), shared by the 2D geometry
// library curve and the drawing's splines.
#pragma once
#include <vector>

#include "gepnt3d.h"
#include "gevec3d.h"

namespace acadsim {

class NurbsEvaluator {
 public:
  enum class Definition {
    kValid, kBadDegree, kTooFewControlPoints, kKnotCountMismatch, kDecreasingKnots, kEmptyRange, kBadWeight,
    kNotFinite,
  };

  NurbsEvaluator() = default;
  // Knots: numControlPoints + degree + 1 of them; a periodic curve may instead give numControlPoints + 1 knots
  // (one period), and is then wrapped. Weights empty for a polynomial curve.
  NurbsEvaluator(int degree, const std::vector<double>& knots, const std::vector<AcGePoint3d>& controlPoints,
                 const std::vector<double>& weights, bool periodic);

  Definition definition() const { return mDefinition; }
  bool isValid() const { return mDefinition == Definition::kValid; }
  double startParam() const { return mStart; }
  double endParam() const { return mEnd; }
  // The distinct knots from start to end: the curve is smooth between two neighbours.
  const std::vector<double>& breakpoints() const { return mBreaks; }

  // derivs[0] the point, derivs[k] the k-th derivative (order up to 2); the parameter is clamped to the range.
  // An invalid curve gives zeros.
  void evaluate(double param, int order, AcGeVector3d derivs[]) const;
  AcGePoint3d pointAt(double param) const;
  AcGeVector3d derivAt(double param, int order) const;
  // Arc length between two parameters (from <= to, both clamped), integrated piece by piece.
  double length(double from, double to) const;

 private:
  Definition define(int degree, const std::vector<double>& knots, const std::vector<AcGePoint3d>& controlPoints,
                    const std::vector<double>& weights, bool periodic);
  int findSpan(double t) const;

  Definition mDefinition = Definition::kBadDegree;
  int mDegree = 0;
  std::vector<double> mKnots;
  std::vector<double> mHomogeneous;  // x*w, y*w, z*w, w per control point
  std::vector<double> mBreaks;
  double mStart = 0.0, mEnd = 0.0;
};

}  // namespace acadsim
