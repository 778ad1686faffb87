#include "gdi/device_context.h"

#include <algorithm>

#include "gdi/bitmap.h"
#include "gdi/drawing_objects.h"
#include "gdi/font.h"
#include "gdi/stock_objects.h"

namespace win32 {

DeviceContext::~DeviceContext() {
  if (attached) cairo_surface_destroy(attached);
}

Font& DeviceContext::font() {
  Font* selected = FindGdi<Font>(state.font);
  return selected ? *selected : *FindGdi<Font>(StockObject(SYSTEM_FONT));
}

Pen& DeviceContext::pen() {
  Pen* selected = FindGdi<Pen>(state.pen);
  return selected ? *selected : *FindGdi<Pen>(StockObject(BLACK_PEN));
}

Brush& DeviceContext::brush() {
  Brush* selected = FindGdi<Brush>(state.brush);
  return selected ? *selected : *FindGdi<Brush>(StockObject(WHITE_BRUSH));
}

Bitmap* DeviceContext::bitmap() { return dcKind == DcKind::Memory ? FindGdi<Bitmap>(state.bitmap) : nullptr; }

COLORREF DeviceContext::penColor() {
  Pen& p = pen();
  return p.dcPen ? state.dcPenColor : p.logPen.lopnColor;
}

std::optional<COLORREF> DeviceContext::brushColor(Brush& b) {
  if (b.logBrush.lbStyle == BS_NULL) return std::nullopt;
  return b.dcBrush ? state.dcBrushColor : b.logBrush.lbColor;
}

cairo_surface_t* DeviceContext::surface() {
  if (dcKind == DcKind::Surface) return attached;
  Bitmap* selected = bitmap();
  return selected ? selected->surface : nullptr;
}

namespace {

SIZE& screenSize() {
  static SIZE size{1280, 1024};
  return size;
}

}  // namespace

int ScreenWidth() { return screenSize().cx; }
int ScreenHeight() { return screenSize().cy; }
void SetScreenSize(int width, int height) { screenSize() = SIZE{width, height}; }

int DeviceContext::width() {
  if (dcKind == DcKind::Screen) return ScreenWidth();
  cairo_surface_t* target = surface();
  return target ? cairo_image_surface_get_width(target) : 0;
}

int DeviceContext::height() {
  if (dcKind == DcKind::Screen) return ScreenHeight();
  cairo_surface_t* target = surface();
  return target ? cairo_image_surface_get_height(target) : 0;
}

RECT DeviceContext::clipBox() {
  RECT box{0, 0, width(), height()};
  if (state.clip) {
    box.left = std::max(box.left, state.clip->left);
    box.top = std::max(box.top, state.clip->top);
    box.right = std::min(box.right, state.clip->right);
    box.bottom = std::min(box.bottom, state.clip->bottom);
    if (box.right <= box.left || box.bottom <= box.top) box = RECT{0, 0, 0, 0};
  }
  return box;
}

void DeviceContext::beginAccess() {
  if (Bitmap* selected = bitmap()) selected->beginAccess();
  else if (attached) cairo_surface_flush(attached);
}

void DeviceContext::endWrite() {
  if (Bitmap* selected = bitmap()) selected->endWrite();
  else if (attached) cairo_surface_mark_dirty(attached);
}

cairo_t* DeviceContext::createCairo() {
  cairo_t* cr = cairo_create(surface());
  RECT box = clipBox();
  cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
  cairo_clip(cr);
  return cr;
}

DeviceContext* FindDc(HDC hdc) { return FindGdi<DeviceContext>(hdc); }

namespace {

void selectDefaults(DeviceContext& dc) {
  dc.state.font = static_cast<HFONT>(StockObject(SYSTEM_FONT));
  dc.state.pen = static_cast<HPEN>(StockObject(BLACK_PEN));
  dc.state.brush = static_cast<HBRUSH>(StockObject(WHITE_BRUSH));
}

}  // namespace

HDC ScreenDc() {
  static HDC screen = [] {
    auto dc = std::make_unique<DeviceContext>(DcKind::Screen);
    dc->stock = true;
    selectDefaults(*dc);
    return AddGdi<HDC>(std::move(dc));
  }();
  return screen;
}

HDC CreateSurfaceDc(cairo_surface_t* surface) {
  auto dc = std::make_unique<DeviceContext>(DcKind::Surface);
  dc->attached = cairo_surface_reference(surface);
  selectDefaults(*dc);
  return AddGdi<HDC>(std::move(dc));
}

HDC CreateMemoryDc() {
  auto dc = std::make_unique<DeviceContext>(DcKind::Memory);
  selectDefaults(*dc);
  dc->state.bitmap = DefaultBitmap();
  return AddGdi<HDC>(std::move(dc));
}

}  // namespace win32
