// The stock objects: created once, shared by every DC, never deleted.
#pragma once
#include "wingdi.h"

namespace win32 {

HGDIOBJ StockObject(int index);
// The 1-by-1 monochrome bitmap every new memory DC holds.
HBITMAP DefaultBitmap();

}  // namespace win32
