// The 168 colour names of the markup: the CSS named colours and the system colours, bound when made.
#pragma once
#include <windows.h>

#include <string_view>
#include <unordered_map>

class ColourNames {
 public:
  ColourNames();
  // Exact (lower-case) names only; false for an unknown name.
  bool Find(std::u16string_view name, COLORREF& colour) const;
  size_t Size() const { return m_colours.size(); }

 private:
  std::unordered_map<std::u16string_view, COLORREF> m_colours;
};
