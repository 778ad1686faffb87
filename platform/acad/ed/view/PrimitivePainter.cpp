// Strokes as clipped line segments, fills as polygons, text with a rotated font, dots as pixels.
#include "PrimitivePainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace acadsim::view {

namespace {

// Pixel coordinates beyond this are clamped before they become GDI's integers.
constexpr double kPixelLimit = 1e7;
// Text shorter than this many pixels is not drawn: it would be unreadable.
constexpr double kSmallestTextPixels = 2;

LONG pixelInt(double v) { return static_cast<LONG>(std::lround(std::clamp(v, -kPixelLimit, kPixelLimit))); }

// Liang-Barsky: clips segment a-b (pixels) to box; false when nothing is left.
bool clip(double& ax, double& ay, double& bx, double& by, double x0, double y0, double x1, double y1) {
  double t0 = 0, t1 = 1, dx = bx - ax, dy = by - ay;
  double p[4] = {-dx, dx, -dy, dy}, q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  double sx = ax, sy = ay;
  ax = sx + t0 * dx, ay = sy + t0 * dy, bx = sx + t1 * dx, by = sy + t1 * dy;
  return true;
}

}  // namespace

PrimitivePainter::PrimitivePainter(HDC hdc, const ViewTransform& view) : mDc(hdc), mView(view) {
  mWorldView.add(view.toWorld(-1, -1));
  mWorldView.add(view.toWorld(view.width, view.height));
  mOriginalPen = SelectObject(hdc, GetStockObject(NULL_PEN));
  mOriginalBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
  SelectObject(hdc, mOriginalPen);
  SelectObject(hdc, mOriginalBrush);
  SetBkMode(hdc, TRANSPARENT);
}

PrimitivePainter::~PrimitivePainter() {
  SelectObject(mDc, mOriginalPen);
  SelectObject(mDc, mOriginalBrush);
  for (auto& [key, pen] : mPens) DeleteObject(pen);
  for (auto& [color, brush] : mBrushes) DeleteObject(brush);
}

bool PrimitivePainter::visible(const Extents2d& e) const {
  return !e.isEmpty() && e.max.x >= mWorldView.min.x && e.min.x <= mWorldView.max.x && e.max.y >= mWorldView.min.y &&
         e.min.y <= mWorldView.max.y;
}

void PrimitivePainter::usePen(COLORREF color, int width, int style) {
  auto key = std::make_tuple(color, width, style);
  auto found = mPens.find(key);
  if (found == mPens.end()) found = mPens.emplace(key, CreatePen(style, width, color)).first;
  SelectObject(mDc, found->second);
}

void PrimitivePainter::useBrush(COLORREF color) {
  auto found = mBrushes.find(color);
  if (found == mBrushes.end()) found = mBrushes.emplace(color, CreateSolidBrush(color)).first;
  SelectObject(mDc, found->second);
}

void PrimitivePainter::paint(const EntityGraphics& graphics, bool dashed) {
  for (const GraphicPrimitive& p : graphics.primitives) {
    if (p.points.empty()) continue;
    switch (p.kind) {
      case GraphicPrimitive::Kind::Stroke: stroke(p, dashed); break;
      case GraphicPrimitive::Kind::Fill: fill(p, dashed); break;
      case GraphicPrimitive::Kind::Text: if (!dashed) text(p); break;
      case GraphicPrimitive::Kind::Dot: dot(p); break;
    }
  }
}

void PrimitivePainter::segment(const AcGePoint2d& a, const AcGePoint2d& b) {
  double ax, ay, bx, by;
  mView.toPixel(a, ax, ay);
  mView.toPixel(b, bx, by);
  double slack = 64;
  if (!clip(ax, ay, bx, by, -slack, -slack, mView.width + slack, mView.height + slack)) return;
  MoveToEx(mDc, pixelInt(ax), pixelInt(ay), nullptr);
  LineTo(mDc, pixelInt(bx), pixelInt(by));
}

void PrimitivePainter::stroke(const GraphicPrimitive& p, bool dashed) {
  int width = dashed ? 1 : std::max(1, static_cast<int>(std::lround(std::min(p.width * mView.pixelsPerUnit, 1e4))));
  usePen(p.color, width, dashed ? PS_DASH : PS_SOLID);
  if (p.points.size() == 1) dot(p);
  for (size_t i = 0; i + 1 < p.points.size(); ++i) segment(p.points[i], p.points[i + 1]);
  if (p.closed && p.points.size() > 2) segment(p.points.back(), p.points.front());
}

void PrimitivePainter::fill(const GraphicPrimitive& p, bool dashed) {
  if (dashed) {
    usePen(p.color, 1, PS_DASH);
    for (size_t loop = 0; loop < p.loopStarts.size(); ++loop) {
      size_t first = p.loopStarts[loop], last = loop + 1 < p.loopStarts.size() ? p.loopStarts[loop + 1] : p.points.size();
      for (size_t i = first; i < last; ++i) segment(p.points[i], p.points[i + 1 < last ? i + 1 : first]);
    }
    return;
  }
  std::vector<POINT> pixels;
  std::vector<INT> counts;
  pixels.reserve(p.points.size());
  for (size_t loop = 0; loop < p.loopStarts.size(); ++loop) {
    size_t first = p.loopStarts[loop], last = loop + 1 < p.loopStarts.size() ? p.loopStarts[loop + 1] : p.points.size();
    if (last - first < 2) continue;
    for (size_t i = first; i < last; ++i) {
      double x, y;
      mView.toPixel(p.points[i], x, y);
      pixels.push_back({pixelInt(x), pixelInt(y)});
    }
    counts.push_back(static_cast<INT>(last - first));
  }
  if (counts.empty()) return;
  usePen(p.color, 1, PS_SOLID);  // the outline keeps thin fills visible
  useBrush(p.color);
  PolyPolygon(mDc, pixels.data(), counts.data(), static_cast<int>(counts.size()));
  SelectObject(mDc, GetStockObject(NULL_BRUSH));
}

void PrimitivePainter::text(const GraphicPrimitive& p) {
  double pixelHeight = p.height * mView.pixelsPerUnit;
  if (pixelHeight < kSmallestTextPixels || pixelHeight > 1e5) return;
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(pixelHeight));
  if (std::fabs(p.widthFactor - 1) > 1e-6) lf.lfWidth = static_cast<LONG>(std::lround(pixelHeight * 0.5 * p.widthFactor));
  lf.lfEscapement = lf.lfOrientation = static_cast<LONG>(std::lround(p.rotation * 1800 / M_PI));
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  size_t n = std::min<size_t>(p.face.size(), LF_FACESIZE - 1);
  std::copy_n(p.face.begin(), n, lf.lfFaceName);
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ previous = SelectObject(mDc, font);
  SetTextColor(mDc, p.color);
  SetTextAlign(mDc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
  double x, y;
  mView.toPixel(p.points[0], x, y);
  TextOutW(mDc, pixelInt(x), pixelInt(y), p.text.c_str(), static_cast<int>(p.text.size()));
  SelectObject(mDc, previous);
  DeleteObject(font);
}

void PrimitivePainter::dot(const GraphicPrimitive& p) {
  double x, y;
  mView.toPixel(p.points[0], x, y);
  if (x < -1 || y < -1 || x > mView.width + 1 || y > mView.height + 1) return;
  SetPixel(mDc, pixelInt(x), pixelInt(y), p.color);
}

void PrimitivePainter::square(const AcGePoint2d& world, int side, COLORREF fillColor, COLORREF edge) {
  double x, y;
  mView.toPixel(world, x, y);
  if (x < -side || y < -side || x > mView.width + side || y > mView.height + side) return;
  LONG left = pixelInt(x) - side / 2, top = pixelInt(y) - side / 2;
  usePen(edge, 1, PS_SOLID);
  useBrush(fillColor);
  Rectangle(mDc, left, top, left + side, top + side);
  SelectObject(mDc, GetStockObject(NULL_BRUSH));
}

}  // namespace acadsim::view
