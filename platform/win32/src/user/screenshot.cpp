// win32sim::SaveScreenshotPng, ScreenPixel: the visible windows composited bottom to top over the desktop
// colour, each child clipped to its parent's client area, and the arrow cursor on top.
#include <cairo.h>

#include "gdi/device_context.h"
#include "qvgdi.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

void SetColour(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// clip: the screen area the window may cover, in image coordinates.
void Compose(cairo_t* cr, HWND hwnd, RECT clip, POINT imageOrigin) {
  Window* w = Find(hwnd);
  if (!(w->style & WS_VISIBLE)) return;
  DrawFrame(*w);
  RECT frame = ScreenRect(*w);
  OffsetRect(&frame, -imageOrigin.x, -imageOrigin.y);
  RECT shown;
  if (!IntersectRect(&shown, &frame, &clip)) return;
  cairo_save(cr);
  cairo_rectangle(cr, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top);
  cairo_clip(cr);
  cairo_surface_flush(w->surface);
  cairo_set_source_surface(cr, w->surface, frame.left, frame.top);
  cairo_paint(cr);
  cairo_restore(cr);
  RECT client = ClientInWindow(*w);
  OffsetRect(&client, frame.left, frame.top);
  RECT inner;
  if (!IntersectRect(&inner, &client, &shown)) return;
  for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) Compose(cr, *it, inner, imageOrigin);
}

void DrawCursor(cairo_surface_t* image, POINT imageOrigin) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  ICONINFO info{};
  if (!arrow || !GetIconInfo(arrow, &info)) return;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  HDC dc = win32::CreateSurfaceDc(image);
  POINT at{S().cursor.x - imageOrigin.x - static_cast<LONG>(info.xHotspot),
           S().cursor.y - imageOrigin.y - static_cast<LONG>(info.yHotspot)};
  DrawIconEx(dc, at.x, at.y, arrow, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  DeleteDC(dc);
}

// The virtual screen's image; the caller destroys it.
cairo_surface_t* Composite(POINT& imageOrigin) {
  win32sim::PumpMessages();
  RECT screen = VirtualScreen();
  imageOrigin = POINT{screen.left, screen.top};
  int width = screen.right - screen.left;
  int height = screen.bottom - screen.top;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(image);
  SetColour(cr, GetSysColor(COLOR_DESKTOP));
  cairo_paint(cr);
  auto& tops = Find(S().desktop)->children;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) Compose(cr, *it, RECT{0, 0, width, height}, imageOrigin);
  cairo_destroy(cr);
  cairo_surface_flush(image);
  DrawCursor(image, imageOrigin);
  cairo_surface_flush(image);
  return image;
}

bool OnAMonitor(POINT p) {
  for (const RECT& r : win32sim::Monitors())
    if (PtInRect(&r, p)) return true;
  return false;
}

}  // namespace

namespace win32sim {

bool SaveScreenshotPng(const char* utf8Path) {
  if (!utf8Path) return false;
  POINT origin;
  cairo_surface_t* image = Composite(origin);
  bool saved = cairo_surface_write_to_png(image, utf8Path) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(image);
  return saved;
}

COLORREF ScreenPixel(POINT screen) {
  if (!OnAMonitor(screen)) return CLR_INVALID;
  POINT origin;
  cairo_surface_t* image = Composite(origin);
  int stride = cairo_image_surface_get_stride(image);
  const unsigned char* row = cairo_image_surface_get_data(image) + (screen.y - origin.y) * stride;
  uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[screen.x - origin.x];
  cairo_surface_destroy(image);
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace win32sim
