// Polyline, Polygon, PolyPolygon: outlines with the pen, interiors with the brush by the alternate rule.
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "gdi/drawing_objects.h"
#include "gdi/line_drawing.h"
#include "gdi/pixel_color.h"
#include "gdi/pixel_writer.h"

using namespace win32;

namespace {

// Fills the pixels whose centres lie inside an odd number of the polygons' outlines.
void FillAlternate(DeviceContext& dc, const POINT* points, const INT* counts, int polygons, COLORREF color) {
  PixelWriter pixels(dc);
  if (!pixels.ready()) return;
  uint32_t value = ColorToPixel(color);
  if (pixels.monochrome()) value = ToMonochrome(value);
  int total = 0;
  long top = LONG_MAX, bottom = LONG_MIN;
  for (int p = 0; p < polygons; ++p) total += counts[p];
  for (int i = 0; i < total; ++i) top = std::min<long>(top, points[i].y), bottom = std::max<long>(bottom, points[i].y);
  const RECT& clip = pixels.clip();
  std::vector<double> crossings;
  for (long y = std::max<long>(top, clip.top); y < std::min<long>(bottom, clip.bottom); ++y) {
    double cy = y + 0.5;
    crossings.clear();
    const POINT* ring = points;
    for (int p = 0; p < polygons; ring += counts[p], ++p)
      for (int i = 0, n = counts[p]; i < n; ++i) {
        const POINT& a = ring[i];
        const POINT& b = ring[(i + 1) % n];
        if ((a.y <= cy) == (b.y <= cy)) continue;
        crossings.push_back(a.x + (cy - a.y) * double(b.x - a.x) / double(b.y - a.y));
      }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      long from = std::max<long>(clip.left, long(std::ceil(crossings[i] - 0.5)));
      long to = std::min<long>(clip.right, long(std::ceil(crossings[i + 1] - 0.5)));
      for (long x = from; x < to; ++x) pixels.put(int(x), int(y), value);
    }
  }
}

BOOL DrawPolygons(HDC hdc, const POINT* points, const INT* counts, int polygons) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !points || !counts || polygons <= 0) return FALSE;
  for (int p = 0; p < polygons; ++p)
    if (counts[p] < 2) return FALSE;
  if (std::optional<COLORREF> fill = dc->brushColor(dc->brush())) FillAlternate(*dc, points, counts, polygons, *fill);
  if (dc->pen().logPen.lopnStyle == PS_NULL) return TRUE;
  const POINT* ring = points;
  for (int p = 0; p < polygons; ring += counts[p], ++p)
    for (int i = 0; i < counts[p]; ++i) DrawLine(*dc, ring[i], ring[(i + 1) % counts[p]]);
  return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !apt || cpt < 2) return FALSE;
  for (int i = 0; i + 1 < cpt; ++i) DrawLine(*dc, apt[i], apt[i + 1]);
  return TRUE;
}

extern "C" BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) {
  INT count = cpt;
  return DrawPolygons(hdc, apt, &count, 1);
}

extern "C" BOOL WINAPI PolyPolygon(HDC hdc, const POINT* apt, const INT* asz, int csz) {
  return DrawPolygons(hdc, apt, asz, csz);
}
