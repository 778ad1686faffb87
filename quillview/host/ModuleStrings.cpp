#include "host/ModuleStrings.h"

#include <windows.h>

#include <vector>

namespace {

constexpr StringId kModuleStringIds[] = {
#define QV_STRING_ID(name, id) name,
    QV_MODULE_STRING_LIST(QV_STRING_ID)
#undef QV_STRING_ID
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
