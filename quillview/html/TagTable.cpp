#include "html/TagTable.h"

namespace {

struct TagEntry {
  std::u16string_view name;
  TagInfo info;
};

constexpr TagEntry kTags[] = {
    {u"b", {TagKind::kBold, kGroupBold, 0}},
    {u"i", {TagKind::kItalic, kGroupItalic, 0}},
    {u"em", {TagKind::kItalic, kGroupItalic, 0}},
    {u"u", {TagKind::kUnderline, kGroupUnderline, 0}},
    {u"s", {TagKind::kStrikeout, kGroupStrikeout, 0}},
    {u"strike", {TagKind::kStrikeout, kGroupStrikeout, 0}},
    {u"font", {TagKind::kFont, kGroupFont, 0}},
    {u"left", {TagKind::kHorizontalAlign, kGroupLeft, 0}},
    {u"center", {TagKind::kHorizontalAlign, kGroupCenter, 1}},
    {u"right", {TagKind::kHorizontalAlign, kGroupRight, 2}},
    {u"justify", {TagKind::kHorizontalAlign, kGroupJustify, 3}},
    {u"top", {TagKind::kVerticalAlign, kGroupTop, 0}},
    {u"vcenter", {TagKind::kVerticalAlign, kGroupVCenter, 1}},
    {u"middle", {TagKind::kVerticalAlign, kGroupVCenter, 1}},
    {u"bottom", {TagKind::kVerticalAlign, kGroupVCenter, 2}},
    {u"baseline", {TagKind::kVerticalAlign, kGroupBaseline, 3}},
    {u"body", {TagKind::kSheet, kGroupFirstSheet + 0, 0}},
    {u"h1", {TagKind::kSheet, kGroupFirstSheet + 1, 0}},
    {u"h2", {TagKind::kSheet, kGroupFirstSheet + 2, 0}},
    {u"h3", {TagKind::kSheet, kGroupFirstSheet + 3, 0}},
    {u"h4", {TagKind::kSheet, kGroupFirstSheet + 4, 0}},
    {u"h5", {TagKind::kSheet, kGroupFirstSheet + 5, 0}},
    {u"h6", {TagKind::kSheet, kGroupFirstSheet + 6, 0}},
    {u"code", {TagKind::kSheet, kGroupFirstSheet + 7, 0}},
    {u"pre", {TagKind::kSheet, kGroupFirstSheet + 8, 0}},
    {u"big", {TagKind::kSheet, kGroupFirstSheet + 9, 0}},
    {u"small", {TagKind::kSheet, kGroupFirstSheet + 10, 0}},
    {u"sub", {TagKind::kSheet, kGroupFirstSheet + 11, 0}},
    {u"sup", {TagKind::kSheet, kGroupFirstSheet + 12, 0}},
    {u"span", {TagKind::kSpan, kGroupSpan, 0}},
    {u"a", {TagKind::kLink, kGroupLink, 0}},
    {u"br", {TagKind::kBreak, kNoGroup, 0}},
    {u"t", {TagKind::kTab, kNoGroup, 0}},
    {u"hr", {TagKind::kRule, kNoGroup, 0}},
    {u"bmp", {TagKind::kBitmap, kNoGroup, 0}},
    {u"icon", {TagKind::kIcon, kNoGroup, 0}},
    {u"ilst", {TagKind::kImageList, kNoGroup, 0}},
    {u"string", {TagKind::kString, kNoGroup, 0}},
    {u"table", {TagKind::kTable, kNoGroup, 0}},
    {u"tr", {TagKind::kRow, kNoGroup, 0}},
    {u"td", {TagKind::kCell, kNoGroup, 0}},
};

}  // namespace

const TagInfo& LookupTag(std::u16string_view name) {
  static const TagInfo kUnknownTag;
  for (const TagEntry& entry : kTags)
    if (entry.name == name) return entry.info;
  return kUnknownTag;
}
