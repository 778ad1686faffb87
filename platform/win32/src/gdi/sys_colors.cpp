// GetSysColor, GetSysColorBrush: the Windows XP default scheme (Luna, blue).
#include <memory>

#include "gdi/drawing_objects.h"
#include "winbase.h"
#include "winuser.h"

using namespace win32;

namespace {

const COLORREF kXpColors[] = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(0, 78, 152),     // COLOR_BACKGROUND
    RGB(0, 84, 227),     // COLOR_ACTIVECAPTION
    RGB(122, 150, 223),  // COLOR_INACTIVECAPTION
    RGB(255, 255, 255),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(49, 106, 197),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(236, 233, 216),  // COLOR_BTNFACE
    RGB(172, 168, 153),  // COLOR_BTNSHADOW
    RGB(172, 168, 153),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(216, 228, 248),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(113, 111, 100),  // COLOR_3DDKSHADOW
    RGB(241, 239, 226),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25: unused, as Windows reports it
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(61, 149, 255),   // COLOR_GRADIENTACTIVECAPTION
    RGB(157, 185, 235),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(49, 106, 197),   // COLOR_MENUHILIGHT
    RGB(236, 233, 216),  // COLOR_MENUBAR
};
constexpr int kColorCount = sizeof kXpColors / sizeof kXpColors[0];

}  // namespace

extern "C" DWORD WINAPI GetSysColor(int nIndex) {
  return nIndex >= 0 && nIndex < kColorCount ? kXpColors[nIndex] : 0;
}

// One stock-like brush per colour, never deleted.
extern "C" HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  static HBRUSH brushes[kColorCount] = {};
  if (nIndex < 0 || nIndex >= kColorCount) return nullptr;
  if (!brushes[nIndex]) {
    auto brush = std::make_unique<Brush>(LOGBRUSH{BS_SOLID, kXpColors[nIndex], 0});
    brush->stock = true;
    brushes[nIndex] = AddGdi<HBRUSH>(std::move(brush));
  }
  return brushes[nIndex];
}
