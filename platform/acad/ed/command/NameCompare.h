// Command names and keywords compare as AutoCAD compares them: without regard to case.
#pragma once
#include <string>
#include <string_view>

namespace acadsim::command {

bool EqualNoCase(std::u16string_view a, std::u16string_view b);
std::u16string UpperCase(std::u16string_view text);

}  // namespace acadsim::command
