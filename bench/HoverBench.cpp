// The hover path as a person meets it on a drawing of one million entities: the cursor comes to rest on an
// entity and the rest timer fires (pick, describe, measure, show); and the cost of one small mouse movement
// (the module's mouse hook, the view's point-monitor call with its aperture), with and without the module.
#include <benchmark/benchmark.h>
#include <qvuser.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "DrawingGenerator.h"
#include "acadsim/Documents.h"
#include "acadsim/DrawingQueries.h"
#include "acadsim/DrawingView.h"
#include "acadsim/EntityGraphics.h"
#include "acadsim/HostWindows.h"
#include "acadsim/SimulatedInput.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "rxdlinkr.h"

namespace {

constexpr size_t kEntities = 1000000;
constexpr int kRests = 1000;
constexpr int kSmallMoves = 20000;
// The module's default rest interval.
constexpr DWORD kRestInterval = 500;

struct Drawing {
  AcApDocument* doc = nullptr;
  std::vector<AcDbObjectId> ids;
};

Drawing& OpenGridDrawing() {
  static Drawing drawing = [] {
    Drawing opened;
    const std::string path = (std::filesystem::temp_directory_path() / "quillview-bench-grid-1000000.dxf").string();
    bench::writeGridDrawing(path, kEntities);
    acadsim::CreateHostWindows();
    std::u16string error;
    opened.doc = acadsim::OpenDocument(std::u16string(path.begin(), path.end()), error);
    if (opened.doc == nullptr) return opened;
    AcDbBlockTableRecord* model = nullptr;
    acdbOpenObject(model, acadsim::modelSpaceBlockId(*opened.doc->database()), AcDb::kForRead);
    opened.ids = model->entityIds();
    model->close();
    win32sim::PumpMessages();
    return opened;
  }();
  return drawing;
}

// A point the entity draws, in world coordinates.
bool PointOn(AcDbObjectId id, AcGePoint2d& point) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) return false;
  const acadsim::EntityGraphics graphics = acadsim::entityGraphics(*entity);
  entity->close();
  for (const acadsim::GraphicPrimitive& primitive : graphics.primitives) {
    if (!primitive.points.empty()) {
      point = primitive.points.front();
      return true;
    }
  }
  return false;
}

// The cursor moves to the view pixel showing world, the view first centred there at 4 pixels a unit.
POINT ScreenPointOf(AcApDocument* doc, const AcGePoint2d& world) {
  acadsim::ViewTransform& view = acadsim::documentView(doc);
  view.pixelsPerUnit = 4;
  view.center = world;
  double px = 0, py = 0;
  view.toPixel(world, px, py);
  POINT screen{static_cast<LONG>(px), static_cast<LONG>(py)};
  ClientToScreen(adsw_acadDocWnd(), &screen);
  return screen;
}

double Microseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

double SmallMoveMicroseconds(POINT at) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kSmallMoves; ++i) win32sim::MoveCursor(POINT{at.x + (i & 1), at.y});
  return Microseconds(std::chrono::steady_clock::now() - start) / kSmallMoves;
}

void BM_HoverOnMillionEntities(benchmark::State& state) {
  Drawing& drawing = OpenGridDrawing();
  if (drawing.doc == nullptr || drawing.ids.size() < kEntities) {
    state.SkipWithError("the generated drawing did not open");
    return;
  }
  AcGePoint2d first;
  PointOn(drawing.ids.front(), first);
  const POINT restingPlace = ScreenPointOf(drawing.doc, first);
  const double hostOnlyMove = SmallMoveMicroseconds(restingPlace);

  const std::u16string module = u"" QV_BIN_DIR "/quillview.arx";
  if (!acrxDynamicLinker->loadModule(module.c_str(), false)) {
    state.SkipWithError("quillview.arx does not load");
    return;
  }
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pick(0, drawing.ids.size() - 1);
  std::vector<double> rests;
  double firstRest = 0;
  int shown = 0;
  for (auto _ : state) {
    rests.clear();
    shown = 0;
    for (int i = 0; i < kRests; ++i) {
      AcGePoint2d world;
      if (!PointOn(drawing.ids[pick(random)], world)) continue;
      // The view is centred on each entity, so the cursor comes from elsewhere to its middle.
      const POINT target = ScreenPointOf(drawing.doc, world);
      win32sim::MoveCursor(POINT{target.x + 40, target.y + 40});
      win32sim::MoveCursor(target);
      const auto start = std::chrono::steady_clock::now();
      win32sim::AdvanceClock(kRestInterval);
      rests.push_back(Microseconds(std::chrono::steady_clock::now() - start));
      if (rests.size() == 1) firstRest = rests.back();
      shown += acadsim::ScopeWindowState().starts_with(u"visible") ? 1 : 0;
    }
  }
  const double moduleMove = SmallMoveMicroseconds(restingPlace);
  acrxDynamicLinker->unloadModule(module.c_str());

  std::sort(rests.begin(), rests.end());
  state.counters["rest_median_us"] = rests.empty() ? 0 : rests[rests.size() / 2];
  state.counters["rest_p99_us"] = rests.empty() ? 0 : rests[rests.size() * 99 / 100];
  state.counters["rest_worst_us"] = rests.empty() ? 0 : rests.back();
  state.counters["first_rest_us"] = firstRest;
  state.counters["rests"] = static_cast<double>(rests.size());
  state.counters["shown"] = shown;
  state.counters["small_move_host_us"] = hostOnlyMove;
  state.counters["small_move_with_module_us"] = moduleMove;
}
BENCHMARK(BM_HoverOnMillionEntities)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
