// SetFocus, GetFocus, SetActiveWindow, GetActiveWindow, SetForegroundWindow, GetForegroundWindow, SetCapture,
// ReleaseCapture, GetCapture; the host application's activation against the other applications.
#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

// The focus changes without activating anything.
void MoveFocus(HWND hwnd) {
  State& s = S();
  HWND old = s.focus;
  if (old == hwnd) return;
  s.focus = hwnd;
  if (old && Find(old)) Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && s.focus == hwnd && Find(hwnd)) Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}

void SendActivateApp(BOOL active) {
  std::vector<HWND> tops = Find(S().desktop)->children;
  for (HWND top : tops)
    if (Find(top)) Send(top, WM_ACTIVATEAPP, active, 0);
}

bool Activatable(HWND hwnd, HWND leaving) {
  Window* w = Find(hwnd);
  return w && hwnd != leaving && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) &&
         !(w->exStyle & WS_EX_NOACTIVATE) && (!leaving || w->owner != leaving);
}

bool FocusableChain(HWND hwnd) {
  for (Window* w = Find(hwnd); w && hwnd != S().desktop; hwnd = w->parent, w = Find(hwnd))
    if (w->style & WS_DISABLED) return false;
  return true;
}

void Deactivate(HWND old) {
  S().active = nullptr;
  if (old && Find(old)) Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
  MoveFocus(nullptr);
}

}  // namespace

namespace win32::user {

// The CBT hook may refuse. The window goes to the top; when the application was not active it gets
// WM_ACTIVATEAPP first. As on Windows, the focus moves into the window when it is elsewhere.
bool Activate(HWND hwnd, bool byMouse) {
  State& s = S();
  HWND top = RootOf(hwnd);
  if (!top || top == s.desktop) return false;
  if (s.appActive && s.active == top) return true;
  HWND old = s.appActive ? s.active : nullptr;
  CBTACTIVATESTRUCT cbt{byMouse ? TRUE : FALSE, old};
  if (CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&cbt))) return false;
  if (!Find(top)) return false;
  bool appGains = !s.appActive;
  s.appActive = true;
  s.active = s.lastActive = top;
  BringToTop(top);
  if (old && Find(old)) Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(top));
  if (appGains) SendActivateApp(TRUE);
  if (s.active != top || !Find(top)) return false;
  Send(top, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, 0), reinterpret_cast<LPARAM>(old));
  if (s.active == top && Find(top) && s.focus != top && !IsDescendant(top, s.focus)) MoveFocus(top);
  return s.active == top;
}

// The owner takes the activation back, else the next window in z-order; with none, nothing is active.
void ActivateAnotherThan(HWND leaving) {
  Window* w = Find(leaving);
  HWND next = nullptr;
  if (w && Activatable(w->owner, leaving)) next = w->owner;
  for (HWND top : Find(S().desktop)->children)
    if (!next && Activatable(top, leaving)) next = top;
  if (!next || !Activate(next, false)) Deactivate(leaving);
}

void DropFocusWithin(HWND hwnd) {
  if (S().focus == hwnd || IsDescendant(hwnd, S().focus)) MoveFocus(nullptr);
}

void ReleaseCaptureWithin(HWND hwnd) {
  if (S().capture == hwnd || IsDescendant(hwnd, S().capture)) ReleaseCapture();
}

}  // namespace win32::user

// Activates the window's top-level window first; a disabled window (or one in a disabled parent) does not
// take the focus. Returns the window that had the focus.
extern "C" HWND WINAPI SetFocus(HWND hWnd) {
  State& s = S();
  HWND old = s.focus;
  if (!hWnd) {
    if (old && CallHooks(WH_CBT, HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(old))) return nullptr;
    MoveFocus(nullptr);
    return old;
  }
  if (!FindOrFail(hWnd) || hWnd == s.desktop || !FocusableChain(hWnd)) return nullptr;
  if (hWnd == old) return old;
  if (CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hWnd), reinterpret_cast<LPARAM>(old)))
    return nullptr;
  HWND top = RootOf(hWnd);
  if ((!s.appActive || s.active != top) && !Activate(top, false)) return nullptr;
  if (!Find(hWnd)) return nullptr;
  MoveFocus(hWnd);
  return old;
}

extern "C" HWND WINAPI GetFocus(void) { return S().focus; }

// A child window is not activated; the call then returns the active window, as Windows does.
extern "C" HWND WINAPI SetActiveWindow(HWND hWnd) {
  State& s = S();
  HWND old = s.appActive ? s.active : nullptr;
  if (!hWnd) {
    if (old) Deactivate(old);
    return old;
  }
  Window* w = FindOrFail(hWnd);
  if (!w) return nullptr;
  if (!IsTopLevel(*w)) return old;
  return Activate(hWnd, false) ? old : nullptr;
}

extern "C" HWND WINAPI GetActiveWindow(void) { return S().appActive ? S().active : nullptr; }

// The simulated machine lets the host take the foreground whenever it asks.
extern "C" BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  if (!FindOrFail(hWnd)) return FALSE;
  return Activate(hWnd, false) ? TRUE : FALSE;
}

// Null while another application is in the foreground: its windows are not this process's.
extern "C" HWND WINAPI GetForegroundWindow(void) { return S().appActive ? S().active : nullptr; }

extern "C" HWND WINAPI SetCapture(HWND hWnd) {
  Window* w = FindOrFail(hWnd);
  HWND old = S().capture;
  if (!w) return nullptr;
  S().capture = hWnd;
  if (old && old != hWnd && Find(old)) Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
  return old;
}

extern "C" BOOL WINAPI ReleaseCapture(void) {
  HWND old = S().capture;
  S().capture = nullptr;
  if (old && Find(old)) Send(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

extern "C" HWND WINAPI GetCapture(void) { return S().capture; }

namespace win32sim {

void ActivateOtherApplication() {
  State& s = S();
  if (!s.appActive) return;
  HWND old = s.active;
  s.lastActive = old;
  s.active = nullptr;
  s.appActive = false;
  if (old && Find(old)) Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
  SendActivateApp(FALSE);
  MoveFocus(nullptr);
  if (s.capture) ReleaseCapture();
}

void ActivateHostApplication() {
  State& s = S();
  if (s.appActive) return;
  HWND target = Activatable(s.lastActive, nullptr) ? s.lastActive : nullptr;
  for (HWND top : Find(s.desktop)->children)
    if (!target && Activatable(top, nullptr)) target = top;
  if (target) {
    Activate(target, false);
    return;
  }
  s.appActive = true;
  SendActivateApp(TRUE);
}

bool HostApplicationActive() { return S().appActive; }

}  // namespace win32sim
