// The scope's window procedure: hide and arm, the display timer, painting, fonts and the mouse passed on.
#include <acedads.h>

#include "hover/Scope.h"
#include "hover/ScopeWindowClass.h"

LRESULT CALLBACK CScope::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == HideScopeMessage()) {
    if (CScope* scope = ScopeOfWindow(window)) scope->Hide();
    if (wParam != 0) SetTimer(window, kScopeTimerId, static_cast<UINT>(lParam), nullptr);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  CScope* scope = ScopeOfWindow(window);
  switch (message) {
    case WM_TIMER:
      if (wParam != kScopeTimerId) break;
      KillTimer(window, kScopeTimerId);
      // A rest while another window has the keyboard is not a rest over the drawing.
      if (scope != nullptr && GetFocus() == adsw_acadDocWnd()) scope->ShowAtCursor();
      return 0;
    case WM_ACTIVATE:
      return 0;
    case WM_PAINT:
      if (scope == nullptr) break;
      scope->Paint();
      return 0;
    case WM_SETFONT:
      if (scope == nullptr) break;
      if (HFONT previous = scope->ApplyFont(reinterpret_cast<HFONT>(wParam))) DeleteObject(previous);
      if (LOWORD(lParam) != 0) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return scope != nullptr ? reinterpret_cast<LRESULT>(scope->m_font) : 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
      return ForwardMouseToOwner(window, message, wParam, lParam);
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The scope never holds the mouse: the owner gets the message at the same screen point.
LRESULT CScope::ForwardMouseToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND owner = GetParent(window);
  // The wheel's point is already in screen coordinates, the same for every window.
  if (message == WM_MOUSEWHEEL) return SendMessageW(owner, message, wParam, lParam);
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &point);
  ScreenToClient(owner, &point);
  return SendMessageW(owner, message, wParam, MAKELPARAM(point.x, point.y));
}
