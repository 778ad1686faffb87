// Pixels are 0x00RRGGBB words (a 32-bit DIB's B, G, R, X bytes); COLORREF is 0x00BBGGRR.
#pragma once
#include <cstdint>

#include "windef.h"

namespace win32 {

inline uint32_t ColorToPixel(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}
inline COLORREF PixelToColor(uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

// A monochrome surface holds black or white only; a colour turns white when it is light, as GDI maps it.
inline uint32_t ToMonochrome(uint32_t pixel) {
  int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return r * 30 + g * 59 + b * 11 >= 128 * 100 ? 0xFFFFFF : 0;
}

}  // namespace win32
