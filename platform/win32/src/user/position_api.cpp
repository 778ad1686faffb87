// ShowWindow, MoveWindow, SetWindowPos, GetWindowRect, GetClientRect, ClientToScreen, ScreenToClient,
// MapWindowPoints, and the z-order they keep.
#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

bool Topmost(HWND hwnd) { return (Find(hwnd)->exStyle & WS_EX_TOPMOST) != 0; }

void PlaceAfter(Window& parent, Window& w, HWND after) {
  auto& siblings = parent.children;
  Unlink(w);
  auto at = std::find(siblings.begin(), siblings.end(), after);
  siblings.insert(at == siblings.end() ? at : at + 1, w.handle);
}

void Reorder(Window& w, HWND after, bool withOwned) {
  Window& parent = *Find(w.parent);
  bool topLevel = IsTopLevel(w);
  if (after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    if (!topLevel) return;
    bool becomesTopmost = after == HWND_TOPMOST;
    if (!becomesTopmost && !(w.exStyle & WS_EX_TOPMOST)) return;  // already non-topmost: no change
    w.exStyle = becomesTopmost ? (w.exStyle | WS_EX_TOPMOST) : (w.exStyle & ~WS_EX_TOPMOST);
    BringToTop(w.handle, withOwned);
  } else if (after == HWND_TOP) {
    BringToTop(w.handle, withOwned);
  } else if (after == HWND_BOTTOM) {
    w.exStyle &= ~WS_EX_TOPMOST;
    Unlink(w);
    parent.children.push_back(w.handle);
  } else if (Window* other = Find(after); other && other->parent == w.parent && after != w.handle) {
    if (topLevel && Topmost(after) != ((w.exStyle & WS_EX_TOPMOST) != 0)) {
      // Keep the bands apart: a window goes no further than the edge of its own band.
      if (w.exStyle & WS_EX_TOPMOST) {
        auto& s = parent.children;
        auto lastTopmost = std::find_if(s.rbegin(), s.rend(), [&](HWND h) { return h != w.handle && Topmost(h); });
        after = lastTopmost == s.rend() ? nullptr : *lastTopmost;
        if (!after) {
          Unlink(w);
          s.insert(s.begin(), w.handle);
          return;
        }
      } else {
        BringToTop(w.handle, withOwned);
        return;
      }
    }
    PlaceAfter(parent, w, after);
  }
}

void MaybeLoseActivation(HWND hwnd) {
  if (S().active == hwnd) ActivateAnotherThan(hwnd);
  if (S().focus == hwnd || IsDescendant(hwnd, S().focus)) {
    if (Window* w = Find(hwnd); w && !IsTopLevel(*w)) SetFocus(nullptr);
  }
}

}  // namespace

namespace win32::user {

void InsertOnTop(Window& parent, Window& w) {
  auto& siblings = parent.children;
  auto at = siblings.begin();
  if (parent.handle == S().desktop && !(w.exStyle & WS_EX_TOPMOST))
    at = std::find_if(siblings.begin(), siblings.end(), [](HWND h) { return !Topmost(h); });
  siblings.insert(at, w.handle);
}

void BringToTop(HWND hwnd, bool withOwned) {
  Window* w = Find(hwnd);
  Window* parent = Find(w->parent);
  Unlink(*w);
  InsertOnTop(*parent, *w);
  if (!IsTopLevel(*w) || !withOwned) return;
  std::vector<HWND> owned;
  for (auto it = parent->children.rbegin(); it != parent->children.rend(); ++it)
    if (Find(*it)->owner == hwnd) owned.push_back(*it);
  for (HWND o : owned) BringToTop(o);
}

}  // namespace win32::user

// A style change (frame and caption) takes effect at once; SWP_FRAMECHANGED repaints the client area.
// Unchanged positions and sizes are reported as SWP_NOMOVE/SWP_NOSIZE in WM_WINDOWPOSCHANGED, so
// DefWindowProcW sends WM_MOVE/WM_SIZE only for a real change. A size change invalidates the whole client
// area unless SWP_NOREDRAW; without SWP_NOACTIVATE a visible top-level window is activated.
extern "C" BOOL WINAPI SetWindowPos(HWND hWnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  if (hWnd == S().desktop) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  WINDOWPOS pos{hWnd, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
  Send(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!(w = FindOrFail(hWnd))) return FALSE;
  flags = pos.flags;
  RECT old = w->rect;
  RECT next = old;
  if (!(flags & SWP_NOMOVE)) OffsetRect(&next, pos.x - old.left, pos.y - old.top);
  if (!(flags & SWP_NOSIZE)) {
    next.right = next.left + std::max(pos.cx, 0);
    next.bottom = next.top + std::max(pos.cy, 0);
  }
  bool moved = next.left != old.left || next.top != old.top;
  bool sized = next.right - next.left != old.right - old.left || next.bottom - next.top != old.bottom - old.top;
  w->rect = next;
  if (sized) {
    ResizeSurface(*w);
    if (!(flags & SWP_NOREDRAW)) InvalidateAll(*w, true);
  }
  if (!(flags & SWP_NOZORDER)) Reorder(*w, pos.hwndInsertAfter, !(flags & SWP_NOOWNERZORDER));
  if ((flags & SWP_FRAMECHANGED) && !(flags & SWP_NOREDRAW)) InvalidateAll(*w, true);
  if ((flags & SWP_SHOWWINDOW) && !(w->style & WS_VISIBLE)) {
    w->style |= WS_VISIBLE;
    InvalidateTree(hWnd);
  } else if ((flags & SWP_HIDEWINDOW) && (w->style & WS_VISIBLE)) {
    w->style &= ~WS_VISIBLE;
    MaybeLoseActivation(hWnd);
  }
  if (!(w = Find(hWnd))) return TRUE;
  if (!(flags & SWP_NOACTIVATE) && IsTopLevel(*w) && (w->style & WS_VISIBLE)) Activate(hWnd, false);
  if (!(w = Find(hWnd))) return TRUE;
  WINDOWPOS done{hWnd, pos.hwndInsertAfter, w->rect.left, w->rect.top, w->rect.right - w->rect.left,
                 w->rect.bottom - w->rect.top, flags | (moved ? 0u : SWP_NOMOVE) | (sized ? 0u : SWP_NOSIZE)};
  Send(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
  return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hWnd, int x, int y, int width, int height, BOOL repaint) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
  return SetWindowPos(hWnd, nullptr, x, y, width, height, flags);
}

// Returns whether the window was visible before. SW_SHOWNA, SW_SHOWNOACTIVATE and SW_SHOWMINNOACTIVE show
// without activating; minimizing and maximizing are not simulated: those commands show the window.
extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int cmdShow) {
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  BOOL wasVisible = (w->style & WS_VISIBLE) != 0;
  if (cmdShow < SW_HIDE || cmdShow > 11) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return wasVisible;
  }
  if (cmdShow == SW_HIDE) {
    if (!wasVisible) return FALSE;
    Send(hWnd, WM_SHOWWINDOW, FALSE, 0);
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
  }
  bool activate = cmdShow != SW_SHOWNA && cmdShow != SW_SHOWNOACTIVATE && cmdShow != SW_SHOWMINNOACTIVE &&
                  IsTopLevel(*w);
  if (!wasVisible) {
    Send(hWnd, WM_SHOWWINDOW, TRUE, 0);
    if (!Find(hWnd)) return FALSE;
    UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE | SWP_NOZORDER);
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
  } else if (activate) {
    Activate(hWnd, false);
  }
  return wasVisible;
}

extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT rect) {
  Window* w = FindOrFail(hWnd);
  if (!w || !rect) return FALSE;
  *rect = ScreenRect(*w);
  return TRUE;
}

// The border styles take 1 pixel on each side; a caption (WS_CAPTION) takes 18 more at the top.
extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT rect) {
  Window* w = FindOrFail(hWnd);
  if (!w || !rect) return FALSE;
  RECT client = ClientInWindow(*w);
  *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
  return TRUE;
}

extern "C" BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT point) {
  Window* w = FindOrFail(hWnd);
  if (!w || !point) return FALSE;
  POINT origin = ClientOrigin(*w);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

extern "C" BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT point) {
  Window* w = FindOrFail(hWnd);
  if (!w || !point) return FALSE;
  POINT origin = ClientOrigin(*w);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

// A null window is the screen. Returns the offset (low word x, high word y); 0 is a success when
// GetLastError stays 0.
extern "C" int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  SetLastError(0);
  Window* source = FindOrFail(from ? from : S().desktop);
  Window* target = FindOrFail(to ? to : S().desktop);
  if (!source || !target) return 0;
  POINT a = ClientOrigin(*source);
  POINT b = ClientOrigin(*target);
  int dx = a.x - b.x;
  int dy = a.y - b.y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELONG(LOWORD(dx), LOWORD(dy));
}
