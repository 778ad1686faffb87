// Letter case as AutoLISP folds it for symbols and strcase: ASCII and the Latin-1 letters.
#pragma once
#include <string>
#include <string_view>

namespace acadsim::lisp {

std::u16string UpperCase(std::u16string_view text);
std::u16string LowerCase(std::u16string_view text);

}  // namespace acadsim::lisp
