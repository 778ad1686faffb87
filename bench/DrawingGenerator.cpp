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

// The header, tables and entities of a generated drawing; writes entities while more() says so.
template <class More>
size_t writeGeneratedDrawing(const std::string& path, More more) {
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
  while (more(w, count)) writeEntity(w, count++);
  w.g(0, "ENDSEC");
  w.g(0, "EOF");
  std::fclose(w.f);
  return count;
}

size_t writeLargeDrawing(const std::string& path, size_t targetBytes) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) >= targetBytes && !ec) return 0;
  return writeGeneratedDrawing(path, [&](Writer& w, size_t) { return static_cast<size_t>(std::ftell(w.f)) < targetBytes; });
}

size_t writeGridDrawing(const std::string& path, size_t entities) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) > 0 && !ec) return 0;
  return writeGeneratedDrawing(path, [&](Writer&, size_t count) { return count < entities; });
}

}  // namespace bench

namespace bench {
namespace {

constexpr double kCell = 16;

void group(std::string& out, int code, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d\n%.10g\n", code, value);
  out += buffer;
}
void group(std::string& out, int code, int value) { out += std::to_string(code) + "\n" + std::to_string(value) + "\n"; }
void group(std::string& out, int code, const char* value) {
  out += std::to_string(code) + "\n" + value + "\n";
}
void point(std::string& out, int code, double x, double y) {
  group(out, code, x);
  group(out, code + 10, y);
}
void lineEdge(std::string& out, double x1, double y1, double x2, double y2) {
  group(out, 72, 1);
  point(out, 10, x1, y1);
  point(out, 11, x2, y2);
}

void loop(std::string& out, int kind, double x, double y) {
  switch (kind) {
    case 0:  // a square whose bottom side bows outwards
      group(out, 92, 19);
      group(out, 72, 1);
      group(out, 73, 1);
      group(out, 93, 4);
      point(out, 10, x, y);
      group(out, 42, 0.5);
      point(out, 10, x + 8, y);
      group(out, 42, 0);
      point(out, 10, x + 8, y + 8);
      group(out, 42, 0);
      point(out, 10, x, y + 8);
      group(out, 42, 0);
      break;
    case 1:  // three sides and a half circle on top
      group(out, 92, 17);
      group(out, 93, 4);
      lineEdge(out, x, y, x + 8, y);
      lineEdge(out, x + 8, y, x + 8, y + 8);
      group(out, 72, 2);
      point(out, 10, x + 4, y + 8);
      group(out, 40, 4);
      group(out, 50, 0);
      group(out, 51, 180);
      group(out, 73, 1);
      lineEdge(out, x, y + 8, x, y);
      break;
    case 2:  // a whole ellipse
      group(out, 92, 17);
      group(out, 93, 1);
      group(out, 72, 3);
      point(out, 10, x + 4, y + 4);
      point(out, 11, 4, 0);
      group(out, 40, 0.5);
      group(out, 50, 0);
      group(out, 51, 360);
      group(out, 73, 1);
      break;
    default: {  // lines and a cubic spline
      group(out, 92, 17);
      group(out, 93, 4);
      lineEdge(out, x, y, x + 8, y);
      group(out, 72, 4);
      group(out, 94, 3);
      group(out, 73, 0);
      group(out, 74, 0);
      group(out, 95, 8);
      group(out, 96, 4);
      for (double knot : {0, 0, 0, 0, 1, 1, 1, 1}) group(out, 40, knot);
      point(out, 10, x + 8, y);
      point(out, 10, x + 9, y + 3);
      point(out, 10, x + 7, y + 6);
      point(out, 10, x + 4, y + 8);
      group(out, 97, 0);
      lineEdge(out, x + 4, y + 8, x, y + 8);
      lineEdge(out, x, y + 8, x, y);
      break;
    }
  }
  group(out, 97, 0);
}

}  // namespace

std::string hatchOfMixedLoops(int loops) {
  std::string out = "0\nSECTION\n2\nENTITIES\n0\nHATCH\n8\n0\n";
  point(out, 10, 0, 0);
  group(out, 30, 0);
  group(out, 210, 0);
  group(out, 220, 0);
  group(out, 230, 1);
  group(out, 2, "ANSI31");
  group(out, 70, 0);
  group(out, 71, 0);
  group(out, 91, loops);
  int columns = 32;
  for (int i = 0; i < loops; ++i) loop(out, i % 4, (i % columns) * kCell, (i / columns) * kCell);
  group(out, 75, 0);
  group(out, 76, 1);
  group(out, 52, 0);
  group(out, 41, 1);
  group(out, 77, 0);
  group(out, 78, 0);
  group(out, 98, 0);
  out += "0\nENDSEC\n0\nEOF\n";
  return out;
}

}  // namespace bench
