// Common dialogs: the font chooser.
#pragma once
#include "windef.h"
#include "wingdi.h"

#define CF_SCREENFONTS 0x00000001
#define CF_PRINTERFONTS 0x00000002
#define CF_BOTH (CF_SCREENFONTS | CF_PRINTERFONTS)
#define CF_INITTOLOGFONTSTRUCT 0x00000040L
#define CF_EFFECTS 0x00000100L
#define CF_FORCEFONTEXIST 0x00010000L
#define CF_NOSCRIPTSEL 0x00800000L

#define SCREEN_FONTTYPE 0x2000
#define REGULAR_FONTTYPE 0x0400
#define BOLD_FONTTYPE 0x0100
#define ITALIC_FONTTYPE 0x0200

typedef UINT_PTR(CALLBACK* LPCFHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagCHOOSEFONTW {
  DWORD lStructSize;
  HWND hwndOwner;
  HDC hDC;
  LPLOGFONTW lpLogFont;
  INT iPointSize;  // tenths of a point
  DWORD Flags;
  COLORREF rgbColors;
  LPARAM lCustData;
  LPCFHOOKPROC lpfnHook;
  LPCWSTR lpTemplateName;
  HINSTANCE hInstance;
  LPWSTR lpszStyle;
  WORD nFontType;
  WORD ___MISSING_ALIGNMENT__;
  INT nSizeMin;
  INT nSizeMax;
} CHOOSEFONTW, *LPCHOOSEFONTW;

extern "C" {
// Modal: disables the owner, activates the dialog, and returns TRUE when the user pressed OK (lpLogFont then
// holds the choice), FALSE for Cancel or an error (CommDlgExtendedError tells which).
BOOL WINAPI ChooseFontW(LPCHOOSEFONTW cf);
DWORD WINAPI CommDlgExtendedError(void);
}

#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define CFERR_NOFONTS 0x2001
