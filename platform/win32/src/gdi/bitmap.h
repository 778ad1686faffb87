// A bitmap (HBITMAP): a cairo image surface of 0x00RRGGBB pixels. A DIB section also has the caller's pixel
// memory; when its layout is the surface's (32 bits, top-down) they are one, otherwise GDI copies in before
// and out after every operation, so the bits are always live.
#pragma once
#include <cairo.h>

#include <cstdint>

#include "gdi/gdi_object.h"
#include "wingdi.h"

namespace win32 {

struct DeviceContext;

struct Bitmap : GdiObject {
  static constexpr GdiKind Kind = GdiKind::Bitmap;
  int width;
  int height;
  int bitsPerPixel;  // 1 (monochrome), 24 or 32
  cairo_surface_t* surface = nullptr;
  DeviceContext* selectedInto = nullptr;

  bool dibSection = false;
  BITMAPINFOHEADER dibHeader{};
  uint8_t* dibBits = nullptr;  // the caller's pixel memory (DIB sections only)

  // A device-dependent bitmap, all black.
  Bitmap(int width, int height, int bitsPerPixel);
  // A DIB section of the header's layout (32 or 24 bits), zeroed.
  explicit Bitmap(const BITMAPINFOHEADER& header);
  ~Bitmap() override;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  bool valid() const { return surface != nullptr; }
  bool monochrome() const { return bitsPerPixel == 1; }
  uint32_t* row(int y);
  int dibStride() const;
  // Before GDI reads or draws: the DIB bits into the surface.
  void beginAccess();
  // After GDI drew: monochrome stays black and white, and the surface goes out to the DIB bits.
  void endWrite();

 private:
  bool bitsAreSurface_ = false;
};

}  // namespace win32
