// Measuring and drawing text: GetTextExtentPoint32W, GetTextExtentExPointW, TextOutW, ExtTextOutW,
// SetTextJustification, and the DC's text colour, background and alignment.
#include <pango/pangocairo.h>

#include <cmath>
#include <vector>

#include "gdi/device_context.h"
#include "gdi/font.h"
#include "gdi/pixel_color.h"
#include "gdi/shaped_text.h"
#include "winbase.h"

using namespace win32;

namespace {

// The advances of a string as the DC places it: the font's, or the caller's, plus the justification extra
// on each break character (the remainder one pixel each on the first breaks).
std::vector<int> placedAdvances(DeviceContext& dc, const ShapedText& shaped, std::u16string_view text,
                                const INT* lpDx) {
  std::vector<int> advances = lpDx ? std::vector<int>(lpDx, lpDx + text.size()) : shaped.advances();
  if (dc.state.justifyBreaks > 0) {
    int each = dc.state.justifyExtra / dc.state.justifyBreaks;
    int remainder = dc.state.justifyExtra % dc.state.justifyBreaks;
    WCHAR breakChar = dc.font().realized().metrics.tmBreakChar;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != breakChar) continue;
      advances[i] += each;
      if (remainder > 0) {
        ++advances[i];
        --remainder;
      }
    }
  }
  return advances;
}

int total(const std::vector<int>& advances) {
  int sum = 0;
  for (int a : advances) sum += a;
  return sum;
}

void fillRect(cairo_t* cr, double left, double top, double width, double height, COLORREF color) {
  uint32_t pixel = ColorToPixel(color);
  cairo_set_source_rgb(cr, (pixel >> 16) / 255.0, ((pixel >> 8) & 0xFF) / 255.0, (pixel & 0xFF) / 255.0);
  cairo_rectangle(cr, left, top, width, height);
  cairo_fill(cr);
}

}  // namespace

extern "C" BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent,
                                             LPINT lpnFit, LPINT lpnDx, LPSIZE lpSize) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || cchString < 0 || (cchString > 0 && !lpszString) || !lpSize) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::u16string_view text(lpszString ? lpszString : u"", cchString);
  std::shared_ptr<const ShapedText> shaped = dc->font().shaped(text);
  std::vector<int> advances = placedAdvances(*dc, *shaped, text, nullptr);
  int extent = 0, fit = 0;
  for (size_t i = 0; i < advances.size(); ++i) {
    extent += advances[i];
    if (lpnDx) lpnDx[i] = extent;
    if (nMaxExtent < 0 || extent <= nMaxExtent) fit = static_cast<int>(i) + 1;
  }
  if (lpnFit) *lpnFit = fit;
  lpSize->cx = extent;
  lpSize->cy = dc->font().realized().metrics.tmHeight;
  return TRUE;
}

extern "C" BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  return GetTextExtentExPointW(hdc, lpString, c, -1, nullptr, nullptr, psizl);
}

extern "C" BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                                   const INT* lpDx) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || (c > 0 && !lpString)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::u16string_view text(lpString ? lpString : u"", c);
  Font& font = dc->font();
  const RealizedFont& realized = font.realized();
  const TEXTMETRICW& tm = realized.metrics;
  std::shared_ptr<const ShapedText> shaped = font.shaped(text);
  std::vector<int> advances = placedAdvances(*dc, *shaped, text, lpDx);
  int width = total(advances);

  UINT align = dc->state.textAlign;
  if (align & TA_UPDATECP) {
    x = dc->state.position.x;
    y = dc->state.position.y;
  }
  // Offsets from the reference point along the string's baseline and down across it.
  int along = 0;
  if ((align & TA_CENTER) == TA_CENTER) along = -width / 2;
  else if (align & TA_RIGHT) along = -width;
  int down = 0;
  if ((align & TA_BASELINE) == TA_BASELINE) down = -tm.tmAscent;
  else if (align & TA_BOTTOM) down = -tm.tmHeight;
  // The escapement turns the baseline counter-clockwise (tenths of a degree) about the reference point.
  double angle = font.logFont.lfEscapement * M_PI / 1800.0;
  double cosine = std::cos(angle), sine = std::sin(angle);
  if ((align & TA_UPDATECP) && (align & TA_CENTER) != TA_CENTER) {
    int travel = (align & TA_RIGHT) ? along : along + width;
    dc->state.position.x = x + static_cast<LONG>(std::lround(travel * cosine));
    dc->state.position.y = y - static_cast<LONG>(std::lround(travel * sine));
  }

  if (!dc->surface()) return TRUE;  // the screen DC measures only
  dc->beginAccess();
  cairo_t* cr = dc->createCairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  if (lprect && (options & ETO_OPAQUE)) {
    fillRect(cr, lprect->left, lprect->top, lprect->right - lprect->left, lprect->bottom - lprect->top,
             dc->state.bkColor);
  }
  if (lprect && (options & ETO_CLIPPED)) {
    cairo_rectangle(cr, lprect->left, lprect->top, lprect->right - lprect->left, lprect->bottom - lprect->top);
    cairo_clip(cr);
  }
  // The string is laid out in its own frame: the reference point at the origin, the baseline along x.
  cairo_translate(cr, x, y);
  if (font.logFont.lfEscapement % 3600 != 0) cairo_rotate(cr, -angle);
  if (dc->state.bkMode == OPAQUE && !(lprect && (options & ETO_OPAQUE)) && width > 0) {
    fillRect(cr, along, down, width, tm.tmHeight, dc->state.bkColor);
  }
  uint32_t pixel = ColorToPixel(dc->state.textColor);
  cairo_set_source_rgb(cr, (pixel >> 16) / 255.0, ((pixel >> 8) & 0xFF) / 255.0, (pixel & 0xFF) / 255.0);
  int baseline = down + tm.tmAscent;
  shaped->draw(cr, along, baseline, advances);
  if (tm.tmUnderlined) fillRect(cr, along, baseline + realized.underlineOffset, width, realized.underlineThickness,
                                dc->state.textColor);
  if (tm.tmStruckOut) fillRect(cr, along, baseline - realized.strikeoutOffset, width, realized.strikeoutThickness,
                               dc->state.textColor);
  cairo_destroy(cr);
  dc->endWrite();
  return TRUE;
}

extern "C" BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
  if (c < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return ExtTextOutW(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

// The extra pixels go to the break characters of every following measure and output, until set again.
extern "C" BOOL WINAPI SetTextJustification(HDC hdc, int extra, int count) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return FALSE;
  dc->state.justifyExtra = count > 0 ? extra : 0;
  dc->state.justifyBreaks = count > 0 ? count : 0;
  return TRUE;
}

extern "C" UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return GDI_ERROR;
  UINT previous = dc->state.textAlign;
  dc->state.textAlign = align;
  return previous;
}

extern "C" UINT WINAPI GetTextAlign(HDC hdc) {
  DeviceContext* dc = FindDc(hdc);
  return dc ? dc->state.textAlign : GDI_ERROR;
}

extern "C" COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  COLORREF previous = dc->state.textColor;
  dc->state.textColor = color & 0xFFFFFF;
  return previous;
}

extern "C" COLORREF WINAPI GetTextColor(HDC hdc) {
  DeviceContext* dc = FindDc(hdc);
  return dc ? dc->state.textColor : CLR_INVALID;
}

extern "C" COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  COLORREF previous = dc->state.bkColor;
  dc->state.bkColor = color & 0xFFFFFF;
  return previous;
}

extern "C" COLORREF WINAPI GetBkColor(HDC hdc) {
  DeviceContext* dc = FindDc(hdc);
  return dc ? dc->state.bkColor : CLR_INVALID;
}

extern "C" int WINAPI SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
  int previous = dc->state.bkMode;
  dc->state.bkMode = mode;
  return previous;
}

extern "C" int WINAPI GetBkMode(HDC hdc) {
  DeviceContext* dc = FindDc(hdc);
  return dc ? dc->state.bkMode : 0;
}
