// The Windows registry from AutoLISP: vl-registry-read, -write, -delete, -descendents and vlax-product-key.
#include <rxregsvc.h>
#include <winreg.h>

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispCase.h"
#include "LispError.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

// A path such as "HKEY_CURRENT_USER\\Software\\Test": the root key and the path below it.
struct KeyPath {
  HKEY root;
  std::u16string subkey;
};

std::optional<KeyPath> ParseKeyPath(const std::u16string& path) {
  const size_t slash = path.find(u'\\');
  const std::u16string root = UpperCase(path.substr(0, slash));
  std::u16string subkey = slash == std::u16string::npos ? u"" : path.substr(slash + 1);
  while (!subkey.empty() && subkey.back() == u'\\') subkey.pop_back();
  if (root == u"HKEY_CURRENT_USER") return KeyPath{HKEY_CURRENT_USER, subkey};
  if (root == u"HKEY_LOCAL_MACHINE") return KeyPath{HKEY_LOCAL_MACHINE, subkey};
  if (root == u"HKEY_CLASSES_ROOT") return KeyPath{HKEY_CLASSES_ROOT, subkey};
  return std::nullopt;
}

class OpenKey {
 public:
  OpenKey() = default;
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  bool open(const KeyPath& path, REGSAM access) {
    return RegOpenKeyExW(path.root, path.subkey.c_str(), 0, access, &m_key) == ERROR_SUCCESS;
  }
  bool create(const KeyPath& path) {
    return RegCreateKeyExW(path.root, path.subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                           &m_key, nullptr) == ERROR_SUCCESS;
  }
  HKEY get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

// An absent or nil value name is the key's default value.
std::u16string ValueName(Args args, size_t index) {
  return args.size() > index && !IsNil(args[index]) ? StringArg(args[index]) : std::u16string();
}

// REG_DWORD reads as a signed 32-bit integer and REG_SZ / REG_EXPAND_SZ as strings; other types, a missing
// key and a missing value are nil.
Value Read(Session&, Args args) {
  ExpectCount(args, 1, 2);
  std::optional<KeyPath> path = ParseKeyPath(StringArg(args[0]));
  const std::u16string name = ValueName(args, 1);
  OpenKey key;
  if (!path || !key.open(*path, KEY_QUERY_VALUE)) return Value();
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return Value();
  std::vector<BYTE> data(size);
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return Value();
  if (type == REG_DWORD && size >= sizeof(int32_t)) {
    int32_t number = 0;
    std::memcpy(&number, data.data(), sizeof number);
    return number;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return Value();
  std::u16string text(size / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), data.data(), text.size() * sizeof(char16_t));
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return MakeString(std::move(text));
}

// Strings are written as REG_SZ and integers as REG_DWORD; the value written is the result. A key alone
// is created without touching its default value, which AutoCAD's description would overwrite with "".
Value Write(Session&, Args args) {
  ExpectCount(args, 1, 3);
  std::optional<KeyPath> path = ParseKeyPath(StringArg(args[0]));
  const std::u16string name = ValueName(args, 1);
  const Value data = args.size() == 3 ? args[2] : MakeString(u"");
  if (!std::holds_alternative<int32_t>(data) && !AsString(data)) BadArgumentType(u"stringp", data);
  if (!path || path->root == HKEY_LOCAL_MACHINE) return Value();
  OpenKey key;
  if (!key.create(*path)) return Value();
  if (args.size() == 1) return data;
  LONG status;
  if (const int32_t* number = std::get_if<int32_t>(&data)) {
    status = RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(number),
                            sizeof *number);
  } else {
    const std::u16string& text = *AsString(data);
    status = RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
  }
  return status == ERROR_SUCCESS ? data : Value();
}

// A value when one is named; otherwise the key, which must have no subkeys left.
Value Delete(Session& session, Args args) {
  ExpectCount(args, 1, 2);
  std::optional<KeyPath> path = ParseKeyPath(StringArg(args[0]));
  const bool value = args.size() == 2 && !IsNil(args[1]);
  const std::u16string name = ValueName(args, 1);
  if (!path) return Value();
  if (value) {
    OpenKey key;
    return session.truth(key.open(*path, KEY_SET_VALUE) && RegDeleteValueW(key.get(), name.c_str()) == ERROR_SUCCESS);
  }
  if (path->subkey.empty()) return Value();
  {
    OpenKey key;
    DWORD subkeys = 0;
    if (!key.open(*path, KEY_READ) ||
        RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys != 0)
      return Value();
  }
  return session.truth(RegDeleteKeyW(path->root, path->subkey.c_str()) == ERROR_SUCCESS);
}

// The subkeys, or with a non-nil second argument the value names, in the registry's own order.
Value Descendents(Session&, Args args) {
  ExpectCount(args, 1, 2);
  std::optional<KeyPath> path = ParseKeyPath(StringArg(args[0]));
  const bool valueNames = args.size() == 2 && !IsNil(args[1]);
  OpenKey key;
  if (!path || !key.open(*path, KEY_READ)) return Value();
  std::vector<Value> names;
  std::vector<char16_t> buffer(16384);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG status = valueNames ? RegEnumValueW(key.get(), index, buffer.data(), &length, nullptr, nullptr,
                                                   nullptr, nullptr)
                                   : RegEnumKeyW(key.get(), index, buffer.data(), length);
    if (status != ERROR_SUCCESS) break;
    names.push_back(MakeString(buffer.data()));
  }
  return MakeList(std::move(names));
}

Value ProductKey(Session&, Args args) {
  ExpectCount(args, 0, 0);
  return MakeString(acrxProductKey());
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"vl-registry-read", Read},
    BuiltinDefinition{u"vl-registry-write", Write},
    BuiltinDefinition{u"vl-registry-delete", Delete},
    BuiltinDefinition{u"vl-registry-descendents", Descendents},
    BuiltinDefinition{u"vlax-product-key", ProductKey},
};

}  // namespace

std::span<const BuiltinDefinition> RegistryFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
