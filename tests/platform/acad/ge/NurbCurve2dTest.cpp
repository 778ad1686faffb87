// AcGeNurbCurve2d: construction, parameter range and evaluation of polynomial, rational and periodic curves.
#include <gtest/gtest.h>

#include <cmath>

#include <genurb2d.h>

namespace {

AcGeKnotVector knotsOf(std::initializer_list<double> values) {
  AcGeKnotVector k;
  for (double v : values) k.append(v);
  return k;
}

AcGePoint2dArray pointsOf(std::initializer_list<AcGePoint2d> values) {
  AcGePoint2dArray a;
  for (const AcGePoint2d& p : values) a.append(p);
  return a;
}

TEST(AcGeNurbCurve2d, PolynomialBezier) {
  AcGeNurbCurve2d c(2, knotsOf({0, 0, 0, 1, 1, 1}), pointsOf({{0, 0}, {1, 2}, {2, 0}}));
  EXPECT_EQ(c.type(), AcGe::kNurbCurve2d);
  EXPECT_TRUE(c.isKindOf(AcGe::kSplineEnt2d));
  EXPECT_TRUE(c.isKindOf(AcGe::kCurve2d));
  EXPECT_FALSE(c.isRational());
  EXPECT_DOUBLE_EQ(c.startParam(), 0.0);
  EXPECT_DOUBLE_EQ(c.endParam(), 1.0);
  EXPECT_TRUE(c.evalPoint(0.5).isEqualTo({1, 1}));
  EXPECT_TRUE(c.evalPoint(0.0).isEqualTo({0, 0}));
  EXPECT_TRUE(c.evalPoint(1.0).isEqualTo({2, 0}));
  EXPECT_TRUE(c.evalPoint(0.25).isEqualTo({0.5, 0.75}));
  EXPECT_FALSE(c.isClosed());
}

TEST(AcGeNurbCurve2d, ParametersOutsideTheRangeAreClamped) {
  AcGeNurbCurve2d c(2, knotsOf({0, 0, 0, 1, 1, 1}), pointsOf({{0, 0}, {1, 2}, {2, 0}}));
  EXPECT_TRUE(c.evalPoint(-5.0).isEqualTo({0, 0}));
  EXPECT_TRUE(c.evalPoint(7.0).isEqualTo({2, 0}));
  EXPECT_TRUE(c.evalPoint(std::nan("")).isEqualTo({0, 0}));
}

TEST(AcGeNurbCurve2d, RationalQuarterCircleStaysOnTheCircle) {
  AcGeDoubleArray w;
  w.append(1.0);
  w.append(std::sqrt(0.5));
  w.append(1.0);
  AcGeNurbCurve2d c(2, knotsOf({0, 0, 0, 1, 1, 1}), pointsOf({{1, 0}, {1, 1}, {0, 1}}), w);
  EXPECT_TRUE(c.isRational());
  EXPECT_DOUBLE_EQ(c.weightAt(1), std::sqrt(0.5));
  for (double t = 0.0; t <= 1.0; t += 0.125) EXPECT_NEAR(c.evalPoint(t).distanceTo(AcGePoint2d::kOrigin), 1.0, 1e-14);
  EXPECT_TRUE(c.evalPoint(0.5).isEqualTo({std::sqrt(0.5), std::sqrt(0.5)}, 1e-14));
}

TEST(AcGeNurbCurve2d, UnclampedKnotsUseTheInnerRange) {
  AcGeNurbCurve2d c(3, knotsOf({0, 1, 2, 3, 4, 5, 6, 7}), pointsOf({{0, 0}, {6, 0}, {6, 6}, {0, 6}}));
  EXPECT_DOUBLE_EQ(c.startParam(), 3.0);
  EXPECT_DOUBLE_EQ(c.endParam(), 4.0);
  // A uniform cubic starts at (P0 + 4 P1 + P2) / 6.
  EXPECT_TRUE(c.evalPoint(3.0).isEqualTo({5, 1}, 1e-12));
  EXPECT_TRUE(c.evalPoint(4.0).isEqualTo({5, 5}, 1e-12));
}

TEST(AcGeNurbCurve2d, PeriodicWithOnePeriodOfKnotsIsClosed) {
  AcGeNurbCurve2d c(3, knotsOf({0, 1, 2, 3, 4}), pointsOf({{0, 0}, {6, 0}, {6, 6}, {0, 6}}), Adesk::kTrue);
  EXPECT_TRUE(c.isPeriodic());
  EXPECT_DOUBLE_EQ(c.startParam(), 0.0);
  EXPECT_DOUBLE_EQ(c.endParam(), 4.0);
  EXPECT_TRUE(c.isClosed());
  for (double t = 0.0; t <= 4.0; t += 1.0) {
    AcGePoint2d p = c.evalPoint(t);
    // Every knot of a uniform cubic loop lies at (1, 1) from one corner of the square.
    EXPECT_TRUE(p.isEqualTo({1, 1}, 1e-12) || p.isEqualTo({5, 1}, 1e-12) || p.isEqualTo({5, 5}, 1e-12) ||
                p.isEqualTo({1, 5}, 1e-12))
        << t;
  }
}

TEST(AcGeNurbCurve2d, InvalidDefinitionsEvaluateToTheOrigin) {
  AcGeNurbCurve2d decreasing(2, knotsOf({0, 0, 0, 1, 0.5, 1}), pointsOf({{3, 3}, {1, 2}, {2, 0}}));
  EXPECT_TRUE(decreasing.evalPoint(0.5).isEqualTo(AcGePoint2d::kOrigin));
  EXPECT_DOUBLE_EQ(decreasing.startParam(), 0.0);
  EXPECT_DOUBLE_EQ(decreasing.endParam(), 0.0);
  AcGeNurbCurve2d tooFewKnots(2, knotsOf({0, 0, 1, 1}), pointsOf({{3, 3}, {1, 2}, {2, 0}}));
  EXPECT_TRUE(tooFewKnots.evalPoint(0.5).isEqualTo(AcGePoint2d::kOrigin));
  AcGeNurbCurve2d allKnotsEqual(1, knotsOf({2, 2, 2, 2}), pointsOf({{3, 3}, {1, 2}}));
  EXPECT_TRUE(allKnotsEqual.evalPoint(2).isEqualTo(AcGePoint2d::kOrigin));
  AcGeDoubleArray w;
  w.append(1.0);
  w.append(0.0);
  AcGeNurbCurve2d zeroWeight(1, knotsOf({0, 0, 1, 1}), pointsOf({{3, 3}, {1, 2}}), w);
  EXPECT_TRUE(zeroWeight.evalPoint(0.5).isEqualTo(AcGePoint2d::kOrigin));
  AcGeNurbCurve2d degreeZero(0, knotsOf({0, 1}), pointsOf({{3, 3}}));
  EXPECT_TRUE(degreeZero.evalPoint(0.5).isEqualTo(AcGePoint2d::kOrigin));
  AcGeNurbCurve2d empty;
  EXPECT_TRUE(empty.evalPoint(0.0).isEqualTo(AcGePoint2d::kOrigin));
  EXPECT_DOUBLE_EQ(empty.endParam(), 0.0);
}

TEST(AcGeNurbCurve2d, GetDefinitionDataReturnsWhatWasGiven) {
  AcGeNurbCurve2d c(2, knotsOf({0, 0, 0, 1, 1, 1}), pointsOf({{0, 0}, {1, 2}, {2, 0}}));
  int degree = 0;
  Adesk::Boolean rational = Adesk::kTrue, periodic = Adesk::kTrue;
  AcGeKnotVector knots;
  AcGePoint2dArray points;
  AcGeDoubleArray weights;
  weights.append(9.0);
  c.getDefinitionData(degree, rational, periodic, knots, points, weights);
  EXPECT_EQ(degree, 2);
  EXPECT_FALSE(rational);
  EXPECT_FALSE(periodic);
  EXPECT_EQ(knots.length(), 6);
  EXPECT_EQ(points.length(), 3);
  EXPECT_TRUE(weights.isEmpty());
}

TEST(AcGeNurbCurve2d, CopiesEvaluateAlike) {
  AcGeNurbCurve2d c(2, knotsOf({0, 0, 0, 1, 1, 1}), pointsOf({{0, 0}, {1, 2}, {2, 0}}));
  AcGeEntity2d* copy = c.copy();
  EXPECT_TRUE(static_cast<AcGeCurve2d*>(copy)->evalPoint(0.5).isEqualTo({1, 1}));
  delete copy;
}

}  // namespace
