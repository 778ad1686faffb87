#include "CurveParts.h"

#include <cmath>

#include <dbcurve.h>
#include <gemat3d.h>

#include "../../ge/NurbsEvaluator.h"

namespace acadsim {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool finite(const AcGeVector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// The circle's arc from startAngle to endAngle about normal, in the arbitrary axis frame of normal.
ConicPart arcPart(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double start, double end) {
  AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(normal.normal());
  AcGeVector3d x(axes.entry[0][0], axes.entry[1][0], axes.entry[2][0]);
  AcGeVector3d y(axes.entry[0][1], axes.entry[1][1], axes.entry[2][1]);
  return ConicPart{center, x * radius, y * radius, start, end};
}

// The sweep of an arc from start to end counter-clockwise, in (0, 2 pi]: equal angles make a full turn.
double sweepBetween(double start, double end) {
  double sweep = std::fmod(end - start, 2 * M_PI);
  return sweep <= 0.0 ? sweep + 2 * M_PI : sweep;
}

// A bulge b spans 4 atan(b) about the polyline's normal from p to q.
CurvePart bulgePart(const AcGePoint3d& p, const AcGePoint3d& q, double bulge, const AcGeVector3d& normal) {
  if (std::fabs(bulge) < 1e-12) return LinePart{p, q};
  double sweep = 4.0 * std::atan(bulge);
  AcGeVector3d half = (q - p) * 0.5;
  AcGePoint3d center = p + half + normal.crossProduct(half) / std::tan(0.5 * sweep);
  AcGeVector3d u = p - center;
  AcGeVector3d v = normal.crossProduct(u) * (sweep > 0.0 ? 1.0 : -1.0);
  return ConicPart{center, u, v, 0.0, std::fabs(sweep)};
}

Acad::ErrorStatus polylineParts(const AcDbPolyline* pline, std::vector<CurvePart>& parts) {
  const unsigned n = pline->numVerts();
  AcGeVector3d normal = pline->normal().normal();
  // A polyline that is not marked closed still closes when its last vertex repeats the first.
  const unsigned segments = pline->isClosed() ? n : (n > 0 ? n - 1 : 0);
  for (unsigned i = 0; i < segments; ++i) {
    AcGePoint3d p, q;
    double bulge = 0.0;
    if (pline->getPointAt(i, p) != Acad::eOk || pline->getPointAt((i + 1) % n, q) != Acad::eOk ||
        pline->getBulgeAt(i, bulge) != Acad::eOk)
      return Acad::eInvalidInput;
    if (!finite(p) || !finite(q) || !std::isfinite(bulge)) return Acad::eInvalidInput;
    if (p.isEqualTo(q, 0.0)) continue;
    parts.push_back(bulgePart(p, q, bulge, normal));
  }
  return Acad::eOk;
}

Acad::ErrorStatus splineParts(const AcDbSpline* spline, std::vector<CurvePart>& parts) {
  int degree = 0;
  Adesk::Boolean rational = false, closed = false, periodic = false;
  AcGePoint3dArray points;
  AcGeDoubleArray knots, weights;
  double controlTol = 0.0, knotTol = 0.0;
  if (spline->getNurbsData(degree, rational, closed, periodic, points, knots, weights, controlTol, knotTol) !=
      Acad::eOk)
    return Acad::eInvalidInput;
  SplinePart part;
  part.degree = degree;
  part.periodic = periodic;
  part.knots.assign(knots.begin(), knots.end());
  part.controlPoints.assign(points.begin(), points.end());
  if (rational) part.weights.assign(weights.begin(), weights.end());
  if (!NurbsEvaluator(part.degree, part.knots, part.controlPoints, part.weights, part.periodic).isValid())
    return Acad::eInvalidInput;
  parts.push_back(std::move(part));
  return Acad::eOk;
}

// The plane of a spline's control points, zero when they are on one line.
AcGeVector3d controlPlaneNormal(const std::vector<AcGePoint3d>& points) {
  AcGeVector3d best;
  for (size_t i = 1; i + 1 < points.size(); ++i) {
    AcGeVector3d n = (points[i] - points[0]).crossProduct(points[i + 1] - points[0]);
    if (n.length() > best.length()) best = n;
  }
  return best.normal();
}

}  // namespace

Acad::ErrorStatus readCurveParts(const AcDbCurve* curve, std::vector<CurvePart>& parts, AcGeVector3d& normal) {
  parts.clear();
  normal = AcGeVector3d();
  if (const AcDbLine* line = AcDbLine::cast(curve)) {
    if (!finite(line->startPoint()) || !finite(line->endPoint())) return Acad::eInvalidInput;
    parts.push_back(LinePart{line->startPoint(), line->endPoint()});
    return Acad::eOk;
  }
  if (const AcDbArc* arc = AcDbArc::cast(curve)) {
    normal = arc->normal().normal();
    if (!finite(arc->center()) || !std::isfinite(arc->radius()) || !std::isfinite(arc->startAngle()) ||
        !std::isfinite(arc->endAngle()))
      return Acad::eInvalidInput;
    double start = arc->startAngle();
    parts.push_back(arcPart(arc->center(), normal, arc->radius(), start, start + sweepBetween(start, arc->endAngle())));
    return Acad::eOk;
  }
  if (const AcDbCircle* circle = AcDbCircle::cast(curve)) {
    normal = circle->normal().normal();
    if (!finite(circle->center()) || !std::isfinite(circle->radius())) return Acad::eInvalidInput;
    parts.push_back(arcPart(circle->center(), normal, circle->radius(), 0.0, 2 * M_PI));
    return Acad::eOk;
  }
  if (const AcDbEllipse* ellipse = AcDbEllipse::cast(curve)) {
    normal = ellipse->normal().normal();
    AcGeVector3d major = ellipse->majorAxis();
    AcGeVector3d minor = normal.crossProduct(major) * ellipse->radiusRatio();
    double t0 = ellipse->startParam(), t1 = ellipse->endParam();
    if (!finite(ellipse->center()) || !finite(minor) || !std::isfinite(t0) ||
        !std::isfinite(t1) || !(t1 > t0))
      return Acad::eInvalidInput;
    parts.push_back(ConicPart{ellipse->center(), major, minor, t0, t1});
    return Acad::eOk;
  }
  if (const AcDbPolyline* pline = AcDbPolyline::cast(curve)) {
    normal = pline->normal().normal();
    return polylineParts(pline, parts);
  }
  if (const AcDbSpline* spline = AcDbSpline::cast(curve)) {
    Acad::ErrorStatus es = splineParts(spline, parts);
    if (es == Acad::eOk) normal = controlPlaneNormal(std::get<SplinePart>(parts.front()).controlPoints);
    return es;
  }
  return Acad::eInvalidInput;
}

void addSpanningPoints(const CurvePart& part, std::vector<AcGePoint3d>& points) {
  std::visit(Overloaded{
                 [&](const LinePart& l) {
                   points.push_back(l.start);
                   points.push_back(l.end);
                 },
                 [&](const ConicPart& c) {
                   for (const AcGeVector3d& d : {c.u, -c.u, c.v, -c.v}) points.push_back(c.center + d);
                 },
                 [&](const SplinePart& s) { points.insert(points.end(), s.controlPoints.begin(), s.controlPoints.end()); },
             },
             part);
}

bool projectPart(const CurvePart& part, const RegionPlane& plane, BoundaryPiece& piece) {
  return std::visit(Overloaded{
                        [&](const LinePart& l) {
                          piece = LinePiece{plane.toPlane(l.start), plane.toPlane(l.end)};
                          return true;
                        },
                        [&](const ConicPart& c) {
                          piece = ConicPiece{plane.toPlane(c.center), plane.toPlane(c.u), plane.toPlane(c.v), c.t0, c.t1};
                          return true;
                        },
                        [&](const SplinePart& s) {
                          // A spline's projection is the spline of its projected control points.
                          std::vector<AcGePoint3d> flat;
                          SplinePiece spline;
                          spline.hullLow = AcGePoint2d(HUGE_VAL, HUGE_VAL);
                          spline.hullHigh = AcGePoint2d(-HUGE_VAL, -HUGE_VAL);
                          for (const AcGePoint3d& p : s.controlPoints) {
                            AcGePoint2d q = plane.toPlane(p);
                            flat.emplace_back(q.x, q.y, 0.0);
                            spline.hullLow = AcGePoint2d(std::fmin(spline.hullLow.x, q.x), std::fmin(spline.hullLow.y, q.y));
                            spline.hullHigh = AcGePoint2d(std::fmax(spline.hullHigh.x, q.x), std::fmax(spline.hullHigh.y, q.y));
                          }
                          auto curve = std::make_shared<const NurbsEvaluator>(s.degree, s.knots, flat, s.weights, s.periodic);
                          if (!curve->isValid()) return false;
                          spline.curve = curve;
                          spline.t0 = curve->startParam();
                          spline.t1 = curve->endParam();
                          spline.degree = s.degree;
                          spline.rational = !s.weights.empty();
                          piece = spline;
                          return true;
                        },
                    },
                    part);
}

}  // namespace acadsim
