// MoveToEx, LineTo, Rectangle, PatBlt, SetPixel, GetPixel, IntersectClipRect, GetClipBox.
#include <algorithm>

#include "gdi/drawing_objects.h"
#include "gdi/line_drawing.h"
#include "gdi/pixel_color.h"
#include "gdi/pixel_writer.h"
#include "gdi/raster_ops.h"
#include "winbase.h"

using namespace win32;

extern "C" BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->state.position;
  dc->state.position = POINT{x, y};
  return TRUE;
}

extern "C" BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return FALSE;
  DrawLine(*dc, dc->state.position, POINT{x, y});
  dc->state.position = POINT{x, y};
  return TRUE;
}

// The pen's outline runs along the inside of [left, right) x [top, bottom); with the null pen the interior
// is one pixel smaller in each direction, as Windows documents.
extern "C" BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const LOGPEN& pen = dc->pen().logPen;
  bool nullPen = pen.lopnStyle == PS_NULL;
  if (std::optional<COLORREF> fill = dc->brushColor(dc->brush())) {
    RECT interior = nullPen ? RECT{left, top, right - 1, bottom - 1} : RECT{left + 1, top + 1, right - 1, bottom - 1};
    FillPixels(*dc, interior, *fill);
  }
  if (nullPen || right - left < 1 || bottom - top < 1) return TRUE;
  if (pen.lopnWidth.x > 1) {
    int w = pen.lopnWidth.x;
    // An inside-frame pen keeps within the box; others are centred on the one-pixel outline.
    bool inside = pen.lopnStyle == PS_INSIDEFRAME;
    RECT outer = inside ? RECT{left, top, right, bottom}
                        : RECT{left - (w - 1) / 2, top - (w - 1) / 2, right + w / 2, bottom + w / 2};
    COLORREF ink = dc->penColor();
    FillPixels(*dc, RECT{outer.left, outer.top, outer.right, outer.top + w}, ink);
    FillPixels(*dc, RECT{outer.left, outer.bottom - w, outer.right, outer.bottom}, ink);
    FillPixels(*dc, RECT{outer.left, outer.top, outer.left + w, outer.bottom}, ink);
    FillPixels(*dc, RECT{outer.right - w, outer.top, outer.right, outer.bottom}, ink);
    return TRUE;
  }
  if (right - left <= 2 || bottom - top <= 2) {  // all outline, no interior
    FillPixels(*dc, RECT{left, top, right, bottom}, dc->penColor());
    return TRUE;
  }
  POINT corners[5] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
  for (int i = 0; i < 4; ++i) DrawLine(*dc, corners[i], corners[i + 1]);
  return TRUE;
}

extern "C" BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || RopUsesSource(rop)) return FALSE;
  if (w < 0) {
    x += w;
    w = -w;
  }
  if (h < 0) {
    y += h;
    h = -h;
  }
  std::optional<COLORREF> brush = dc->brushColor(dc->brush());
  if (!brush && RopUsesPattern(rop)) return TRUE;  // a null brush paints nothing
  PixelWriter pixels(*dc);
  if (!pixels.ready()) return TRUE;
  uint32_t pattern = brush ? ColorToPixel(*brush) : 0;
  if (pixels.monochrome()) pattern = ToMonochrome(pattern);
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px)
      if (pixels.inside(px, py)) pixels.put(px, py, ApplyRop3(rop, pattern, 0, pixels.get(px, py)));
  return TRUE;
}

extern "C" COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  PixelWriter pixels(*dc);
  if (!pixels.ready() || !pixels.inside(x, y)) return CLR_INVALID;
  uint32_t value = ColorToPixel(color);
  if (pixels.monochrome()) value = ToMonochrome(value);
  pixels.put(x, y, value);
  return PixelToColor(value);
}

extern "C" COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !dc->surface()) return CLR_INVALID;
  RECT clip = dc->clipBox();
  if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return CLR_INVALID;
  dc->beginAccess();
  cairo_surface_t* surface = dc->surface();
  const uint8_t* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  return PixelToColor(reinterpret_cast<const uint32_t*>(row)[x]);
}

extern "C" int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return ERROR;
  RECT clip{left, top, right, bottom};
  if (dc->state.clip) {
    clip.left = std::max(clip.left, dc->state.clip->left);
    clip.top = std::max(clip.top, dc->state.clip->top);
    clip.right = std::min(clip.right, dc->state.clip->right);
    clip.bottom = std::min(clip.bottom, dc->state.clip->bottom);
  }
  if (clip.right <= clip.left || clip.bottom <= clip.top) clip = RECT{0, 0, 0, 0};
  dc->state.clip = clip;
  return clip.right > clip.left ? SIMPLEREGION : NULLREGION;
}

extern "C" int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !lprect) return ERROR;
  *lprect = dc->clipBox();
  return lprect->right > lprect->left && lprect->bottom > lprect->top ? SIMPLEREGION : NULLREGION;
}
