// The host's adaptive integrator: accuracy on smooth and kinked integrands, and an answer for hopeless ones.
#include <gtest/gtest.h>

#include <cmath>

#include "../../../../platform/acad/ge/Quadrature.h"

namespace {

using acadsim::integrateAdaptive;

TEST(Quadrature, SmoothIntegrands) {
  EXPECT_NEAR(integrateAdaptive([](double x) { return std::sin(x); }, 0.0, M_PI), 2.0, 1e-14);
  EXPECT_NEAR(integrateAdaptive([](double x) { return std::exp(x); }, 0.0, 1.0), M_E - 1, 1e-14);
  EXPECT_NEAR(integrateAdaptive([](double x) { return x * x * x * x * x * x * x; }, -1.0, 2.0), (256.0 - 1) / 8,
              1e-12);
}

TEST(Quadrature, KinksAndSingularSlopes) {
  EXPECT_NEAR(integrateAdaptive([](double x) { return std::fabs(x - 0.3); }, 0.0, 1.0), 0.29, 1e-13);
  EXPECT_NEAR(integrateAdaptive([](double x) { return std::sqrt(x); }, 0.0, 1.0), 2.0 / 3, 1e-12);
}

TEST(Quadrature, BreakpointsSplitTheRange) {
  auto step = [](double x) { return x < 1.0 ? 1.0 : 3.0; };
  EXPECT_NEAR(integrateAdaptive(step, {0.0, 1.0, 2.0}), 4.0, 1e-15);
  // Empty and reversed pieces add nothing.
  EXPECT_NEAR(integrateAdaptive(step, {0.0, 0.0, 1.0, 1.0, 2.0}), 4.0, 1e-15);
  EXPECT_EQ(integrateAdaptive(step, {}), 0.0);
  EXPECT_EQ(integrateAdaptive(step, 2.0, 1.0), 0.0);
}

TEST(Quadrature, HopelessIntegrandsStillEnd) {
  EXPECT_EQ(integrateAdaptive([](double) { return NAN; }, 0.0, 1.0), 0.0);
  EXPECT_EQ(integrateAdaptive([](double x) { return 1.0 / (x * 0.0); }, 0.0, 1.0), 0.0);
  double wild = integrateAdaptive([](double x) { return std::sin(1.0 / (x + 1e-300)); }, 0.0, 1.0);
  EXPECT_TRUE(std::isfinite(wild));
  EXPECT_NEAR(wild, 0.504067, 1e-3);
}

}  // namespace
