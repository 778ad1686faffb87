#include "user/user_state.h"

#include <algorithm>

#include "winbase.h"

namespace win32::user {

Window::~Window() {
  if (surface) cairo_surface_destroy(surface);
}

// Lives to process exit: windows may be touched by late destructors.
State& S() {
  static State* state = nullptr;
  if (!state) {
    state = new State;
    CreateDesktop();
    ResetMonitors();
  }
  return *state;
}

Window* Find(HWND hwnd) {
  auto it = S().windows.find(hwnd);
  return it == S().windows.end() ? nullptr : it->second.get();
}

Window* FindOrFail(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

// Handles count up and are never handed out twice in a process, so a stale handle finds nothing.
HWND NewWindowHandle() {
  static uintptr_t next = 0x10020;
  next += 2;
  return reinterpret_cast<HWND>(next);
}

bool IsTopLevel(const Window& w) { return w.parent == S().desktop; }

HWND RootOf(HWND hwnd) {
  Window* w = Find(hwnd);
  while (w && w->parent && w->parent != S().desktop) {
    hwnd = w->parent;
    w = Find(hwnd);
  }
  return w ? hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
  for (Window* w = Find(hwnd); w && w->parent; w = Find(w->parent))
    if (w->parent == ancestor) return true;
  return false;
}

bool IsVisibleChain(HWND hwnd) {
  for (Window* w = Find(hwnd); w && hwnd != S().desktop; hwnd = w->parent, w = Find(hwnd))
    if (!(w->style & WS_VISIBLE)) return false;
  return Find(hwnd) != nullptr;
}

void Unlink(Window& w) {
  if (Window* parent = Find(w.parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w.handle), siblings.end());
  }
}

void CreateDesktop() {
  auto desktop = std::make_shared<Window>();
  static const HWND handle = NewWindowHandle();
  desktop->handle = handle;
  desktop->cls = std::make_shared<WindowClass>();
  desktop->cls->name = u"#32769";
  desktop->proc = DefWindowProcW;
  desktop->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  S().desktop = handle;
  S().windows[handle] = desktop;
}

void DestroyEverything() {
  State& s = S();
  for (auto& [handle, w] : s.windows) {
    w->children.clear();
    if (w->cls) --w->cls->windowCount;
  }
  s.windows.clear();
  s.desktop = nullptr;
}

RECT ClientInWindow(const Window& w) {
  RECT r{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top};
  bool framed = (w.style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) || (w.exStyle & WS_EX_DLGMODALFRAME);
  if (framed) InflateRect(&r, -1, -1);
  if ((w.style & WS_CAPTION) == WS_CAPTION) r.top += kCaptionHeight;
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

POINT WindowOrigin(const Window& w) {
  POINT p{w.rect.left, w.rect.top};
  if (Window* parent = Find(w.parent); parent && w.parent != S().desktop) {
    POINT base = ClientOrigin(*parent);
    p.x += base.x;
    p.y += base.y;
  }
  return p;
}

POINT ClientOrigin(const Window& w) {
  if (w.handle == S().desktop) return POINT{w.rect.left, w.rect.top};
  POINT p = WindowOrigin(w);
  RECT client = ClientInWindow(w);
  return POINT{p.x + client.left, p.y + client.top};
}

RECT ScreenRect(const Window& w) {
  POINT p = WindowOrigin(w);
  return RECT{p.x, p.y, p.x + (w.rect.right - w.rect.left), p.y + (w.rect.bottom - w.rect.top)};
}

}  // namespace win32::user
