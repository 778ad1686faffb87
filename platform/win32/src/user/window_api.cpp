// CreateWindowExW, DestroyWindow, IsWindow, IsWindowVisible, IsWindowEnabled, EnableWindow.
#include <algorithm>

#include "user/atom_table.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

// Overlapped windows always have a caption and clip their siblings, as Windows gives them.
DWORD AdjustedStyle(DWORD style) {
  if (!(style & (WS_POPUP | WS_CHILD))) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  return style & ~WS_VISIBLE;
}

RECT InitialRect(DWORD style, int x, int y, int width, int height) {
  bool overlapped = !(style & (WS_POPUP | WS_CHILD));
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = overlapped ? kDefaultWidth : 0;
    height = overlapped ? kDefaultHeight : 0;
  }
  return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

// The last steps of a window: it leaves the tree and its handle finds nothing from now on.
void Forget(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  auto& queue = S().queue;
  queue.erase(std::remove_if(queue.begin(), queue.end(), [&](const MSG& m) { return m.hwnd == hwnd; }),
              queue.end());
  KillWindowTimers(hwnd);
  Unlink(*w);
  --w->cls->windowCount;
  if (S().lastActive == hwnd) S().lastActive = nullptr;
  if (S().lastClick && S().lastClick->hwnd == hwnd) S().lastClick.reset();
  S().windows.erase(hwnd);
}

void SendDestroy(HWND hwnd) {
  Send(hwnd, WM_DESTROY, 0, 0);
  Window* w = Find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children)
    if (Window* c = Find(child); c && !c->destroying) {
      c->destroying = true;
      SendDestroy(child);
    }
  if (Find(hwnd)) Send(hwnd, WM_NCDESTROY, 0, 0);
  Forget(hwnd);
}

}  // namespace

extern "C" HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                       int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                       LPVOID param) {
  State& s = S();
  Window* parentWindow = nullptr;
  if (parent && parent != HWND_MESSAGE) {
    parentWindow = FindOrFail(parent);
    if (!parentWindow) return nullptr;
  } else if (parent == HWND_MESSAGE) {
    SetLastError(ERROR_INVALID_PARAMETER);  // message-only windows are not simulated
    return nullptr;
  }
  if ((style & WS_CHILD) && !parentWindow) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  auto cls = FindClass(NameOf(className), instance, false);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  auto w = std::make_shared<Window>();
  w->handle = NewWindowHandle();
  w->cls = cls;
  w->proc = cls->info.lpfnWndProc;
  w->style = AdjustedStyle(style);
  w->exStyle = exStyle;
  w->instance = instance;
  w->extra.assign(cls->info.cbWndExtra, 0);
  w->rect = InitialRect(style, x, y, width, height);
  bool child = (style & WS_CHILD) && parent != s.desktop;
  if (child) {
    w->parent = parent;
    w->id = reinterpret_cast<LONG_PTR>(menu);
  } else {
    w->parent = s.desktop;
    w->owner = parentWindow && parent != s.desktop ? RootOf(parent) : nullptr;
    if (Window* owner = Find(w->owner); owner && (owner->exStyle & WS_EX_TOPMOST)) w->exStyle |= WS_EX_TOPMOST;
    if (!(style & (WS_POPUP | WS_CHILD))) w->exStyle |= WS_EX_WINDOWEDGE;
  }
  HWND hwnd = w->handle;
  ++cls->windowCount;
  s.windows[hwnd] = w;
  InsertOnTop(*Find(w->parent), *w);
  ResizeSurface(*w);

  CREATESTRUCTW cs{param, instance, menu, parent, height, width, y, x,
                   static_cast<LONG>(style), windowName, className, exStyle};
  CBT_CREATEWNDW cbt{&cs, HWND_TOP};
  if (CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) ||
      !Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (Find(hwnd)) Send(hwnd, WM_NCDESTROY, 0, 0);
    Forget(hwnd);
    return nullptr;
  }
  if (!Find(hwnd) || Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    if (Find(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  Window* created = Find(hwnd);
  if (!created) return nullptr;
  RECT client = ClientInWindow(*created);
  Send(hwnd, WM_SIZE, 0, MAKELPARAM(client.right - client.left, client.bottom - client.top));
  if ((created = Find(hwnd))) {
    POINT origin{created->rect.left + client.left, created->rect.top + client.top};
    Send(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  }
  if ((style & WS_VISIBLE) && Find(hwnd)) ShowWindow(hwnd, SW_SHOW);
  return Find(hwnd) ? hwnd : nullptr;
}

// Owned windows go first; WM_DESTROY reaches the window before its children, WM_NCDESTROY after them.
extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  if (hWnd == S().desktop) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->destroying) return TRUE;
  if (CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hWnd), 0)) return FALSE;
  if (!(w = Find(hWnd))) return TRUE;
  w->destroying = true;
  if (IsTopLevel(*w)) {
    std::vector<HWND> owned;
    for (HWND top : Find(S().desktop)->children)
      if (Find(top)->owner == hWnd) owned.push_back(top);
    for (HWND o : owned)
      if (Find(o)) DestroyWindow(o);
  }
  if (Window* still = Find(hWnd); still && (still->style & WS_VISIBLE))
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (S().active == hWnd) ActivateAnotherThan(hWnd);
  DropFocusWithin(hWnd);
  ReleaseCaptureWithin(hWnd);
  for (auto& [handle, other] : S().windows)
    if (other->owner == hWnd) other->owner = nullptr;
  SendDestroy(hWnd);
  return TRUE;
}

extern "C" BOOL WINAPI IsWindow(HWND hWnd) { return Find(hWnd) != nullptr; }

extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd) { return IsVisibleChain(hWnd); }

extern "C" BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  Window* w = Find(hWnd);
  return w && !(w->style & WS_DISABLED);
}

// Returns whether the window was disabled before; a window being disabled loses the focus and the capture.
extern "C" BOOL WINAPI EnableWindow(HWND hWnd, BOOL enable) {
  Window* w = FindOrFail(hWnd);
  if (!w) return FALSE;
  BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    if (S().focus == hWnd) SetFocus(nullptr);
    if (S().capture == hWnd || IsDescendant(hWnd, S().capture)) ReleaseCapture();
  }
  Send(hWnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}
