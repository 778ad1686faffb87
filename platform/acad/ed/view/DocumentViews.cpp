// The view of each open document, made on first use and forgotten when the document is destroyed.
#include <acadsim/DrawingView.h>

#include <algorithm>
#include <map>

#include "ModelSpaceExtents.h"

namespace acadsim {

namespace {

struct DocumentViewState {
  ViewTransform view;
  bool sized = false;
};

std::map<AcApDocument*, DocumentViewState>& views() {
  static std::map<AcApDocument*, DocumentViewState> all;
  return all;
}

class ViewForgetter : public AcApDocManagerReactor {
 public:
  void documentToBeDestroyed(AcApDocument* doc) override { views().erase(doc); }
};

void watchDocuments() {
  static bool watching = false;
  if (watching || acDocManagerPtr() == nullptr) return;
  static ViewForgetter forgetter;
  acDocManagerPtr()->addReactor(&forgetter);
  watching = true;
}

// The part of the client area a zoom to extents fills: all but a small margin on each side.
constexpr double kExtentsFill = 0.96;

void fit(ViewTransform& view, const Extents2d& extents) {
  if (extents.isEmpty()) return;
  view.center = AcGePoint2d((extents.min.x + extents.max.x) / 2, (extents.min.y + extents.max.y) / 2);
  double dx = extents.max.x - extents.min.x, dy = extents.max.y - extents.min.y;
  if (view.width <= 0 || view.height <= 0) return;
  double sx = dx > 0 ? view.width * kExtentsFill / dx : 1e300, sy = dy > 0 ? view.height * kExtentsFill / dy : 1e300;
  double scale = std::min(sx, sy);
  if (scale < 1e300 && scale > 0) view.pixelsPerUnit = scale;
}

DocumentViewState& stateOf(AcApDocument* doc) {
  watchDocuments();
  auto found = views().find(doc);
  if (found != views().end()) return found->second;
  DocumentViewState& state = views()[doc];
  if (doc && doc->database()) {
    Extents2d extents = view::drawnModelSpaceExtents(*doc->database());
    fit(state.view, extents.isEmpty() ? view::headerExtents(*doc->database()) : extents);
  }
  return state;
}

}  // namespace

ViewTransform& documentView(AcApDocument* doc) { return stateOf(doc).view; }

void setViewSize(AcApDocument* doc, int width, int height) {
  DocumentViewState& state = stateOf(doc);
  state.view.width = std::max(0, width);
  state.view.height = std::max(0, height);
  if (!state.sized && width > 0 && height > 0) {
    state.sized = true;
    zoomExtents(doc);
  }
}

void zoomExtents(AcApDocument* doc) {
  ViewTransform& view = documentView(doc);
  if (!doc || !doc->database()) return;
  Extents2d extents = view::drawnModelSpaceExtents(*doc->database());
  fit(view, extents.isEmpty() ? view::headerExtents(*doc->database()) : extents);
}

void zoomBy(AcApDocument* doc, double factor, const AcGePoint2d* about) {
  if (!(factor > 0)) return;
  ViewTransform& view = documentView(doc);
  AcGePoint2d fixed = about ? view.toWorld(about->x, about->y) : view.center;
  view.center = AcGePoint2d(fixed.x + (view.center.x - fixed.x) / factor, fixed.y + (view.center.y - fixed.y) / factor);
  view.pixelsPerUnit *= factor;
}

void panByPixels(AcApDocument* doc, int dx, int dy) {
  ViewTransform& view = documentView(doc);
  view.center = AcGePoint2d(view.center.x - dx / view.pixelsPerUnit, view.center.y + dy / view.pixelsPerUnit);
}

}  // namespace acadsim
