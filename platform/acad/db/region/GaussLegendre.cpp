#include "GaussLegendre.h"

#include <cmath>
#include <map>

namespace acadsim {

namespace {

GaussRule makeRule(int n) {
  GaussRule rule;
  rule.nodes.resize(n);
  rule.weights.resize(n);
  for (int i = 0; i < n; ++i) {
    // Newton's method on P_n from the Chebyshev estimate of the i-th root.
    double x = std::cos(M_PI * (i + 0.75) / (n + 0.5));
    double derivative = 1.0;
    for (int iteration = 0; iteration < 100; ++iteration) {
      double p0 = 1.0, p1 = x;
      for (int k = 2; k <= n; ++k) {
        double p2 = ((2.0 * k - 1.0) * x * p1 - (k - 1.0) * p0) / k;
        p0 = p1;
        p1 = p2;
      }
      derivative = n * (x * p1 - p0) / (x * x - 1.0);
      double step = p1 / derivative;
      x -= step;
      if (std::fabs(step) < 1e-16) break;
    }
    rule.nodes[i] = x;
    rule.weights[i] = 2.0 / ((1.0 - x * x) * derivative * derivative);
  }
  return rule;
}

}  // namespace

const GaussRule& gaussLegendre(int n) {
  static std::map<int, GaussRule> rules;
  n = n < 1 ? 1 : n > 64 ? 64 : n;
  auto found = rules.find(n);
  if (found == rules.end()) found = rules.emplace(n, makeRule(n)).first;
  return found->second;
}

MomentValues integrateGauss(const std::function<MomentValues(double)>& f, double a, double b, int n) {
  const GaussRule& rule = gaussLegendre(n);
  double half = 0.5 * (b - a), mid = 0.5 * (a + b);
  MomentValues sum{};
  for (size_t i = 0; i < rule.nodes.size(); ++i) {
    MomentValues v = f(mid + half * rule.nodes[i]);
    for (size_t k = 0; k < sum.size(); ++k) sum[k] += v[k] * rule.weights[i] * half;
  }
  return sum;
}

}  // namespace acadsim
