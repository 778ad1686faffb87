#include "KeywordList.h"

#include <wcrt.h>

#include "NameCompare.h"

namespace acadsim::command {
namespace {

bool IsCapital(char16_t c) { return towupper(c) == c && towlower(c) != c; }

std::vector<std::u16string> SplitAtSpaces(std::u16string_view text) {
  std::vector<std::u16string> words;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(u' ', start);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > start) words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

}  // namespace

bool KeywordMatches(std::u16string_view keyword, std::u16string_view reply) {
  if (reply.empty()) return false;
  if (EqualNoCase(keyword, reply)) return true;
  std::u16string abbreviation;
  size_t lastCapital = 0;
  for (size_t i = 0; i < keyword.size(); ++i) {
    if (IsCapital(keyword[i])) {
      abbreviation += keyword[i];
      lastCapital = i;
    }
  }
  if (abbreviation.empty() || reply.size() < abbreviation.size()) return false;
  if (!EqualNoCase(reply.substr(0, abbreviation.size()), abbreviation)) return false;
  const std::u16string_view rest = reply.substr(abbreviation.size());
  const std::u16string_view tail = keyword.substr(lastCapital + 1);
  return rest.size() <= tail.size() && EqualNoCase(rest, tail.substr(0, rest.size()));
}

KeywordList::KeywordList(std::u16string_view text) {
  bool global = false;
  for (std::u16string& word : SplitAtSpaces(text)) {
    if (word == u"_") {
      global = true;
    } else {
      (global ? m_global : m_local).push_back(std::move(word));
    }
  }
  if (!global) m_global = m_local;
}

std::optional<std::u16string> KeywordList::match(std::u16string_view reply) const {
  if (!reply.empty() && reply.front() == u'_') {
    for (const std::u16string& keyword : m_global) {
      if (KeywordMatches(keyword, reply.substr(1))) return keyword;
    }
    return std::nullopt;
  }
  for (size_t i = 0; i < m_local.size(); ++i) {
    if (KeywordMatches(m_local[i], reply)) return i < m_global.size() ? m_global[i] : m_local[i];
  }
  return std::nullopt;
}

}  // namespace acadsim::command
