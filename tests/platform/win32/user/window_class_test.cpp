// RegisterClassExW, UnregisterClassW, GetClassInfoExW, CreateWindowExW, DestroyWindow, IsWindow, window longs
// and text.
#include <algorithm>

#include "user_test_support.h"

using namespace usertest;

namespace {

class WindowClasses : public UserTest {};
class WindowCreation : public UserTest {};
class WindowDestruction : public UserTest {};
class WindowLongs : public UserTest {};

WNDCLASSEXW ClassNamed(const char16_t* name, HINSTANCE instance, UINT style = 0) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  return wc;
}

CREATESTRUCTW seenCreate;
LRESULT CALLBACK CreateWatcher(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) seenCreate = *reinterpret_cast<CREATESTRUCTW*>(lParam);
  return RecordingProc(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK RefusingCreate(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  RecordingProc(hwnd, msg, wParam, lParam);
  return msg == WM_CREATE ? -1 : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER) return 77;
  return CallWindowProcW(RecordingProc, hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(WindowClasses, NamesCompareWithoutCase) {
  WNDCLASSEXW info{};
  EXPECT_NE(GetClassInfoExW(TestInstance(), u"usertestWINDOW", &info), 0);
  EXPECT_EQ(info.lpfnWndProc, RecordingProc);
  WNDCLASSEXW again = ClassNamed(u"USERTESTWINDOW", TestInstance());
  EXPECT_EQ(RegisterClassExW(&again), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
}

TEST_F(WindowClasses, ClassesBelongToTheirInstance) {
  auto other = reinterpret_cast<HINSTANCE>(0x500000);
  WNDCLASSEXW wc = ClassNamed(kTestClass, other);
  EXPECT_NE(RegisterClassExW(&wc), 0);
  HWND created = CreateWindowExW(0, kTestClass, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 reinterpret_cast<HINSTANCE>(0x600000), nullptr);
  EXPECT_EQ(created, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(WindowClasses, GlobalClassServesEveryInstance) {
  WNDCLASSEXW wc = ClassNamed(u"Everyone", reinterpret_cast<HINSTANCE>(0x500000), CS_GLOBALCLASS);
  ASSERT_NE(RegisterClassExW(&wc), 0);
  HWND created =
      CreateWindowExW(0, u"everyone", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, TestInstance(), nullptr);
  EXPECT_NE(created, nullptr);
}

TEST_F(WindowClasses, UnregisterRefusesWhileWindowsExist) {
  HWND w = Popup({0, 0, 10, 10});
  EXPECT_FALSE(UnregisterClassW(kTestClass, TestInstance()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassW(kTestClass, TestInstance()));
  EXPECT_FALSE(UnregisterClassW(kTestClass, TestInstance()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

TEST_F(WindowClasses, AtomNamesTheClass) {
  WNDCLASSEXW wc = ClassNamed(u"ByAtom", TestInstance());
  ATOM atom = RegisterClassExW(&wc);
  ASSERT_GE(atom, 0xC000);
  HWND w = CreateWindowExW(0, MAKEINTRESOURCEW(atom), u"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, TestInstance(),
                           nullptr);
  WCHAR name[32];
  EXPECT_EQ(GetClassNameW(w, name, 32), 6);
  EXPECT_EQ(std::u16string(name), u"ByAtom");
}

TEST_F(WindowCreation, CreationMessagesInWindowsOrder) {
  HWND w = Popup({0, 0, 50, 40}, 0);
  std::vector<UINT> expected{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE};
  EXPECT_EQ(MessagesOf(w), expected);
}

TEST_F(WindowCreation, CreateStructCarriesTheArguments) {
  WNDCLASSEXW wc = ClassNamed(u"Watched", TestInstance());
  wc.lpfnWndProc = CreateWatcher;
  RegisterClassExW(&wc);
  int param = 0;
  HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, u"Watched", u"title", WS_POPUP | WS_BORDER, 5, 6, 70, 80, nullptr,
                           nullptr, TestInstance(), &param);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(seenCreate.lpCreateParams, &param);
  EXPECT_EQ(seenCreate.x, 5);
  EXPECT_EQ(seenCreate.cy, 80);
  EXPECT_EQ(seenCreate.style, static_cast<LONG>(WS_POPUP | WS_BORDER));
  EXPECT_EQ(seenCreate.dwExStyle, static_cast<DWORD>(WS_EX_TOOLWINDOW));
  WCHAR text[16];
  EXPECT_EQ(GetWindowTextW(w, text, 16), 5);
  EXPECT_EQ(std::u16string(text), u"title");
}

TEST_F(WindowCreation, CreateReturningMinusOneFails) {
  WNDCLASSEXW wc = ClassNamed(u"Refuses", TestInstance());
  wc.lpfnWndProc = RefusingCreate;
  RegisterClassExW(&wc);
  HWND w = CreateWindowExW(0, u"Refuses", u"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, TestInstance(), nullptr);
  EXPECT_EQ(w, nullptr);
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().back().message, static_cast<UINT>(WM_NCDESTROY));
  EXPECT_FALSE(IsWindow(Log().back().hwnd));
}

TEST_F(WindowCreation, ChildNeedsAParent) {
  HWND w = CreateWindowExW(0, kTestClass, u"", WS_CHILD, 0, 0, 5, 5, nullptr, nullptr, TestInstance(), nullptr);
  EXPECT_EQ(w, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
}

TEST_F(WindowCreation, PopupParentBecomesTheOwner) {
  HWND owner = Popup({0, 0, 100, 100});
  HWND child = Child(owner, {0, 0, 10, 10});
  HWND owned = Popup({0, 0, 10, 10}, WS_VISIBLE, 0, child);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
  EXPECT_EQ(GetParent(owned), owner);
  EXPECT_EQ(GetParent(child), owner);
  EXPECT_EQ(GetParent(owner), nullptr);
  EXPECT_TRUE(IsChild(owner, child));
  EXPECT_FALSE(IsChild(owner, owned));
}

TEST_F(WindowCreation, OverlappedWindowsGetCaptionAndClipSiblings) {
  HWND w = CreateWindowExW(0, kTestClass, u"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, TestInstance(),
                           nullptr);
  EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) & (WS_CAPTION | WS_CLIPSIBLINGS), WS_CAPTION | WS_CLIPSIBLINGS);
}

TEST_F(WindowCreation, VisibleStyleShowsAndActivates) {
  HWND w = Popup({0, 0, 10, 10});
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(Count(w, WM_SHOWWINDOW), 1);
}

TEST_F(WindowDestruction, StaleHandlesFail) {
  HWND w = Popup({0, 0, 10, 10});
  EXPECT_TRUE(DestroyWindow(w));
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  HWND next = Popup({0, 0, 10, 10});
  EXPECT_NE(next, w);
}

TEST_F(WindowDestruction, DestroyBeforeChildrenNcDestroyAfter) {
  HWND parent = Popup({0, 0, 100, 100});
  HWND child = Child(parent, {0, 0, 10, 10});
  Log().clear();
  DestroyWindow(parent);
  std::vector<std::pair<HWND, UINT>> order;
  for (const Received& r : Log())
    if (r.message == WM_DESTROY || r.message == WM_NCDESTROY) order.emplace_back(r.hwnd, r.message);
  std::vector<std::pair<HWND, UINT>> expected{
      {parent, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowDestruction, OwnedWindowsGoFirst) {
  HWND owner = Popup({0, 0, 100, 100});
  HWND owned = Popup({0, 0, 10, 10}, WS_VISIBLE, 0, owner);
  Log().clear();
  DestroyWindow(owner);
  ASSERT_FALSE(Log().empty());
  auto firstDestroy = std::find_if(Log().begin(), Log().end(), [](auto& r) { return r.message == WM_DESTROY; });
  EXPECT_EQ(firstDestroy->hwnd, owned);
  EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowDestruction, CloseDestroysByDefault) {
  HWND w = Popup({0, 0, 10, 10});
  SendMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(WindowDestruction, DesktopCannotBeDestroyed) {
  EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
  EXPECT_TRUE(IsWindow(GetDesktopWindow()));
}

TEST_F(WindowLongs, StylesAndUserData) {
  HWND w = Popup({0, 0, 10, 10}, WS_VISIBLE | WS_BORDER, WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindowLongW(w, GWL_STYLE), static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_BORDER));
  EXPECT_EQ(GetWindowLongW(w, GWL_EXSTYLE), static_cast<LONG>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(SetWindowLongPtrW(w, GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(GetLastError(), 0u);
  EXPECT_EQ(SetWindowLongPtrW(w, GWLP_USERDATA, 99), 1234);
  EXPECT_EQ(GetWindowLongPtrW(w, GWLP_USERDATA), 99);
}

TEST_F(WindowLongs, ExtraBytesAreBoundsChecked) {
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongPtrW(w, 8, 0x1122334455LL);
  EXPECT_EQ(GetWindowLongPtrW(w, 8), 0x1122334455LL);
  EXPECT_EQ(GetWindowLongPtrW(w, 9), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_EQ(GetWindowLongW(w, 12), 0x11);
}

TEST_F(WindowLongs, WndProcSubclassing) {
  HWND w = Popup({0, 0, 10, 10});
  auto old = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  EXPECT_EQ(old, RecordingProc);
  EXPECT_EQ(SendMessageW(w, WM_USER, 0, 0), 77);
  Log().clear();
  SendMessageW(w, WM_USER + 1, 0, 0);
  EXPECT_EQ(Count(w, WM_USER + 1), 1);
}

TEST_F(WindowLongs, TopmostBitIgnoredBySetWindowLong) {
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongW(w, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindowLongW(w, GWL_EXSTYLE), static_cast<LONG>(WS_EX_TOOLWINDOW));
}

TEST_F(WindowLongs, HwndParentIsTheOwner) {
  HWND owner = Popup({0, 0, 10, 10});
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  EXPECT_EQ(GetWindow(w, GW_OWNER), owner);
  EXPECT_EQ(GetWindowLongPtrW(w, GWLP_HWNDPARENT), reinterpret_cast<LONG_PTR>(owner));
}

TEST_F(WindowLongs, ChildIdFromTheMenuArgument) {
  HWND parent = Popup({0, 0, 10, 10});
  HWND child = CreateWindowExW(0, kTestClass, u"", WS_CHILD, 0, 0, 5, 5, parent, reinterpret_cast<HMENU>(42),
                               TestInstance(), nullptr);
  EXPECT_EQ(GetWindowLongW(child, GWL_ID), 42);
}

TEST_F(WindowLongs, TextThroughMessages) {
  HWND w = Popup({0, 0, 10, 10});
  EXPECT_TRUE(SetWindowTextW(w, u"Hello"));
  EXPECT_EQ(GetWindowTextLengthW(w), 5);
  WCHAR small[3];
  EXPECT_EQ(GetWindowTextW(w, small, 3), 2);
  EXPECT_EQ(std::u16string(small), u"He");
  EXPECT_EQ(SendMessageW(w, WM_GETFONT, 0, 0), 0);
}

namespace {

LRESULT CALLBACK RefusingNcCreate(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  RecordingProc(hwnd, msg, wParam, lParam);
  return msg == WM_NCCREATE ? FALSE : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK DestroysOnTimer(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) DestroyWindow(hwnd);
  return RecordingProc(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(WindowCreation, NcCreateFalseFailsWithoutCreate) {
  WNDCLASSEXW wc = ClassNamed(u"RefusesNc", TestInstance());
  wc.lpfnWndProc = RefusingNcCreate;
  RegisterClassExW(&wc);
  EXPECT_EQ(CreateWindowExW(0, u"RefusesNc", u"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, TestInstance(), nullptr),
            nullptr);
  std::vector<UINT> seen;
  for (const Received& r : Log()) seen.push_back(r.message);
  std::vector<UINT> expected{WM_NCCREATE, WM_NCDESTROY};
  EXPECT_EQ(seen, expected);
}

TEST_F(WindowDestruction, DestroyedFromItsOwnTimer) {
  HWND w = Popup({0, 0, 10, 10});
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DestroysOnTimer));
  SetTimer(w, 1, 10, nullptr);
  win32sim::AdvanceClock(100);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Count(w, WM_TIMER), 1);
}

TEST_F(WindowDestruction, ResetPutsTheMachineBack) {
  HWND w = Popup({0, 0, 10, 10});
  win32sim::AdvanceClock(500);
  SetCursorPos(40, 50);
  win32sim::PressKey(VK_SHIFT, win32sim::KeyAction::Down);
  win32sim::SetMonitors({{0, 0, 800, 600}});
  win32sim::ResetUser();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(win32sim::Now(), 0u);
  POINT p;
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  WNDCLASSEXW info{};
  EXPECT_FALSE(GetClassInfoExW(TestInstance(), kTestClass, &info));
}
