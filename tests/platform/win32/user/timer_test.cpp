// SetTimer, KillTimer on the virtual clock (win32sim::AdvanceClock).
#include <vector>

#include "user_test_support.h"

using namespace usertest;

namespace {

class Timers : public UserTest {};

std::vector<std::pair<UINT_PTR, DWORD>> fired;
void CALLBACK Record(HWND, UINT, UINT_PTR id, DWORD time) { fired.emplace_back(id, time); }

std::vector<WPARAM> TimerIds(HWND hwnd) {
  std::vector<WPARAM> ids;
  for (const Received& r : Log())
    if (r.hwnd == hwnd && r.message == WM_TIMER) ids.push_back(r.wParam);
  return ids;
}

}  // namespace

TEST_F(Timers, FireInDueOrderAndRepeat) {
  HWND w = Popup({0, 0, 10, 10});
  SetTimer(w, 1, 30, nullptr);
  SetTimer(w, 2, 20, nullptr);
  Log().clear();
  win32sim::AdvanceClock(55);  // due: 2 at 20, 1 at 30, 2 at 40; the next ones at 60
  std::vector<WPARAM> expected{2, 1, 2};
  EXPECT_EQ(TimerIds(w), expected);
}

TEST_F(Timers, NothingBeforeItIsDue) {
  HWND w = Popup({0, 0, 10, 10});
  SetTimer(w, 1, 100, nullptr);
  win32sim::AdvanceClock(99);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  win32sim::AdvanceClock(1);
  EXPECT_EQ(Count(w, WM_TIMER), 1);
}

TEST_F(Timers, ShortIntervalsClampToTheMinimum) {
  HWND w = Popup({0, 0, 10, 10});
  SetTimer(w, 1, 0, nullptr);
  win32sim::AdvanceClock(USER_TIMER_MINIMUM - 1);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  win32sim::AdvanceClock(1);
  EXPECT_EQ(Count(w, WM_TIMER), 1);
}

TEST_F(Timers, SameIdReplacesTheTimer) {
  HWND w = Popup({0, 0, 10, 10});
  EXPECT_EQ(SetTimer(w, 5, 50, nullptr), 5u);
  win32sim::AdvanceClock(40);
  EXPECT_EQ(SetTimer(w, 5, 50, nullptr), 5u);
  win32sim::AdvanceClock(40);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  win32sim::AdvanceClock(10);
  EXPECT_EQ(Count(w, WM_TIMER), 1);
}

TEST_F(Timers, KilledTimersStop) {
  HWND w = Popup({0, 0, 10, 10});
  SetTimer(w, 1, 10, nullptr);
  win32sim::AdvanceClock(10);
  EXPECT_TRUE(KillTimer(w, 1));
  win32sim::AdvanceClock(100);
  EXPECT_EQ(Count(w, WM_TIMER), 1);
  EXPECT_FALSE(KillTimer(w, 1));
}

TEST_F(Timers, DestroyedWindowsGetNoTimers) {
  HWND w = Popup({0, 0, 10, 10});
  SetTimer(w, 1, 10, nullptr);
  DestroyWindow(w);
  Log().clear();
  win32sim::AdvanceClock(50);
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(KillTimer(w, 1));
}

TEST_F(Timers, ThreadTimersGetNewIdsAndCallTheirProc) {
  fired.clear();
  UINT_PTR a = SetTimer(nullptr, 0, 10, Record);
  UINT_PTR b = SetTimer(nullptr, 0, 15, Record);
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  win32sim::AdvanceClock(15);
  ASSERT_EQ(fired.size(), 2u);
  EXPECT_EQ(fired[0], std::make_pair(a, DWORD{10}));
  EXPECT_EQ(fired[1], std::make_pair(b, DWORD{15}));
  EXPECT_EQ(SetTimer(nullptr, a, 100, Record), a);
  EXPECT_TRUE(KillTimer(nullptr, a));
}

TEST_F(Timers, WindowTimerProcIsCalledInsteadOfTheWindow) {
  fired.clear();
  HWND w = Popup({0, 0, 10, 10});
  SetTimer(w, 3, 10, Record);
  win32sim::AdvanceClock(10);
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0].first, 3u);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
}

TEST_F(Timers, InvalidWindowFails) {
  EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x1234), 1, 10, nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(Timers, ClockMovesByTheAdvance) {
  DWORD start = win32sim::Now();
  win32sim::AdvanceClock(1234);
  EXPECT_EQ(win32sim::Now() - start, 1234u);
  EXPECT_EQ(GetTickCount(), win32sim::Now());
}
