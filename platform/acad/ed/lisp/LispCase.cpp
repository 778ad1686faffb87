#include "LispCase.h"

namespace acadsim::lisp {
namespace {

// U+00D7 and U+00F7 are the multiplication and division signs, not letters; U+00DF and U+00FF have no
// single-character capital in Latin-1.
bool IsLatinLower(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7); }
bool IsLatinUpper(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

}  // namespace

std::u16string UpperCase(std::u16string_view text) {
  std::u16string result(text);
  for (char16_t& c : result)
    if (IsLatinLower(c)) c = static_cast<char16_t>(c - 0x20);
  return result;
}

std::u16string LowerCase(std::u16string_view text) {
  std::u16string result(text);
  for (char16_t& c : result)
    if (IsLatinUpper(c)) c = static_cast<char16_t>(c + 0x20);
  return result;
}

}  // namespace acadsim::lisp
