// Cuts a text at its top-level tables: the runs between them and the tables go one below the other.
#include "html/HtmlLayout.h"

#include <algorithm>

#include "html/HtmlStyle.h"
#include "html/StyleSheet.h"
#include "html/TagTable.h"

namespace {

// Tables nested deeper than this are laid out as their text.
constexpr int kMaxTableDepth = 32;

bool IsTableTag(const HtmlToken& token) { return token.isTag && LookupTag(token.name).kind == TagKind::kTable; }

// The closing tag that matches the table opened just before begin, or end when it is never closed.
const HtmlToken* MatchingTableEnd(const HtmlToken* begin, const HtmlToken* end) {
  int depth = 1;
  for (const HtmlToken* token = begin; token != end; ++token) {
    if (!IsTableTag(*token)) continue;
    depth += token->closing ? -1 : 1;
    if (depth == 0) return token;
  }
  return end;
}

}  // namespace

HtmlStyle PartBaseStyle(const LayoutEnv& env) {
  HtmlStyle style;
  if (const std::u16string* body = env.sheet->Find(u"body")) {
    StyleContext context;
    context.dc = env.dc;
    context.colours = env.colours;
    context.enabled = env.settings->enabled;
    context.disabledColour = GetSysColor(COLOR_BTNSHADOW);
    ApplyDeclarations(style, *body, context);
  }
  return style;
}

SIZE LayoutBlocks(LayoutEnv& env, const HtmlToken* begin, const HtmlToken* end, const BlockArea& area) {
  SIZE total{0, 0};
  auto place = [&](SIZE part) {
    total.cx = std::max(total.cx, part.cx);
    total.cy = AddExtent(total.cy, part.cy);
  };
  BlockArea next = area;
  const HtmlToken* partStart = begin;
  const bool tablesAllowed = env.tableDepth < kMaxTableDepth;
  for (const HtmlToken* token = begin; token != end; ++token) {
    if (!tablesAllowed || !IsTableTag(*token) || token->closing) continue;
    next.top = area.top + total.cy;
    place(LayoutTextPart(env, partStart, token, next));
    const HtmlToken* tableEnd = MatchingTableEnd(token + 1, end);
    next.top = area.top + total.cy;
    ++env.tableDepth;
    place(LayoutTable(env, token->rest, token + 1, tableEnd, next));
    --env.tableDepth;
    token = tableEnd == end ? end - 1 : tableEnd;
    partStart = token + 1;
  }
  next.top = area.top + total.cy;
  place(LayoutTextPart(env, partStart, end, next));
  return total;
}
