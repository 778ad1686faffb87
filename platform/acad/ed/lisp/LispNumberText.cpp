#include "LispNumberText.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace acadsim::lisp {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

size_t Digits(std::u16string_view text, size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

}  // namespace

NumberPrefix ScanNumber(std::u16string_view text) {
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) ++pos;
  size_t end = Digits(text, pos);
  size_t digits = end - pos;
  bool integral = true;
  if (end < text.size() && text[end] == u'.') {
    const size_t fractionEnd = Digits(text, end + 1);
    digits += fractionEnd - end - 1;
    integral = false;
    end = fractionEnd;
  }
  if (digits == 0) return {};
  if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-')) ++exponent;
    const size_t exponentEnd = Digits(text, exponent);
    if (exponentEnd > exponent) {
      end = exponentEnd;
      integral = false;
    }
  }
  return {end, integral};
}

double RealOf(std::u16string_view number) {
  std::string ascii(number.begin(), number.end());
  const char* begin = ascii.data() + (ascii.starts_with('+') ? 1 : 0);
  double value = 0;
  const auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), value);
  if (error != std::errc::result_out_of_range) return value;
  // Out of range either way: strtod tells overflow (infinite) from underflow (zero) by the value itself,
  // which a tiny number written without an exponent also needs.
  return std::strtod(begin, nullptr);
}

}  // namespace acadsim::lisp
