// SelectObject, DeleteObject, GetStockObject, GetCurrentObject, GetObjectW.
#include <algorithm>
#include <cstring>

#include "gdi/bitmap.h"
#include "gdi/device_context.h"
#include "gdi/drawing_objects.h"
#include "gdi/font.h"
#include "gdi/object_selection.h"
#include "gdi/stock_objects.h"
#include "winbase.h"

using namespace win32;

extern "C" HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !FindGdiObject(h)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return SelectInto(*dc, h);
}

// An object selected into a DC is not deleted (the call fails); stock objects are never deleted.
extern "C" BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  GdiObject* object = FindGdiObject(ho);
  if (!object || object->kind == GdiKind::Dc || object->kind == GdiKind::Icon ||
      object->kind == GdiKind::ImageList) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (object->stock) return TRUE;
  if (object->selectCount > 0) return FALSE;
  RemoveGdiObject(ho);
  return TRUE;
}

extern "C" HGDIOBJ WINAPI GetStockObject(int i) { return StockObject(i); }

extern "C" HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_FONT:
      return dc->state.font;
    case OBJ_PEN:
      return dc->state.pen;
    case OBJ_BRUSH:
      return dc->state.brush;
    case OBJ_BITMAP:
      return dc->state.bitmap;
    default:
      return nullptr;
  }
}

namespace {

template <typename T>
int copyOut(const T& record, int c, LPVOID pv) {
  if (!pv) return sizeof(T);
  int size = std::min<int>(c, sizeof(T));
  if (size <= 0) return 0;
  std::memcpy(pv, &record, size);
  return size;
}

BITMAP bitmapRecord(const Bitmap& bitmap) {
  BITMAP bm{};
  bm.bmWidth = bitmap.width;
  bm.bmHeight = bitmap.height;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(bitmap.bitsPerPixel);
  bm.bmWidthBytes = bitmap.dibSection ? bitmap.dibStride() : (bitmap.width * bitmap.bitsPerPixel + 15) / 16 * 2;
  bm.bmBits = bitmap.dibBits;
  return bm;
}

int bitmapObject(const Bitmap& bitmap, int c, LPVOID pv) {
  if (bitmap.dibSection && (c >= static_cast<int>(sizeof(DIBSECTION)) || !pv)) {
    if (!pv) return sizeof(BITMAP);
    DIBSECTION section{};
    section.dsBm = bitmapRecord(bitmap);
    section.dsBmih = bitmap.dibHeader;
    return copyOut(section, c, pv);
  }
  if (pv && c < static_cast<int>(sizeof(BITMAP))) return 0;
  return copyOut(bitmapRecord(bitmap), c, pv);
}

}  // namespace

// A null buffer asks for the size; a short buffer gets what fits (a bitmap needs a whole BITMAP).
extern "C" int WINAPI GetObjectW(HANDLE h, int c, LPVOID pv) {
  GdiObject* object = FindGdiObject(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (object->kind) {
    case GdiKind::Font:
      return copyOut(static_cast<Font*>(object)->logFont, c, pv);
    case GdiKind::Pen:
      return copyOut(static_cast<Pen*>(object)->logPen, c, pv);
    case GdiKind::Brush:
      return copyOut(static_cast<Brush*>(object)->logBrush, c, pv);
    case GdiKind::Bitmap:
      return bitmapObject(*static_cast<Bitmap*>(object), c, pv);
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
  }
}
