// The host's main frame: the application's top-level window, over the monitors' work areas.
#include <acedads.h>
#include <acutads.h>
#include <qvuser.h>

#include <string>

#include "HostWindowState.h"

namespace acadsim::windows {
namespace {

constexpr const WCHAR* kMainFrameClass = u"AcadMainFrame";

// A mouse message sent to the frame itself (a popup of a module hands the host its mouse so) goes on to
// the child window under the point, as if it had come there straight.
bool ForwardToChild(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message < WM_MOUSEFIRST || message > WM_MOUSELAST || message == WM_MOUSEWHEEL) return false;
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  POINT screen = point;
  ClientToScreen(frame, &screen);
  HWND child = GetWindow(frame, GW_CHILD);
  for (RECT rect{}; child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && GetWindowRect(child, &rect) && PtInRect(&rect, screen)) break;
  }
  if (child == nullptr) return false;
  MapWindowPoints(frame, child, &point, 1);
  result = SendMessageW(child, message, wParam, MAKELPARAM(point.x, point.y));
  return true;
}

LRESULT CALLBACK MainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT forwarded = 0; ForwardToChild(window, message, wParam, lParam, forwarded)) return forwarded;
  switch (message) {
    case WM_SIZE:
      LayOutMainFrame();
      return 0;
    case WM_ACTIVATE:
      // As AutoCAD's frame: activation gives the keyboard focus back to the drawing view.
      if (LOWORD(wParam) != WA_INACTIVE) {
        if (const HWND view = adsw_acadDocWnd()) SetFocus(view);
      }
      return 0;
    case WM_MOUSEWHEEL:
      // The wheel zooms the drawing, wherever on the frame it was turned.
      if (const HWND view = adsw_acadDocWnd()) return SendMessageW(view, message, wParam, lParam);
      return 0;
    case WM_CLOSE:
      // The host ends when its input ends, not when a window is closed.
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

std::u16string ProductTitle() {
  resbuf product{};
  std::u16string title = u"AutoCAD";
  if (acedGetVar(u"PRODUCT", &product) == RTNORM && product.restype == RTSTR && product.resval.rstring != nullptr) {
    title = product.resval.rstring;
    acutDelString(product.resval.rstring);
  }
  return title + u" 2007";
}

// The frame is stretched over the work areas of every monitor, as people with several monitors keep it.
RECT WorkAreas() {
  RECT all{};
  for (const RECT& monitor : win32sim::Monitors()) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromPoint(POINT{monitor.left, monitor.top}, MONITOR_DEFAULTTONULL), &info)) continue;
    if (IsRectEmpty(&info.rcWork)) continue;
    if (IsRectEmpty(&all)) {
      all = info.rcWork;
    } else {
      UnionRect(&all, &all, &info.rcWork);
    }
  }
  return all;
}

}  // namespace

HWND CreateMainFrame() {
  WNDCLASSEXW frameClass{};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = MainFrameProc;
  frameClass.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
  frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frameClass.lpszClassName = kMainFrameClass;
  RegisterClassExW(&frameClass);
  const RECT work = WorkAreas();
  return CreateWindowExW(0, kMainFrameClass, ProductTitle().c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         work.left, work.top, work.right - work.left, work.bottom - work.top, nullptr, nullptr,
                         nullptr, nullptr);
}

void UpdateMainFrameTitle() {
  const HWND frame = State().mainFrame;
  if (frame == nullptr) return;
  std::u16string title = ProductTitle();
  const AcApDocument* doc = acDocManagerPtr() != nullptr ? acDocManagerPtr()->curDocument() : nullptr;
  if (doc != nullptr) title += u" - [" + std::u16string(doc->docTitle()) + u"]";
  SetWindowTextW(frame, title.c_str());
}

}  // namespace acadsim::windows
