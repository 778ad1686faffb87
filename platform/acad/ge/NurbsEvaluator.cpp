// Basis functions and their derivatives after Piegl and Tiller (algorithms A2.1, A2.3), rational derivatives by
// the quotient rule on homogeneous coordinates (A4.2).
#include "NurbsEvaluator.h"

#include <algorithm>
#include <cmath>

#include "Quadrature.h"

namespace acadsim {
namespace {

const int kMaxOrder = 2;
// Degrees above this are far beyond what any writer produces and would only make evaluation slow.
const int kMaxDegree = 25;

bool finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

}  // namespace

NurbsEvaluator::NurbsEvaluator(int degree, const std::vector<double>& knots,
                               const std::vector<AcGePoint3d>& controlPoints, const std::vector<double>& weights,
                               bool periodic) {
  mDefinition = define(degree, knots, controlPoints, weights, periodic);
  if (isValid()) return;
  // An invalid curve keeps nothing half-built.
  mDegree = 0;
  mStart = mEnd = 0.0;
  mKnots.clear();
  mHomogeneous.clear();
  mBreaks.clear();
}

NurbsEvaluator::Definition NurbsEvaluator::define(int degree, const std::vector<double>& knots,
                                                  const std::vector<AcGePoint3d>& controlPoints,
                                                  const std::vector<double>& weights, bool periodic) {
  if (degree < 1 || degree > kMaxDegree) return (Definition::kBadDegree);
  const size_t given = controlPoints.size();
  if (!weights.empty() && weights.size() != given) return (Definition::kBadWeight);
  for (double w : weights)
    if (!std::isfinite(w)) return (Definition::kNotFinite);
  for (double w : weights)
    if (!(w > 0.0)) return (Definition::kBadWeight);
  for (const AcGePoint3d& p : controlPoints)
    if (!finite(p)) return (Definition::kNotFinite);
  for (double k : knots)
    if (!std::isfinite(k)) return (Definition::kNotFinite);
  for (size_t i = 1; i < knots.size(); ++i)
    if (knots[i] < knots[i - 1]) return (Definition::kDecreasingKnots);

  const size_t p = static_cast<size_t>(degree);
  std::vector<AcGePoint3d> points = controlPoints;
  std::vector<double> w = weights.empty() ? std::vector<double>(given, 1.0) : weights;
  if (periodic && given >= 2 && knots.size() == given + 1) {
    // One period of knots: wrap the first degree control points around and extend the knots periodically.
    const double period = knots[given] - knots[0];
    const long n = static_cast<long>(given);
    mKnots.resize(given + 2 * p + 1);
    for (long j = 0; j < static_cast<long>(mKnots.size()); ++j) {
      long shifted = j - static_cast<long>(p);
      long wraps = shifted >= 0 ? shifted / n : -((-shifted + n - 1) / n);
      mKnots[static_cast<size_t>(j)] = knots[static_cast<size_t>(shifted - wraps * n)] + period * wraps;
    }
    for (size_t i = 0; i < p; ++i) {
      points.push_back(controlPoints[i % given]);
      w.push_back(w[i % given]);
    }
  } else {
    mKnots = knots;
  }
  const size_t n = points.size();
  if (n < p + 1) return (Definition::kTooFewControlPoints);
  if (mKnots.size() != n + p + 1) return (Definition::kKnotCountMismatch);
  mStart = mKnots[p];
  mEnd = mKnots[n];
  if (!(mEnd > mStart)) return (Definition::kEmptyRange);

  mDegree = degree;
  mHomogeneous.resize(4 * n);
  for (size_t i = 0; i < n; ++i) {
    mHomogeneous[4 * i] = points[i].x * w[i];
    mHomogeneous[4 * i + 1] = points[i].y * w[i];
    mHomogeneous[4 * i + 2] = points[i].z * w[i];
    mHomogeneous[4 * i + 3] = w[i];
  }
  for (size_t i = p; i <= n; ++i)
    if (mBreaks.empty() || mKnots[i] > mBreaks.back()) mBreaks.push_back(mKnots[i]);
  return Definition::kValid;
}

int NurbsEvaluator::findSpan(double t) const {
  const int n = static_cast<int>(mHomogeneous.size() / 4);
  // The last non-empty span holds the end parameter.
  if (t >= mEnd) {
    int s = n - 1;
    while (s > mDegree && !(mKnots[static_cast<size_t>(s)] < mKnots[static_cast<size_t>(s) + 1])) --s;
    return s;
  }
  auto it = std::upper_bound(mKnots.begin() + mDegree, mKnots.begin() + n, t);
  return static_cast<int>(it - mKnots.begin()) - 1;
}

void NurbsEvaluator::evaluate(double param, int order, AcGeVector3d derivs[]) const {
  order = std::clamp(order, 0, kMaxOrder);
  for (int k = 0; k <= order; ++k) derivs[k] = AcGeVector3d();
  if (!isValid()) return;
  const double t = std::isnan(param) ? mStart : std::clamp(param, mStart, mEnd);
  const int p = mDegree;
  const int span = findSpan(t);
  const double* U = mKnots.data();

  // ndu: basis functions (upper triangle) and knot differences (lower), as algorithm A2.3 lays them out.
  double ndu[kMaxDegree + 1][kMaxDegree + 1], left[kMaxDegree + 1], right[kMaxDegree + 1];
  auto at = [&](int r, int c) -> double& { return ndu[r][c]; };
  at(0, 0) = 1.0;
  for (int j = 1; j <= p; ++j) {
    left[j] = t - U[span + 1 - j];
    right[j] = U[span + j] - t;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      at(j, r) = right[r + 1] + left[j - r];
      double temp = at(j, r) != 0.0 ? at(r, j - 1) / at(j, r) : 0.0;
      at(r, j) = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    at(j, j) = saved;
  }
  double basis[kMaxOrder + 1][kMaxDegree + 1] = {};
  for (int j = 0; j <= p; ++j) basis[0][j] = at(j, p);
  double a[2][kMaxDegree + 1] = {};
  for (int r = 0; r <= p; ++r) {
    int s1 = 0, s2 = 1;
    a[0][0] = 1.0;
    for (int k = 1; k <= order && k <= p; ++k) {
      double d = 0.0;
      int rk = r - k, pk = p - k;
      if (r >= k) {
        a[s2][0] = at(pk + 1, rk) != 0.0 ? a[s1][0] / at(pk + 1, rk) : 0.0;
        d = a[s2][0] * at(rk, pk);
      }
      int j1 = rk >= -1 ? 1 : -rk;
      int j2 = r - 1 <= pk ? k - 1 : p - r;
      for (int j = j1; j <= j2; ++j) {
        a[s2][j] = at(pk + 1, rk + j) != 0.0 ? (a[s1][j] - a[s1][j - 1]) / at(pk + 1, rk + j) : 0.0;
        d += a[s2][j] * at(rk + j, pk);
      }
      if (r <= pk) {
        a[s2][k] = at(pk + 1, r) != 0.0 ? -a[s1][k - 1] / at(pk + 1, r) : 0.0;
        d += a[s2][k] * at(r, pk);
      }
      basis[k][r] = d;
      std::swap(s1, s2);
    }
  }
  double factor = p;
  for (int k = 1; k <= order && k <= p; ++k) {
    for (int j = 0; j <= p; ++j) basis[k][j] *= factor;
    factor *= p - k;
  }

  double hom[kMaxOrder + 1][4] = {};
  for (int k = 0; k <= order; ++k)
    for (int j = 0; j <= p; ++j) {
      const double* cp = &mHomogeneous[static_cast<size_t>(4 * (span - p + j))];
      for (int c = 0; c < 4; ++c) hom[k][c] += basis[k][j] * cp[c];
    }
  const double w0 = hom[0][3];
  AcGeVector3d A[kMaxOrder + 1];
  for (int k = 0; k <= order; ++k) A[k] = AcGeVector3d(hom[k][0], hom[k][1], hom[k][2]);
  // C = A / w, C' = (A' - w' C) / w, C'' = (A'' - 2 w' C' - w'' C) / w.
  derivs[0] = A[0] / w0;
  if (order >= 1) derivs[1] = (A[1] - derivs[0] * hom[1][3]) / w0;
  if (order >= 2) derivs[2] = (A[2] - derivs[1] * (2.0 * hom[1][3]) - derivs[0] * hom[2][3]) / w0;
}

AcGePoint3d NurbsEvaluator::pointAt(double param) const {
  AcGeVector3d d[1];
  evaluate(param, 0, d);
  return AcGePoint3d(d[0].x, d[0].y, d[0].z);
}

AcGeVector3d NurbsEvaluator::derivAt(double param, int order) const {
  AcGeVector3d d[kMaxOrder + 1];
  evaluate(param, order, d);
  return d[std::clamp(order, 0, kMaxOrder)];
}

double NurbsEvaluator::length(double from, double to) const {
  if (!isValid()) return 0.0;
  from = std::clamp(from, mStart, mEnd);
  to = std::clamp(to, mStart, mEnd);
  if (!(to > from)) return 0.0;
  std::vector<double> pieces{from};
  for (double b : mBreaks)
    if (b > from && b < to) pieces.push_back(b);
  pieces.push_back(to);
  return integrateAdaptive([this](double t) { return derivAt(t, 1).length(); }, pieces);
}

}  // namespace acadsim
