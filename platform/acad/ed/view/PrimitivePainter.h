// Paints graphic primitives into a device context through a view transform, with GDI pens and brushes
// made once per colour for one paint.
#pragma once
#include <acadsim/DrawingView.h>
#include <acadsim/EntityGraphics.h>
#include <windows.h>

#include <map>
#include <tuple>

namespace acadsim::view {

class PrimitivePainter {
 public:
  PrimitivePainter(HDC hdc, const ViewTransform& view);
  ~PrimitivePainter();
  PrimitivePainter(const PrimitivePainter&) = delete;
  PrimitivePainter& operator=(const PrimitivePainter&) = delete;

  // Whether extents reach into the client area (with a pixel of slack).
  bool visible(const Extents2d& extents) const;
  // dashed: the selection highlight, strokes and outlines drawn with a dashed one-pixel pen.
  void paint(const EntityGraphics& graphics, bool dashed = false);
  // A filled square of side pixels centred on a world point.
  void square(const AcGePoint2d& world, int side, COLORREF fill, COLORREF edge);

 private:
  void stroke(const GraphicPrimitive& p, bool dashed);
  void fill(const GraphicPrimitive& p, bool dashed);
  void text(const GraphicPrimitive& p);
  void dot(const GraphicPrimitive& p);
  // Draws the world segment a-b clipped to the client area.
  void segment(const AcGePoint2d& a, const AcGePoint2d& b);
  void usePen(COLORREF color, int width, int style);
  void useBrush(COLORREF color);

  HDC mDc;
  const ViewTransform& mView;
  Extents2d mWorldView;
  HGDIOBJ mOriginalPen, mOriginalBrush;
  std::map<std::tuple<COLORREF, int, int>, HPEN> mPens;
  std::map<COLORREF, HBRUSH> mBrushes;
};

}  // namespace acadsim::view
