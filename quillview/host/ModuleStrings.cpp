#include "host/ModuleStrings.h"

#include <windows.h>

#include <vector>

namespace {

constexpr StringId kModuleStringIds[] = {
    IDS_SYSVAR_ANGBASE,     IDS_SYSVAR_LUPREC,      IDS_SYSVAR_LUNITS,       IDS_SYSVAR_AUNITS,
    IDS_COLOR_BYBLOCK,      IDS_COLOR_BYLAYER,      IDS_COLOR_RED,           IDS_COLOR_YELLOW,
    IDS_COLOR_GREEN,        IDS_COLOR_CYAN,         IDS_COLOR_BLUE,          IDS_COLOR_MAGENTA,
    IDS_COLOR_WHITE,        IDS_LINETYPE_CONTINUOUS, IDS_LINETYPE_BYLAYER,   IDS_LINETYPE_BYBLOCK,
    IDS_LINEWEIGHT_DEFAULT, IDS_LINEWEIGHT_BYLAYER, IDS_LINEWEIGHT_BYBLOCK,  IDS_ITEM_SEPARATOR,
    IDS_SHADOW_SEPARATOR,   IDS_LAYER_COLOR_SPACE,  IDS_LINE_FEED,           IDS_ELLIPSIS,
    IDS_OPEN_PAREN,         IDS_CLOSE_PAREN,        IDS_FMT_HEADER,          IDS_FMT_AREA_ACRES_SQFT,
    IDS_FMT_AREA_SQFT_SQIN, IDS_FMT_AREA,           IDS_FMT_AREA_ACRES,      IDS_FMT_HYPERLINK,
    IDS_FMT_LINEWEIGHT,     IDS_FMT_PLOT_STYLE,     IDS_FMT_TEXT_NOTE,       IDS_FMT_MATERIAL,
    IDS_SHADOW_CASTS,       IDS_SHADOW_RECEIVES,    IDS_FMT_SHADOWS,
};

// Indexed by string id; empty while the module is not loaded.
std::vector<std::u16string> g_strings;

}  // namespace

bool LoadModuleStrings(HINSTANCE module) {
  std::vector<std::u16string> loaded;
  for (StringId id : kModuleStringIds) {
    // A zero buffer size makes LoadStringW hand out the resource text itself, of any length.
    const WCHAR* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return false;
    if (loaded.size() <= id) loaded.resize(id + 1);
    loaded[id].assign(text, static_cast<size_t>(length));
  }
  g_strings = std::move(loaded);
  return true;
}

void FreeModuleStrings() { std::vector<std::u16string>().swap(g_strings); }

const std::u16string& ModuleString(StringId id) {
  static const std::u16string empty;
  return id < g_strings.size() ? g_strings[id] : empty;
}
