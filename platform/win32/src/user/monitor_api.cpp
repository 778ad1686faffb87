// MonitorFromPoint, MonitorFromWindow, MonitorFromRect, GetMonitorInfoW and the screen's monitors
// (win32sim::SetMonitors, ParseMonitors, Monitors).
#include <algorithm>
#include <charconv>

#include "gdi/device_context.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

constexpr int kTaskbarHeight = 40;

// Handles name a monitor of one monitor layout; a new layout makes the old handles stale.
HMONITOR HandleOf(size_t index) {
  return reinterpret_cast<HMONITOR>(static_cast<uintptr_t>(S().monitorGeneration) << 8 | (index + 1));
}

const Monitor* FromHandle(HMONITOR monitor) {
  auto value = reinterpret_cast<uintptr_t>(monitor);
  size_t index = (value & 0xFF) - 1;
  if ((value >> 8) != S().monitorGeneration || (value & 0xFF) == 0 || index >= S().monitors.size()) return nullptr;
  return &S().monitors[index];
}

long long Area(const RECT& a, const RECT& b) {
  RECT common;
  if (!IntersectRect(&common, &a, &b)) return 0;
  return static_cast<long long>(common.right - common.left) * (common.bottom - common.top);
}

long long Distance(const RECT& a, const RECT& b) {
  long long dx = std::max<long long>({0, b.left - a.right + 1LL, a.left - b.right + 1LL});
  long long dy = std::max<long long>({0, b.top - a.bottom + 1LL, a.top - b.bottom + 1LL});
  return dx * dx + dy * dy;
}

HMONITOR Fallback(const RECT& rect, DWORD flags) {
  if (flags == MONITOR_DEFAULTTOPRIMARY) return HandleOf(0);
  if (flags != MONITOR_DEFAULTTONEAREST) return nullptr;
  size_t best = 0;
  for (size_t i = 1; i < S().monitors.size(); ++i)
    if (Distance(S().monitors[i].rect, rect) < Distance(S().monitors[best].rect, rect)) best = i;
  return HandleOf(best);
}

void Apply(const std::vector<RECT>& rects) {
  State& s = S();
  s.monitors.clear();
  for (const RECT& r : rects) {
    RECT work = r;
    work.bottom = std::max(r.top, r.bottom - kTaskbarHeight);
    s.monitors.push_back(Monitor{r, work});
  }
  ++s.monitorGeneration;
  RECT primary = rects.front();
  win32::SetScreenSize(primary.right - primary.left, primary.bottom - primary.top);
  if (Window* desktop = Find(s.desktop)) desktop->rect = primary;
}

std::optional<LONG> Number(std::string_view& text, bool sign) {
  bool negative = false;
  if (sign) {
    if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  LONG value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() || value < 0 || value > 1000000) return std::nullopt;
  text.remove_prefix(end - text.data());
  return negative ? -value : value;
}

}  // namespace

namespace win32::user {

void ResetMonitors() { Apply({RECT{0, 0, 1280, 1024}}); }

RECT VirtualScreen() {
  RECT all = S().monitors.front().rect;
  for (const Monitor& m : S().monitors) UnionRect(&all, &all, &m.rect);
  return all;
}

}  // namespace win32::user

extern "C" HMONITOR WINAPI MonitorFromPoint(POINT point, DWORD flags) {
  for (size_t i = 0; i < S().monitors.size(); ++i)
    if (PtInRect(&S().monitors[i].rect, point)) return HandleOf(i);
  return Fallback(RECT{point.x, point.y, point.x + 1, point.y + 1}, flags);
}

// The monitor with the largest part of the rectangle; an empty rectangle counts as its top-left point.
extern "C" HMONITOR WINAPI MonitorFromRect(LPCRECT rect, DWORD flags) {
  if (!rect) return nullptr;
  if (IsRectEmpty(rect)) return MonitorFromPoint(POINT{rect->left, rect->top}, flags);
  long long best = 0;
  HMONITOR found = nullptr;
  for (size_t i = 0; i < S().monitors.size(); ++i)
    if (long long area = Area(S().monitors[i].rect, *rect); area > best) {
      best = area;
      found = HandleOf(i);
    }
  return found ? found : Fallback(*rect, flags);
}

extern "C" HMONITOR WINAPI MonitorFromWindow(HWND hWnd, DWORD flags) {
  Window* w = FindOrFail(hWnd);
  if (!w) return nullptr;
  RECT rect = ScreenRect(*w);
  return MonitorFromRect(&rect, flags);
}

extern "C" BOOL WINAPI GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info) {
  const Monitor* m = FromHandle(monitor);
  if (!m) {
    SetLastError(ERROR_INVALID_MONITOR_HANDLE);
    return FALSE;
  }
  if (!info || info->cbSize != sizeof(MONITORINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  info->rcMonitor = m->rect;
  info->rcWork = m->work;
  info->dwFlags = m == &S().monitors.front() ? MONITORINFOF_PRIMARY : 0;
  return TRUE;
}

namespace win32sim {

bool SetMonitors(const std::vector<RECT>& monitors) {
  if (monitors.empty() || monitors.front().left != 0 || monitors.front().top != 0) return false;
  for (const RECT& r : monitors)
    if (IsRectEmpty(&r)) return false;
  Apply(monitors);
  return true;
}

// "WxH+X+Y" items separated by ';'; X and Y carry a sign ("1280x1024-1280+0").
std::optional<std::vector<RECT>> ParseMonitors(std::string_view text) {
  std::vector<RECT> monitors;
  while (true) {
    auto width = Number(text, false);
    if (!width || text.empty() || text[0] != 'x') return std::nullopt;
    text.remove_prefix(1);
    auto height = Number(text, false);
    auto x = height ? Number(text, true) : std::nullopt;
    auto y = x ? Number(text, true) : std::nullopt;
    if (!y || *width == 0 || *height == 0) return std::nullopt;
    monitors.push_back(RECT{*x, *y, *x + *width, *y + *height});
    if (text.empty()) return monitors;
    if (text[0] != ';') return std::nullopt;
    text.remove_prefix(1);
  }
}

std::vector<RECT> Monitors() {
  std::vector<RECT> rects;
  for (const Monitor& m : S().monitors) rects.push_back(m.rect);
  return rects;
}

}  // namespace win32sim
