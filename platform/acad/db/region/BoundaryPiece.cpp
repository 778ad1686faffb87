#include "BoundaryPiece.h"

#include <algorithm>
#include <cmath>

#include "../../ge/NurbsEvaluator.h"
#include "../../ge/Quadrature.h"
#include "GaussLegendre.h"

namespace acadsim {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

struct PointAndTangent {
  AcGePoint2d point;
  AcGeVector2d tangent;
};

AcGePoint2d conicPoint(const ConicPiece& c, double t) { return c.center + c.u * std::cos(t) + c.v * std::sin(t); }

AcGeVector2d conicTangent(const ConicPiece& c, double t) { return c.v * std::cos(t) - c.u * std::sin(t); }

// The spline at its own parameter t, placed; the tangent follows the curve's parameter, not the piece's direction.
PointAndTangent splineAt(const SplinePiece& s, double t) {
  AcGeVector3d d[2];
  s.curve->evaluate(t, 1, d);
  return {s.origin + s.xDir * d[0].x + s.yDir * d[0].y, s.xDir * d[1].x + s.yDir * d[1].y};
}

// Parameter intervals where the piece is smooth, in the curve's own direction.
std::vector<double> spanBreaks(const BoundaryPiece& piece) {
  return std::visit(Overloaded{
                        [](const LinePiece&) { return std::vector<double>{0.0, 1.0}; },
                        [](const ConicPiece& c) {
                          // Quarter-turn-sized intervals keep the fixed rule exact to rounding on the trigonometric terms.
                          int n = std::clamp(static_cast<int>(std::ceil((c.t1 - c.t0) / (M_PI / 8))), 1, 64);
                          std::vector<double> breaks;
                          for (int i = 0; i <= n; ++i) breaks.push_back(c.t0 + (c.t1 - c.t0) * i / n);
                          return breaks;
                        },
                        [](const SplinePiece& s) {
                          std::vector<double> breaks{s.t0};
                          for (double k : s.curve->breakpoints())
                            if (k > s.t0 && k < s.t1) breaks.push_back(k);
                          breaks.push_back(s.t1);
                          return breaks;
                        },
                    },
                    piece);
}

PointAndTangent evaluateNative(const BoundaryPiece& piece, double t) {
  return std::visit(Overloaded{
                        [t](const LinePiece& l) { return PointAndTangent{l.start + (l.end - l.start) * t, l.end - l.start}; },
                        [t](const ConicPiece& c) { return PointAndTangent{conicPoint(c, t), conicTangent(c, t)}; },
                        [t](const SplinePiece& s) { return splineAt(s, t); },
                    },
                    piece);
}

double boxDiagonal(const BoundaryPiece& piece) {
  AcGePoint2d low(HUGE_VAL, HUGE_VAL), high(-HUGE_VAL, -HUGE_VAL);
  extendBox(piece, low, high);
  double size = std::hypot(high.x - low.x, high.y - low.y);
  return size > 0.0 && std::isfinite(size) ? size : 1.0;
}

// The moment integrands along the curve, in coordinates moved to origin and divided by scale.
MomentValues momentIntegrand(const BoundaryPiece& piece, double t, const AcGePoint2d& origin, double scale) {
  PointAndTangent pt = evaluateNative(piece, t);
  double x = (pt.point.x - origin.x) / scale, y = (pt.point.y - origin.y) / scale;
  double dx = pt.tangent.x / scale, dy = pt.tangent.y / scale;
  return {0.5 * (x * dy - y * dx), 0.5 * x * x * dy, -0.5 * y * y * dx,
          x * x * x * dy / 3.0,    -y * y * y * dx / 3.0, 0.5 * x * x * y * dy};
}

// Integrated along the curve's own direction: exact Gauss rules for polynomial pieces, adaptive for rational ones.
MomentValues integrateMoments(const BoundaryPiece& piece, const AcGePoint2d& origin, double scale) {
  const SplinePiece* spline = std::get_if<SplinePiece>(&piece);
  std::vector<double> breaks = spanBreaks(piece);
  auto f = [&](double t) { return momentIntegrand(piece, t, origin, scale); };
  MomentValues sum{};
  for (size_t i = 0; i + 1 < breaks.size(); ++i) {
    double a = breaks[i], b = breaks[i + 1];
    if (spline != nullptr && spline->rational) {
      for (size_t k = 0; k < sum.size(); ++k)
        sum[k] += integrateAdaptive([&](double t) { return f(t)[k]; }, a, b);
      continue;
    }
    // Cubic integrands in the coordinates: 4 degree - 1 for a polynomial span.
    int points = spline != nullptr ? 2 * spline->degree : std::holds_alternative<LinePiece>(piece) ? 2 : 12;
    MomentValues part = integrateGauss(f, a, b, points);
    for (size_t k = 0; k < sum.size(); ++k) sum[k] += part[k];
  }
  if (spline != nullptr && spline->reversed)
    for (double& v : sum) v = -v;
  return sum;
}

void flattenSpan(const SplinePiece& s, double a, double b, const AcGePoint2d& pa, const AcGePoint2d& pb,
                 double tolerance, int depth, std::vector<AcGePoint2d>& points) {
  double mid = 0.5 * (a + b);
  AcGePoint2d pm = splineAt(s, mid).point;
  AcGeVector2d chord = pb - pa;
  double chordLength = chord.length();
  double deviation = chordLength > 0.0 ? std::fabs(chord.crossProduct(pm - pa)) / chordLength : pm.distanceTo(pa);
  // Three levels at least, so an S-bend inside one span cannot hide from the midpoint test.
  if ((depth >= 3 && deviation <= tolerance) || depth >= 32) {
    points.push_back(pb);
    return;
  }
  flattenSpan(s, a, mid, pa, pm, tolerance, depth + 1, points);
  flattenSpan(s, mid, b, pm, pb, tolerance, depth + 1, points);
}

void flattenSpline(const SplinePiece& s, double tolerance, std::vector<AcGePoint2d>& points) {
  std::vector<double> breaks = spanBreaks(s);
  std::vector<AcGePoint2d> forward{splineAt(s, breaks.front()).point};
  for (size_t i = 0; i + 1 < breaks.size(); ++i)
    flattenSpan(s, breaks[i], breaks[i + 1], forward.back(), splineAt(s, breaks[i + 1]).point, tolerance, 0, forward);
  if (s.reversed) std::reverse(forward.begin(), forward.end());
  points.insert(points.end(), forward.begin() + 1, forward.end());
}

}  // namespace

AreaMoments& AreaMoments::operator+=(const AreaMoments& other) {
  area += other.area;
  firstX += other.firstX;
  firstY += other.firstY;
  secondXX += other.secondXX;
  secondYY += other.secondYY;
  secondXY += other.secondXY;
  return *this;
}

AcGePoint2d pieceStart(const BoundaryPiece& piece) {
  return std::visit(Overloaded{
                        [](const LinePiece& l) { return l.start; },
                        [](const ConicPiece& c) { return conicPoint(c, c.t0); },
                        [](const SplinePiece& s) { return splineAt(s, s.reversed ? s.t1 : s.t0).point; },
                    },
                    piece);
}

AcGePoint2d pieceEnd(const BoundaryPiece& piece) {
  return std::visit(Overloaded{
                        [](const LinePiece& l) { return l.end; },
                        [](const ConicPiece& c) { return conicPoint(c, c.t1); },
                        [](const SplinePiece& s) { return splineAt(s, s.reversed ? s.t0 : s.t1).point; },
                    },
                    piece);
}

AcGePoint2d pieceMidpoint(const BoundaryPiece& piece) {
  return std::visit(Overloaded{
                        [](const LinePiece& l) { return l.start + (l.end - l.start) * 0.5; },
                        [](const ConicPiece& c) { return conicPoint(c, 0.5 * (c.t0 + c.t1)); },
                        [](const SplinePiece& s) { return splineAt(s, 0.5 * (s.t0 + s.t1)).point; },
                    },
                    piece);
}

BoundaryPiece reversedPiece(const BoundaryPiece& piece) {
  return std::visit(Overloaded{
                        [](const LinePiece& l) -> BoundaryPiece { return LinePiece{l.end, l.start}; },
                        [](const ConicPiece& c) -> BoundaryPiece { return ConicPiece{c.center, c.u, -c.v, -c.t1, -c.t0}; },
                        [](const SplinePiece& s) -> BoundaryPiece {
                          SplinePiece r = s;
                          r.reversed = !s.reversed;
                          return r;
                        },
                    },
                    piece);
}

BoundaryPiece mappedPiece(const BoundaryPiece& piece, const AcGePoint2d& origin, const AcGeVector2d& xDir,
                          const AcGeVector2d& yDir) {
  auto mapPoint = [&](const AcGePoint2d& p) { return origin + xDir * p.x + yDir * p.y; };
  auto mapVector = [&](const AcGeVector2d& v) { return xDir * v.x + yDir * v.y; };
  return std::visit(Overloaded{
                        [&](const LinePiece& l) -> BoundaryPiece { return LinePiece{mapPoint(l.start), mapPoint(l.end)}; },
                        [&](const ConicPiece& c) -> BoundaryPiece {
                          return ConicPiece{mapPoint(c.center), mapVector(c.u), mapVector(c.v), c.t0, c.t1};
                        },
                        [&](const SplinePiece& s) -> BoundaryPiece {
                          SplinePiece m = s;
                          m.origin = mapPoint(s.origin);
                          m.xDir = mapVector(s.xDir);
                          m.yDir = mapVector(s.yDir);
                          return m;
                        },
                    },
                    piece);
}

double pieceArea(const BoundaryPiece& piece, const AcGePoint2d& origin) {
  if (const LinePiece* l = std::get_if<LinePiece>(&piece)) return 0.5 * (l->start - origin).crossProduct(l->end - origin);
  if (const ConicPiece* c = std::get_if<ConicPiece>(&piece)) {
    AcGeVector2d chord = conicPoint(*c, c->t1) - conicPoint(*c, c->t0);
    return 0.5 * (c->u.crossProduct(c->v) * (c->t1 - c->t0) + (c->center - origin).crossProduct(chord));
  }
  double scale = boxDiagonal(piece);
  return integrateMoments(piece, origin, scale)[0] * scale * scale;
}

AreaMoments pieceMoments(const BoundaryPiece& piece, const AcGePoint2d& origin) {
  double scale = boxDiagonal(piece);
  MomentValues v = integrateMoments(piece, origin, scale);
  double s3 = scale * scale * scale, s4 = s3 * scale;
  AreaMoments m;
  m.area = pieceArea(piece, origin);
  m.firstX = v[1] * s3;
  m.firstY = v[2] * s3;
  m.secondXX = v[3] * s4;
  m.secondYY = v[4] * s4;
  m.secondXY = v[5] * s4;
  return m;
}

double pieceLength(const BoundaryPiece& piece) {
  if (const LinePiece* l = std::get_if<LinePiece>(&piece)) return l->start.distanceTo(l->end);
  if (const ConicPiece* c = std::get_if<ConicPiece>(&piece)) {
    double ru = c->u.length(), rv = c->v.length();
    if (std::fabs(ru - rv) <= 1e-14 * ru && std::fabs(c->u.dotProduct(c->v)) <= 1e-14 * ru * ru) return ru * (c->t1 - c->t0);
  }
  std::vector<double> breaks = spanBreaks(piece);
  double length = 0.0;
  for (size_t i = 0; i + 1 < breaks.size(); ++i)
    length += integrateAdaptive([&](double t) { return evaluateNative(piece, t).tangent.length(); }, breaks[i], breaks[i + 1]);
  return length;
}

void extendBox(const BoundaryPiece& piece, AcGePoint2d& low, AcGePoint2d& high) {
  auto add = [&](const AcGePoint2d& p) {
    low.x = std::min(low.x, p.x);
    low.y = std::min(low.y, p.y);
    high.x = std::max(high.x, p.x);
    high.y = std::max(high.y, p.y);
  };
  std::visit(Overloaded{
                 [&](const LinePiece& l) {
                   add(l.start);
                   add(l.end);
                 },
                 [&](const ConicPiece& c) {
                   AcGeVector2d reach(std::hypot(c.u.x, c.v.x), std::hypot(c.u.y, c.v.y));
                   add(c.center - reach);
                   add(c.center + reach);
                 },
                 [&](const SplinePiece& s) {
                   for (double x : {s.hullLow.x, s.hullHigh.x})
                     for (double y : {s.hullLow.y, s.hullHigh.y}) add(s.origin + s.xDir * x + s.yDir * y);
                 },
             },
             piece);
}

void flattenPiece(const BoundaryPiece& piece, double tolerance, std::vector<AcGePoint2d>& points) {
  std::visit(Overloaded{
                 [&](const LinePiece& l) { points.push_back(l.end); },
                 [&](const ConicPiece& c) {
                   double reach = std::max(c.u.length(), c.v.length());
                   // A parameter step h keeps the chord within h^2 / 8 times the largest second derivative.
                   double step = std::sqrt(8.0 * tolerance / std::max(reach, 1e-300));
                   double count = std::ceil((c.t1 - c.t0) / std::max(step, 1e-300));
                   int n = static_cast<int>(std::clamp(count, 1.0, double(1 << 20)));
                   for (int i = 1; i < n; ++i) points.push_back(conicPoint(c, c.t0 + (c.t1 - c.t0) * i / n));
                   points.push_back(conicPoint(c, c.t1));
                 },
                 [&](const SplinePiece& s) { flattenSpline(s, tolerance, points); },
             },
             piece);
}

bool isNegligiblePiece(const BoundaryPiece& piece, double tolerance) {
  if (const ConicPiece* c = std::get_if<ConicPiece>(&piece))
    return std::max(c->u.length(), c->v.length()) * (c->t1 - c->t0) <= tolerance;
  AcGePoint2d low(HUGE_VAL, HUGE_VAL), high(-HUGE_VAL, -HUGE_VAL);
  extendBox(piece, low, high);
  return std::hypot(high.x - low.x, high.y - low.y) <= tolerance;
}

}  // namespace acadsim
