// Line building shared by every describe function: parts are wrapped by their visible length.
#pragma once
#include <windef.h>

#include <string>
#include <string_view>

bool IsWhiteSpace(char16_t c);
std::u16string_view TrimLeadingWhiteSpace(std::u16string_view s);

// The text as a reader sees it: "<br>" becomes a line feed and complete tags vanish.
std::u16string VisibleText(std::u16string_view s);

std::u16string& Append(std::u16string& part, std::u16string_view piece);
// Wide printf conventions (%s takes a wide string); pass strings as const WCHAR*.
std::u16string& AppendFormat(std::u16string& part, const WCHAR* format, ...);
std::u16string& NewLine(std::u16string& part);
