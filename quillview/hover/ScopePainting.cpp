#include "hover/ScopePainting.h"

#include <qvwide.h>

#include "html/HtmlDrawer.h"

namespace {

// The six header scales of h1 to h6 over the body size.
constexpr double kHeaderScales[] = {1.5, 1.4, 1.25, 1.1, 1.0, 0.85};

}  // namespace

void ApplyScopeFont(CHtmlDrawer& drawer, const LOGFONTW& font, HDC dc) {
  const int size = -MulDiv(font.lfHeight, 72, GetDeviceCaps(dc, LOGPIXELSY));
  WCHAR face[LF_FACESIZE + 1] = {};
  lstrcpynW(face, font.lfFaceName, LF_FACESIZE);
  const WCHAR* style = font.lfItalic ? u"italic" : u"normal";
  const int weight = static_cast<int>(font.lfWeight);
  drawer.SetStyleEntry(u"body", FormatW(u"font-size: %dpt; color:black; font-family:%s; text-align:center; "
                                        u"font-style:%s; font-weight:%d;",
                                        size, face, style, weight));
  drawer.SetStyleEntry(u"p", FormatW(u"font-size: %dpt; font-family:%s; text-align:left; font-style:%s; "
                                     u"font-weight:%d;",
                                     size, face, style, weight));
  for (int level = 1; level <= 6; ++level) {
    const int headerSize = static_cast<int>(size * kHeaderScales[level - 1]);
    drawer.SetStyleEntry(FormatW(u"h%d", level),
                         FormatW(u"font-size: %dpt; font-family:%s; text-align:center; font-style:normal; "
                                 u"font-weight:bold;",
                                 headerSize, face));
  }
}

SIZE MeasureScopeWindow(CHtmlDrawer& drawer, HDC dc, const std::u16string& text, SIZE& measured) {
  measured = SIZE{0, 0};
  drawer.MeasureText(dc, text, measured);
  return SIZE{measured.cx + kScopeExtraSize, measured.cy + kScopeExtraSize};
}

void PaintScopeClient(CHtmlDrawer& drawer, HDC dc, HFONT font, const RECT& client) {
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  const COLORREF previousColour = SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  drawer.DrawMeasuredText(dc, client);
  SetTextColor(dc, previousColour);
  if (previousFont != nullptr) SelectObject(dc, previousFont);
}
