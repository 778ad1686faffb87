// A white 32-bit surface in a memory DC for the renderer's tests, with pixel and font helpers.
#pragma once
#include <windows.h>

#include <string>

#include "html/HtmlDrawer.h"

class HtmlTestSurface {
 public:
  HtmlTestSurface(int width = 400, int height = 200);
  ~HtmlTestSurface();
  HtmlTestSurface(const HtmlTestSurface&) = delete;
  HtmlTestSurface& operator=(const HtmlTestSurface&) = delete;

  HDC Dc() const { return m_dc; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  COLORREF Pixel(int x, int y) const;
  void Clear(COLORREF colour = RGB(255, 255, 255));
  // Pixels within the rectangle that differ from colour.
  int CountNot(COLORREF colour, const RECT& area) const;
  int CountNot(COLORREF colour) const { return CountNot(colour, RECT{0, 0, m_width, m_height}); }
  // The leftmost and rightmost columns, topmost and bottom rows holding a pixel other than colour.
  RECT InkBox(COLORREF colour = RGB(255, 255, 255)) const;

  SIZE Measure(CHtmlDrawer& drawer, const std::u16string& text);
  // Measures, then draws into (0, 0, measured size); returns the measured size.
  SIZE Render(CHtmlDrawer& drawer, const std::u16string& text);
  // The extent of text in a font of that cell height, weight and face, as GDI measures it.
  SIZE TextExtent(const std::u16string& text, int cellHeight, const char16_t* face = u"Verdana", int weight = FW_NORMAL,
                  bool italic = false);
  TEXTMETRICW Metrics(int cellHeight, const char16_t* face = u"Verdana", int weight = FW_NORMAL);

 private:
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_previous;
  BYTE* m_bits = nullptr;
  int m_width;
  int m_height;
};
