// CreateCompatibleBitmap, CreateBitmap, CreateDIBSection, GetDIBits, SetDIBitsToDevice, GdiFlush.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "gdi/bitmap.h"
#include "gdi/device_context.h"
#include "gdi/dib_rows.h"
#include "gdi/stock_objects.h"
#include "winbase.h"

using namespace win32;

namespace {

HBITMAP addBitmap(std::unique_ptr<Bitmap> bitmap) {
  if (!bitmap->valid()) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return AddGdi<HBITMAP>(std::move(bitmap));
}

void loadDeviceBits(Bitmap& bitmap, const uint8_t* bits) {
  int stride = (bitmap.width * bitmap.bitsPerPixel + 15) / 16 * 2;  // device-dependent rows are word-aligned
  for (int y = 0; y < bitmap.height; ++y) {
    const uint8_t* source = bits + y * stride;
    uint32_t* target = bitmap.row(y);
    for (int x = 0; x < bitmap.width; ++x) {
      if (bitmap.bitsPerPixel == 1) target[x] = (source[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0;
      else if (bitmap.bitsPerPixel == 24) target[x] = source[3 * x] | source[3 * x + 1] << 8 | source[3 * x + 2] << 16;
      else target[x] = source[4 * x] | source[4 * x + 1] << 8 | source[4 * x + 2] << 16 | source[4 * x + 3] << 24;
    }
  }
  cairo_surface_mark_dirty(bitmap.surface);
}

}  // namespace

extern "C" HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
  if (nWidth < 0 || nHeight < 0 || nPlanes != 1 || (nBitCount != 1 && nBitCount != 24 && nBitCount != 32)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (nWidth == 0 || nHeight == 0) return DefaultBitmap();
  auto bitmap = std::make_unique<Bitmap>(nWidth, nHeight, static_cast<int>(nBitCount));
  if (bitmap->valid() && lpBits) loadDeviceBits(*bitmap, static_cast<const uint8_t*>(lpBits));
  return addBitmap(std::move(bitmap));
}

// Compatible with a memory DC is the format of its selected bitmap, so a DC holding its monochrome default
// gives monochrome bitmaps, as on Windows.
extern "C" HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (cx == 0 || cy == 0) return DefaultBitmap();
  Bitmap* selected = dc->bitmap();
  int bpp = selected && selected->monochrome() ? 1 : 32;
  return addBitmap(std::make_unique<Bitmap>(cx, cy, bpp));
}

extern "C" HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE,
                                           DWORD) {
  if (ppvBits) *ppvBits = nullptr;
  if (hdc && !FindDc(hdc)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!pbmi || usage != DIB_RGB_COLORS || !DibFormatSupported(pbmi->bmiHeader) ||
      (pbmi->bmiHeader.biBitCount != 24 && pbmi->bmiHeader.biBitCount != 32)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto bitmap = std::make_unique<Bitmap>(pbmi->bmiHeader);
  uint8_t* bits = bitmap->dibBits;
  HBITMAP handle = addBitmap(std::move(bitmap));
  if (handle && ppvBits) *ppvBits = bits;
  return handle;
}

extern "C" BOOL WINAPI GdiFlush(void) { return TRUE; }  // GDI writes through to the bits at once

// A null lpvBits fills in the header (biBitCount 0: the bitmap's own format); otherwise the scans from `start`
// (counted from the bottom for a bottom-up request) are converted into lpvBits.
extern "C" int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
                                UINT usage) {
  Bitmap* bitmap = FindGdi<Bitmap>(hbm);
  if (!FindDc(hdc) || !bitmap || !lpbmi || usage != DIB_RGB_COLORS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  BITMAPINFOHEADER& header = lpbmi->bmiHeader;
  if (!lpvBits) {
    if (header.biBitCount == 0) {
      header.biWidth = bitmap->width;
      header.biHeight = bitmap->height;
      header.biPlanes = 1;
      header.biBitCount = static_cast<WORD>(bitmap->bitsPerPixel == 1 ? 1 : 32);
      header.biCompression = BI_RGB;
    }
    header.biSizeImage = static_cast<DWORD>(DibStride(header.biWidth, header.biBitCount) * std::abs(header.biHeight));
    return static_cast<int>(bitmap->height);
  }
  if (header.biWidth != bitmap->width || !DibFormatSupported(header) || header.biBitCount == 4 ||
      header.biBitCount == 8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (header.biBitCount == 1) {
    RGBQUAD* colors = lpbmi->bmiColors;
    colors[0] = RGBQUAD{0, 0, 0, 0};
    colors[1] = RGBQUAD{255, 255, 255, 0};
  }
  bitmap->beginAccess();
  bool topDown = header.biHeight < 0;
  int scans = std::min<int>(static_cast<int>(cLines), bitmap->height - static_cast<int>(start));
  for (int i = 0; i < scans; ++i) {
    int scan = static_cast<int>(start) + i;
    int y = topDown ? scan : bitmap->height - 1 - scan;
    const uint32_t* row = bitmap->row(y);
    for (int x = 0; x < bitmap->width; ++x)
      WriteDibPixel(*lpbmi, static_cast<uint8_t*>(lpvBits), x, i, row[x] & 0xFFFFFF);
  }
  return std::max(scans, 0);
}

extern "C" int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc,
                                        UINT StartScan, UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi,
                                        UINT ColorUse) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !lpvBits || !lpbmi || ColorUse != DIB_RGB_COLORS || !DibFormatSupported(lpbmi->bmiHeader)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!dc->surface()) return static_cast<int>(cLines);
  const BITMAPINFOHEADER& header = lpbmi->bmiHeader;
  bool topDown = header.biHeight < 0;
  int dibHeight = std::abs(header.biHeight);
  RECT clip = dc->clipBox();
  dc->beginAccess();
  cairo_surface_t* target = dc->surface();
  uint8_t* data = cairo_image_surface_get_data(target);
  int stride = cairo_image_surface_get_stride(target);
  const uint8_t* bits = static_cast<const uint8_t*>(lpvBits);
  for (int dy = 0; dy < static_cast<int>(h); ++dy) {
    int ty = yDest + dy;
    if (ty < clip.top || ty >= clip.bottom) continue;
    // Source rows count from the DIB's origin: the bottom-left corner of a bottom-up DIB.
    int scan = topDown ? ySrc + dy : ySrc + static_cast<int>(h) - 1 - dy;
    if (scan < 0 || scan >= dibHeight) continue;
    if (scan < static_cast<int>(StartScan) || scan >= static_cast<int>(StartScan + cLines)) continue;
    uint32_t* row = reinterpret_cast<uint32_t*>(data + ty * stride);
    for (int dx = 0; dx < static_cast<int>(w); ++dx) {
      int tx = xDest + dx, sx = xSrc + dx;
      if (tx < clip.left || tx >= clip.right || sx < 0 || sx >= header.biWidth) continue;
      row[tx] = ReadDibPixel(*lpbmi, bits, sx, scan - static_cast<int>(StartScan)) & 0xFFFFFF;
    }
  }
  cairo_surface_mark_dirty(target);
  dc->endWrite();
  return static_cast<int>(cLines);
}
