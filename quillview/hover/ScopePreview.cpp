// The published preview: a whole scope window painted into a bitmap, frame and background included.
#include <windows.h>

#include "host/QuillviewApp.h"
#include "html/HtmlDrawer.h"
#include "hover/ScopePainting.h"
#include "quillview/QuillviewApi.h"

namespace {

// A memory DC that deletes itself and puts back what was selected into it.
class MemoryDc {
 public:
  MemoryDc() : m_dc(CreateCompatibleDC(nullptr)) {}
  ~MemoryDc() {
    if (m_previous != nullptr) SelectObject(m_dc, m_previous);
    if (m_dc != nullptr) DeleteDC(m_dc);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Handle() const { return m_dc; }
  void Select(HBITMAP bitmap) { m_previous = SelectObject(m_dc, bitmap); }

 private:
  HDC m_dc;
  HGDIOBJ m_previous = nullptr;
};

HBITMAP CreateWindowBitmap(HDC dc, SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// What Windows paints around and under the client area: the thin border and the class's tooltip brush.
void PaintFrameAndBackground(HDC dc, SIZE size) {
  const RECT window{0, 0, size.cx, size.cy};
  FrameRect(dc, &window, GetSysColorBrush(COLOR_WINDOWFRAME));
  RECT client = window;
  InflateRect(&client, -1, -1);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
}

}  // namespace

QUILLVIEW_EXPORT HBITMAP QuillviewRenderScope(const WCHAR* markup, const LOGFONTW* font, const WCHAR* styleSheet,
                                              int maxWidth, SIZE* measured) {
  if (markup == nullptr || measured == nullptr || maxWidth < 0) return nullptr;
  MemoryDc dc;
  if (dc.Handle() == nullptr) return nullptr;
  const LOGFONTW chosen = font != nullptr ? *font : CQuillviewApp::DefaultFont();
  HFONT scopeFont = CreateFontIndirectW(&chosen);

  CHtmlDrawer drawer;
  ApplyScopeFont(drawer, chosen, dc.Handle());
  if (styleSheet != nullptr) drawer.SetStyleSheet(styleSheet);
  drawer.SetMaxWidth(maxWidth);
  const SIZE window = MeasureScopeWindow(drawer, dc.Handle(), markup, *measured);

  HBITMAP bitmap = CreateWindowBitmap(dc.Handle(), window);
  if (bitmap != nullptr) {
    dc.Select(bitmap);
    PaintFrameAndBackground(dc.Handle(), window);
    const RECT client{1, 1, window.cx - 1, window.cy - 1};
    PaintScopeClient(drawer, dc.Handle(), scopeFont, client);
  }
  if (scopeFont != nullptr) DeleteObject(scopeFont);
  return bitmap;
}
