// Gauss-Kronrod 7-15 on a work list of intervals, splitting the worst one until the error estimate is met.
#include "Quadrature.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace acadsim {
namespace {

const double kNodes[8] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                          0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                          0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                          0.207784955007898467600689403773245, 0.000000000000000000000000000000000};
const double kKronrod[8] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                            0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                            0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                            0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
// Gauss weights of the 7-point rule, at the odd Kronrod nodes (1, 3, 5) and the centre.
const double kGauss[4] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                          0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

struct Piece {
  double a, b, value, error;
};

Piece rule(const std::function<double(double)>& f, double a, double b) {
  double centre = 0.5 * (a + b), half = 0.5 * (b - a);
  double fc = f(centre);
  double kronrod = fc * kKronrod[7], gauss = fc * kGauss[3];
  for (int i = 0; i < 7; ++i) {
    double dx = half * kNodes[i];
    double sum = f(centre - dx) + f(centre + dx);
    kronrod += kKronrod[i] * sum;
    if (i % 2 == 1) gauss += kGauss[i / 2] * sum;
  }
  return {a, b, kronrod * half, std::fabs((kronrod - gauss) * half)};
}

}  // namespace

double integrateAdaptive(const std::function<double(double)>& f, const std::vector<double>& breakpoints,
                         double relTol) {
  const int kMaxPieces = 2000;
  std::vector<Piece> pieces;
  double total = 0.0, error = 0.0, magnitude = 0.0;
  for (size_t i = 0; i + 1 < breakpoints.size(); ++i) {
    if (!(breakpoints[i + 1] > breakpoints[i])) continue;
    pieces.push_back(rule(f, breakpoints[i], breakpoints[i + 1]));
    total += pieces.back().value;
    error += pieces.back().error;
    magnitude += std::fabs(pieces.back().value);
  }
  auto worse = [](const Piece& x, const Piece& y) { return x.error < y.error; };
  std::make_heap(pieces.begin(), pieces.end(), worse);
  const double noise = 64 * std::numeric_limits<double>::epsilon();
  while (!pieces.empty() && static_cast<int>(pieces.size()) < kMaxPieces) {
    if (!std::isfinite(total)) return 0.0;
    if (error <= std::max(relTol * std::fabs(total), noise * magnitude) || error <= 1e-300) break;
    std::pop_heap(pieces.begin(), pieces.end(), worse);
    Piece worst = pieces.back();
    pieces.pop_back();
    double mid = 0.5 * (worst.a + worst.b);
    if (!(mid > worst.a && mid < worst.b)) break;  // the interval cannot be split further in doubles
    Piece left = rule(f, worst.a, mid), right = rule(f, mid, worst.b);
    pieces.push_back(left);
    std::push_heap(pieces.begin(), pieces.end(), worse);
    pieces.push_back(right);
    std::push_heap(pieces.begin(), pieces.end(), worse);
    total += left.value + right.value - worst.value;
    error = std::max(0.0, error + left.error + right.error - worst.error);
    magnitude += std::fabs(left.value) + std::fabs(right.value) - std::fabs(worst.value);
  }
  return std::isfinite(total) ? total : 0.0;
}

}  // namespace acadsim
