#include "gdi/bitmap.h"
#include "gdi/pixel_color.h"
#include "qvgdi.h"
#include "wingdi.h"

namespace win32sim {

bool SaveBitmapPng(HBITMAP handle, const char* utf8Path) {
  win32::Bitmap* bitmap = win32::FindGdi<win32::Bitmap>(handle);
  if (!bitmap || !utf8Path) return false;
  bitmap->beginAccess();
  return cairo_surface_write_to_png(bitmap->surface, utf8Path) == CAIRO_STATUS_SUCCESS;
}

COLORREF BitmapPixel(HBITMAP handle, int x, int y) {
  win32::Bitmap* bitmap = win32::FindGdi<win32::Bitmap>(handle);
  if (!bitmap || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height) return CLR_INVALID;
  bitmap->beginAccess();
  return win32::PixelToColor(bitmap->row(y)[x]);
}

}  // namespace win32sim
