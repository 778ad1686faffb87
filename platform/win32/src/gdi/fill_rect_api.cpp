// FillRect, FrameRect: a brush handle, or a system colour index + 1 as Windows accepts in its place.
#include "gdi/drawing_objects.h"
#include "gdi/line_drawing.h"
#include "winuser.h"

using namespace win32;

namespace {

std::optional<COLORREF> colorOf(DeviceContext& dc, HBRUSH hbr) {
  auto value = reinterpret_cast<uintptr_t>(hbr);
  if (value > 0 && value <= COLOR_MENUBAR + 1) return GetSysColor(static_cast<int>(value - 1));
  Brush* brush = FindGdi<Brush>(hbr);
  if (!brush) return std::nullopt;
  return dc.brushColor(*brush);
}

}  // namespace

extern "C" int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  DeviceContext* dc = FindDc(hDC);
  if (!dc || !lprc) return FALSE;
  uintptr_t value = reinterpret_cast<uintptr_t>(hbr);
  if (!(value > 0 && value <= COLOR_MENUBAR + 1) && !FindGdi<Brush>(hbr)) return FALSE;
  if (std::optional<COLORREF> color = colorOf(*dc, hbr)) FillPixels(*dc, *lprc, *color);
  return TRUE;
}

// A one-pixel border just inside the rectangle.
extern "C" int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  DeviceContext* dc = FindDc(hDC);
  if (!dc || !lprc) return FALSE;
  uintptr_t value = reinterpret_cast<uintptr_t>(hbr);
  if (!(value > 0 && value <= COLOR_MENUBAR + 1) && !FindGdi<Brush>(hbr)) return FALSE;
  const RECT& r = *lprc;
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  std::optional<COLORREF> color = colorOf(*dc, hbr);
  if (!color) return TRUE;
  FillPixels(*dc, RECT{r.left, r.top, r.right, r.top + 1}, *color);
  FillPixels(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, *color);
  FillPixels(*dc, RECT{r.left, r.top, r.left + 1, r.bottom}, *color);
  FillPixels(*dc, RECT{r.right - 1, r.top, r.right, r.bottom}, *color);
  return TRUE;
}
