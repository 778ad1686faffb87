#include "gdi/bitmap.h"

#include <cstdlib>
#include <cstring>

#include "gdi/pixel_color.h"

namespace win32 {

Bitmap::Bitmap(int w, int h, int bpp) : GdiObject(Kind), width(w), height(h), bitsPerPixel(bpp) {
  surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    surface = nullptr;
  }
}

Bitmap::Bitmap(const BITMAPINFOHEADER& header)
    : GdiObject(Kind), width(header.biWidth), height(std::abs(header.biHeight)), bitsPerPixel(header.biBitCount) {
  dibSection = true;
  dibHeader = header;
  dibHeader.biSizeImage = static_cast<DWORD>(dibStride()) * height;
  dibBits = static_cast<uint8_t*>(std::calloc(1, dibHeader.biSizeImage ? dibHeader.biSizeImage : 1));
  if (!dibBits) return;
  bitsAreSurface_ = bitsPerPixel == 32 && header.biHeight < 0;
  surface = bitsAreSurface_ ? cairo_image_surface_create_for_data(dibBits, CAIRO_FORMAT_RGB24, width, height, width * 4)
                            : cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    surface = nullptr;
  }
}

Bitmap::~Bitmap() {
  if (surface) cairo_surface_destroy(surface);
  std::free(dibBits);
}

uint32_t* Bitmap::row(int y) {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface));
}

int Bitmap::dibStride() const { return (width * bitsPerPixel + 31) / 32 * 4; }

void Bitmap::beginAccess() {
  cairo_surface_flush(surface);
  if (!dibSection || bitsAreSurface_) return;
  int stride = dibStride();
  for (int y = 0; y < height; ++y) {
    const uint8_t* source = dibBits + (dibHeader.biHeight < 0 ? y : height - 1 - y) * stride;
    uint32_t* target = row(y);
    if (bitsPerPixel == 32) {
      std::memcpy(target, source, width * 4);
    } else {
      for (int x = 0; x < width; ++x) target[x] = source[3 * x] | source[3 * x + 1] << 8 | source[3 * x + 2] << 16;
    }
  }
  cairo_surface_mark_dirty(surface);
}

void Bitmap::endWrite() {
  cairo_surface_flush(surface);
  if (monochrome()) {
    for (int y = 0; y < height; ++y) {
      uint32_t* pixels = row(y);
      for (int x = 0; x < width; ++x) pixels[x] = ToMonochrome(pixels[x]);
    }
  }
  cairo_surface_mark_dirty(surface);
  if (!dibSection || bitsAreSurface_) return;
  int stride = dibStride();
  for (int y = 0; y < height; ++y) {
    uint8_t* target = dibBits + (dibHeader.biHeight < 0 ? y : height - 1 - y) * stride;
    const uint32_t* source = row(y);
    if (bitsPerPixel == 32) {
      std::memcpy(target, source, width * 4);
    } else {
      for (int x = 0; x < width; ++x) {
        target[3 * x] = source[x] & 0xFF;
        target[3 * x + 1] = (source[x] >> 8) & 0xFF;
        target[3 * x + 2] = (source[x] >> 16) & 0xFF;
      }
    }
  }
}

}  // namespace win32
