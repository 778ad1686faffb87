// Shared pieces of the window-manager tests: a fresh window manager per test, a recording window
// procedure and quick window creation.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "qvuser.h"
#include "windows.h"

namespace usertest {

struct Received {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Every message the recording procedure got, in order.
std::vector<Received>& Log();
std::vector<UINT> MessagesOf(HWND hwnd);
int Count(HWND hwnd, UINT message);
// Logs, then DefWindowProcW.
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

constexpr const char16_t* kTestClass = u"UserTestWindow";
HINSTANCE TestInstance();

// Registers kTestClass (the recording procedure, white background, CS_DBLCLKS) on a fresh window manager.
class UserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  HWND Popup(RECT r, DWORD style = WS_VISIBLE, DWORD exStyle = 0, HWND owner = nullptr);
  HWND Child(HWND parent, RECT r, DWORD style = WS_VISIBLE, DWORD exStyle = 0);
};

}  // namespace usertest
