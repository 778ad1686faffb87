// Names as the header shows them: colour names and long names shortened.
#pragma once
#include <dbcolor.h>

#include <string>
#include <string_view>

// The host's display name of a true colour; otherwise the string-table name or the index digits.
std::u16string ColorName(const AcCmColor& color);
// A name longer than 30 characters becomes its first 15, "..." and its last 5.
std::u16string ShortenName(std::u16string_view name);
