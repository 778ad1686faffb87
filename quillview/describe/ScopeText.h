// The description of one object: three parts shown in the order prefix, body, suffix.
#pragma once
#include <string>

struct ScopeText {
  std::u16string Body;
  std::u16string Prefix;
  std::u16string Suffix;
};

// The text the scope window shows: each part ended by a new line, joined, trimmed.
std::u16string AssembleScopeText(const ScopeText& text);
