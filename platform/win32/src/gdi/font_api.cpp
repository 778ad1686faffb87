// CreateFontIndirectW, CreateFontW, GetTextMetricsW, GetTextFaceW.
#include <algorithm>
#include <memory>

#include "gdi/device_context.h"
#include "gdi/font.h"
#include "winbase.h"

using namespace win32;

extern "C" HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTW lf = *lplf;
  lf.lfFaceName[LF_FACESIZE - 1] = u'\0';
  return AddGdi<HFONT>(std::make_unique<Font>(lf));
}

extern "C" HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                                    DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                                    DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                                    DWORD iPitchAndFamily, LPCWSTR pszFaceName) {
  LOGFONTW lf{};
  lf.lfHeight = cHeight;
  lf.lfWidth = cWidth;
  lf.lfEscapement = cEscapement;
  lf.lfOrientation = cOrientation;
  lf.lfWeight = cWeight;
  lf.lfItalic = static_cast<BYTE>(bItalic);
  lf.lfUnderline = static_cast<BYTE>(bUnderline);
  lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(iCharSet);
  lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
  lf.lfQuality = static_cast<BYTE>(iQuality);
  lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
  if (pszFaceName) lstrcpynW(lf.lfFaceName, pszFaceName, LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

extern "C" BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || !lptm) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lptm = dc->font().realized().metrics;
  return TRUE;
}

// The face the font was asked for, with its terminator; a null buffer asks for the length.
extern "C" int WINAPI GetTextFaceW(HDC hdc, int c, LPWSTR lpName) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc) return 0;
  const WCHAR* face = dc->font().logFont.lfFaceName;
  int length = lstrlenW(face) + 1;
  if (!lpName) return length;
  if (c <= 0) return 0;
  lstrcpynW(lpName, face, c);
  return std::min(length, c);
}
