// Descriptions per second through the module's published entry point: the entities of a generated drawing,
// and a hatch whose area needs a thousand loops of mixed edges.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DrawingGenerator.h"
#include "acadsim/DrawingQueries.h"
#include "acadsim/DxfReader.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "quillview/QuillviewApi.h"
#include "rxdlinkr.h"
#include "rxregsvc.h"

namespace {

void DescribeEntities(benchmark::State& state, AcDbDatabase& db) {
  acdbHostApplicationServices()->setWorkingDatabase(&db);
  const std::u16string module = u"" QV_BIN_DIR "/quillview.arx";
  if (!acrxDynamicLinker->loadModule(module.c_str(), false)) {
    state.SkipWithError("quillview.arx does not load");
    return;
  }
  auto describe = reinterpret_cast<QuillviewDescribeEntityFn>(
      acrxDynamicLinker->getSymbolAddress(module.c_str(), u"" QUILLVIEW_DESCRIBE_ENTITY_EXPORT));

  AcDbBlockTableRecord* model = nullptr;
  acdbOpenObject(model, acadsim::modelSpaceBlockId(db), AcDb::kForRead);
  const std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();

  std::vector<WCHAR> buffer(4096);
  size_t i = 0;
  for (auto _ : state) {
    AcDbEntity* entity = nullptr;
    acdbOpenAcDbEntity(entity, ids[i++ % ids.size()], AcDb::kForRead);
    benchmark::DoNotOptimize(describe(entity, -1, buffer.data(), static_cast<int>(buffer.size())));
    entity->close();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  acrxDynamicLinker->unloadModule(module.c_str());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

void BM_DescribeGeneratedEntities(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "quillview-bench-small.dxf").string();
  bench::writeLargeDrawing(path, 4u << 20);
  AcDbDatabase db(false, true);
  acadsim::DxfError err;
  if (!acadsim::readDxf(path, db, err)) {
    state.SkipWithError(err.message.c_str());
    return;
  }
  DescribeEntities(state, db);
}
BENCHMARK(BM_DescribeGeneratedEntities)->Unit(benchmark::kMicrosecond);

void BM_DescribeHatchOfMixedLoops(benchmark::State& state) {
  const std::string text = bench::hatchOfMixedLoops(static_cast<int>(state.range(0)));
  AcDbDatabase db(false, true);
  acadsim::DxfError err;
  if (!acadsim::readDxfFromMemory(text.data(), text.size(), db, err)) {
    state.SkipWithError(err.message.c_str());
    return;
  }
  DescribeEntities(state, db);
}
BENCHMARK(BM_DescribeHatchOfMixedLoops)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
