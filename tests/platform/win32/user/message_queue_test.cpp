// SendMessageW, PostMessageW, PostQuitMessage, GetMessageW, PeekMessageW, DispatchMessageW, TranslateMessage,
// RegisterWindowMessageW, GetMessageTime.
#include "user_test_support.h"

using namespace usertest;

namespace {

class MessageQueue : public UserTest {};

LRESULT CALLBACK Echo(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER) return static_cast<LRESULT>(wParam + lParam);
  return RecordingProc(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(MessageQueue, SendIsSynchronous) {
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Echo));
  EXPECT_EQ(SendMessageW(w, WM_USER, 2, 3), 5);
}

TEST_F(MessageQueue, SendToStaleWindowFails) {
  HWND w = Popup({0, 0, 10, 10});
  DestroyWindow(w);
  EXPECT_EQ(SendMessageW(w, WM_USER, 0, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(PostMessageW(w, WM_USER, 0, 0));
}

TEST_F(MessageQueue, PostedMessagesComeInOrder) {
  HWND w = Popup({0, 0, 10, 10});
  win32sim::PumpMessages();
  PostMessageW(w, WM_USER + 1, 0, 0);
  PostMessageW(w, WM_USER + 2, 0, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  EXPECT_EQ(msg.hwnd, w);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, FiltersByRangeAndWindow) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10});
  win32sim::PumpMessages();
  PostMessageW(a, WM_USER + 5, 0, 0);
  PostMessageW(b, WM_USER + 1, 0, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER + 2, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, b);
  EXPECT_FALSE(PeekMessageW(&msg, b, 0, 0, PM_REMOVE));
  EXPECT_TRUE(PeekMessageW(&msg, a, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
}

TEST_F(MessageQueue, ThreadMessagesHaveNoWindow) {
  PostMessageW(nullptr, WM_APP, 7, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(MessageQueue, QuitAfterPostedMessagesAndDespiteFilters) {
  HWND w = Popup({0, 0, 10, 10});
  win32sim::PumpMessages();
  PostQuitMessage(3);
  PostMessageW(w, WM_USER, 0, 0);
  MSG msg;
  EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  EXPECT_FALSE(GetMessageW(&msg, nullptr, WM_USER, WM_USER));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageQueue, EmptyQueueGetMessageReturnsAsForQuit) {
  win32sim::PumpMessages();
  MSG msg;
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(MessageQueue, PaintSynthesizedWhenQueueEmpty) {
  HWND w = Popup({0, 0, 10, 10});
  win32sim::PumpMessages();
  InvalidateRect(w, nullptr, TRUE);
  PostMessageW(w, WM_USER, 0, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));  // still invalid: PM_REMOVE does not validate
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  DispatchMessageW(&msg);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, HiddenWindowsGetNoPaint) {
  HWND w = Popup({0, 0, 10, 10}, 0);
  InvalidateRect(w, nullptr, TRUE);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
}

TEST_F(MessageQueue, RegisteredMessagesShareNumbersByName) {
  UINT a = RegisterWindowMessageW(u"QuillviewTestMessage");
  EXPECT_GE(a, 0xC000u);
  EXPECT_LE(a, 0xFFFFu);
  EXPECT_EQ(RegisterWindowMessageW(u"quillviewtestmessage"), a);
  EXPECT_NE(RegisterWindowMessageW(u"QuillviewOtherMessage"), a);
  EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
}

TEST_F(MessageQueue, MessageTimeFollowsTheClock) {
  HWND w = Popup({0, 0, 10, 10});
  win32sim::AdvanceClock(250);
  PostMessageW(w, WM_USER, 0, 0);
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
  EXPECT_EQ(msg.time, 250u);
  EXPECT_EQ(GetMessageTime(), 250u);
  EXPECT_EQ(GetTickCount(), 250u);
}

TEST_F(MessageQueue, TranslateMessageAnswersForKeyMessages) {
  HWND w = Popup({0, 0, 10, 10});
  win32sim::PumpMessages();
  MSG key{w, WM_KEYDOWN, 'A', 1, 0, {}};
  EXPECT_TRUE(TranslateMessage(&key));
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>('a'));
  MSG up{w, WM_KEYUP, 'A', 1, 0, {}};
  EXPECT_TRUE(TranslateMessage(&up));
  MSG other{w, WM_USER, 0, 0, 0, {}};
  EXPECT_FALSE(TranslateMessage(&other));
}

TEST_F(MessageQueue, BroadcastReachesEveryTopLevelWindow) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10});
  Child(a, {0, 0, 5, 5});
  Log().clear();
  SendMessageW(HWND_BROADCAST, WM_USER + 9, 0, 0);
  EXPECT_EQ(Count(a, WM_USER + 9), 1);
  EXPECT_EQ(Count(b, WM_USER + 9), 1);
  EXPECT_EQ(Log().size(), 2u);
}

TEST_F(MessageQueue, DefWindowProcDefaults) {
  HWND w = Popup({100, 100, 200, 200}, WS_VISIBLE | WS_BORDER);
  EXPECT_EQ(DefWindowProcW(w, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTCLIENT);
  EXPECT_EQ(DefWindowProcW(w, WM_NCHITTEST, 0, MAKELPARAM(100, 150)), HTBORDER);
  EXPECT_EQ(DefWindowProcW(w, WM_NCHITTEST, 0, MAKELPARAM(50, 50)), HTNOWHERE);
  EXPECT_EQ(DefWindowProcW(w, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_ACTIVATE);
  EXPECT_EQ(DefWindowProcW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), TRUE), 0);
  EXPECT_EQ(DefWindowProcW(w, WM_GETFONT, 0, 0), 0);
  EXPECT_EQ(CallWindowProcW(DefWindowProcW, w, WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(MessageQueue, RedrawWindowInvalidatesChildrenAndPaintsNow) {
  HWND parent = Popup({0, 0, 100, 100});
  HWND child = Child(parent, {0, 0, 10, 10});
  win32sim::PumpMessages();
  Log().clear();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Count(parent, WM_PAINT), 1);
  EXPECT_EQ(Count(child, WM_PAINT), 1);
  EXPECT_EQ(Count(child, WM_ERASEBKGND), 1);
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE);
  EXPECT_TRUE(GetUpdateRect(parent, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
}
