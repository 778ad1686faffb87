// The drawing view of a document: which part of model space its window shows, and painting it
// (host-internal, not an ObjectARX name).
#pragma once
#include <acdocman.h>
#include <gepnt2d.h>
#include <windef.h>

namespace acadsim {

// Model space seen from above: the world point at the centre of the client area and the scale.
struct ViewTransform {
  AcGePoint2d center{0, 0};
  double pixelsPerUnit = 1;
  int width = 0, height = 0;  // the client area in pixels

  // Client pixel centres: pixel (x, y) shows the world point at its centre; y grows downwards.
  AcGePoint2d toWorld(double px, double py) const;
  void toPixel(const AcGePoint2d& world, double& px, double& py) const;
  double unitsPerPixel() const { return 1 / pixelsPerUnit; }
};

// The view of doc (made on first use: zoomed to the drawing's extents for the client size it is given).
ViewTransform& documentView(AcApDocument* doc);
// Sets the client size (the window's); the first size zooms to extents, later ones keep the centre.
void setViewSize(AcApDocument* doc, int width, int height);
// ZOOM Extents: the extents of every drawn model-space entity fill the view with a small margin; a
// drawing without entities shows EXTMIN..EXTMAX of the header, or the limits.
void zoomExtents(AcApDocument* doc);
// factor > 1 zooms in; the world point under client pixel about (or, without one, the centre) stays put.
void zoomBy(AcApDocument* doc, double factor, const AcGePoint2d* about = nullptr);
void panByPixels(AcApDocument* doc, int dx, int dy);

// Paints the view of doc into hdc, a client area of the view's size: the background, every model-space
// entity that draws, then the pick-first set highlighted (HIGHLIGHT) with its grips (GRIPS).
void paintDrawingView(HDC hdc, AcApDocument* doc);

// The host's view commands (REDRAW, REGEN, ZOOM, PAN) in the host's command group; the view's window is
// told to repaint through invalidate.
void registerViewCommands(void (*invalidate)(AcApDocument* doc));

}  // namespace acadsim
