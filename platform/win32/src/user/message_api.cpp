// SendMessageW, PostMessageW, PostQuitMessage, GetMessageW, PeekMessageW, TranslateMessage, DispatchMessageW,
// RegisterWindowMessageW, GetMessageTime.
#include <algorithm>

#include "user/atom_table.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

bool PassesWindow(HWND filter, HWND hwnd) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return hwnd == nullptr;
  return hwnd == filter || IsDescendant(filter, hwnd);
}

bool PassesRange(UINT first, UINT last, UINT message) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

// Parents before their children, top-level windows in z-order.
HWND FindPaint(HWND hwnd, HWND filter, const std::vector<HWND>* skip) {
  Window* w = Find(hwnd);
  if (hwnd != S().desktop && !(w->style & WS_VISIBLE)) return nullptr;
  bool skipped = skip && std::find(skip->begin(), skip->end(), hwnd) != skip->end();
  if (hwnd != S().desktop && NeedsPaint(*w) && !skipped && PassesWindow(filter, hwnd)) return hwnd;
  for (HWND child : w->children)
    if (HWND found = FindPaint(child, filter, skip)) return found;
  return nullptr;
}

Timer* FindDueTimer(HWND filter) {
  Timer* due = nullptr;
  for (Timer& t : S().timers) {
    if (t.due > S().clock || !PassesWindow(filter, t.hwnd)) continue;
    if (!due || t.due < due->due || (t.due == due->due && t.order < due->order)) due = &t;
  }
  return due;
}

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return MSG{hwnd, message, wParam, lParam, S().clock, S().cursor};
}

}  // namespace

namespace win32::user {

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!FindOrFail(hwnd)) return 0;
  CWPSTRUCT cwp{lParam, wParam, msg, hwnd};
  CallHooks(WH_CALLWNDPROC, HC_ACTION, TRUE, reinterpret_cast<LPARAM>(&cwp));
  Window* w = FindOrFail(hwnd);
  if (!w) return 0;
  return w->proc(hwnd, msg, wParam, lParam);
}

bool NextMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove, const std::vector<HWND>* skipPaint) {
  State& s = S();
  auto posted = std::find_if(s.queue.begin(), s.queue.end(), [&](const MSG& m) {
    return PassesWindow(filter, m.hwnd) && PassesRange(first, last, m.message);
  });
  if (posted != s.queue.end()) {
    msg = *posted;
    if (remove) s.queue.erase(posted);
    return true;
  }
  if (s.quitCode) {
    msg = Make(nullptr, WM_QUIT, static_cast<WPARAM>(*s.quitCode), 0);
    if (remove) s.quitCode.reset();
    return true;
  }
  if (PassesRange(first, last, WM_PAINT))
    if (HWND paint = FindPaint(s.desktop, filter, skipPaint)) {
      msg = Make(paint, WM_PAINT, 0, 0);
      return true;
    }
  if (PassesRange(first, last, WM_TIMER))
    if (Timer* t = FindDueTimer(filter)) {
      msg = Make(t->hwnd, WM_TIMER, t->id, reinterpret_cast<LPARAM>(t->proc));
      if (remove) {
        t->due = s.clock + t->period;
        t->order = ++s.timerOrder;
      }
      return true;
    }
  return false;
}

void DeliverInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg = Make(hwnd, message, wParam, lParam);
  S().messageTime = msg.time;
  DispatchMessageW(&msg);
}

}  // namespace win32::user

extern "C" LRESULT WINAPI SendMessageW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd == HWND_BROADCAST) {
    std::vector<HWND> tops = Find(S().desktop)->children;
    for (HWND top : tops)
      if (Find(top)) Send(top, msg, wParam, lParam);
    return TRUE;
  }
  return Send(hWnd, msg, wParam, lParam);
}

// A null window posts to the thread, as PostThreadMessageW does.
extern "C" BOOL WINAPI PostMessageW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::vector<HWND> targets{hWnd};
  if (hWnd == HWND_BROADCAST) targets = Find(S().desktop)->children;
  else if (hWnd && !FindOrFail(hWnd)) return FALSE;
  for (HWND target : targets) S().queue.push_back(Make(target, msg, wParam, lParam));
  return TRUE;
}

extern "C" VOID WINAPI PostQuitMessage(int exitCode) { S().quitCode = exitCode; }

extern "C" BOOL WINAPI PeekMessageW(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
  if (!msg || (hWnd && hWnd != reinterpret_cast<HWND>(-1) && !FindOrFail(hWnd))) return FALSE;
  if (!NextMessage(*msg, hWnd, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0, nullptr)) return FALSE;
  S().messageTime = msg->time;
  return TRUE;
}

// WM_QUIT always passes the filter (PeekMessageW's too). With nothing to retrieve it returns FALSE as for
// WM_QUIT (exit code 0): on this one simulated thread nothing could post while it waited.
extern "C" BOOL WINAPI GetMessageW(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax) {
  if (!msg || (hWnd && hWnd != reinterpret_cast<HWND>(-1) && !FindOrFail(hWnd))) return -1;
  if (NextMessage(*msg, hWnd, filterMin, filterMax, true, nullptr)) {
    S().messageTime = msg->time;
    return msg->message != WM_QUIT;
  }
  *msg = Make(nullptr, WM_QUIT, 0, 0);
  return FALSE;
}

// Posts WM_CHAR for the keys with a plain character (letters, digits, space, Enter, Backspace, Tab, Esc).
extern "C" BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  bool down = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  if (!down) return msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
  if (msg->message == WM_SYSKEYDOWN) return TRUE;
  WPARAM vk = msg->wParam;
  bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  WCHAR ch = 0;
  if (vk >= 'A' && vk <= 'Z') ch = static_cast<WCHAR>(shift ? vk : vk - 'A' + 'a');
  else if ((vk >= '0' && vk <= '9') || vk == VK_SPACE || vk == VK_RETURN || vk == VK_BACK || vk == VK_TAB ||
           vk == VK_ESCAPE)
    ch = static_cast<WCHAR>(vk);
  if (ch) PostMessageW(msg->hwnd, WM_CHAR, ch, msg->lParam);
  return TRUE;
}

// A WM_TIMER naming a TIMERPROC calls it, if that timer still exists with that procedure.
extern "C" LRESULT WINAPI DispatchMessageW(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    for (const Timer& t : S().timers)
      if (t.hwnd == msg->hwnd && t.id == msg->wParam && reinterpret_cast<LPARAM>(t.proc) == msg->lParam) {
        TIMERPROC proc = t.proc;
        proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
      }
    return 0;
  }
  if (!msg->hwnd) return 0;
  Window* w = FindOrFail(msg->hwnd);
  if (!w) return 0;
  return w->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

extern "C" UINT WINAPI RegisterWindowMessageW(LPCWSTR name) {
  if (!name || !*name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return AddAtom(name);
}

extern "C" DWORD WINAPI GetMessageTime(void) { return S().messageTime; }
