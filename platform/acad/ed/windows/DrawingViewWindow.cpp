// A document's drawing view: paints the drawing, tells the point monitors where the cursor is, and takes
// the clicks that select with no command running.
#include <acadsim/DrawingView.h>
#include <acadsim/Selection.h>
#include <acedads.h>

#include "../documents/Document.h"
#include "HostWindowState.h"

#include <unordered_map>
#include <vector>

namespace acadsim::windows {
namespace {

constexpr const WCHAR* kDrawingViewClass = u"AcadDrawingView";
// Posted when the pick-first set changed: the view repaints only if the set differs from what it shows.
constexpr UINT kPickFirstChanged = WM_APP + 1;
// AutoCAD zooms by this factor for each notch of the wheel (ZOOMFACTOR 60).
constexpr double kWheelZoomFactor = 1.25;

AcApDocument* ViewDocument(HWND window) {
  return reinterpret_cast<AcApDocument*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int PickBoxPixels() {
  resbuf value{};
  if (acedGetVar(u"PICKBOX", &value) != RTNORM || value.restype != RTSHORT) return 3;
  return value.resval.rint;
}

AcGePoint3d WorldPoint(AcApDocument* doc, LPARAM lParam) {
  const AcGePoint2d world = documentView(doc).toWorld(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  return AcGePoint3d(world.x, world.y, 0);
}

void TellMonitors(AcApDocument* doc, LPARAM lParam) {
  auto* document = dynamic_cast<Document*>(doc);
  if (document == nullptr || document->inputPoints().empty()) return;
  const AcGePoint3d world = WorldPoint(doc, lParam);
  ApertureContents aperture;
  entitiesInAperture(doc, world, PickBoxPixels() * documentView(doc).unitsPerPixel(), aperture);
  document->inputPoints().notifyMonitors(world, aperture);
}

// What a view shows of the pick-first set, and whether a check of it is already on its way.
struct ShownSelection {
  std::vector<AcDbObjectId> entities;
  bool gripped = false;
  bool checkPosted = false;
};

std::unordered_map<HWND, ShownSelection>& ShownSelections() {
  static std::unordered_map<HWND, ShownSelection> shown;
  return shown;
}

void Paint(HWND window, AcApDocument* doc) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  if (dc == nullptr) return;
  paintDrawingView(dc, doc);
  EndPaint(window, &paint);
  ShownSelection& shown = ShownSelections()[window];
  shown.entities = pickFirstEntities(doc);
  shown.gripped = pickFirstGripped(doc);
}

// A set changed and changed back within one round of messages (the module's selection guard does so on every
// pick) costs no repaint of the drawing.
void CheckPickFirst(HWND window, AcApDocument* doc) {
  ShownSelection& shown = ShownSelections()[window];
  shown.checkPosted = false;
  if (shown.entities != pickFirstEntities(doc) || shown.gripped != pickFirstGripped(doc)) {
    InvalidateRect(window, nullptr, TRUE);
  }
}

LRESULT CALLBACK DrawingViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  AcApDocument* doc = ViewDocument(window);
  if (doc == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      setViewSize(doc, LOWORD(lParam), HIWORD(lParam));
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND:
      // The paint covers the whole client area.
      return 1;
    case WM_PAINT:
      Paint(window, doc);
      return 0;
    case kPickFirstChanged:
      CheckPickFirst(window, doc);
      return 0;
    case WM_NCDESTROY:
      ShownSelections().erase(window);
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      TellMonitors(doc, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      if (doc->isQuiescent()) clickSelect(doc, WorldPoint(doc, lParam));
      return 0;
    case WM_MOUSEWHEEL: {
      POINT cursor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(window, &cursor);
      const AcGePoint2d about(cursor.x, cursor.y);
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      double factor = 1;
      for (int i = 0; i < notches; ++i) factor *= kWheelZoomFactor;
      for (int i = 0; i > notches; --i) factor /= kWheelZoomFactor;
      if (notches != 0) {
        zoomBy(doc, factor, &about);
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void NotePickFirstChanged(HWND view) {
  ShownSelection& shown = ShownSelections()[view];
  if (shown.checkPosted) return;
  shown.checkPosted = PostMessageW(view, kPickFirstChanged, 0, 0) != FALSE;
}

HWND CreateDrawingViewWindow(HWND mainFrame, AcApDocument* doc) {
  // Registered with every view, so that a window manager reset between sessions finds it again.
  WNDCLASSEXW viewClass{};
  viewClass.cbSize = sizeof viewClass;
  viewClass.style = CS_DBLCLKS;
  viewClass.lpfnWndProc = DrawingViewProc;
  viewClass.hCursor = LoadCursorW(nullptr, IDC_CROSS);
  viewClass.lpszClassName = kDrawingViewClass;
  RegisterClassExW(&viewClass);
  const HWND window = CreateWindowExW(0, kDrawingViewClass, doc->docTitle(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                      mainFrame, nullptr, nullptr, nullptr);
  if (window != nullptr) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
  return window;
}

}  // namespace acadsim::windows
