// A window's pixels: one cairo surface the size of its window rectangle; the client DC draws into a view
// of the client part of it, so the client area's origin is its top-left.
#include <algorithm>

#include "gdi/device_context.h"
#include "user/user_state.h"

namespace win32::user {

namespace {

constexpr int kLargestSide = 16384;
const cairo_user_data_key_t kParentKey{};

cairo_surface_t* NewSurface(int width, int height) {
  return cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::clamp(width, 0, kLargestSide),
                                    std::clamp(height, 0, kLargestSide));
}

// A surface sharing the window surface's pixels inside a rectangle, keeping that surface alive.
cairo_surface_t* ViewOf(cairo_surface_t* whole, const RECT& part) {
  int width = std::min<int>(part.right, cairo_image_surface_get_width(whole)) - part.left;
  int height = std::min<int>(part.bottom, cairo_image_surface_get_height(whole)) - part.top;
  if (width <= 0 || height <= 0) return NewSurface(0, 0);
  cairo_surface_flush(whole);
  int stride = cairo_image_surface_get_stride(whole);
  unsigned char* data = cairo_image_surface_get_data(whole) + part.top * stride + part.left * 4;
  cairo_surface_t* view = cairo_image_surface_create_for_data(data, CAIRO_FORMAT_RGB24, width, height, stride);
  cairo_surface_set_user_data(view, &kParentKey, cairo_surface_reference(whole),
                              [](void* p) { cairo_surface_destroy(static_cast<cairo_surface_t*>(p)); });
  return view;
}

}  // namespace

// The old pixels stay at the top-left, so a window resized without a repaint keeps its picture.
void ResizeSurface(Window& w) {
  cairo_surface_t* fresh = NewSurface(w.rect.right - w.rect.left, w.rect.bottom - w.rect.top);
  if (w.surface) {
    cairo_t* cr = cairo_create(fresh);
    cairo_set_source_surface(cr, w.surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(w.surface);
  }
  w.surface = fresh;
}

HDC ClientDc(Window& w) {
  cairo_surface_t* view = ViewOf(w.surface, ClientInWindow(w));
  HDC dc = CreateSurfaceDc(view);
  cairo_surface_destroy(view);
  return dc;
}

HDC WholeWindowDc(Window& w) { return CreateSurfaceDc(w.surface); }

// The border in COLOR_WINDOWFRAME and the caption as a bar in the active or inactive caption colour.
void DrawFrame(Window& w) {
  RECT client = ClientInWindow(w);
  int width = w.rect.right - w.rect.left;
  int height = w.rect.bottom - w.rect.top;
  if (client.left == 0 && client.top == 0) return;
  cairo_t* cr = cairo_create(w.surface);
  auto fill = [&](COLORREF c, double x, double y, double cx, double cy) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
    cairo_rectangle(cr, x, y, cx, cy);
    cairo_fill(cr);
  };
  if (client.left > 0) {
    COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    fill(frame, 0, 0, width, 1);
    fill(frame, 0, height - 1, width, 1);
    fill(frame, 0, 0, 1, height);
    fill(frame, width - 1, 0, 1, height);
  }
  if ((w.style & WS_CAPTION) == WS_CAPTION) {
    bool active = S().appActive && S().active == w.handle;
    COLORREF bar = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    fill(bar, client.left, client.left, width - 2 * client.left, kCaptionHeight);
  }
  cairo_destroy(cr);
  cairo_surface_mark_dirty(w.surface);
}

}  // namespace win32::user
