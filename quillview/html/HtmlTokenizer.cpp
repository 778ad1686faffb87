#include "html/HtmlTokenizer.h"

#include <algorithm>

namespace {

bool IsAsciiAlnum(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return Lower(x) == Lower(y);
         });
}

}  // namespace

std::vector<HtmlToken> TokenizeMarkup(std::u16string_view text) {
  std::vector<HtmlToken> tokens;
  std::u16string run;
  auto flushRun = [&] {
    if (run.empty()) return;
    HtmlToken token;
    token.text.swap(run);
    tokens.push_back(std::move(token));
  };
  size_t i = 0;
  while (i < text.size()) {
    const size_t open = text.find(u'<', i);
    if (open == std::u16string_view::npos) {
      run.append(text.substr(i));
      break;
    }
    run.append(text.substr(i, open - i));
    if (open + 1 == text.size() || text[open + 1] == u'<') {
      run += u'<';
      i = open + 2;
      continue;
    }
    const size_t close = text.find(u'>', open + 1);
    if (close == std::u16string_view::npos) break;  // a tag without ">" is empty, and ends the text
    i = close + 1;
    std::u16string_view tag = text.substr(open + 1, close - open - 1);
    const bool closing = !tag.empty() && tag[0] == u'/';
    if (closing) tag.remove_prefix(1);
    const size_t nameEnd = std::min(tag.find(u' '), tag.find(u'='));
    const std::u16string_view name = tag.substr(0, nameEnd);
    if (name.empty()) continue;
    flushRun();
    HtmlToken token;
    token.isTag = true;
    token.closing = closing;
    token.name = name;
    token.rest = nameEnd == std::u16string_view::npos ? std::u16string_view() : tag.substr(nameEnd);
    tokens.push_back(std::move(token));
  }
  flushRun();
  return tokens;
}

HtmlAttributes::HtmlAttributes(std::u16string_view rest) {
  size_t i = 0;
  const size_t n = rest.size();
  while (true) {
    while (i < n && !IsAsciiAlnum(rest[i]) && rest[i] != u'.') ++i;
    if (i >= n) break;
    const size_t nameStart = i;
    while (i < n && !IsBlank(rest[i]) && rest[i] != u'=') ++i;
    HtmlAttribute attribute;
    attribute.name = rest.substr(nameStart, i - nameStart);
    size_t j = i;
    while (j < n && IsBlank(rest[j])) ++j;
    if (j < n && rest[j] == u'=') {
      ++j;
      while (j < n && IsBlank(rest[j])) ++j;
      attribute.hasValue = true;
      if (j < n && (rest[j] == u'"' || rest[j] == u'\'')) {
        const char16_t quote = rest[j];
        const size_t end = rest.find(quote, j + 1);
        const size_t stop = end == std::u16string_view::npos ? n : end;
        attribute.value = rest.substr(j + 1, stop - j - 1);
        i = stop == n ? n : stop + 1;
      } else {
        size_t end = j;
        while (end < n && !IsBlank(rest[end])) ++end;
        attribute.value = rest.substr(j, end - j);
        i = end;
      }
    }
    m_attributes.push_back(attribute);
  }
}

const std::u16string_view* HtmlAttributes::Find(std::u16string_view name) const {
  for (const HtmlAttribute& attribute : m_attributes)
    if (attribute.hasValue && EqualNoCase(attribute.name, name)) return &attribute.value;
  return nullptr;
}

int HtmlAttributes::Count(int fallback) const {
  for (const HtmlAttribute& attribute : m_attributes) {
    if (attribute.hasValue || attribute.name.empty()) continue;
    if (!std::all_of(attribute.name.begin(), attribute.name.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }))
      continue;
    int value = 0;
    for (char16_t c : attribute.name) value = std::min(value * 10 + (c - u'0'), 100000);
    return value;
  }
  return fallback;
}
