// Host curve geometry: length and area of a 2D polyline of 100,000 bulged vertices, and spline arc length.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "acadsim/DxfReader.h"
#include "dbcurve.h"
#include "dbsymtb.h"

namespace {

// A closed POLYLINE zig-zagging round a circle, every other segment bulged.
std::string polylineDrawing(int vertices) {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n8\n0\n66\n1\n70\n1\n";
  for (int i = 0; i < vertices; ++i) {
    double a = 2 * M_PI * i / vertices, r = i % 2 ? 100.0 : 101.0;
    dxf += "0\nVERTEX\n8\n0\n10\n" + std::to_string(r * std::cos(a)) + "\n20\n" + std::to_string(r * std::sin(a)) +
           "\n42\n" + (i % 2 ? "0.3" : "0") + "\n";
  }
  return dxf + "0\nSEQEND\n8\n0\n0\nENDSEC\n0\nEOF\n";
}

AcDbObjectId firstEntity(AcDbDatabase& db) {
  AcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, AcDb::kForRead);
  AcDbBlockTableRecord* model = nullptr;
  blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForRead);
  blocks->close();
  AcDbObjectId id = model->entityIds().front();
  model->close();
  return id;
}

void BM_Polyline2dLengthAndArea(benchmark::State& state) {
  const std::string dxf = polylineDrawing(static_cast<int>(state.range(0)));
  AcDbDatabase db(false, true);
  acadsim::DxfError err;
  if (!acadsim::readDxfFromMemory(dxf.data(), dxf.size(), db, err)) {
    state.SkipWithError(err.message.c_str());
    return;
  }
  AcDb2dPolyline* pl = nullptr;
  acdbOpenObject(pl, firstEntity(db), AcDb::kForRead);
  for (auto _ : state) {
    double end = 0, length = 0, area = 0;
    pl->getEndParam(end);
    pl->getDistAtParam(end, length);
    pl->getArea(area);
    benchmark::DoNotOptimize(length + area);
  }
  pl->close();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Polyline2dLengthAndArea)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SplineLength(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  AcGePoint3dArray points;
  AcGeDoubleArray knots;
  for (int i = 0; i < n; ++i) points.append(AcGePoint3d(i, std::sin(i * 0.7) * 5, 0));
  for (int i = 0; i < n + 4; ++i) knots.append(i < 4 ? 0.0 : i >= n ? n - 3.0 : i - 3.0);
  AcDbSpline spline(3, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, points, knots, AcGeDoubleArray());
  for (auto _ : state) {
    double end = 0, length = 0;
    spline.getEndParam(end);
    spline.getDistAtParam(end, length);
    benchmark::DoNotOptimize(length);
  }
  state.SetItemsProcessed(state.iterations() * (n - 3));
}
BENCHMARK(BM_SplineLength)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
