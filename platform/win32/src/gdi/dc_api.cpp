// CreateCompatibleDC, DeleteDC, SaveDC, RestoreDC, GetDeviceCaps, GetObjectType.
#include "gdi/bitmap.h"
#include "gdi/device_context.h"
#include "gdi/object_selection.h"
#include "winbase.h"

using namespace win32;

extern "C" HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !FindDc(hdc)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return CreateMemoryDc();
}

extern "C" BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || dc->stock) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  ReleaseSelections(*dc);
  RemoveGdiObject(hdc);
  return TRUE;
}

extern "C" int WINAPI SaveDC(HDC hdc) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return 0;
  dc->saved.push_back(dc->state);
  return static_cast<int>(dc->saved.size());
}

// A negative level counts back from the latest save; a positive one names the SaveDC result to return to.
extern "C" BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return FALSE;
  int count = static_cast<int>(dc->saved.size());
  int level = nSavedDC < 0 ? count + 1 + nSavedDC : nSavedDC;
  if (nSavedDC == 0 || level < 1 || level > count) return FALSE;
  DcState state = dc->saved[level - 1];
  dc->saved.resize(level - 1);
  RestoreState(*dc, state);
  return TRUE;
}

extern "C" int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!FindDc(hdc)) return 0;
  switch (index) {
    case HORZRES:
      return ScreenWidth();
    case VERTRES:
      return ScreenHeight();
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    default:
      return 0;
  }
}

extern "C" DWORD WINAPI GetObjectType(HGDIOBJ h) {
  GdiObject* object = FindGdiObject(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (object->kind) {
    case GdiKind::Dc:
      return static_cast<DeviceContext*>(object)->dcKind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
    case GdiKind::Font:
      return OBJ_FONT;
    case GdiKind::Pen:
      return OBJ_PEN;
    case GdiKind::Brush:
      return OBJ_BRUSH;
    case GdiKind::Bitmap:
      return OBJ_BITMAP;
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
  }
}
