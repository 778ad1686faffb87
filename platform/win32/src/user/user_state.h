// The window manager's state: classes, windows (a tree under the desktop, z-order top first), the queue,
// hooks, timers, focus and activation, input state and monitors. One thread, so one instance.
#pragma once
#include <cairo.h>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qvuser.h"
#include "winuser.h"

namespace win32::user {

struct WindowClass {
  ATOM atom = 0;
  std::u16string name;
  WNDCLASSEXW info{};
  std::u16string menuName;  // info.lpszMenuName points here unless it is an integer resource
  int windowCount = 0;
};

struct Window {
  HWND handle = nullptr;
  std::shared_ptr<WindowClass> cls;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // the desktop for top-level windows
  HWND owner = nullptr;
  std::vector<HWND> children;  // z-order, top first
  RECT rect{};                 // in the parent's client coordinates (the screen for top-level windows)
  std::u16string text;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::vector<BYTE> extra;
  cairo_surface_t* surface = nullptr;  // the whole window rectangle
  std::optional<RECT> update;          // client coordinates, a bounding rectangle
  bool erasePending = false;
  bool destroying = false;
  ~Window();
};

struct Hook {
  HHOOK handle;
  int type;
  HOOKPROC proc;
  bool removed = false;
};

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  UINT period;
  DWORD due;
  TIMERPROC proc;
  uint64_t order;  // ties in due time fire in the order they were set
};

struct Monitor {
  RECT rect;
  RECT work;
};

struct State {
  std::map<HWND, std::shared_ptr<Window>> windows;
  std::vector<std::shared_ptr<WindowClass>> classes;
  HWND desktop = nullptr;

  std::deque<MSG> queue;
  std::optional<int> quitCode;
  DWORD messageTime = 0;

  std::vector<std::shared_ptr<Hook>> hooks;  // newest first
  std::vector<std::pair<int, Hook*>> runningHooks;

  std::vector<Timer> timers;
  uint64_t timerOrder = 0;
  UINT_PTR nextThreadTimerId = 0x7FF0;

  DWORD clock = 0;

  HWND focus = nullptr;
  HWND active = nullptr;
  HWND lastActive = nullptr;  // the host's active window while another application has the activation
  HWND capture = nullptr;
  bool appActive = true;

  POINT cursor{};
  HCURSOR cursorShape = nullptr;
  BYTE keyDown[256] = {};     // the thread's key state (GetKeyState)
  BYTE keyToggled[256] = {};
  BYTE asyncDown[256] = {};   // the device's (GetAsyncKeyState)
  BYTE asyncPressed[256] = {};

  struct Click {
    HWND hwnd;
    UINT button;
    DWORD time;
    POINT pt;
  };
  std::optional<Click> lastClick;

  std::vector<Monitor> monitors;
  unsigned monitorGeneration = 1;

  win32sim::DialogAnswerSource dialogAnswers;
  DWORD commDlgError = 0;
};

State& S();

// A class for a window of an instance: the instance's own, then a global one (any instance's if asked).
std::shared_ptr<WindowClass> FindClass(const std::u16string& name, HINSTANCE instance, bool anyInstance);

// Windows. Find returns null for a stale or unknown handle.
Window* Find(HWND hwnd);
// Find, or sets ERROR_INVALID_WINDOW_HANDLE.
Window* FindOrFail(HWND hwnd);
HWND NewWindowHandle();
bool IsTopLevel(const Window& w);
HWND RootOf(HWND hwnd);  // the top-level window of a window
bool IsDescendant(HWND ancestor, HWND hwnd);
bool IsVisibleChain(HWND hwnd);
void Unlink(Window& w);  // out of its parent's child list
void CreateDesktop();
void DestroyEverything();  // without messages, for ResetUser

// Geometry: the frame a style gives, the client rectangle in window coordinates, screen origins.
RECT ClientInWindow(const Window& w);
POINT WindowOrigin(const Window& w);  // the window's top-left in screen coordinates
POINT ClientOrigin(const Window& w);  // the client area's top-left in screen coordinates
RECT ScreenRect(const Window& w);
constexpr int kCaptionHeight = 18;

// Messages.
LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The next message GetMessageW/PeekMessageW would see: posted, WM_QUIT, WM_PAINT (not for the windows in
// skipPaint), then a due WM_TIMER. With remove, it leaves the queue (a timer starts its next period).
bool NextMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove, const std::vector<HWND>* skipPaint);
// Dispatches one input message now, as the message loop would on retrieving it.
void DeliverInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Hooks: the result of the chain for an event, 0 without hooks.
LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam);

// Timers of a window go with it.
void KillWindowTimers(HWND hwnd);

// Focus and activation.
bool Activate(HWND hwnd, bool byMouse);
void ActivateAnotherThan(HWND leaving);
void DropFocusWithin(HWND hwnd);
void ReleaseCaptureWithin(HWND hwnd);

// Z-order among siblings: the top of the window's band (topmost or not), its owned windows above it.
void InsertOnTop(Window& parent, Window& w);
void BringToTop(HWND hwnd, bool withOwned = true);

// Painting.
void ResizeSurface(Window& w);
void InvalidateAll(Window& w, bool erase);
void InvalidateTree(HWND hwnd);
bool NeedsPaint(const Window& w);
void DrawFrame(Window& w);
HDC ClientDc(Window& w);       // a new DC on the client area (origin at its top-left)
HDC WholeWindowDc(Window& w);  // a new DC on the whole window

// Monitors.
void ResetMonitors();
RECT VirtualScreen();

}  // namespace win32::user
