// Adaptive Gauss-Kronrod integration, the one integrator behind arc lengths and areas of curved geometry.
#pragma once
#include <functional>
#include <vector>

namespace acadsim {

// The integral of f from the first breakpoint to the last, f smooth between neighbours, to about relTol
// relative to the whole result (or to rounding noise, whichever is larger); an interval budget keeps it
// finite for integrands that never settle (the best estimate so far is returned then).
double integrateAdaptive(const std::function<double(double)>& f, const std::vector<double>& breakpoints,
                         double relTol = 1e-13);

inline double integrateAdaptive(const std::function<double(double)>& f, double a, double b, double relTol = 1e-13) {
  return integrateAdaptive(f, std::vector<double>{a, b}, relTol);
}

}  // namespace acadsim
