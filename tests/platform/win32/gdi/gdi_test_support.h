// A memory DC drawing into a white 32-bit top-down DIB section, for the GDI conformance tests.
#pragma once
#include <windows.h>

#include <cstdint>

namespace gditest {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  uint32_t* bits() const { return bits_; }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF pixel(int x, int y) const;  // from the live bits
  // The smallest rectangle holding every pixel that is not `background`; empty when there is none.
  RECT inkBox(COLORREF background = RGB(255, 255, 255)) const;
  int countPixels(COLORREF color) const;

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  uint32_t* bits_ = nullptr;
};

// A font from a face and height, deleted at scope end.
class ScopedFont {
 public:
  ScopedFont(const char16_t* face, int height, int weight = FW_NORMAL, bool italic = false, bool underline = false,
             bool strikeOut = false);
  ~ScopedFont() { DeleteObject(font_); }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

}  // namespace gditest
