// The module's string table entries, loaded once at load into strings that live until unload.
#pragma once
#include <windef.h>

#include <string>

enum StringId : UINT {
  IDS_SYSVAR_ANGBASE = 34,
  IDS_SYSVAR_LUPREC = 36,
  IDS_SYSVAR_LUNITS = 37,
  IDS_SYSVAR_AUNITS = 39,
  IDS_COLOR_BYBLOCK = 113,
  IDS_COLOR_BYLAYER = 114,
  IDS_COLOR_RED = 115,
  IDS_COLOR_YELLOW = 116,
  IDS_COLOR_GREEN = 117,
  IDS_COLOR_CYAN = 118,
  IDS_COLOR_BLUE = 119,
  IDS_COLOR_MAGENTA = 120,
  IDS_COLOR_WHITE = 121,
  IDS_LINETYPE_CONTINUOUS = 122,
  IDS_LINETYPE_BYLAYER = 123,
  IDS_LINETYPE_BYBLOCK = 124,
  IDS_LINEWEIGHT_DEFAULT = 125,
  IDS_LINEWEIGHT_BYLAYER = 126,
  IDS_LINEWEIGHT_BYBLOCK = 127,
  IDS_ITEM_SEPARATOR = 128,
  IDS_SHADOW_SEPARATOR = 129,
  IDS_LAYER_COLOR_SPACE = 132,
  IDS_LINE_FEED = 134,
  IDS_ELLIPSIS = 135,
  IDS_OPEN_PAREN = 136,
  IDS_CLOSE_PAREN = 137,
  IDS_FMT_HEADER = 144,
  IDS_FMT_AREA_ACRES_SQFT = 145,
  IDS_FMT_AREA_SQFT_SQIN = 146,
  IDS_FMT_AREA = 147,
  IDS_FMT_AREA_ACRES = 148,
  IDS_FMT_HYPERLINK = 194,
  IDS_FMT_LINEWEIGHT = 210,
  IDS_FMT_PLOT_STYLE = 211,
  IDS_FMT_TEXT_NOTE = 212,
  IDS_FMT_MATERIAL = 217,
  IDS_SHADOW_CASTS = 218,
  IDS_SHADOW_RECEIVES = 219,
  IDS_FMT_SHADOWS = 220,
};

// Loads every entry above from the module's own resources; false, changing nothing, when one is missing.
bool LoadModuleStrings(HINSTANCE module);
void FreeModuleStrings();
// The loaded text of an entry; empty while the strings are not loaded.
const std::u16string& ModuleString(StringId id);
