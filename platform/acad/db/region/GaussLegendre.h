// Fixed Gauss-Legendre rules, exact for the polynomial integrands of region moments over straight and spline pieces.
#pragma once
#include <array>
#include <functional>
#include <vector>

namespace acadsim {

// Nodes on [-1, 1] and their weights.
struct GaussRule {
  std::vector<double> nodes;
  std::vector<double> weights;
};

// The n-point rule (exact for polynomials of degree 2n - 1); n is kept within 1 to 64.
const GaussRule& gaussLegendre(int n);

// Several integrands taken together.
using MomentValues = std::array<double, 6>;

// The integral over [a, b] with the n-point rule.
MomentValues integrateGauss(const std::function<MomentValues(double)>& f, double a, double b, int n);

}  // namespace acadsim
