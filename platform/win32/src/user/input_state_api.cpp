// GetCursorPos, SetCursorPos, SetCursor, GetCursor, GetAsyncKeyState, GetKeyState, GetSystemMetrics,
// GetDoubleClickTime.
#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

constexpr UINT kDoubleClickTime = 500;

bool ValidKey(int vKey) { return vKey > 0 && vKey < 256; }

}  // namespace

extern "C" BOOL WINAPI GetCursorPos(LPPOINT point) {
  if (!point) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  *point = S().cursor;
  return TRUE;
}

// Moves the cursor (kept on the virtual screen) without mouse messages or hook calls: only the person's
// movements (win32sim::MoveCursor) produce those.
extern "C" BOOL WINAPI SetCursorPos(int x, int y) {
  RECT screen = VirtualScreen();
  S().cursor = POINT{std::clamp<LONG>(x, screen.left, screen.right - 1),
                     std::clamp<LONG>(y, screen.top, screen.bottom - 1)};
  return TRUE;
}

extern "C" HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  HCURSOR old = S().cursorShape;
  S().cursorShape = cursor;
  return old;
}

extern "C" HCURSOR WINAPI GetCursor(void) { return S().cursorShape; }

// The high bit: down now; the low bit: pressed since the previous call (Windows says not to rely on it).
extern "C" SHORT WINAPI GetAsyncKeyState(int vKey) {
  if (!ValidKey(vKey)) return 0;
  State& s = S();
  SHORT state = static_cast<SHORT>((s.asyncDown[vKey] ? 0x8000 : 0) | (s.asyncPressed[vKey] ? 1 : 0));
  s.asyncPressed[vKey] = 0;
  return state;
}

// The thread's state as of the last key message it got: high bit down, low bit toggled.
extern "C" SHORT WINAPI GetKeyState(int vKey) {
  if (!ValidKey(vKey)) return 0;
  State& s = S();
  return static_cast<SHORT>((s.keyDown[vKey] ? 0xFF80 : 0) | (s.keyToggled[vKey] ? 1 : 0));
}

extern "C" int WINAPI GetSystemMetrics(int index) {
  RECT primary = S().monitors.front().rect;
  RECT virt = VirtualScreen();
  switch (index) {
    case SM_CXSCREEN:
      return primary.right - primary.left;
    case SM_CYSCREEN:
      return primary.bottom - primary.top;
    case SM_XVIRTUALSCREEN:
      return virt.left;
    case SM_YVIRTUALSCREEN:
      return virt.top;
    case SM_CXVIRTUALSCREEN:
      return virt.right - virt.left;
    case SM_CYVIRTUALSCREEN:
      return virt.bottom - virt.top;
    case SM_CMONITORS:
      return static_cast<int>(S().monitors.size());
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CYCAPTION:
      return kCaptionHeight;
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return 4;
    default:
      return 0;
  }
}

extern "C" UINT WINAPI GetDoubleClickTime(void) { return kDoubleClickTime; }
