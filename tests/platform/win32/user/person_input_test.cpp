// The simulated person (win32sim::MoveCursor, PressMouseButton, TurnWheel, PressKey) through the WH_MOUSE and
// WH_KEYBOARD hooks; mouse activation; double clicks; GetAsyncKeyState and GetKeyState; GetCursorPos.
#include <algorithm>

#include "user_test_support.h"

using namespace usertest;

namespace {

class MouseInput : public UserTest {};
class KeyInput : public UserTest {};

using win32sim::MouseButton;

std::vector<std::pair<WPARAM, MOUSEHOOKSTRUCT>> mouseSeen;
DWORD wheelData;
std::vector<std::pair<WPARAM, LPARAM>> keysSeen;
bool discard;

LRESULT CALLBACK MouseHook(int code, WPARAM w, LPARAM l) {
  mouseSeen.emplace_back(w, *reinterpret_cast<MOUSEHOOKSTRUCT*>(l));
  if (w == WM_MOUSEWHEEL) wheelData = reinterpret_cast<MOUSEHOOKSTRUCTEX*>(l)->mouseData;
  return discard ? 1 : CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK KeyHook(int code, WPARAM w, LPARAM l) {
  keysSeen.emplace_back(w, l);
  return discard ? 1 : CallNextHookEx(nullptr, code, w, l);
}

const Received* Last(UINT message) {
  for (auto it = Log().rbegin(); it != Log().rend(); ++it)
    if (it->message == message) return &*it;
  return nullptr;
}

LRESULT CALLBACK NoActivate(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return RecordingProc(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(MouseInput, MoveGoesToTheWindowUnderInClientCoordinates) {
  mouseSeen.clear();
  discard = false;
  SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, GetCurrentThreadId());
  HWND w = Popup({100, 100, 300, 300}, WS_VISIBLE | WS_BORDER);
  Log().clear();
  win32sim::MoveCursor({150, 160});
  POINT p;
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 150);
  ASSERT_EQ(mouseSeen.size(), 1u);
  EXPECT_EQ(mouseSeen[0].first, static_cast<WPARAM>(WM_MOUSEMOVE));
  EXPECT_EQ(mouseSeen[0].second.pt.x, 150);
  EXPECT_EQ(mouseSeen[0].second.hwnd, w);
  const Received* move = Last(WM_MOUSEMOVE);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(move->hwnd, w);
  EXPECT_EQ(GET_X_LPARAM(move->lParam), 49);
  EXPECT_EQ(GET_Y_LPARAM(move->lParam), 59);
  EXPECT_EQ(Count(w, WM_SETCURSOR), 1);
}

TEST_F(MouseInput, HookCanDiscard) {
  mouseSeen.clear();
  discard = true;
  SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, GetCurrentThreadId());
  HWND w = Popup({0, 0, 100, 100});
  Log().clear();
  win32sim::MoveCursor({10, 10});
  win32sim::PressMouseButton(MouseButton::Left, true);
  EXPECT_EQ(mouseSeen.size(), 2u);
  EXPECT_EQ(Count(w, WM_MOUSEMOVE), 0);
  EXPECT_EQ(Count(w, WM_LBUTTONDOWN), 0);
  discard = false;
}

TEST_F(MouseInput, CaptureGetsMessagesOutsideIt) {
  HWND a = Popup({0, 0, 100, 100});
  Popup({200, 0, 300, 100});
  SetCapture(a);
  win32sim::MoveCursor({250, 50});
  const Received* move = Last(WM_MOUSEMOVE);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(move->hwnd, a);
  EXPECT_EQ(GET_X_LPARAM(move->lParam), 250);
}

TEST_F(MouseInput, ClickActivatesThroughMouseActivate) {
  HWND a = Popup({0, 0, 100, 100});
  HWND b = Popup({200, 0, 300, 100});
  EXPECT_EQ(GetActiveWindow(), b);
  win32sim::MoveCursor({50, 50});
  Log().clear();
  win32sim::PressMouseButton(MouseButton::Left, true);
  EXPECT_EQ(GetActiveWindow(), a);
  std::vector<UINT> order;
  for (UINT m : MessagesOf(a))
    if (m == WM_MOUSEACTIVATE || m == WM_ACTIVATE || m == WM_LBUTTONDOWN) order.push_back(m);
  std::vector<UINT> expected{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN};
  EXPECT_EQ(order, expected);
  const Received* act = Last(WM_ACTIVATE);
  EXPECT_EQ(LOWORD(act->wParam), WA_CLICKACTIVE);
  EXPECT_EQ(Last(WM_LBUTTONDOWN)->wParam, static_cast<WPARAM>(MK_LBUTTON));
  win32sim::PressMouseButton(MouseButton::Left, false);
  EXPECT_EQ(Last(WM_LBUTTONUP)->wParam, 0u);
}

TEST_F(MouseInput, NoActivateWindowsStayInactive) {
  HWND a = Popup({0, 0, 100, 100});
  HWND tip = Popup({200, 0, 300, 100}, 0, WS_EX_NOACTIVATE);
  ShowWindow(tip, SW_SHOWNA);
  win32sim::MoveCursor({250, 50});
  win32sim::PressMouseButton(MouseButton::Left, true);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(Count(tip, WM_LBUTTONDOWN), 1);
  HWND refuses = Popup({400, 0, 500, 100}, 0);
  SetWindowLongPtrW(refuses, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoActivate));
  ShowWindow(refuses, SW_SHOWNA);
  win32sim::MoveCursor({450, 50});
  win32sim::PressMouseButton(MouseButton::Left, true);
  EXPECT_EQ(GetActiveWindow(), a);
}

TEST_F(MouseInput, DoubleClickWithinTimeAndDistance) {
  HWND w = Popup({0, 0, 100, 100});
  win32sim::MoveCursor({50, 50});
  win32sim::PressMouseButton(MouseButton::Left, true);
  win32sim::PressMouseButton(MouseButton::Left, false);
  win32sim::AdvanceClock(GetDoubleClickTime());
  win32sim::MoveCursor({52, 48});
  win32sim::PressMouseButton(MouseButton::Left, true);
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1);
  win32sim::PressMouseButton(MouseButton::Left, false);
  win32sim::PressMouseButton(MouseButton::Left, true);  // a third press starts over
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1);
  win32sim::PressMouseButton(MouseButton::Left, false);
  win32sim::MoveCursor({55, 48});
  win32sim::PressMouseButton(MouseButton::Left, true);  // too far from the previous press
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1);
}

TEST_F(MouseInput, NoDoubleClickWithoutTheClassStyle) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = TestInstance();
  wc.lpszClassName = u"Plain";
  RegisterClassExW(&wc);
  HWND w = CreateWindowExW(0, u"Plain", u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, TestInstance(),
                           nullptr);
  win32sim::MoveCursor({50, 50});
  for (int i = 0; i < 2; ++i) {
    win32sim::PressMouseButton(MouseButton::Left, true);
    win32sim::PressMouseButton(MouseButton::Left, false);
  }
  EXPECT_EQ(Count(w, WM_LBUTTONDOWN), 2);
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 0);
}

TEST_F(MouseInput, WheelGoesToTheFocusInScreenCoordinates) {
  HWND top = Popup({100, 100, 300, 300});
  HWND view = Child(top, {0, 0, 50, 50});
  SetFocus(view);
  win32sim::MoveCursor({250, 250});
  discard = false;
  SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, GetCurrentThreadId());
  win32sim::TurnWheel(-WHEEL_DELTA);
  EXPECT_EQ(static_cast<SHORT>(HIWORD(wheelData)), -WHEEL_DELTA);
  auto first = std::find_if(Log().begin(), Log().end(), [](auto& r) { return r.message == WM_MOUSEWHEEL; });
  ASSERT_NE(first, Log().end());
  const Received* wheel = &*first;
  EXPECT_EQ(wheel->hwnd, view);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel->wParam), -WHEEL_DELTA);
  EXPECT_EQ(GET_X_LPARAM(wheel->lParam), 250);
  EXPECT_EQ(Count(top, WM_MOUSEWHEEL), 1);  // DefWindowProcW passes it to the parent
}

TEST_F(MouseInput, ButtonStateForGetAsyncKeyState) {
  win32sim::PressMouseButton(MouseButton::Right, true);
  EXPECT_NE(GetAsyncKeyState(VK_RBUTTON) & 0x8000, 0);
  win32sim::PressMouseButton(MouseButton::Right, false);
  EXPECT_EQ(GetAsyncKeyState(VK_RBUTTON) & 0x8000, 0);
}

TEST_F(KeyInput, HookSeesRepeatAndTransitionBits) {
  keysSeen.clear();
  discard = false;
  SetWindowsHookExW(WH_KEYBOARD, KeyHook, nullptr, GetCurrentThreadId());
  HWND w = Popup({0, 0, 100, 100});
  win32sim::PressKey('A', win32sim::KeyAction::Down);
  win32sim::PressKey('A', win32sim::KeyAction::Repeat);
  win32sim::PressKey('A', win32sim::KeyAction::Up);
  ASSERT_EQ(keysSeen.size(), 3u);
  EXPECT_EQ(keysSeen[0].first, static_cast<WPARAM>('A'));
  EXPECT_EQ(keysSeen[0].second & 0xFFFF, 1);
  EXPECT_EQ(keysSeen[0].second & (1 << 30), 0);
  EXPECT_EQ(keysSeen[0].second & (1LL << 31), 0);
  EXPECT_NE(keysSeen[1].second & (1 << 30), 0);
  EXPECT_EQ(keysSeen[1].second & (1LL << 31), 0);
  EXPECT_NE(keysSeen[2].second & (1 << 30), 0);
  EXPECT_NE(keysSeen[2].second & (1LL << 31), 0);
  EXPECT_EQ(Count(w, WM_KEYDOWN), 2);
  EXPECT_EQ(Count(w, WM_KEYUP), 1);
}

TEST_F(KeyInput, DiscardedKeysDoNotArrive) {
  keysSeen.clear();
  discard = true;
  SetWindowsHookExW(WH_KEYBOARD, KeyHook, nullptr, GetCurrentThreadId());
  HWND w = Popup({0, 0, 100, 100});
  win32sim::PressKey(VK_ESCAPE, win32sim::KeyAction::Down);
  EXPECT_EQ(keysSeen.size(), 1u);
  EXPECT_EQ(Count(w, WM_KEYDOWN), 0);
  discard = false;
}

TEST_F(KeyInput, KeyStatesFollow) {
  Popup({0, 0, 100, 100});
  win32sim::PressKey(VK_SHIFT, win32sim::KeyAction::Down);
  EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8001, 0x8001);
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x0001, 0);  // pressed-since-last-call is read once
  win32sim::PressKey(VK_SHIFT, win32sim::KeyAction::Up);
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);  // toggled by the press
}

TEST_F(KeyInput, AltMakesSystemKeys) {
  HWND w = Popup({0, 0, 100, 100});
  win32sim::PressKey(VK_MENU, win32sim::KeyAction::Down);
  win32sim::PressKey('F', win32sim::KeyAction::Down);
  const Received* sys = Last(WM_SYSKEYDOWN);
  ASSERT_NE(sys, nullptr);
  EXPECT_EQ(sys->hwnd, w);
  EXPECT_EQ(sys->wParam, static_cast<WPARAM>('F'));
  EXPECT_NE(sys->lParam & (1 << 29), 0);
}

TEST_F(KeyInput, OtherApplicationGetsTheKeys) {
  HWND w = Popup({0, 0, 100, 100});
  win32sim::ActivateOtherApplication();
  win32sim::PressKey('B', win32sim::KeyAction::Down);
  EXPECT_EQ(Count(w, WM_KEYDOWN), 0);
  EXPECT_EQ(Count(w, WM_SYSKEYDOWN), 0);
  EXPECT_NE(GetAsyncKeyState('B') & 0x8000, 0);
}
