// The tags of the markup: what each does, and the style group its closing form must match.
#pragma once
#include <string_view>

enum class TagKind {
  kUnknown,
  kBold,
  kItalic,
  kUnderline,
  kStrikeout,
  kFont,
  kHorizontalAlign,  // value: 0 left, 1 centre, 2 right, 3 justify
  kVerticalAlign,    // value: 0 top, 1 centre, 2 bottom, 3 baseline
  kSheet,            // applies the sheet entry of the tag's own name
  kSpan,
  kLink,
  kBreak,
  kTab,
  kRule,
  kBitmap,
  kIcon,
  kImageList,
  kString,
  kTable,
  kRow,
  kCell,
};

// Tags of one group restore each other's saved style; 0 is no group (the tag never touches the stack).
enum StyleGroup : int {
  kNoGroup = 0,
  kGroupBold,
  kGroupItalic,
  kGroupUnderline,
  kGroupStrikeout,
  kGroupFont,
  kGroupLeft,
  kGroupCenter,
  kGroupRight,
  kGroupJustify,
  kGroupBaseline,
  kGroupTop,
  kGroupVCenter,
  kGroupSpan,
  kGroupLink,
  kGroupFirstSheet,  // each sheet tag has its own group from here on
};

struct TagInfo {
  TagKind kind = TagKind::kUnknown;
  int group = kNoGroup;
  int value = 0;
};

// Names match exactly (lower case); an unknown name gives kUnknown.
const TagInfo& LookupTag(std::u16string_view name);
