// DXF loading speed beside a plain read of the same file, which bounds it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DrawingGenerator.h"
#include "acadsim/DxfReader.h"
#include "dbmain.h"

namespace {

const std::string& largeDrawing() {
  static const std::string path = [] {
    std::string p = (std::filesystem::temp_directory_path() / "quillview-bench-large.dxf").string();
    bench::writeLargeDrawing(p, 110u << 20);
    return p;
  }();
  return path;
}

void BM_PlainRead(benchmark::State& state) {
  const std::string& path = largeDrawing();
  std::vector<char> buffer(1 << 20);
  size_t total = 0;
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) total += n;
    std::fclose(f);
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(total));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DxfLoad(benchmark::State& state) {
  const std::string& path = largeDrawing();
  const auto size = static_cast<int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    AcDbDatabase db(false, true);
    acadsim::DxfError err;
    if (!acadsim::readDxf(path, db, err)) {
      state.SkipWithError(err.message.c_str());
      return;
    }
  }
  state.SetBytesProcessed(size * static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_DxfLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
