// The keywords of acedInitGet and how AutoCAD matches a reply against them.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace acadsim::command {

// The capital letters of a keyword are its required abbreviation wherever they stand ("OFf": "OF",
// "字体(F)": "F"); a reply matches when, ignoring case, it is the whole keyword, or it starts with the
// abbreviation and goes on as the keyword goes on after its last capital. A keyword without capitals
// matches only whole.
bool KeywordMatches(std::u16string_view keyword, std::u16string_view reply);

// Keywords separated by spaces; a lone "_" divides the local keywords from their global ones, paired by
// position ("Yes No _ Yes No"). Without "_" every keyword is its own global one.
class KeywordList {
 public:
  KeywordList() = default;
  explicit KeywordList(std::u16string_view text);

  bool empty() const { return m_local.empty(); }
  // The global keyword that reply chooses: a reply with a leading "_" is matched against the global
  // keywords, any other against the local ones; the first match in list order wins.
  std::optional<std::u16string> match(std::u16string_view reply) const;

 private:
  std::vector<std::u16string> m_local;
  std::vector<std::u16string> m_global;
};

}  // namespace acadsim::command
