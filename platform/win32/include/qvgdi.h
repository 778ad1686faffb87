// Stand-in helpers, not a Windows header: what the host and tests need around GDI.
#pragma once
#include "windef.h"

namespace win32sim {

// Writes the bitmap as an opaque RGB PNG with its exact pixel values.
bool SaveBitmapPng(HBITMAP bitmap, const char* utf8Path);
// A pixel of a bitmap (selected or not, DIB bits included), or CLR_INVALID outside it.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
// The simulated machine's Windows folder (GetWindowsDirectoryW); null returns to the default,
// "$ACADSIM_HOME/Windows".
void SetWindowsDirectory(const char* utf8Path);

}  // namespace win32sim
