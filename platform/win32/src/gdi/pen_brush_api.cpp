// CreatePen, CreatePenIndirect, CreateSolidBrush, CreateBrushIndirect, SetDCBrushColor, SetDCPenColor.
#include <memory>

#include "gdi/device_context.h"
#include "gdi/drawing_objects.h"
#include "winbase.h"

using namespace win32;

extern "C" HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen) {
  if (!plpen || plpen->lopnStyle > PS_INSIDEFRAME) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGPEN pen = *plpen;
  pen.lopnColor &= 0xFFFFFF;
  // Styled pens are one pixel wide; a wider one draws solid.
  if (pen.lopnWidth.x > 1 && pen.lopnStyle >= PS_DASH && pen.lopnStyle <= PS_DASHDOTDOT) pen.lopnStyle = PS_SOLID;
  return AddGdi<HPEN>(std::make_unique<Pen>(pen));
}

extern "C" HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  LOGPEN pen{static_cast<UINT>(iStyle), {cWidth < 0 ? 0 : cWidth, 0}, color};
  if (iStyle < 0) pen.lopnStyle = PS_INSIDEFRAME + 1;
  return CreatePenIndirect(&pen);
}

// Solid and null brushes; hatched and pattern brushes are not part of this GDI.
extern "C" HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
  if (!plbrush || (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGBRUSH brush = *plbrush;
  brush.lbColor &= 0xFFFFFF;
  return AddGdi<HBRUSH>(std::make_unique<Brush>(brush));
}

extern "C" HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  LOGBRUSH brush{BS_SOLID, color, 0};
  return CreateBrushIndirect(&brush);
}

extern "C" COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  COLORREF previous = dc->state.dcBrushColor;
  dc->state.dcBrushColor = color & 0xFFFFFF;
  return previous;
}

extern "C" COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  COLORREF previous = dc->state.dcPenColor;
  dc->state.dcPenColor = color & 0xFFFFFF;
  return previous;
}
