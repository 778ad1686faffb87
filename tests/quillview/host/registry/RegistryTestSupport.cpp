#include "RegistryTestSupport.h"

#include <optional>

namespace {

// An open key for one helper call.
class RawKey {
 public:
  RawKey(HKEY root, const WCHAR* path, bool create) {
    LONG status = create ? RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                           &m_key, nullptr)
                         : RegOpenKeyExW(root, path, 0, KEY_READ, &m_key);
    if (status != ERROR_SUCCESS) m_key = nullptr;
  }
  ~RawKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  RawKey(const RawKey&) = delete;
  RawKey& operator=(const RawKey&) = delete;
  HKEY get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

}  // namespace

void PutRaw(HKEY root, const WCHAR* path, const WCHAR* name, DWORD type, const void* data, DWORD bytes) {
  std::optional<AsAdministrator> administrator;
  if (root == HKEY_LOCAL_MACHINE) administrator.emplace();
  RawKey key(root, path, true);
  ASSERT_NE(key.get(), nullptr);
  ASSERT_EQ(RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
}

void PutText(HKEY root, const WCHAR* path, const WCHAR* name, const std::u16string& text, DWORD type) {
  PutRaw(root, path, name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
}

void PutDWord(HKEY root, const WCHAR* path, const WCHAR* name, DWORD value) {
  PutRaw(root, path, name, REG_DWORD, &value, sizeof(value));
}

void PutKey(HKEY root, const WCHAR* path) {
  std::optional<AsAdministrator> administrator;
  if (root == HKEY_LOCAL_MACHINE) administrator.emplace();
  RawKey key(root, path, true);
  ASSERT_NE(key.get(), nullptr);
}

bool KeyExists(HKEY root, const WCHAR* path) { return RawKey(root, path, false).get() != nullptr; }

std::optional<RawValue> ReadRaw(HKEY root, const WCHAR* path, const WCHAR* name) {
  RawKey key(root, path, false);
  if (key.get() == nullptr) return std::nullopt;
  RawValue value;
  DWORD bytes = 0;
  if (RegQueryValueExW(key.get(), name, nullptr, &value.type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
  value.data.resize(bytes);
  if (RegQueryValueExW(key.get(), name, nullptr, &value.type, value.data.data(), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::optional<DWORD> ReadDWord(HKEY root, const WCHAR* path, const WCHAR* name) {
  std::optional<RawValue> value = ReadRaw(root, path, name);
  if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) return std::nullopt;
  DWORD result = 0;
  std::copy(value->data.begin(), value->data.end(), reinterpret_cast<BYTE*>(&result));
  return result;
}

std::optional<std::u16string> ReadText(HKEY root, const WCHAR* path, const WCHAR* name) {
  std::optional<RawValue> value = ReadRaw(root, path, name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  std::u16string text(value->data.size() / sizeof(WCHAR), u'\0');
  std::copy(value->data.begin(), value->data.begin() + text.size() * sizeof(WCHAR),
            reinterpret_cast<BYTE*>(text.data()));
  if (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

std::vector<std::u16string> ValueNames(HKEY root, const WCHAR* path) {
  RawKey key(root, path, false);
  std::vector<std::u16string> names;
  if (key.get() == nullptr) return names;
  for (DWORD index = 0;; ++index) {
    WCHAR name[256];
    DWORD chars = 256;
    if (RegEnumValueW(key.get(), index, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, chars);
  }
  return names;
}
