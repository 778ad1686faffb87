// CreateIconIndirect, GetIconInfo, CopyIcon, DrawIconEx, DrawIcon, DestroyIcon, DestroyCursor.
#include <memory>

#include "gdi/bitmap.h"
#include "gdi/drawing_objects.h"
#include "gdi/icon.h"
#include "gdi/line_drawing.h"
#include "winbase.h"
#include "winuser.h"

using namespace win32;

namespace {

// A monochrome bitmap of the mask: white (1) where the screen shows through.
HBITMAP maskBitmap(const IconPixels& icon) {
  auto bitmap = std::make_unique<Bitmap>(icon.width, icon.height, 1);
  if (!bitmap->valid()) return nullptr;
  for (int y = 0; y < icon.height; ++y)
    for (int x = 0; x < icon.width; ++x) bitmap->row(y)[x] = icon.mask[y * icon.width + x] ? 0xFFFFFF : 0;
  cairo_surface_mark_dirty(bitmap->surface);
  return AddGdi<HBITMAP>(std::move(bitmap));
}

}  // namespace

// Without a colour bitmap the mask is twice as high: the AND mask above the XOR image, as Windows takes it.
extern "C" HICON WINAPI CreateIconIndirect(PICONINFO piconinfo) {
  int maskWidth = 0, maskHeight = 0, maskBits = 0;
  std::vector<uint32_t> mask = piconinfo ? BitmapArgb(piconinfo->hbmMask, maskWidth, maskHeight, maskBits)
                                         : std::vector<uint32_t>();
  if (mask.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  IconPixels icon;
  int colorWidth = 0, colorHeight = 0, colorBits = 0;
  std::vector<uint32_t> color;
  if (piconinfo->hbmColor) {
    color = BitmapArgb(piconinfo->hbmColor, colorWidth, colorHeight, colorBits);
    if (color.empty() || colorWidth != maskWidth || colorHeight > maskHeight) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
  } else {
    colorWidth = maskWidth;
    colorHeight = maskHeight / 2;
    color.assign(mask.begin() + static_cast<size_t>(colorHeight) * maskWidth, mask.end());
    mask.resize(static_cast<size_t>(colorHeight) * maskWidth);
  }
  icon.width = colorWidth;
  icon.height = colorHeight;
  icon.color.resize(color.size());
  icon.mask.resize(color.size());
  for (size_t i = 0; i < color.size(); ++i) {
    icon.color[i] = colorBits == 32 ? color[i] : color[i] & 0xFFFFFF;
    icon.mask[i] = (mask[i] & 0xFFFFFF) != 0;
    if (colorBits == 32 && (color[i] >> 24) != 0) icon.hasAlpha = true;
  }
  if (!icon.hasAlpha)
    for (uint32_t& c : icon.color) c |= 0xFF000000;
  bool isIcon = piconinfo->fIcon;
  int hotX = isIcon ? icon.width / 2 : static_cast<int>(piconinfo->xHotspot);
  int hotY = isIcon ? icon.height / 2 : static_cast<int>(piconinfo->yHotspot);
  return AddIcon(std::move(icon), isIcon, hotX, hotY, false);
}

// The caller owns the two bitmaps it gets.
extern "C" BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo) {
  Icon* icon = FindGdi<Icon>(hIcon);
  if (!icon || !piconinfo) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  piconinfo->fIcon = icon->isIcon;
  piconinfo->xHotspot = static_cast<DWORD>(icon->hotX);
  piconinfo->yHotspot = static_cast<DWORD>(icon->hotY);
  piconinfo->hbmMask = maskBitmap(icon->pixels);
  std::vector<uint32_t> color = icon->pixels.color;
  if (!icon->pixels.hasAlpha)
    for (uint32_t& c : color) c &= 0xFFFFFF;
  piconinfo->hbmColor = BitmapFromArgb(icon->pixels.width, icon->pixels.height, color.data(), false);
  return TRUE;
}

extern "C" HICON WINAPI CopyIcon(HICON hIcon) {
  Icon* icon = FindGdi<Icon>(hIcon);
  if (!icon) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return AddIcon(icon->pixels, icon->isIcon, icon->hotX, icon->hotY, false);
}

// A zero size is the icon's own, or the system icon size with DI_DEFAULTSIZE; a flicker-free brush fills the
// box first, as the off-screen copy Windows paints through would be.
extern "C" BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT,
                                  HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
  DeviceContext* dc = FindDc(hdc);
  Icon* icon = FindGdi<Icon>(hIcon);
  if (!dc || !icon) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  int width = cxWidth ? cxWidth : diFlags & DI_DEFAULTSIZE ? kIconSize : icon->pixels.width;
  int height = cyWidth ? cyWidth : diFlags & DI_DEFAULTSIZE ? kIconSize : icon->pixels.height;
  if (Brush* brush = FindGdi<Brush>(hbrFlickerFreeDraw)) {
    if (std::optional<COLORREF> color = dc->brushColor(*brush))
      FillPixels(*dc, RECT{xLeft, yTop, xLeft + width, yTop + height}, *color);
  }
  UINT parts = diFlags & DI_NORMAL;
  DrawIconPixels(*dc, xLeft, yTop, width, height, icon->pixels, parts ? parts : DI_NORMAL);
  return TRUE;
}

extern "C" BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
  return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

// Shared icons (LoadIcon, LoadCursor, LR_SHARED) belong to the system and stay.
extern "C" BOOL WINAPI DestroyIcon(HICON hIcon) {
  Icon* icon = FindGdi<Icon>(hIcon);
  if (!icon) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!icon->stock) RemoveGdiObject(hIcon);
  return TRUE;
}

extern "C" BOOL WINAPI DestroyCursor(HCURSOR hCursor) { return DestroyIcon(hCursor); }
