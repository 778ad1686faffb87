#include "user_test_support.h"

#include <algorithm>

namespace usertest {

std::vector<Received>& Log() {
  static std::vector<Received> log;
  return log;
}

std::vector<UINT> MessagesOf(HWND hwnd) {
  std::vector<UINT> messages;
  for (const Received& r : Log())
    if (r.hwnd == hwnd) messages.push_back(r.message);
  return messages;
}

int Count(HWND hwnd, UINT message) {
  return static_cast<int>(std::count_if(Log().begin(), Log().end(),
                                        [&](const Received& r) { return r.hwnd == hwnd && r.message == message; }));
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Log().push_back(Received{hwnd, message, wParam, lParam});
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HINSTANCE TestInstance() { return reinterpret_cast<HINSTANCE>(0x400000); }

void UserTest::SetUp() {
  win32sim::ResetUser();
  Log().clear();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = RecordingProc;
  wc.cbWndExtra = 16;
  wc.hInstance = TestInstance();
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kTestClass;
  ASSERT_NE(RegisterClassExW(&wc), 0);
}

void UserTest::TearDown() { win32sim::ResetUser(); }

HWND UserTest::Popup(RECT r, DWORD style, DWORD exStyle, HWND owner) {
  return CreateWindowExW(exStyle, kTestClass, u"popup", WS_POPUP | style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, owner, nullptr, TestInstance(), nullptr);
}

HWND UserTest::Child(HWND parent, RECT r, DWORD style, DWORD exStyle) {
  return CreateWindowExW(exStyle, kTestClass, u"child", WS_CHILD | style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, parent, nullptr, TestInstance(), nullptr);
}

}  // namespace usertest
