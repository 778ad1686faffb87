// The renderer's style sheet: selectors (lower case) and their declaration texts, starting from the default sheet.
#pragma once
#include <map>
#include <string>
#include <string_view>

class StyleSheet {
 public:
  StyleSheet();
  void SetEntry(std::u16string_view selector, std::u16string_view declarations);
  // Repeatedly: skip to a letter, digit or "."; the selector runs to a blank or "{"; the declarations lie
  // between the next "{" and "}". The text is kept.
  void Parse(std::u16string_view sheet);
  const std::u16string* Find(std::u16string_view selector) const;
  const std::u16string& Text() const { return m_text; }

 private:
  std::map<std::u16string, std::u16string, std::less<>> m_entries;
  std::u16string m_text;
};
