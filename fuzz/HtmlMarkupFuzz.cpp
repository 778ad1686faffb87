// Feeds markup and style sheets to the renderer: first byte the maximum width, then a style sheet up to the
// first NUL, then the markup; both passes run, into a small surface, as the scope window would.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <windows.h>

#include "html/HtmlDrawer.h"
#include "qvwide.h"

namespace {

// One surface for every run: the renderer must leave the device context as it found it.
struct Surface {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  Surface() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 256, -128, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Surface surface;
  if (size == 0) return 0;
  std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t cut = input.find('\0');
  const std::u16string sheet = Utf8ToWide(input.substr(0, cut));
  const std::u16string markup = cut == std::string_view::npos ? std::u16string() : Utf8ToWide(input.substr(cut + 1));

  CHtmlDrawer drawer;
  drawer.SetStyleSheet(sheet);
  drawer.SetMaxWidth(data[0] * 4);
  SIZE size2d{};
  drawer.MeasureText(surface.dc, markup, size2d);
  drawer.DrawMeasuredText(surface.dc, RECT{0, 0, 256, 128});
  return 0;
}
