// DefWindowProcW, CallWindowProcW.
#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

constexpr int kSystemColorCount = COLOR_MENUBAR + 1;

// A class brush, or a COLOR_* index + 1, as WNDCLASS allows.
HBRUSH ClassBrush(const Window& w) {
  HBRUSH brush = w.cls->info.hbrBackground;
  auto value = reinterpret_cast<uintptr_t>(brush);
  if (value > 0 && value <= kSystemColorCount) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

LRESULT HitTest(const Window& w, LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT frame = ScreenRect(w);
  if (!PtInRect(&frame, p)) return HTNOWHERE;
  RECT client = ClientInWindow(w);
  OffsetRect(&client, frame.left, frame.top);
  if (PtInRect(&client, p)) return HTCLIENT;
  if ((w.style & WS_CAPTION) == WS_CAPTION && p.y >= client.top - kCaptionHeight && p.y < client.top)
    return HTCAPTION;
  return HTBORDER;
}

LRESULT CopyText(const Window& w, WPARAM size, LPARAM lParam) {
  auto* out = reinterpret_cast<LPWSTR>(lParam);
  if (!out || size == 0) return 0;
  size_t n = std::min<size_t>(size - 1, w.text.size());
  std::copy_n(w.text.begin(), n, out);
  out[n] = 0;
  return static_cast<LRESULT>(n);
}

}  // namespace

extern "C" LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = Find(hWnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_SETTEXT:
      w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      return TRUE;
    case WM_GETTEXT:
      return CopyText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_ERASEBKGND: {
      HBRUSH brush = ClassBrush(*w);
      if (!brush) return 0;
      RECT box;
      GetClipBox(reinterpret_cast<HDC>(wParam), &box);
      FillRect(reinterpret_cast<HDC>(wParam), &box, brush);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hWnd, &ps);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_NCHITTEST:
      return HitTest(*w, lParam);
    case WM_MOUSEACTIVATE:
      if (!IsTopLevel(*w))
        if (LRESULT fromParent = Send(w->parent, WM_MOUSEACTIVATE, wParam, lParam)) return fromParent;
      return MA_ACTIVATE;
    case WM_SETCURSOR:
      if (!IsTopLevel(*w) && Send(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      if (!(w = Find(hWnd))) return FALSE;
      if (LOWORD(lParam) == HTCLIENT && w->cls->info.hCursor) {
        SetCursor(w->cls->info.hCursor);
        return TRUE;
      }
      return FALSE;
    case WM_MOUSEWHEEL:
      return IsTopLevel(*w) ? 0 : Send(w->parent, msg, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hWnd);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      RECT client = ClientInWindow(*w);
      if (!(pos->flags & SWP_NOMOVE))
        Send(hWnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + client.left, w->rect.top + client.top));
      if (!(pos->flags & SWP_NOSIZE) && Find(hWnd))
        Send(hWnd, WM_SIZE, 0, MAKELPARAM(client.right - client.left, client.bottom - client.top));
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    default:
      return 0;  // WM_SETFONT keeps nothing, so WM_GETFONT answers 0
  }
}

extern "C" LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hWnd, msg, wParam, lParam) : 0;
}
