// Hatch area through regions, as the description module computes it: one outer rectangle with 999 holes whose
// edges mix lines, arcs, elliptical arcs and splines.
#include <benchmark/benchmark.h>

#include <dbcurve.h>
#include <dbhatch.h>
#include <dbregion.h>

#include <memory>
#include <vector>

namespace {

AcGePoint3d lift(const AcGePoint2d& p) { return AcGePoint3d(p.x, p.y, 0.0); }

// A loop 9 wide and 6 high at (x, y): a line, a half circle out to the right, a spline back over the top and a
// half ellipse out to the left.
void appendMixedLoop(AcDbHatch& hatch, double x, double y) {
  AcGeLineSeg2d line(AcGePoint2d(x, y), AcGePoint2d(x + 6, y));
  AcGeCircArc2d arc(AcGePoint2d(x + 6, y + 3), 3.0, -M_PI / 2, M_PI / 2);
  AcGeKnotVector knots;
  for (double k : {0, 0, 0, 0, 1, 1, 1, 1}) knots.append(k);
  AcGePoint2dArray points;
  for (const AcGePoint2d& p : {AcGePoint2d(x + 6, y + 6), AcGePoint2d(x + 4, y + 8), AcGePoint2d(x + 2, y + 4), AcGePoint2d(x, y + 6)})
    points.append(p);
  AcGeNurbCurve2d spline(3, knots, points);
  AcGeEllipArc2d ellipse(AcGePoint2d(x, y + 3), AcGeVector2d(0, 1), AcGeVector2d(-1, 0), 3.0, 1.5, 0.0, M_PI);
  AcGeVoidPointerArray edges;
  AcGeIntArray types;
  for (auto [edge, type] : {std::pair<AcGeCurve2d*, int>{&line, AcDbHatch::kLine}, {&arc, AcDbHatch::kCirArc},
                            {&spline, AcDbHatch::kSpline}, {&ellipse, AcDbHatch::kEllArc}}) {
    edges.append(edge);
    types.append(type);
  }
  hatch.appendLoop(AcDbHatch::kDefault, edges, types);
}

AcDbCurve* edgeCurve(const AcGeCurve2d* edge, int type) {
  switch (type) {
    case AcDbHatch::kLine: {
      auto* l = static_cast<const AcGeLineSeg2d*>(edge);
      return new AcDbLine(lift(l->startPoint()), lift(l->endPoint()));
    }
    case AcDbHatch::kCirArc: {
      auto* a = static_cast<const AcGeCircArc2d*>(edge);
      return new AcDbArc(lift(a->center()), AcGeVector3d::kZAxis, a->radius(), a->startAng(), a->endAng());
    }
    case AcDbHatch::kEllArc: {
      auto* e = static_cast<const AcGeEllipArc2d*>(edge);
      AcGeVector3d major(e->majorAxis().x * e->majorRadius(), e->majorAxis().y * e->majorRadius(), 0.0);
      return new AcDbEllipse(lift(e->center()), AcGeVector3d::kZAxis, major, e->minorRadius() / e->majorRadius(),
                             e->startAng(), e->endAng());
    }
    default: {
      auto* s = static_cast<const AcGeNurbCurve2d*>(edge);
      int degree = 0;
      Adesk::Boolean rational = false, periodic = false;
      AcGeKnotVector knots;
      AcGePoint2dArray points2d;
      AcGeDoubleArray weights, knotList;
      s->getDefinitionData(degree, rational, periodic, knots, points2d, weights);
      AcGePoint3dArray points;
      for (const AcGePoint2d& p : points2d) points.append(lift(p));
      for (int i = 0; i < knots.length(); ++i) knotList.append(knots[i]);
      return new AcDbSpline(degree, rational, false, periodic, points, knotList, weights);
    }
  }
}

double hatchArea(const AcDbHatch& hatch) {
  AcDbRegion outer, inner;
  for (int i = 0; i < hatch.numLoops(); ++i) {
    Adesk::Int32 type = hatch.loopTypeAt(i);
    std::vector<std::unique_ptr<AcDbCurve>> owned;
    AcDbVoidPtrArray curves, regions;
    if (type & AcDbHatch::kPolyline) {
      AcGePoint2dArray vertices;
      AcGeDoubleArray bulges;
      hatch.getLoopAt(i, type, vertices, bulges);
      auto* pline = new AcDbPolyline();
      for (int j = 0; j < vertices.length(); ++j) pline->addVertexAt(j, vertices[j], bulges.isEmpty() ? 0.0 : bulges[j]);
      owned.emplace_back(pline);
    } else {
      AcGeVoidPointerArray edges;
      AcGeIntArray types;
      hatch.getLoopAt(i, type, edges, types);
      for (int j = edges.length() - 1; j >= 0; --j) owned.emplace_back(edgeCurve(static_cast<const AcGeCurve2d*>(edges[j]), types[j]));
    }
    for (auto& c : owned) curves.append(c.get());
    AcDbRegion::createFromCurves(curves, regions);
    AcDbRegion& target = (type & AcDbHatch::kOutermost) ? outer : inner;
    for (int r = regions.length() - 1; r >= 0; --r) {
      target.booleanOper(AcDb::kBoolUnite, static_cast<AcDbRegion*>(regions[r]));
      delete static_cast<AcDbRegion*>(regions[r]);
    }
  }
  double outerArea = 0.0, innerArea = 0.0, area = 0.0;
  outer.getArea(outerArea);
  inner.getArea(innerArea);
  AcDbRegion& kept = innerArea <= outerArea ? outer : inner;
  kept.booleanOper(AcDb::kBoolSubtract, innerArea <= outerArea ? &inner : &outer);
  kept.getArea(area);
  return area;
}

void BM_HatchAreaThousandMixedLoops(benchmark::State& state) {
  AcDbHatch hatch;
  AcGePoint2dArray frame;
  for (const AcGePoint2d& p : {AcGePoint2d(-10, -10), AcGePoint2d(600, -10), AcGePoint2d(600, 370), AcGePoint2d(-10, 370)})
    frame.append(p);
  hatch.appendLoop(AcDbHatch::kExternal | AcDbHatch::kOutermost, frame, AcGeDoubleArray());
  for (int i = 0; i < 999; ++i) appendMixedLoop(hatch, (i % 40) * 14.0, (i / 40) * 14.0);
  for (auto _ : state) benchmark::DoNotOptimize(hatchArea(hatch));
  state.counters["area"] = hatchArea(hatch);
  state.SetItemsProcessed(state.iterations() * hatch.numLoops());
}
BENCHMARK(BM_HatchAreaThousandMixedLoops)->Unit(benchmark::kMillisecond);

}  // namespace
