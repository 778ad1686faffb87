// The C run-time's wide-string functions as the Microsoft CRT has them, on WCHAR (char16_t).
// Overloads, so they sit beside the C library's wchar_t functions of the same names.
#pragma once
// The C library's headers first: std:: names them with using-declarations, which must not see these
// overloads (or std::stol and friends no longer compile).
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include "windef.h"

size_t wcslen(const WCHAR* str);
int wcscmp(const WCHAR* a, const WCHAR* b);
int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count);
int _wcsicmp(const WCHAR* a, const WCHAR* b);
int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count);
const WCHAR* wcschr(const WCHAR* str, WCHAR c);
WCHAR* wcschr(WCHAR* str, WCHAR c);
const WCHAR* wcsrchr(const WCHAR* str, WCHAR c);
WCHAR* wcsrchr(WCHAR* str, WCHAR c);
const WCHAR* wcsstr(const WCHAR* str, const WCHAR* search);
WCHAR* wcsstr(WCHAR* str, const WCHAR* search);
WCHAR towupper(WCHAR c);
WCHAR towlower(WCHAR c);

LONG wcstol(const WCHAR* str, WCHAR** endptr, int base);
ULONG wcstoul(const WCHAR* str, WCHAR** endptr, int base);
double wcstod(const WCHAR* str, WCHAR** endptr);
int _wtoi(const WCHAR* str);

// Microsoft printf rules: %s and %c take WIDE arguments, %hs/%hc narrow, %ls/%lc wide.
int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args);
int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...);
int vswprintf_s(WCHAR* buffer, size_t sizeOfBuffer, const WCHAR* format, va_list args);
int swprintf_s(WCHAR* buffer, size_t sizeOfBuffer, const WCHAR* format, ...);
int _vscwprintf(const WCHAR* format, va_list args);
int _scwprintf(const WCHAR* format, ...);
