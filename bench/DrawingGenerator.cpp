#include "DrawingGenerator.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace bench {
namespace {

struct Writer {
  std::FILE* f;
  unsigned long long handle = 0x100;
  void g(int code, const char* value) { std::fprintf(f, "%3d\n%s\n", code, value); }
  void g(int code, double value) { std::fprintf(f, "%3d\n%.6f\n", code, value); }
  void gi(int code, long value) { std::fprintf(f, "%3d\n%ld\n", code, value); }
  void h() { std::fprintf(f, "  5\n%llX\n", handle++); }
};

void writeEntity(Writer& w, size_t i) {
  const double x = static_cast<double>(i % 1000) * 10.0, y = static_cast<double>(i / 1000) * 10.0;
  char layer[16];
  std::snprintf(layer, sizeof layer, "L%02zu", i % 16);
  switch (i % 5) {
    case 0:
      w.g(0, "LINE"); w.h(); w.g(8, layer);
      w.g(10, x); w.g(20, y); w.g(30, 0.0); w.g(11, x + 7.5); w.g(21, y + 3.25); w.g(31, 0.0);
      break;
    case 1:
      w.g(0, "CIRCLE"); w.h(); w.g(8, layer); w.gi(62, static_cast<long>(i % 255) + 1);
      w.g(10, x); w.g(20, y); w.g(30, 0.0); w.g(40, 2.5);
      break;
    case 2:
      w.g(0, "ARC"); w.h(); w.g(8, layer);
      w.g(10, x); w.g(20, y); w.g(30, 0.0); w.g(40, 3.0); w.g(50, 15.0); w.g(51, 165.0);
      break;
    case 3:
      w.g(0, "POLYLINE"); w.h(); w.g(8, layer); w.gi(66, 1); w.g(10, 0.0); w.g(20, 0.0); w.g(30, 0.0); w.gi(70, 1);
      for (int v = 0; v < 4; ++v) {
        w.g(0, "VERTEX"); w.h(); w.g(8, layer);
        w.g(10, x + (v & 1) * 5.0); w.g(20, y + (v >> 1) * 5.0); w.g(30, 0.0);
      }
      w.g(0, "SEQEND"); w.h(); w.g(8, layer);
      break;
    default:
      w.g(0, "TEXT"); w.h(); w.g(8, layer);
      w.g(10, x); w.g(20, y); w.g(30, 0.0); w.g(40, 1.25); w.g(1, "Benchmark text of an ordinary length");
      break;
  }
}

}  // namespace

size_t writeLargeDrawing(const std::string& path, size_t targetBytes) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) >= targetBytes && !ec) return 0;
  Writer w{std::fopen(path.c_str(), "w")};
  if (!w.f) return 0;
  w.g(0, "SECTION"); w.g(2, "HEADER");
  w.g(9, "$ACADVER"); w.g(1, "AC1009");
  w.g(9, "$HANDSEED"); w.g(5, "FFFFFFFF");
  w.g(0, "ENDSEC");
  w.g(0, "SECTION"); w.g(2, "TABLES");
  w.g(0, "TABLE"); w.g(2, "LAYER"); w.gi(70, 17);
  for (int l = -1; l < 16; ++l) {
    char name[16];
    if (l < 0) std::snprintf(name, sizeof name, "0"); else std::snprintf(name, sizeof name, "L%02d", l);
    w.g(0, "LAYER"); w.g(2, name); w.gi(70, 0); w.gi(62, l < 0 ? 7 : l + 1); w.g(6, "CONTINUOUS");
  }
  w.g(0, "ENDTAB");
  w.g(0, "ENDSEC");
  w.g(0, "SECTION"); w.g(2, "ENTITIES");
  size_t count = 0;
  while (static_cast<size_t>(std::ftell(w.f)) < targetBytes) writeEntity(w, count++);
  w.g(0, "ENDSEC");
  w.g(0, "EOF");
  std::fclose(w.f);
  return count;
}

}  // namespace bench
