#include "gdi/icon.h"

#include <algorithm>
#include <memory>

#include "gdi/bitmap.h"
#include "gdi/pixel_writer.h"
#include "winuser.h"

namespace win32 {

IconPixels IconPixels::FromDecoded(const DecodedImage& image) {
  IconPixels icon;
  icon.width = image.width;
  icon.height = image.height;
  icon.hasAlpha = image.hasAlpha;
  icon.color.resize(image.argb.size());
  icon.mask.resize(image.argb.size());
  for (size_t i = 0; i < image.argb.size(); ++i) {
    uint32_t p = image.argb[i];
    bool transparent = (p >> 24) == 0;
    icon.mask[i] = transparent;
    icon.color[i] = transparent ? 0 : p;
  }
  return icon;
}

IconPixels IconPixels::resized(int cx, int cy) const {
  if (cx == width && cy == height) return *this;
  IconPixels out;
  out.width = cx;
  out.height = cy;
  out.hasAlpha = hasAlpha;
  out.color.resize(static_cast<size_t>(cx) * cy);
  out.mask.resize(static_cast<size_t>(cx) * cy);
  for (int y = 0; y < cy; ++y) {
    int sy = y * height / cy;
    for (int x = 0; x < cx; ++x) {
      int sx = x * width / cx;
      out.color[y * cx + x] = color[sy * width + sx];
      out.mask[y * cx + x] = mask[sy * width + sx];
    }
  }
  return out;
}

HICON AddIcon(IconPixels pixels, bool isIcon, int hotX, int hotY, bool shared) {
  auto icon = std::make_unique<Icon>();
  icon->pixels = std::move(pixels);
  icon->isIcon = isIcon;
  icon->hotX = hotX;
  icon->hotY = hotY;
  icon->stock = shared;
  return AddGdi<HICON>(std::move(icon));
}

void DrawIconPixels(DeviceContext& dc, int x, int y, int width, int height, const IconPixels& icon, UINT flags) {
  PixelWriter pixels(dc);
  if (!pixels.ready() || width <= 0 || height <= 0) return;
  bool useMask = flags & DI_MASK, useImage = flags & DI_IMAGE;
  for (int j = 0; j < height; ++j) {
    int sy = j * icon.height / height;
    for (int i = 0; i < width; ++i) {
      int tx = x + i, ty = y + j;
      if (!pixels.inside(tx, ty)) continue;
      size_t s = static_cast<size_t>(sy) * icon.width + i * icon.width / width;
      uint32_t color = icon.color[s];
      uint32_t d = pixels.get(tx, ty);
      uint32_t out;
      if (useMask && useImage && icon.hasAlpha) {
        uint32_t a = color >> 24;
        out = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
          uint32_t value = (((color >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a) + 127) / 255;
          out |= value << shift;
        }
      } else if (useMask && useImage) {
        out = ((icon.mask[s] ? d : 0) ^ color) & 0xFFFFFF;
      } else if (useMask) {
        out = icon.mask[s] ? 0xFFFFFF : 0;
      } else {
        out = color & 0xFFFFFF;
      }
      pixels.put(tx, ty, out);
    }
  }
}

HBITMAP BitmapFromArgb(int width, int height, const uint32_t* argb, bool dibSection) {
  std::unique_ptr<Bitmap> bitmap;
  if (dibSection) {
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap = std::make_unique<Bitmap>(header);
  } else {
    bitmap = std::make_unique<Bitmap>(width, height, 32);
  }
  if (!bitmap->valid()) return nullptr;
  for (int y = 0; y < height; ++y) std::copy(argb + y * width, argb + (y + 1) * width, bitmap->row(y));
  cairo_surface_mark_dirty(bitmap->surface);
  bitmap->endWrite();
  return AddGdi<HBITMAP>(std::move(bitmap));
}

std::vector<uint32_t> BitmapArgb(HBITMAP handle, int& width, int& height, int& bitsPerPixel) {
  Bitmap* bitmap = FindGdi<Bitmap>(handle);
  if (!bitmap) return {};
  bitmap->beginAccess();
  width = bitmap->width;
  height = bitmap->height;
  bitsPerPixel = bitmap->bitsPerPixel;
  std::vector<uint32_t> argb(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) std::copy(bitmap->row(y), bitmap->row(y) + width, argb.begin() + y * width);
  return argb;
}

}  // namespace win32
