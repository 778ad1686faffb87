// Selection filter lists (ssget's filter-list): DXF groups an entity must match, with -4 operators.
#pragma once
#include <adsdef.h>
#include <dbid.h>

#include <memory>
#include <string_view>

namespace acadsim::selection {

// wcmatch's patterns, without regard to case: * any run, ? one character, # a digit, @ a letter, . a
// character neither letter nor digit, [..] one of (~ first: none of; a-z ranges), ` quotes the next, ~ at
// the start negates, and , separates alternatives.
bool wildcardMatch(std::u16string_view text, std::u16string_view pattern);

class SelectionFilter {
 public:
  // The filter of a list (null: everything passes); false for a list it cannot read (an unknown -4
  // operator, unbalanced grouping).
  bool parse(const resbuf* filter);
  bool matches(AcDbObjectId entity) const;
  SelectionFilter();
  ~SelectionFilter();

  struct Node;

 private:
  std::unique_ptr<Node> m_root;
};

}  // namespace acadsim::selection
