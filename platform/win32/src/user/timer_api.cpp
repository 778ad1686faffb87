// SetTimer, KillTimer, GetTickCount and the virtual clock that drives them (win32sim::Now, AdvanceClock,
// PumpMessages).
#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

UINT Clamped(UINT elapse) { return std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM); }

Timer* FindTimer(HWND hwnd, UINT_PTR id) {
  for (Timer& t : S().timers)
    if (t.hwnd == hwnd && t.id == id) return &t;
  return nullptr;
}

UINT_PTR NewThreadTimerId() {
  State& s = S();
  do {
    s.nextThreadTimerId = s.nextThreadTimerId >= 0xFFFF ? 0x7FF0 : s.nextThreadTimerId + 1;
  } while (FindTimer(nullptr, s.nextThreadTimerId));
  return s.nextThreadTimerId;
}

// The next timer due by the given time, if any.
std::optional<DWORD> NextDue(DWORD until) {
  std::optional<DWORD> next;
  for (const Timer& t : S().timers)
    if (t.due <= until && (!next || t.due < *next)) next = t.due;
  return next;
}

}  // namespace

namespace win32::user {

void KillWindowTimers(HWND hwnd) {
  std::erase_if(S().timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace win32::user

// An id already set for the window (or, without a window, an existing thread timer's id) is replaced; a
// thread timer with a new id gets an id of its own. The interval is clamped to USER_TIMER_MINIMUM..MAXIMUM.
extern "C" UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
  State& s = S();
  if (hWnd && !FindOrFail(hWnd)) return 0;
  if (!hWnd && !FindTimer(nullptr, id)) id = NewThreadTimerId();
  UINT period = Clamped(elapseMs);
  Timer timer{hWnd, id, period, s.clock + period, proc, ++s.timerOrder};
  if (Timer* existing = FindTimer(hWnd, id)) *existing = timer;
  else s.timers.push_back(timer);
  return hWnd && id == 0 ? 1 : id;
}

extern "C" BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR id) {
  auto& timers = S().timers;
  auto it = std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hWnd && t.id == id; });
  if (it == timers.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  timers.erase(it);
  return TRUE;
}

extern "C" DWORD WINAPI GetTickCount(void) { return S().clock; }

namespace win32sim {

DWORD Now() { return S().clock; }

// A window that does not validate in its WM_PAINT is painted once per pump, so the pump ends.
void PumpMessages() {
  std::vector<HWND> painted;
  MSG msg;
  while (NextMessage(msg, nullptr, 0, 0, true, &painted)) {
    S().messageTime = msg.time;
    if (msg.message == WM_QUIT) continue;  // the host's loop does not end on a stray WM_QUIT
    if (msg.message == WM_PAINT) painted.push_back(msg.hwnd);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void AdvanceClock(DWORD ms) {
  DWORD target = S().clock + ms;
  PumpMessages();
  while (std::optional<DWORD> due = NextDue(target)) {
    S().clock = std::max(S().clock, *due);
    PumpMessages();
  }
  S().clock = target;
  PumpMessages();
}

}  // namespace win32sim
