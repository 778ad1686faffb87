// The renderer's two passes over what the scope window shows, and pango alone on the same runs (the limit).
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>

#include <string>
#include <vector>

#include <windows.h>

#include "html/HtmlDrawer.h"
#include "qvwide.h"

namespace {

// An eight-line description as the module builds it for a line.
const std::u16string kDescription =
    u"<h4>Line</h4>\nLayer: Walls\nLinetype: ByLayer (Continuous)\nColour: ByLayer (red)\nLineweight: 0.25 mm\n"
    u"Length: 1234.5678\nAngle: 37\u00b0\nDelta X: 985.2109, Delta Y: 743.9927";

// About 100 KB of extender text: paragraphs and tables, with styles and entities.
std::u16string ExtenderText() {
  std::u16string text = u"<h4>Wall</h4>\n";
  for (int i = 0; text.size() < 100 * 1024; ++i) {
    text += FormatW(u"<b>Section %d</b> of the schedule &mdash; <i>checked</i> by the &quot;QA&quot; team.\n", i);
    text += u"<table border=1 cellpadding=2 bgeffect=vgradient bgcolor=#ffffff bgendcolor=#dde4ee>";
    for (int row = 0; row < 4; ++row) {
      text += FormatW(u"<tr><td><font color=navy>Item %d.%d</font></td><td align=right>%d.%02d m</td>"
                      u"<td>fire rating EI %d</td></tr>",
                      i, row, row * 7 + i, row * 13 % 100, 30 * (row + 1));
    }
    text += u"</table>\n";
  }
  return text;
}

struct Surface {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  Surface(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
  }
  ~Surface() {
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
};

void MeasureAndDraw(benchmark::State& state, const std::u16string& text, int width, int height) {
  Surface surface(width, height);
  CHtmlDrawer drawer;
  for (auto _ : state) {
    SIZE size{};
    drawer.MeasureText(surface.dc, text, size);
    drawer.DrawMeasuredText(surface.dc, RECT{0, 0, size.cx, size.cy});
    benchmark::DoNotOptimize(size);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size() * 2));
}

// Pango alone: one layout per run of text, measured and drawn, with the font of each run.
void PangoRuns(benchmark::State& state, const std::vector<std::pair<std::string, std::string>>& runs, int width,
               int height) {
  cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(target);
  // A font map of its own, released at the end: the platform checks at exit that cairo holds no fonts.
  PangoFontMap* fontMap = pango_cairo_font_map_new();
  PangoContext* context = pango_font_map_create_context(fontMap);
  pango_cairo_update_context(cr, context);
  PangoLayout* layout = pango_layout_new(context);
  for (auto _ : state) {
    int y = 0;
    for (const auto& [font, text] : runs) {
      PangoFontDescription* description = pango_font_description_from_string(font.c_str());
      pango_layout_set_font_description(layout, description);
      pango_font_description_free(description);
      pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
      int w = 0, h = 0;
      pango_layout_get_pixel_size(layout, &w, &h);
      cairo_move_to(cr, 0, y % height);
      pango_cairo_show_layout(cr, layout);
      y += h;
    }
    benchmark::DoNotOptimize(y);
  }
  g_object_unref(layout);
  g_object_unref(context);
  g_object_unref(fontMap);
  cairo_destroy(cr);
  cairo_surface_destroy(target);
}

std::vector<std::pair<std::string, std::string>> DescriptionRuns() {
  return {{"DejaVu Sans Bold 13px", "Line"},
          {"Liberation Sans 12px", "Layer: Walls"},
          {"Liberation Sans 12px", "Linetype: ByLayer (Continuous)"},
          {"Liberation Sans 12px", "Colour: ByLayer (red)"},
          {"Liberation Sans 12px", "Lineweight: 0.25 mm"},
          {"Liberation Sans 12px", "Length: 1234.5678"},
          {"Liberation Sans 12px", "Angle: 37\u00b0"},
          {"Liberation Sans 12px", "Delta X: 985.2109, Delta Y: 743.9927"}};
}

// The extender text's runs as pango would see them: every piece between tags, in its font.
std::vector<std::pair<std::string, std::string>> ExtenderRuns(const std::u16string& text) {
  std::vector<std::pair<std::string, std::string>> runs;
  size_t i = 0;
  while (i < text.size()) {
    const size_t open = text.find(u'<', i);
    const size_t end = open == std::u16string::npos ? text.size() : open;
    if (end > i) runs.emplace_back("DejaVu Sans 13px", WideToUtf8(text.substr(i, end - i)));
    if (open == std::u16string::npos) break;
    const size_t close = text.find(u'>', open);
    i = close == std::u16string::npos ? text.size() : close + 1;
  }
  return runs;
}

void BM_DescriptionMeasureAndDraw(benchmark::State& state) { MeasureAndDraw(state, kDescription, 320, 160); }
void BM_DescriptionPangoAlone(benchmark::State& state) { PangoRuns(state, DescriptionRuns(), 320, 160); }
void BM_ExtenderTextMeasureAndDraw(benchmark::State& state) { MeasureAndDraw(state, ExtenderText(), 600, 4096); }
void BM_ExtenderTextPangoAlone(benchmark::State& state) { PangoRuns(state, ExtenderRuns(ExtenderText()), 600, 4096); }

}  // namespace

BENCHMARK(BM_DescriptionMeasureAndDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DescriptionPangoAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExtenderTextMeasureAndDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtenderTextPangoAlone)->Unit(benchmark::kMillisecond);
