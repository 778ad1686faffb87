#include "hover/ScopePlacement.h"

void ClampToWorkArea(RECT& window, const RECT& work) {
  if (window.right > work.right) OffsetRect(&window, work.right - window.right, 0);
  if (window.left < work.left) OffsetRect(&window, work.left - window.left, 0);
  if (window.bottom > work.bottom) OffsetRect(&window, 0, work.bottom - window.bottom);
}

RECT PlaceScope(SIZE size, POINT cursor) {
  RECT window{0, 0, size.cx, size.cy};
  OffsetRect(&window, cursor.x, cursor.y);
  OffsetRect(&window, kScopeCursorOffset, kScopeCursorOffset);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &info)) ClampToWorkArea(window, info.rcWork);
  return window;
}
