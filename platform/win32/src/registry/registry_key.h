// One key of the simulated registry: its subkeys (in name order, as Windows enumerates them) and values
// (in creation order).
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "windef.h"

namespace win32sim::registry {

// Key and value names compare without regard to case and keep the case they were created with.
bool SameName(std::u16string_view a, std::u16string_view b);
struct NameLess {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const;
};

// Longest key name and value name Windows accepts, in characters, and the deepest key path.
constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;
constexpr size_t kMaxKeyDepth = 512;

// A name the file can hold on one line: no control characters and no unpaired surrogates.
bool IsStorableName(std::u16string_view name);

struct Value {
  std::u16string name;  // empty for the default value
  DWORD type = 0;
  std::vector<BYTE> data;
};

struct Key {
  std::u16string name;
  Key* parent = nullptr;
  // Set once the key leaves the tree; handles still open on it then fail with ERROR_KEY_DELETED.
  bool deleted = false;
  std::map<std::u16string, std::shared_ptr<Key>, NameLess> subkeys;
  std::vector<Value> values;

  Key* Subkey(std::u16string_view subkeyName) const;
  // The existing subkey of that name, or a new one.
  Key& AddSubkey(std::u16string_view subkeyName);
  // Index into values, or -1.
  long FindValue(std::u16string_view valueName) const;
};

// Marks a key and everything below it deleted.
void MarkDeleted(Key& key);

}  // namespace win32sim::registry
