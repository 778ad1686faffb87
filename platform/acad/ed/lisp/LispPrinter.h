// Values as AutoLISP writes them: prin1 (readable, as the command line echoes) and princ (strings raw).
#pragma once
#include <string>

#include "LispValue.h"

namespace acadsim::lisp {

std::u16string Prin1Text(const Value& v);
std::u16string PrincText(const Value& v);
// A real as AutoLISP prints it: six significant digits, always a decimal point, three exponent digits.
std::u16string RealText(double value);

}  // namespace acadsim::lisp
