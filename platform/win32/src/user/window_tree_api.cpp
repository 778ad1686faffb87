// GetParent, GetWindow, IsChild, GetDesktopWindow, WindowFromPoint, ChildWindowFromPoint.
#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool Hittable(const Window& w) {
  return (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED) && !(w.exStyle & WS_EX_TRANSPARENT);
}

// The deepest visible, enabled child under a screen point, or the window itself.
HWND DeepestAt(HWND hwnd, POINT screen) {
  Window* w = Find(hwnd);
  RECT client = ClientInWindow(*w);
  POINT origin = WindowOrigin(*w);
  OffsetRect(&client, origin.x, origin.y);
  if (!Contains(client, screen)) return hwnd;
  for (HWND child : w->children) {
    Window* c = Find(child);
    if (Hittable(*c) && Contains(ScreenRect(*c), screen)) return DeepestAt(child, screen);
  }
  return hwnd;
}

}  // namespace

// A child's parent; a popup's owner, as Windows answers; null for other top-level windows.
extern "C" HWND WINAPI GetParent(HWND hWnd) {
  Window* w = FindOrFail(hWnd);
  if (!w || hWnd == S().desktop) return nullptr;
  if (!IsTopLevel(*w)) return w->parent;
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT cmd) {
  Window* w = FindOrFail(hWnd);
  if (!w) return nullptr;
  if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (cmd == GW_OWNER) return IsTopLevel(*w) ? w->owner : nullptr;
  Window* parent = Find(w->parent);
  if (!parent) return nullptr;
  auto& siblings = parent->children;
  auto at = std::find(siblings.begin(), siblings.end(), hWnd);
  switch (cmd) {
    case GW_HWNDFIRST:
      return siblings.front();
    case GW_HWNDLAST:
      return siblings.back();
    case GW_HWNDNEXT:
      return at + 1 < siblings.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
      return at != siblings.begin() ? *(at - 1) : nullptr;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND hWnd) {
  Window* w = Find(hWnd);
  return w && !IsTopLevel(*w) && IsDescendant(parent, hWnd);
}

extern "C" HWND WINAPI GetDesktopWindow(void) { return S().desktop; }

// Hidden, disabled and WS_EX_TRANSPARENT windows are passed over, as is the non-client area's inside.
extern "C" HWND WINAPI WindowFromPoint(POINT point) {
  for (HWND top : Find(S().desktop)->children) {
    Window* w = Find(top);
    if (Hittable(*w) && Contains(ScreenRect(*w), point)) return DeepestAt(top, point);
  }
  return nullptr;
}

// Immediate children only, hidden and disabled ones included; the parent when no child is there.
extern "C" HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point) {
  Window* w = FindOrFail(parent);
  if (!w) return nullptr;
  RECT client = ClientInWindow(*w);
  OffsetRect(&client, -client.left, -client.top);
  if (!Contains(client, point)) return nullptr;
  POINT origin = ClientOrigin(*w);
  POINT screen{point.x + origin.x, point.y + origin.y};
  for (HWND child : w->children)
    if (Contains(ScreenRect(*Find(child)), screen)) return child;
  return parent;
}
