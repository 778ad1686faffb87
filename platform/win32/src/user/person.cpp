// The simulated person: mouse movements, buttons, the wheel and keys. Each input message goes through the
// WH_MOUSE or WH_KEYBOARD hooks and is then dispatched at once, as the host's message loop would.
#include <algorithm>
#include <cstdlib>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

WPARAM MouseKeys() {
  State& s = S();
  return (s.keyDown[VK_LBUTTON] ? MK_LBUTTON : 0) | (s.keyDown[VK_RBUTTON] ? MK_RBUTTON : 0) |
         (s.keyDown[VK_MBUTTON] ? MK_MBUTTON : 0) | (s.keyDown[VK_SHIFT] ? MK_SHIFT : 0) |
         (s.keyDown[VK_CONTROL] ? MK_CONTROL : 0);
}

// The window a mouse message goes to and whether the cursor is in its client area.
HWND MouseTarget(bool& inClient) {
  State& s = S();
  inClient = true;
  if (s.capture && Find(s.capture)) return s.capture;
  HWND hwnd = WindowFromPoint(s.cursor);
  if (!hwnd) return nullptr;
  Window* w = Find(hwnd);
  RECT client = ClientInWindow(*w);
  POINT origin = WindowOrigin(*w);
  OffsetRect(&client, origin.x, origin.y);
  inClient = PtInRect(&client, s.cursor) != FALSE;
  return hwnd;
}

// True when no hook discarded the message.
bool MouseHooksPass(UINT msg, HWND hwnd, UINT hitTest, DWORD mouseData = 0) {
  MOUSEHOOKSTRUCTEX info{{S().cursor, hwnd, hitTest, 0}, mouseData};
  return CallHooks(WH_MOUSE, HC_ACTION, msg, reinterpret_cast<LPARAM>(&info)) == 0;
}

LPARAM ClientPoint(HWND hwnd) {
  POINT p = S().cursor;
  ScreenToClient(hwnd, &p);
  return MAKELPARAM(p.x, p.y);
}

void SetKey(UINT vk, bool down, BYTE* downTable, BYTE* toggleTable) {
  if (down && !downTable[vk] && toggleTable) toggleTable[vk] ^= 1;
  downTable[vk] = down ? 1 : 0;
}

UINT ButtonKey(win32sim::MouseButton button) {
  switch (button) {
    case win32sim::MouseButton::Left:
      return VK_LBUTTON;
    case win32sim::MouseButton::Right:
      return VK_RBUTTON;
    default:
      return VK_MBUTTON;
  }
}

UINT ButtonMessage(win32sim::MouseButton button, bool down) {
  switch (button) {
    case win32sim::MouseButton::Left:
      return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case win32sim::MouseButton::Right:
      return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default:
      return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
}

// A second press of the same button on the same CS_DBLCLKS window, within the double-click time and
// rectangle (SM_CXDOUBLECLK x SM_CYDOUBLECLK centred on the first press), is a double click.
bool IsDoubleClick(HWND hwnd, UINT downMessage) {
  State& s = S();
  Window* w = Find(hwnd);
  bool dbl = w && (w->cls->info.style & CS_DBLCLKS) && s.lastClick && s.lastClick->hwnd == hwnd &&
             s.lastClick->button == downMessage && s.clock - s.lastClick->time <= GetDoubleClickTime() &&
             std::abs(s.cursor.x - s.lastClick->pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
             std::abs(s.cursor.y - s.lastClick->pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (dbl) s.lastClick.reset();
  else s.lastClick = State::Click{hwnd, downMessage, s.clock, s.cursor};
  return dbl;
}

// WM_MOUSEACTIVATE decides; a WS_EX_NOACTIVATE window is not activated. False when the click is eaten.
bool ClickActivate(HWND hwnd, UINT msg) {
  State& s = S();
  HWND top = RootOf(hwnd);
  if (!top || (s.appActive && s.active == top)) return true;
  LRESULT answer = Send(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(HTCLIENT, msg));
  Window* t = Find(top);
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && t && !(t->exStyle & WS_EX_NOACTIVATE))
    Activate(top, true);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

}  // namespace

namespace win32sim {

// WM_SETCURSOR goes first to a window not capturing; the non-client area gets no mouse messages here.
void MoveCursor(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  bool inClient;
  HWND hwnd = MouseTarget(inClient);
  if (!hwnd || !inClient || !MouseHooksPass(WM_MOUSEMOVE, hwnd, HTCLIENT)) return;
  if (S().capture != hwnd) Send(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  if (Find(hwnd)) DeliverInput(hwnd, WM_MOUSEMOVE, MouseKeys(), ClientPoint(hwnd));
  PumpMessages();
}

void PressMouseButton(MouseButton button, bool down) {
  State& s = S();
  UINT vk = ButtonKey(button);
  SetKey(vk, down, s.asyncDown, nullptr);
  if (down) s.asyncPressed[vk] = 1;
  bool inClient;
  HWND hwnd = MouseTarget(inClient);
  UINT msg = ButtonMessage(button, down);
  if (down && hwnd && inClient && IsDoubleClick(hwnd, msg)) msg += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
  if (!hwnd || !inClient || !MouseHooksPass(msg, hwnd, HTCLIENT)) {
    SetKey(vk, down, s.keyDown, s.keyToggled);
    return;
  }
  SetKey(vk, down, s.keyDown, s.keyToggled);
  if (down && s.capture != hwnd && !ClickActivate(hwnd, msg)) return;
  if (Find(hwnd)) DeliverInput(hwnd, msg, MouseKeys(), ClientPoint(hwnd));
  PumpMessages();
}

// Screen coordinates in lParam, as Windows sends WM_MOUSEWHEEL.
void TurnWheel(int delta) {
  State& s = S();
  HWND hwnd = s.focus;
  DWORD mouseData = static_cast<DWORD>(static_cast<WORD>(static_cast<SHORT>(delta))) << 16;
  if (!hwnd || !MouseHooksPass(WM_MOUSEWHEEL, hwnd, HTCLIENT, mouseData)) return;
  if (Find(hwnd))
    DeliverInput(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(MouseKeys(), static_cast<WORD>(static_cast<SHORT>(delta))),
                 MAKELPARAM(s.cursor.x, s.cursor.y));
  PumpMessages();
}

// lParam: repeat count 1, bit 29 with Alt down, bit 30 the previous state, bit 31 set on release. Without
// a focus window the active window gets WM_SYSKEY*; while another application is active the host gets
// nothing (the device state still changes).
void PressKey(UINT virtualKey, KeyAction action) {
  State& s = S();
  if (virtualKey == 0 || virtualKey > 0xFF) return;
  bool down = action != KeyAction::Up;
  bool wasDown = action == KeyAction::Repeat || s.asyncDown[virtualKey];
  SetKey(virtualKey, down, s.asyncDown, nullptr);
  if (down && !wasDown) s.asyncPressed[virtualKey] = 1;
  if (!s.appActive) return;
  bool alt = s.asyncDown[VK_MENU] != 0;
  LPARAM flags = 1 | (alt ? 1 << 29 : 0) | (wasDown || !down ? 1 << 30 : 0) |
                 (down ? 0 : static_cast<LPARAM>(1u << 31));
  HWND target = s.focus ? s.focus : s.active;
  bool system = alt || virtualKey == VK_MENU || virtualKey == VK_F10 || !s.focus;
  if (CallHooks(WH_KEYBOARD, HC_ACTION, virtualKey, flags)) return;
  SetKey(virtualKey, down, s.keyDown, s.keyToggled);
  if (!target || !Find(target)) return;
  UINT msg = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  DeliverInput(target, msg, virtualKey, flags);
  PumpMessages();
}

}  // namespace win32sim
