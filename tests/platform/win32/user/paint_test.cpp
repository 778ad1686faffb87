// GetDC, BeginPaint, EndPaint, InvalidateRect, ValidateRect, UpdateWindow, GetUpdateRect, DefWindowProcW's
// WM_ERASEBKGND, and the composited screen (win32sim::ScreenPixel, SaveScreenshotPng).
#include <cstdio>
#include <filesystem>

#include "user_test_support.h"

using namespace usertest;

namespace {

class Painting : public UserTest {};
class Screenshots : public UserTest {};

PAINTSTRUCT lastPaint;
LRESULT CALLBACK PaintsRed(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    HDC dc = BeginPaint(hwnd, &lastPaint);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 10000, 10000};
    FillRect(dc, &all, red);
    DeleteObject(red);
    EndPaint(hwnd, &lastPaint);
    return 0;
  }
  return RecordingProc(hwnd, msg, wParam, lParam);
}

HWND RedWindow(RECT r, DWORD style) {
  HWND w = CreateWindowExW(0, kTestClass, u"", WS_POPUP | style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           nullptr, nullptr, TestInstance(), nullptr);
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaintsRed));
  return w;
}

}  // namespace

TEST_F(Painting, ShowingInvalidatesAndPaintValidates) {
  HWND w = Popup({0, 0, 40, 30});
  RECT update;
  EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
  EXPECT_EQ(update.right, 40);
  win32sim::PumpMessages();
  EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
  EXPECT_EQ(Count(w, WM_ERASEBKGND), 1);
}

TEST_F(Painting, InvalidRectsUnionAndClipToTheClient) {
  HWND w = Popup({0, 0, 100, 100});
  win32sim::PumpMessages();
  RECT a{10, 10, 20, 20};
  RECT b{50, 60, 500, 70};
  InvalidateRect(w, &a, FALSE);
  InvalidateRect(w, &b, FALSE);
  RECT update;
  GetUpdateRect(w, &update, FALSE);
  EXPECT_EQ(update.left, 10);
  EXPECT_EQ(update.right, 100);
  EXPECT_EQ(update.bottom, 70);
  ValidateRect(w, nullptr);
  EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
}

TEST_F(Painting, BeginPaintReportsTheAreaAndErase) {
  HWND w = RedWindow({0, 0, 50, 50}, WS_VISIBLE);
  win32sim::PumpMessages();
  RECT part{5, 5, 15, 25};
  InvalidateRect(w, &part, TRUE);
  UpdateWindow(w);
  EXPECT_TRUE(EqualRect(&lastPaint.rcPaint, &part));
  EXPECT_FALSE(lastPaint.fErase);  // the class brush erased it
}

TEST_F(Painting, ClientDcOriginIsTheClientArea) {
  SetCursorPos(1200, 1000);
  HWND w = Popup({0, 0, 50, 50}, WS_VISIBLE | WS_BORDER);
  win32sim::PumpMessages();
  HDC dc = GetDC(w);
  SetPixel(dc, 0, 0, RGB(0, 0, 255));
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(win32sim::ScreenPixel({1, 1}), RGB(0, 0, 255));
  EXPECT_EQ(ReleaseDC(w, dc), 0);
}

TEST_F(Painting, SystemColourBackgrounds) {
  SetCursorPos(1200, 1000);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = TestInstance();
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
  wc.lpszClassName = u"InfoBack";
  RegisterClassExW(&wc);
  CreateWindowExW(0, u"InfoBack", u"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, TestInstance(), nullptr);
  EXPECT_EQ(win32sim::ScreenPixel({10, 10}), GetSysColor(COLOR_INFOBK));
}

TEST_F(Screenshots, DesktopBordersAndZOrder) {
  SetCursorPos(1200, 1000);
  HWND back = RedWindow({100, 100, 200, 200}, WS_VISIBLE | WS_BORDER);
  Popup({150, 150, 250, 250});
  EXPECT_NE(back, nullptr);
  EXPECT_EQ(win32sim::ScreenPixel({50, 50}), GetSysColor(COLOR_DESKTOP));
  EXPECT_EQ(win32sim::ScreenPixel({100, 100}), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(win32sim::ScreenPixel({120, 120}), RGB(255, 0, 0));
  EXPECT_EQ(win32sim::ScreenPixel({160, 160}), RGB(255, 255, 255));
  EXPECT_EQ(win32sim::ScreenPixel({2000, 10}), CLR_INVALID);
}

TEST_F(Screenshots, TopmostAboveAndChildrenClippedToTheParent) {
  SetCursorPos(1200, 1000);
  RedWindow({0, 0, 100, 100}, WS_VISIBLE);
  HWND white = Popup({50, 0, 150, 100}, WS_VISIBLE);
  HWND red = RedWindow({80, 0, 120, 50}, 0);
  SetWindowPos(red, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetActiveWindow(white);
  EXPECT_EQ(win32sim::ScreenPixel({90, 10}), RGB(255, 0, 0));
  HWND child = CreateWindowExW(0, kTestClass, u"", WS_CHILD | WS_VISIBLE, 90, 60, 100, 100, white, nullptr,
                               TestInstance(), nullptr);
  SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaintsRed));
  InvalidateRect(child, nullptr, TRUE);
  EXPECT_EQ(win32sim::ScreenPixel({145, 70}), RGB(255, 0, 0));
  EXPECT_EQ(win32sim::ScreenPixel({155, 70}), GetSysColor(COLOR_DESKTOP));
}

TEST_F(Screenshots, ArrowCursorAtItsHotSpot) {
  SetCursorPos(600, 600);
  EXPECT_NE(win32sim::ScreenPixel({600, 600}), GetSysColor(COLOR_DESKTOP));
  EXPECT_EQ(win32sim::ScreenPixel({590, 590}), GetSysColor(COLOR_DESKTOP));
}

TEST_F(Screenshots, SavesAPngOfTheVirtualScreen) {
  auto path = std::filesystem::temp_directory_path() / "qv_user_screenshot.png";
  ASSERT_TRUE(win32sim::SaveScreenshotPng(path.string().c_str()));
  EXPECT_GT(std::filesystem::file_size(path), 0u);
  std::filesystem::remove(path);
}

TEST_F(Painting, WindowDcCoversTheFrameAndTheFrameIsRedrawn) {
  SetCursorPos(1200, 1000);
  HWND w = Popup({10, 10, 60, 60}, WS_VISIBLE | WS_BORDER);
  win32sim::PumpMessages();
  HDC dc = GetWindowDC(w);
  SetPixel(dc, 5, 5, RGB(0, 255, 0));
  SetPixel(dc, 0, 5, RGB(0, 255, 0));
  ReleaseDC(w, dc);
  EXPECT_EQ(win32sim::ScreenPixel({15, 15}), RGB(0, 255, 0));
  EXPECT_EQ(win32sim::ScreenPixel({10, 15}), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(Painting, ResizingRepaintsUnlessNoRedraw) {
  HWND w = Popup({0, 0, 50, 50});
  win32sim::PumpMessages();
  SetWindowPos(w, nullptr, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
  SetWindowPos(w, nullptr, 0, 0, 70, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
  EXPECT_EQ(update.right, 70);
}
