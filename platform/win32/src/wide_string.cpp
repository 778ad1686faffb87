#include <clocale>
#include <cwctype>
#include <locale.h>

#include "winbase.h"
#include "wcrt.h"

namespace {

// Full Unicode simple case mapping of the C.UTF-8 locale, independent of the process locale.
locale_t unicodeLocale() {
  static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

WCHAR asciiLower(WCHAR c) { return (c >= u'A' && c <= u'Z') ? static_cast<WCHAR>(c + 32) : c; }

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

WCHAR towupper(WCHAR c) {
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  locale_t locale = unicodeLocale();
  wint_t mapped = locale ? ::towupper_l(c, locale) : ::towupper(c);
  return mapped <= 0xFFFF ? static_cast<WCHAR>(mapped) : c;
}

WCHAR towlower(WCHAR c) {
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  locale_t locale = unicodeLocale();
  wint_t mapped = locale ? ::towlower_l(c, locale) : ::towlower(c);
  return mapped <= 0xFFFF ? static_cast<WCHAR>(mapped) : c;
}

size_t wcslen(const WCHAR* str) {
  const WCHAR* p = str;
  while (*p) ++p;
  return static_cast<size_t>(p - str);
}

int wcscmp(const WCHAR* a, const WCHAR* b) { return wcsncmp(a, b, static_cast<size_t>(-1)); }

int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count) {
  for (; count > 0; --count, ++a, ++b) {
    if (*a != *b) return *a < *b ? -1 : 1;
    if (*a == 0) return 0;
  }
  return 0;
}

// The CRT's "C" locale folds only A-Z, so these compare other letters by code unit.
int _wcsicmp(const WCHAR* a, const WCHAR* b) { return _wcsnicmp(a, b, static_cast<size_t>(-1)); }

int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count) {
  for (; count > 0; --count, ++a, ++b) {
    WCHAR ca = asciiLower(*a), cb = asciiLower(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
  return 0;
}

const WCHAR* wcschr(const WCHAR* str, WCHAR c) {
  for (;; ++str) {
    if (*str == c) return str;
    if (*str == 0) return nullptr;
  }
}

WCHAR* wcschr(WCHAR* str, WCHAR c) { return const_cast<WCHAR*>(wcschr(static_cast<const WCHAR*>(str), c)); }

const WCHAR* wcsrchr(const WCHAR* str, WCHAR c) {
  const WCHAR* found = nullptr;
  for (;; ++str) {
    if (*str == c) found = str;
    if (*str == 0) return found;
  }
}

WCHAR* wcsrchr(WCHAR* str, WCHAR c) { return const_cast<WCHAR*>(wcsrchr(static_cast<const WCHAR*>(str), c)); }

const WCHAR* wcsstr(const WCHAR* str, const WCHAR* search) {
  size_t n = wcslen(search);
  for (; *str; ++str)
    if (wcsncmp(str, search, n) == 0) return str;
  return n == 0 ? str : nullptr;
}

WCHAR* wcsstr(WCHAR* str, const WCHAR* search) {
  return const_cast<WCHAR*>(wcsstr(static_cast<const WCHAR*>(str), search));
}

extern "C" int WINAPI lstrlenW(LPCWSTR lpString) {
  return lpString ? static_cast<int>(wcslen(lpString)) : 0;
}

// Windows sorts linguistically; here letters order by their case-folded code unit, and strings that
// differ only in case order lowercase first (as Windows' word sort does). Equality is exact.
extern "C" int WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2) {
  if (!lpString1 || !lpString2) return lpString1 == lpString2 ? 0 : (lpString1 ? 1 : -1);
  int folded = lstrcmpiW(lpString1, lpString2);
  if (folded != 0) return folded;
  for (; *lpString1; ++lpString1, ++lpString2) {
    if (*lpString1 != *lpString2) return towlower(*lpString1) == *lpString1 ? -1 : 1;
  }
  return 0;
}

// Case-insensitive by Unicode simple case folding (the same for every user locale here).
extern "C" int WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2) {
  if (!lpString1 || !lpString2) return lpString1 == lpString2 ? 0 : (lpString1 ? 1 : -1);
  for (;; ++lpString1, ++lpString2) {
    WCHAR a = towlower(*lpString1), b = towlower(*lpString2);
    if (a != b) return sign(static_cast<int>(a) - static_cast<int>(b));
    if (a == 0) return 0;
  }
}

extern "C" LPWSTR WINAPI lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength) {
  if (!lpString1 || !lpString2) return nullptr;
  LPWSTR d = lpString1;
  while (iMaxLength > 1 && *lpString2) {
    *d++ = *lpString2++;
    --iMaxLength;
  }
  if (iMaxLength > 0) *d = 0;
  return lpString1;
}
