// Icons and cursors (HICON, HCURSOR): a colour image with either per-pixel alpha or an AND mask, drawn as
// Windows draws them (alpha blended, or AND with the mask then XOR with the colour).
#pragma once
#include <cstdint>
#include <vector>

#include "gdi/device_context.h"
#include "gdi/gdi_object.h"
#include "image_format/image_decode.h"

namespace win32 {

struct IconPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> color;  // 0xAARRGGBB, straight alpha (alpha used only when hasAlpha)
  std::vector<uint8_t> mask;    // 1: the screen shows through (or is inverted where the colour is not black)
  bool hasAlpha = false;

  static IconPixels FromDecoded(const DecodedImage& image);
  // Nearest-neighbour resampling, for icons asked for at another size.
  IconPixels resized(int cx, int cy) const;
};

struct Icon : GdiObject {
  static constexpr GdiKind Kind = GdiKind::Icon;
  IconPixels pixels;
  bool isIcon = true;
  int hotX = 0, hotY = 0;
  Icon() : GdiObject(Kind) {}
};

HICON AddIcon(IconPixels pixels, bool isIcon, int hotX, int hotY, bool shared);
// DI_MASK, DI_IMAGE or both (DI_NORMAL), stretched to width by height.
void DrawIconPixels(DeviceContext& dc, int x, int y, int width, int height, const IconPixels& icon, UINT flags);
// A bitmap of ARGB pixels: a 32-bit DIB section (alpha kept) or a device-dependent 32-bit bitmap.
HBITMAP BitmapFromArgb(int width, int height, const uint32_t* argb, bool dibSection);
// The pixels of any bitmap, with the alpha byte as stored.
std::vector<uint32_t> BitmapArgb(HBITMAP bitmap, int& width, int& height, int& bitsPerPixel);

constexpr int kIconSize = 32;  // SM_CXICON, SM_CYICON, SM_CXCURSOR, SM_CYCURSOR

}  // namespace win32
