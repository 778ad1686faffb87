// Values as AutoLISP writes them: prin1 (readable, as the command line echoes) and princ (strings raw).
#pragma once
#include <string>

#include "LispValue.h"

namespace acadsim::lisp {

std::u16string Prin1Text(const Value& v);
std::u16string PrincText(const Value& v);
// A value as a prompt takes it for its reply: strings raw, reals (alone or in lists) to their full precision.
std::u16string AnswerText(const Value& v);
// A real as AutoLISP prints it: six significant digits, always a decimal point, three exponent digits.
std::u16string RealText(double value);

}  // namespace acadsim::lisp
