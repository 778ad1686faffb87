#include "WindowSelection.h"

#include <algorithm>

namespace acadsim::selection {
namespace {

bool contains(const Rectangle2d& r, const AcGePoint2d& p) {
  return p.x >= r.minX && p.x <= r.maxX && p.y >= r.minY && p.y <= r.maxY;
}

// Liang-Barsky: whether the segment a-b has a part inside the rectangle.
bool segmentMeets(const Rectangle2d& r, const AcGePoint2d& a, const AcGePoint2d& b) {
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.minX, r.maxX - a.x, a.y - r.minY, r.maxY - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}

bool pathMeets(const Rectangle2d& r, const std::vector<AcGePoint2d>& points, size_t first, size_t last, bool closed) {
  if (first >= last) return false;
  if (last - first == 1) return contains(r, points[first]);
  for (size_t i = first; i + 1 < last; ++i)
    if (segmentMeets(r, points[i], points[i + 1])) return true;
  return closed && segmentMeets(r, points[last - 1], points[first]);
}

}  // namespace

bool insideWindow(const EntityGraphics& graphics, const Rectangle2d& window) {
  const Extents2d& e = graphics.extents;
  return !e.isEmpty() && contains(window, e.min) && contains(window, e.max);
}

bool crossesWindow(const EntityGraphics& graphics, const Rectangle2d& window) {
  const Extents2d& e = graphics.extents;
  if (e.isEmpty() || e.min.x > window.maxX || e.max.x < window.minX || e.min.y > window.maxY || e.max.y < window.minY)
    return false;
  if (insideWindow(graphics, window)) return true;
  for (const GraphicPrimitive& primitive : graphics.primitives) {
    switch (primitive.kind) {
      case GraphicPrimitive::Kind::Stroke:
        if (pathMeets(window, primitive.points, 0, primitive.points.size(), primitive.closed)) return true;
        break;
      case GraphicPrimitive::Kind::Fill: {
        std::vector<size_t> starts = primitive.loopStarts;
        if (starts.empty()) starts.push_back(0);
        for (size_t k = 0; k < starts.size(); ++k) {
          size_t end = k + 1 < starts.size() ? starts[k + 1] : primitive.points.size();
          if (pathMeets(window, primitive.points, starts[k], end, true)) return true;
        }
        break;
      }
      case GraphicPrimitive::Kind::Dot:
        if (!primitive.points.empty() && contains(window, primitive.points[0])) return true;
        break;
      case GraphicPrimitive::Kind::Text:
        return true;  // the text's box meets the window, as the extents showed
    }
  }
  return false;
}

}  // namespace acadsim::selection
