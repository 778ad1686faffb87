// MonitorFromPoint, MonitorFromRect, MonitorFromWindow, GetMonitorInfoW, GetSystemMetrics and the
// simulated screen's monitors.
#include "user_test_support.h"

using namespace usertest;

namespace {

class Monitors : public UserTest {};

MONITORINFO InfoOf(HMONITOR m) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(m, &info);
  return info;
}

}  // namespace

TEST_F(Monitors, DefaultIsOnePrimaryWithATaskbar) {
  HMONITOR m = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTONULL);
  MONITORINFO info = InfoOf(m);
  EXPECT_EQ(info.rcMonitor.right, 1280);
  EXPECT_EQ(info.rcMonitor.bottom, 1024);
  EXPECT_EQ(info.rcWork.bottom, 1024 - 40);
  EXPECT_EQ(info.dwFlags, static_cast<DWORD>(MONITORINFOF_PRIMARY));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
}

TEST_F(Monitors, SecondMonitorLeftOfThePrimary) {
  auto layout = win32sim::ParseMonitors("1280x1024+0+0;1024x768-1024+0");
  ASSERT_TRUE(layout);
  ASSERT_TRUE(win32sim::SetMonitors(*layout));
  EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1024);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2304);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  HMONITOR left = MonitorFromPoint({-10, 10}, MONITOR_DEFAULTTONULL);
  EXPECT_EQ(InfoOf(left).rcMonitor.left, -1024);
  EXPECT_EQ(InfoOf(left).dwFlags, 0u);
  EXPECT_EQ(MonitorFromPoint({-500, 800}, MONITOR_DEFAULTTONULL), nullptr);
  EXPECT_EQ(MonitorFromPoint({-500, 800}, MONITOR_DEFAULTTONEAREST), left);
  EXPECT_EQ(MonitorFromPoint({-10, 800}, MONITOR_DEFAULTTONEAREST), MonitorFromPoint({0, 0}, 0));
  EXPECT_EQ(MonitorFromPoint({-500, 800}, MONITOR_DEFAULTTOPRIMARY), MonitorFromPoint({0, 0}, 0));
}

TEST_F(Monitors, RectGoesToTheLargestShare) {
  win32sim::SetMonitors({{0, 0, 1280, 1024}, {-1024, 0, 0, 768}});
  RECT mostlyLeft{-300, 0, 100, 100};
  EXPECT_EQ(InfoOf(MonitorFromRect(&mostlyLeft, MONITOR_DEFAULTTONULL)).rcMonitor.left, -1024);
  RECT nowhere{5000, 0, 5100, 100};
  EXPECT_EQ(MonitorFromRect(&nowhere, MONITOR_DEFAULTTONULL), nullptr);
  EXPECT_EQ(InfoOf(MonitorFromRect(&nowhere, MONITOR_DEFAULTTONEAREST)).rcMonitor.left, 0);
  HWND w = Popup({-500, 10, -400, 50});
  EXPECT_EQ(InfoOf(MonitorFromWindow(w, MONITOR_DEFAULTTONULL)).rcMonitor.left, -1024);
}

TEST_F(Monitors, ShortMonitorHasAnEmptyWorkArea) {
  ASSERT_TRUE(win32sim::SetMonitors({{0, 0, 800, 40}}));
  MONITORINFO info = InfoOf(MonitorFromPoint({0, 0}, 0));
  EXPECT_TRUE(IsRectEmpty(&info.rcWork));
}

TEST_F(Monitors, BadLayoutsAreRefused) {
  EXPECT_FALSE(win32sim::SetMonitors({}));
  EXPECT_FALSE(win32sim::SetMonitors({{10, 0, 800, 600}}));
  EXPECT_FALSE(win32sim::SetMonitors({{0, 0, 800, 600}, {800, 0, 800, 600}}));
  EXPECT_FALSE(win32sim::ParseMonitors("800x600"));
  EXPECT_FALSE(win32sim::ParseMonitors("800x600+0+0;"));
  EXPECT_FALSE(win32sim::ParseMonitors("0x600+0+0"));
  EXPECT_FALSE(win32sim::ParseMonitors("800*600+0+0"));
  EXPECT_EQ(win32sim::Monitors().size(), 1u);
}

TEST_F(Monitors, InfoChecksSizeAndHandle) {
  HMONITOR m = MonitorFromPoint({0, 0}, 0);
  MONITORINFO info{};
  info.cbSize = sizeof info - 1;
  EXPECT_FALSE(GetMonitorInfoW(m, &info));
  win32sim::SetMonitors({{0, 0, 640, 480}});
  info.cbSize = sizeof info;
  EXPECT_FALSE(GetMonitorInfoW(m, &info));  // a handle of the old layout
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MONITOR_HANDLE));
}

TEST_F(Monitors, ScreenDcFollowsThePrimary) {
  win32sim::SetMonitors({{0, 0, 1920, 1080}});
  EXPECT_EQ(GetDeviceCaps(GetDC(nullptr), HORZRES), 1920);
  EXPECT_EQ(GetDeviceCaps(GetDC(nullptr), VERTRES), 1080);
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  EXPECT_EQ(desktop.right, 1920);
}
