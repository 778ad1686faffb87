// Splits markup into text runs and tags, and a tag's attribute text into attributes.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct HtmlToken {
  bool isTag = false;
  bool closing = false;         // a tag written with a leading "/"
  std::u16string text;          // a text run, its "<<" escapes already single "<"
  std::u16string_view name;     // a tag's name, as written
  std::u16string_view rest;     // a tag's text after the name: its attributes
};

// Every token of the text; the views point into text, which must outlive them.
std::vector<HtmlToken> TokenizeMarkup(std::u16string_view text);

struct HtmlAttribute {
  std::u16string_view name;
  std::u16string_view value;
  bool hasValue = false;
};

class HtmlAttributes {
 public:
  explicit HtmlAttributes(std::u16string_view rest);
  // The value of the first attribute of that name (names match without regard to case), or null.
  const std::u16string_view* Find(std::u16string_view name) const;
  // The first attribute without a value whose name is a number (the count of <br 2> and <t 3>), or fallback.
  int Count(int fallback) const;

 private:
  std::vector<HtmlAttribute> m_attributes;
};
