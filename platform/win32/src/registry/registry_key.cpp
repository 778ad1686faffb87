#include "registry/registry_key.h"

#include "wcrt.h"

namespace win32sim::registry {

namespace {
int CompareNames(std::u16string_view a, std::u16string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    WCHAR ca = towupper(a[i]), cb = towupper(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
}  // namespace

bool SameName(std::u16string_view a, std::u16string_view b) { return CompareNames(a, b) == 0; }

bool NameLess::operator()(std::u16string_view a, std::u16string_view b) const { return CompareNames(a, b) < 0; }

bool IsStorableName(std::u16string_view name) {
  for (size_t i = 0; i < name.size(); ++i) {
    WCHAR c = name[i];
    if (c < 0x20 || c == 0x7F) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= name.size() || name[i + 1] < 0xDC00 || name[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

Key* Key::Subkey(std::u16string_view subkeyName) const {
  auto it = subkeys.find(subkeyName);
  return it == subkeys.end() ? nullptr : it->second.get();
}

Key& Key::AddSubkey(std::u16string_view subkeyName) {
  if (Key* existing = Subkey(subkeyName)) return *existing;
  auto key = std::make_shared<Key>();
  key->name = std::u16string(subkeyName);
  key->parent = this;
  Key& added = *key;
  subkeys.emplace(key->name, std::move(key));
  return added;
}

long Key::FindValue(std::u16string_view valueName) const {
  for (size_t i = 0; i < values.size(); ++i)
    if (SameName(values[i].name, valueName)) return static_cast<long>(i);
  return -1;
}

void MarkDeleted(Key& key) {
  key.deleted = true;
  for (auto& [name, subkey] : key.subkeys) MarkDeleted(*subkey);
}

}  // namespace win32sim::registry
