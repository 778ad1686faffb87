#include "hover/InputHooks.h"

#include <acdocman.h>
#include <acedads.h>

#include <cstdlib>

#include "host/QuillviewApp.h"
#include "hover/Scope.h"

namespace {

LRESULT PassOn(HookKind kind, int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(QuillviewApp().Hook(kind), code, wParam, lParam);
}

bool ScopeIsVisible() { return QuillviewApp().HasScope() && QuillviewApp().Scope().IsVisible(); }

// Movements up to the double-click width are jitter, not the user moving on; they add up until they are not.
void OnMouseMove(POINT cursor) {
  static POINT reference{0, 0};
  static const int threshold = GetSystemMetrics(SM_CXDOUBLECLK);
  if (std::abs(cursor.x - reference.x) > threshold || std::abs(cursor.y - reference.y) > threshold) {
    RestartScope();
    reference = cursor;
  }
}

bool IsButtonOrWheel(WPARAM message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
      return true;
    default:
      return false;
  }
}

// Bits 31 (released) and 30 (was down) agree on the first press and on the release, not on auto-repeats.
bool IsPressOrRelease(LPARAM lParam) {
  const DWORD flags = static_cast<DWORD>(lParam);
  return ((flags >> 31) & 1) == ((flags >> 30) & 1);
}

}  // namespace

bool HoverIsActive() { return QuillviewApp().Enabled() && acDocManagerPtr()->curDocument() != nullptr; }

void RestartScope() {
  CQuillviewApp& app = QuillviewApp();
  app.Scope().HideAndArm(HoverIsActive() ? static_cast<int>(app.TimerInterval()) : 0);
}

void HideScope() { QuillviewApp().Scope().HideAndArm(0); }

void Peek() {
  CQuillviewApp& app = QuillviewApp();
  app.SetPeekInProgress(true);
  app.Scope().ShowAtCursor();
  app.SetPeekInProgress(false);
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    if (wParam == WM_MOUSEMOVE) {
      OnMouseMove(reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt);
    } else if (IsButtonOrWheel(wParam) && (HoverIsActive() || ScopeIsVisible())) {
      RestartScope();
    }
  }
  return PassOn(HookKind::kMouse, code, wParam, lParam);
}

// Ctrl over a shown description shows the nested (or un-nested) one instead.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == VK_CONTROL && ScopeIsVisible() && IsPressOrRelease(lParam)) Peek();
  return PassOn(HookKind::kKeyboard, code, wParam, lParam);
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND activating = reinterpret_cast<HWND>(wParam);
    HWND mainWindow = adsw_acadMainWnd();
    const auto* activation = reinterpret_cast<const CBTACTIVATESTRUCT*>(lParam);
    if (activating == mainWindow) {
      RestartScope();
    } else if (activation->hWndActive == mainWindow) {
      CQuillviewApp& app = QuillviewApp();
      // The scope never takes the activation from the host.
      if (app.HasScope() && activating == app.Scope().Window()) return 1;
      HideScope();
    }
  }
  return PassOn(HookKind::kCbt, code, wParam, lParam);
}

LRESULT CALLBACK CallWndProcHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_ACTIVATEAPP && call->hwnd == adsw_acadMainWnd() && call->wParam == FALSE) HideScope();
  }
  return PassOn(HookKind::kCallWndProc, code, wParam, lParam);
}
