// SetWindowsHookExW, CallNextHookEx, UnhookWindowsHookEx; the WH_CALLWNDPROC and WH_CBT moments.
#include <string>

#include "user_test_support.h"

using namespace usertest;

namespace {

class Hooks : public UserTest {};

std::string trail;
HHOOK selfRemoving;
LRESULT verdict;
CWPSTRUCT lastCwp;
WPARAM lastCwpFlag;

LRESULT CALLBACK HookA(int code, WPARAM w, LPARAM l) {
  trail += "A";
  return CallNextHookEx(nullptr, code, w, l);
}
LRESULT CALLBACK HookB(int code, WPARAM w, LPARAM l) {
  trail += "B";
  return CallNextHookEx(nullptr, code, w, l);
}
LRESULT CALLBACK Unhooking(int code, WPARAM w, LPARAM l) {
  trail += "U";
  UnhookWindowsHookEx(selfRemoving);
  return CallNextHookEx(nullptr, code, w, l);
}
LRESULT CALLBACK Vetoing(int code, WPARAM w, LPARAM l) {
  trail += "V";
  return verdict;
}
LRESULT CALLBACK WatchSends(int code, WPARAM w, LPARAM l) {
  auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
  if (cwp->message == WM_USER + 3) {
    lastCwp = *cwp;
    lastCwpFlag = w;
    trail += "H";
  }
  return CallNextHookEx(nullptr, code, w, l);
}
LRESULT CALLBACK NotingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 3) trail += "P";
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(Hooks, OnlyThreadHooksOfThisThread) {
  EXPECT_EQ(SetWindowsHookExW(WH_MOUSE, HookA, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOOK_NEEDS_HMOD));
  EXPECT_EQ(SetWindowsHookExW(WH_MOUSE, HookA, nullptr, GetCurrentThreadId() + 1), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(SetWindowsHookExW(WH_MOUSE, nullptr, nullptr, GetCurrentThreadId()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FILTER_PROC));
  EXPECT_EQ(SetWindowsHookExW(99, HookA, nullptr, GetCurrentThreadId()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HOOK_FILTER));
  EXPECT_NE(SetWindowsHookExW(WH_MOUSE, HookA, nullptr, GetCurrentThreadId()), nullptr);
}

TEST_F(Hooks, NewestFirstAndTheChainWalks) {
  trail.clear();
  SetWindowsHookExW(WH_MOUSE, HookA, nullptr, GetCurrentThreadId());
  SetWindowsHookExW(WH_MOUSE, HookB, nullptr, GetCurrentThreadId());
  Popup({0, 0, 100, 100});
  win32sim::MoveCursor({10, 10});
  EXPECT_EQ(trail, "BA");
}

TEST_F(Hooks, UnhookWhileRunningStillReachesTheNext) {
  trail.clear();
  SetWindowsHookExW(WH_MOUSE, HookA, nullptr, GetCurrentThreadId());
  selfRemoving = SetWindowsHookExW(WH_MOUSE, Unhooking, nullptr, GetCurrentThreadId());
  Popup({0, 0, 100, 100});
  win32sim::MoveCursor({10, 10});
  win32sim::MoveCursor({11, 10});
  EXPECT_EQ(trail, "UAA");
  EXPECT_FALSE(UnhookWindowsHookEx(selfRemoving));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HOOK_HANDLE));
}

TEST_F(Hooks, CallWndProcSeesSentMessagesBeforeTheProcedure) {
  trail.clear();
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NotingProc));
  SetWindowsHookExW(WH_CALLWNDPROC, WatchSends, nullptr, GetCurrentThreadId());
  SendMessageW(w, WM_USER + 3, 11, 22);
  EXPECT_EQ(trail, "HP");
  EXPECT_EQ(lastCwp.hwnd, w);
  EXPECT_EQ(lastCwp.wParam, 11u);
  EXPECT_EQ(lastCwp.lParam, 22);
  EXPECT_NE(lastCwpFlag, 0u);
}

TEST_F(Hooks, CallWndProcDoesNotSeePostedMessages) {
  trail.clear();
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NotingProc));
  SetWindowsHookExW(WH_CALLWNDPROC, WatchSends, nullptr, GetCurrentThreadId());
  PostMessageW(w, WM_USER + 3, 0, 0);
  win32sim::PumpMessages();
  EXPECT_EQ(trail, "P");
}

TEST_F(Hooks, CbtCreateVetoFailsCreation) {
  trail.clear();
  verdict = 1;
  SetWindowsHookExW(WH_CBT, Vetoing, nullptr, GetCurrentThreadId());
  EXPECT_EQ(Popup({0, 0, 10, 10}), nullptr);
  EXPECT_EQ(trail, "V");
}
