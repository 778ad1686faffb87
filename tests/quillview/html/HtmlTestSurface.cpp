#include "HtmlTestSurface.h"

#include <winuser.h>

#include <algorithm>

HtmlTestSurface::HtmlTestSurface(int width, int height) : m_dc(CreateCompatibleDC(nullptr)), m_width(width), m_height(height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_bits = static_cast<BYTE*>(bits);
  m_previous = SelectObject(m_dc, m_bitmap);
  Clear();
}

HtmlTestSurface::~HtmlTestSurface() {
  SelectObject(m_dc, m_previous);
  DeleteDC(m_dc);
  DeleteObject(m_bitmap);
}

COLORREF HtmlTestSurface::Pixel(int x, int y) const {
  GdiFlush();
  const BYTE* p = m_bits + (static_cast<size_t>(y) * m_width + x) * 4;
  return RGB(p[2], p[1], p[0]);
}

void HtmlTestSurface::Clear(COLORREF colour) {
  const RECT all{0, 0, m_width, m_height};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(m_dc, &all, brush);
  DeleteObject(brush);
}

int HtmlTestSurface::CountNot(COLORREF colour, const RECT& area) const {
  int count = 0;
  for (int y = std::max<LONG>(0, area.top); y < std::min<LONG>(m_height, area.bottom); ++y)
    for (int x = std::max<LONG>(0, area.left); x < std::min<LONG>(m_width, area.right); ++x)
      if (Pixel(x, y) != colour) ++count;
  return count;
}

RECT HtmlTestSurface::InkBox(COLORREF colour) const {
  RECT box{m_width, m_height, -1, -1};
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x)
      if (Pixel(x, y) != colour) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x);
        box.bottom = std::max<LONG>(box.bottom, y);
      }
  return box;
}

SIZE HtmlTestSurface::Measure(CHtmlDrawer& drawer, const std::u16string& text) {
  SIZE size{};
  drawer.MeasureText(m_dc, text, size);
  return size;
}

SIZE HtmlTestSurface::Render(CHtmlDrawer& drawer, const std::u16string& text) {
  const SIZE size = Measure(drawer, text);
  drawer.DrawMeasuredText(m_dc, RECT{0, 0, size.cx, size.cy});
  return size;
}

SIZE HtmlTestSurface::TextExtent(const std::u16string& text, int cellHeight, const char16_t* face, int weight,
                                 bool italic) {
  HFONT font = CreateFontW(cellHeight, 0, 0, 0, weight, italic, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
  HGDIOBJ previous = SelectObject(m_dc, font);
  SIZE size{};
  GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(m_dc, previous);
  DeleteObject(font);
  return size;
}

TEXTMETRICW HtmlTestSurface::Metrics(int cellHeight, const char16_t* face, int weight) {
  HFONT font = CreateFontW(cellHeight, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
  HGDIOBJ previous = SelectObject(m_dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(m_dc, &metrics);
  SelectObject(m_dc, previous);
  DeleteObject(font);
  return metrics;
}
