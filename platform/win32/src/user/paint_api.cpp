// GetDC, GetWindowDC, ReleaseDC, BeginPaint, EndPaint, InvalidateRect, ValidateRect, UpdateWindow,
// RedrawWindow, GetUpdateRect. The update region is kept as its bounding rectangle.
#include <algorithm>
#include <map>

#include "gdi/device_context.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

// The DCs handed out and the window each belongs to.
std::map<HDC, HWND>& handedOut() {
  static auto* dcs = new std::map<HDC, HWND>;
  return *dcs;
}

RECT ClientBox(const Window& w) {
  RECT c = ClientInWindow(w);
  return RECT{0, 0, c.right - c.left, c.bottom - c.top};
}

void AddUpdate(Window& w, const RECT* rect, bool erase) {
  RECT box = ClientBox(w);
  RECT part = box;
  if (rect && !IntersectRect(&part, rect, &box)) return;
  if (IsRectEmpty(&part)) return;
  if (w.update) UnionRect(&*w.update, &*w.update, &part);
  else w.update = part;
  w.erasePending = w.erasePending || erase;
}

HDC Hand(Window& w, HDC dc) {
  handedOut()[dc] = w.handle;
  return dc;
}

void ForEachTopLevel(void (*visit)(HWND)) {
  std::vector<HWND> tops = Find(S().desktop)->children;
  for (HWND top : tops)
    if (Find(top)) visit(top);
}

void InvalidateDescendants(Window& w, bool erase) {
  for (HWND child : w.children) {
    Window* c = Find(child);
    AddUpdate(*c, nullptr, erase);
    InvalidateDescendants(*c, erase);
  }
}

void UpdateDescendants(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) {
    UpdateWindow(child);
    UpdateDescendants(child);
  }
}

}  // namespace

namespace win32::user {

void InvalidateAll(Window& w, bool erase) { AddUpdate(w, nullptr, erase); }

void InvalidateTree(HWND hwnd) {
  Window* w = Find(hwnd);
  AddUpdate(*w, nullptr, true);
  InvalidateDescendants(*w, true);
}

bool NeedsPaint(const Window& w) { return w.update && !IsRectEmpty(&*w.update); }

}  // namespace win32::user

// A null window gives the screen's DC.
extern "C" HDC WINAPI GetDC(HWND hWnd) {
  if (!hWnd) return win32::ScreenDc();
  Window* w = FindOrFail(hWnd);
  return w ? Hand(*w, ClientDc(*w)) : nullptr;
}

extern "C" HDC WINAPI GetWindowDC(HWND hWnd) {
  if (!hWnd) return win32::ScreenDc();
  Window* w = FindOrFail(hWnd);
  return w ? Hand(*w, WholeWindowDc(*w)) : nullptr;
}

extern "C" int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
  if (hDC && hDC == win32::ScreenDc()) return 1;
  auto it = handedOut().find(hDC);
  if (it == handedOut().end() || (hWnd && it->second != hWnd)) return 0;
  handedOut().erase(it);
  DeleteDC(hDC);
  return 1;
}

// Validates the update region; the DC is clipped to rcPaint. WM_ERASEBKGND goes first when an erase is
// pending; fErase tells that it was not done.
extern "C" HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT paint) {
  Window* w = FindOrFail(hWnd);
  if (!w || !paint) return nullptr;
  RECT area = w->update.value_or(RECT{0, 0, 0, 0});
  bool erase = w->erasePending;
  w->update.reset();
  w->erasePending = false;
  HDC dc = Hand(*w, ClientDc(*w));
  win32::FindDc(dc)->state.clip = area;
  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->rcPaint = area;
  if (erase) paint->fErase = Send(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  return dc;
}

extern "C" BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* paint) {
  if (!paint) return FALSE;
  ReleaseDC(hWnd, paint->hdc);
  return TRUE;
}

// A null window invalidates every window.
extern "C" BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* rect, BOOL erase) {
  if (!hWnd) {
    ForEachTopLevel([](HWND top) { InvalidateTree(top); });
    return TRUE;
  }
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  AddUpdate(*w, rect, erase != FALSE);
  return TRUE;
}

// A rectangle that covers the whole update region validates it; a smaller one leaves the region as it is
// (the region is only a bounding rectangle).
extern "C" BOOL WINAPI ValidateRect(HWND hWnd, const RECT* rect) {
  if (!hWnd) return InvalidateRect(nullptr, nullptr, TRUE);
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  RECT covered;
  if (!rect || (w->update && IntersectRect(&covered, rect, &*w->update) && EqualRect(&covered, &*w->update))) {
    w->update.reset();
    w->erasePending = false;
  }
  return TRUE;
}

// Sends WM_PAINT straight to the window (not its children) when it is visible and has something to paint.
extern "C" BOOL WINAPI UpdateWindow(HWND hWnd) {
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  if (NeedsPaint(*w) && IsVisibleChain(hWnd)) Send(hWnd, WM_PAINT, 0, 0);
  return TRUE;
}

// RDW_INVALIDATE (with RDW_ERASE), RDW_ALLCHILDREN and RDW_UPDATENOW; regions are not supported.
extern "C" BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* update, HRGN, UINT flags) {
  if (!hWnd) hWnd = S().desktop;
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  bool erase = (flags & RDW_ERASE) != 0;
  if (flags & RDW_INVALIDATE) {
    if (hWnd != S().desktop) AddUpdate(*w, update, erase);
    if (flags & RDW_ALLCHILDREN || hWnd == S().desktop) InvalidateDescendants(*w, erase);
  }
  if (flags & RDW_UPDATENOW) {
    if (hWnd != S().desktop) UpdateWindow(hWnd);
    if (flags & RDW_ALLCHILDREN || hWnd == S().desktop) UpdateDescendants(hWnd);
  }
  return TRUE;
}

extern "C" BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT rect, BOOL erase) {
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  bool pending = NeedsPaint(*w);
  if (rect) *rect = pending ? *w->update : RECT{0, 0, 0, 0};
  if (pending && erase && w->erasePending) {
    w->erasePending = false;
    HDC dc = Hand(*w, ClientDc(*w));
    win32::FindDc(dc)->state.clip = *w->update;
    Send(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(hWnd, dc);
  }
  return pending;
}
