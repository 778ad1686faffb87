// Decimal numbers in text, as the reader, atof, distof and angtof all read them.
#pragma once
#include <cstddef>
#include <string_view>

namespace acadsim::lisp {

struct NumberPrefix {
  // Characters of the longest leading [sign] digits [. digits] [e [sign] digits]; 0 when none.
  size_t length = 0;
  // No decimal point and no exponent.
  bool integral = false;
};

NumberPrefix ScanNumber(std::u16string_view text);
// The value of text that ScanNumber matched whole: beyond the range of a double is infinite, below it zero.
double RealOf(std::u16string_view number);

}  // namespace acadsim::lisp
