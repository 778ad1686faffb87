// The system's own cursors and icons (LoadCursorW / LoadIconW with a null instance), drawn in the stand-in.
#pragma once
#include "windef.h"

namespace win32 {

// IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_HAND, IDI_APPLICATION; null for others. Shared: one handle each.
HICON SystemImage(LPCWSTR name, bool cursor);

}  // namespace win32
