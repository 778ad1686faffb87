#include "NameCompare.h"

#include <wcrt.h>

namespace acadsim::command {

bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (towupper(a[i]) != towupper(b[i])) return false;
  }
  return true;
}

std::u16string UpperCase(std::u16string_view text) {
  std::u16string upper(text);
  for (char16_t& c : upper) c = towupper(c);
  return upper;
}

}  // namespace acadsim::command
