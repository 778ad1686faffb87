// SetFocus, SetActiveWindow, SetForegroundWindow, WM_ACTIVATE, WM_ACTIVATEAPP, the CBT activation veto,
// SetCapture and the other application's activation.
#include "user_test_support.h"

using namespace usertest;

namespace {

class Focus : public UserTest {};
class Activation : public UserTest {};
class Capture : public UserTest {};

HWND cbtActivated;
CBTACTIVATESTRUCT cbtInfo;
HWND vetoed;
LRESULT CALLBACK CbtWatch(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE) {
    cbtActivated = reinterpret_cast<HWND>(w);
    cbtInfo = *reinterpret_cast<CBTACTIVATESTRUCT*>(l);
    if (cbtActivated == vetoed) return 1;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

const Received* Last(HWND hwnd, UINT message) {
  for (auto it = Log().rbegin(); it != Log().rend(); ++it)
    if (it->hwnd == hwnd && it->message == message) return &*it;
  return nullptr;
}

}  // namespace

TEST_F(Focus, MovesWithKillAndSetFocus) {
  HWND top = Popup({0, 0, 100, 100});
  HWND a = Child(top, {0, 0, 10, 10});
  HWND b = Child(top, {20, 0, 30, 10});
  SetFocus(a);
  Log().clear();
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_EQ(GetFocus(), b);
  ASSERT_NE(Last(a, WM_KILLFOCUS), nullptr);
  EXPECT_EQ(Last(a, WM_KILLFOCUS)->wParam, reinterpret_cast<WPARAM>(b));
  ASSERT_NE(Last(b, WM_SETFOCUS), nullptr);
  EXPECT_EQ(Last(b, WM_SETFOCUS)->wParam, reinterpret_cast<WPARAM>(a));
}

TEST_F(Focus, ActivatesTheTargetsTopLevelWindow) {
  HWND first = Popup({0, 0, 100, 100});
  HWND second = Popup({0, 0, 100, 100});
  HWND child = Child(first, {0, 0, 10, 10});
  EXPECT_EQ(GetActiveWindow(), second);
  SetFocus(child);
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetFocus(), child);
}

TEST_F(Focus, DisabledWindowsRefuseIt) {
  HWND top = Popup({0, 0, 100, 100});
  HWND child = Child(top, {0, 0, 10, 10}, WS_VISIBLE | WS_DISABLED);
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), top);
}

TEST_F(Focus, DestroyingTheFocusWindowDropsIt) {
  HWND top = Popup({0, 0, 100, 100});
  HWND child = Child(top, {0, 0, 10, 10});
  SetFocus(child);
  DestroyWindow(child);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Activation, ActivateMessagesNameTheOtherWindow) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10}, 0);
  Log().clear();
  EXPECT_EQ(SetActiveWindow(b), a);
  ASSERT_NE(Last(a, WM_ACTIVATE), nullptr);
  EXPECT_EQ(LOWORD(Last(a, WM_ACTIVATE)->wParam), WA_INACTIVE);
  EXPECT_EQ(Last(a, WM_ACTIVATE)->lParam, reinterpret_cast<LPARAM>(b));
  ASSERT_NE(Last(b, WM_ACTIVATE), nullptr);
  EXPECT_EQ(LOWORD(Last(b, WM_ACTIVATE)->wParam), WA_ACTIVE);
  EXPECT_EQ(Last(b, WM_ACTIVATE)->lParam, reinterpret_cast<LPARAM>(a));
  EXPECT_EQ(GetFocus(), b);
}

TEST_F(Activation, CbtHookSeesAndCanVeto) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10}, 0);
  SetWindowsHookExW(WH_CBT, CbtWatch, nullptr, GetCurrentThreadId());
  vetoed = b;
  EXPECT_EQ(SetActiveWindow(b), nullptr);
  EXPECT_EQ(cbtActivated, b);
  EXPECT_EQ(cbtInfo.hWndActive, a);
  EXPECT_FALSE(cbtInfo.fMouse);
  EXPECT_EQ(GetActiveWindow(), a);
  vetoed = nullptr;
  EXPECT_TRUE(SetForegroundWindow(b));
  EXPECT_EQ(GetForegroundWindow(), b);
}

TEST_F(Activation, ChildWindowsAreNotActivated) {
  HWND top = Popup({0, 0, 100, 100});
  HWND child = Child(top, {0, 0, 10, 10});
  EXPECT_EQ(SetActiveWindow(child), top);
  EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(Activation, OtherApplicationTakesItAndGivesItBack) {
  HWND a = Popup({0, 0, 10, 10});
  HWND hidden = Popup({0, 0, 10, 10}, 0);
  HWND child = Child(a, {0, 0, 5, 5});
  SetFocus(child);
  Log().clear();
  win32sim::ActivateOtherApplication();
  EXPECT_FALSE(win32sim::HostApplicationActive());
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(LOWORD(Last(a, WM_ACTIVATE)->wParam), WA_INACTIVE);
  ASSERT_NE(Last(hidden, WM_ACTIVATEAPP), nullptr);
  EXPECT_EQ(Last(hidden, WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(FALSE));
  EXPECT_EQ(Last(a, WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(FALSE));
  EXPECT_EQ(Count(child, WM_ACTIVATEAPP), 0);
  win32sim::ActivateHostApplication();
  EXPECT_TRUE(win32sim::HostApplicationActive());
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(Last(a, WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(TRUE));
  EXPECT_EQ(Last(hidden, WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(Activation, ActivateAppComesBeforeActivate) {
  HWND a = Popup({0, 0, 10, 10});
  win32sim::ActivateOtherApplication();
  Log().clear();
  win32sim::ActivateHostApplication();
  std::vector<UINT> seen;
  for (UINT m : MessagesOf(a))
    if (m == WM_ACTIVATEAPP || m == WM_ACTIVATE) seen.push_back(m);
  std::vector<UINT> expected{WM_ACTIVATEAPP, WM_ACTIVATE};
  EXPECT_EQ(seen, expected);
}

TEST_F(Activation, HidingTheActiveWindowActivatesItsOwner) {
  HWND owner = Popup({0, 0, 10, 10});
  HWND other = Popup({0, 0, 10, 10});
  HWND owned = Popup({0, 0, 10, 10}, WS_VISIBLE, 0, owner);
  EXPECT_EQ(GetActiveWindow(), owned);
  ShowWindow(owned, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), owner);
  DestroyWindow(owner);
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(Activation, ShowWithoutActivating) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10}, 0);
  EXPECT_FALSE(ShowWindow(b, SW_SHOWNA));
  EXPECT_EQ(GetActiveWindow(), a);
  HWND c = Popup({0, 0, 10, 10}, 0);
  ShowWindow(c, SW_SHOWNOACTIVATE);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_TRUE(ShowWindow(c, SW_SHOW));
  EXPECT_EQ(GetActiveWindow(), c);
}

TEST_F(Capture, SetAndRelease) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10});
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_NE(Last(a, WM_CAPTURECHANGED), nullptr);
  EXPECT_EQ(GetCapture(), b);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Last(b, WM_CAPTURECHANGED)->lParam, 0);
}

namespace {

bool refuseFocus;
LRESULT CALLBACK FocusVeto(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_SETFOCUS && refuseFocus) return 1;
  if (code == HCBT_ACTIVATE) cbtInfo = *reinterpret_cast<CBTACTIVATESTRUCT*>(l);
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TEST_F(Focus, CbtSetFocusVeto) {
  HWND top = Popup({0, 0, 100, 100});
  HWND child = Child(top, {0, 0, 10, 10});
  SetWindowsHookExW(WH_CBT, FocusVeto, nullptr, GetCurrentThreadId());
  refuseFocus = true;
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), top);
  refuseFocus = false;
  EXPECT_EQ(SetFocus(child), top);
}

TEST_F(Activation, ClickActivationTellsTheCbtHookItWasTheMouse) {
  Popup({0, 0, 100, 100});
  HWND b = Popup({200, 0, 300, 100});
  SetWindowsHookExW(WH_CBT, FocusVeto, nullptr, GetCurrentThreadId());
  cbtInfo = {};
  win32sim::MoveCursor({50, 50});
  win32sim::PressMouseButton(win32sim::MouseButton::Left, true);
  EXPECT_TRUE(cbtInfo.fMouse);
  EXPECT_EQ(cbtInfo.hWndActive, b);
}

TEST_F(Activation, OwnedWindowsStayWithNoOwnerZOrder) {
  HWND owner = Popup({0, 0, 10, 10});
  HWND owned = Popup({0, 0, 10, 10}, WS_VISIBLE, 0, owner);
  HWND other = Popup({0, 0, 10, 10});
  SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), owner);
  EXPECT_EQ(GetWindow(owner, GW_HWNDNEXT), other);
  EXPECT_EQ(GetWindow(other, GW_HWNDNEXT), owned);
}
