// Lines as GDI draws them: one-pixel pens step pixel by pixel (the last pixel left out) with the cosmetic
// dash patterns; wider pens are stroked with round ends, without anti-aliasing.
#pragma once
#include "gdi/device_context.h"

namespace win32 {

void DrawLine(DeviceContext& dc, POINT from, POINT to);
// Fills [left, right) x [top, bottom) with a colour, within the clip box.
void FillPixels(DeviceContext& dc, const RECT& rect, COLORREF color);

}  // namespace win32
