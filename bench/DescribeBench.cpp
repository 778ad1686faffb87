// Descriptions per second for entity headers, through the module's published entry point.
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

void BM_DescribeEntityHeaders(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "quillview-bench-small.dxf").string();
  bench::writeLargeDrawing(path, 4u << 20);
  AcDbDatabase db(false, true);
  acadsim::DxfError err;
  if (!acadsim::readDxf(path, db, err)) {
    state.SkipWithError(err.message.c_str());
    return;
  }
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
BENCHMARK(BM_DescribeEntityHeaders)->Unit(benchmark::kMicrosecond);

}  // namespace
