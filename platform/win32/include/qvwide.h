// Stand-in helpers, not a Windows header: wide formatting into a string and UTF-8 at the platform's edges.
#pragma once
#include <cstdarg>
#include <string>
#include <string_view>
#include "windef.h"

// Formats as _vsnwprintf does, into a string of any length; an invalid format gives an empty string.
std::u16string FormatW(const WCHAR* format, ...);
std::u16string VFormatW(const WCHAR* format, va_list args);

// Invalid UTF-8 (or a lone surrogate) becomes U+FFFD; never fails.
std::u16string Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);
