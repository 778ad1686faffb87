#include "describe/ScopeText.h"

#include "describe/TextBuilding.h"

std::u16string AssembleScopeText(const ScopeText& text) {
  std::u16string joined;
  for (const std::u16string* part : {&text.Prefix, &text.Body, &text.Suffix}) {
    std::u16string ended = *part;
    joined += NewLine(ended);
  }
  std::u16string_view trimmed = TrimLeadingWhiteSpace(joined);
  size_t end = trimmed.size();
  while (end > 0 && IsWhiteSpace(trimmed[end - 1])) --end;
  return std::u16string(trimmed.substr(0, end));
}
