#include "gdi/line_drawing.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>

#include "gdi/drawing_objects.h"
#include "gdi/pixel_color.h"
#include "gdi/pixel_writer.h"

namespace win32 {

namespace {

// On and off runs of the cosmetic styles, in pixels.
struct DashPattern {
  int runs[6];
  int count;
};

DashPattern patternOf(UINT style) {
  switch (style) {
    case PS_DASH:
      return {{18, 6}, 2};
    case PS_DOT:
      return {{3, 3}, 2};
    case PS_DASHDOT:
      return {{9, 6, 3, 6}, 4};
    case PS_DASHDOTDOT:
      return {{9, 3, 3, 3, 3, 3}, 6};
    default:
      return {{1}, 1};
  }
}

void thinLine(DeviceContext& dc, POINT from, POINT to, UINT style) {
  PixelWriter pixels(dc);
  if (!pixels.ready()) return;
  uint32_t ink = ColorToPixel(dc.penColor());
  uint32_t gap = ColorToPixel(dc.state.bkColor);
  bool fillGaps = dc.state.bkMode == OPAQUE;
  if (pixels.monochrome()) {
    ink = ToMonochrome(ink);
    gap = ToMonochrome(gap);
  }
  DashPattern pattern = patternOf(style);
  int run = 0, left = pattern.runs[0];
  int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  int x = from.x, y = from.y;
  while (x != to.x || y != to.y) {
    bool on = run % 2 == 0;
    if (on) pixels.put(x, y, ink);
    else if (fillGaps) pixels.put(x, y, gap);
    if (--left == 0) {
      run = (run + 1) % pattern.count;
      left = pattern.runs[run];
    }
    int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      x += sx;
    }
    if (e2 <= dx) {
      error += dx;
      y += sy;
    }
  }
}

void wideLine(DeviceContext& dc, POINT from, POINT to, int width) {
  dc.beginAccess();
  cairo_t* cr = dc.createCairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  uint32_t ink = ColorToPixel(dc.penColor());
  cairo_set_source_rgb(cr, (ink >> 16) / 255.0, ((ink >> 8) & 0xFF) / 255.0, (ink & 0xFF) / 255.0);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, from.x + 0.5, from.y + 0.5);
  cairo_line_to(cr, to.x + 0.5, to.y + 0.5);
  cairo_stroke(cr);
  cairo_destroy(cr);
  dc.endWrite();
}

}  // namespace

void DrawLine(DeviceContext& dc, POINT from, POINT to) {
  const LOGPEN& pen = dc.pen().logPen;
  if (pen.lopnStyle == PS_NULL || !dc.surface()) return;
  if (pen.lopnWidth.x <= 1) thinLine(dc, from, to, pen.lopnStyle);
  else wideLine(dc, from, to, pen.lopnWidth.x);
}

void FillPixels(DeviceContext& dc, const RECT& rect, COLORREF color) {
  PixelWriter pixels(dc);
  if (!pixels.ready()) return;
  uint32_t value = ColorToPixel(color);
  if (pixels.monochrome()) value = ToMonochrome(value);
  const RECT& clip = pixels.clip();
  for (int y = std::max(rect.top, clip.top); y < std::min(rect.bottom, clip.bottom); ++y)
    for (int x = std::max(rect.left, clip.left); x < std::min(rect.right, clip.right); ++x) pixels.put(x, y, value);
}

}  // namespace win32
