#include "host/registry/RegKeyW.h"

#include <winbase.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStringBufferChars = 1040;
constexpr DWORD kStringQueryBytes = 1040;
constexpr DWORD kBinaryBufferBytes = 2080;

// The module runs on the host's user-interface thread alone, so the keys share their read buffers.
WCHAR g_stringBuffer[kStringBufferChars];
BYTE g_binaryBuffer[kBinaryBufferBytes];

std::unique_ptr<WCHAR[]> CopyPath(const WCHAR* path) {
  size_t length = std::char_traits<WCHAR>::length(path);
  auto copy = std::make_unique<WCHAR[]>(length + 1);
  std::copy_n(path, length + 1, copy.get());
  return copy;
}

bool IsEmptyKey(HKEY key) {
  DWORD subkeys = 0;
  DWORD values = 0;
  return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                          nullptr, nullptr) == ERROR_SUCCESS &&
         subkeys == 0 && values == 0;
}

}  // namespace

RegKeyW::RegKeyW(const WCHAR* path, HKEY parent, bool create, REGSAM access) { Open(path, parent, create, access); }

RegKeyW::~RegKeyW() { Close(); }

void RegKeyW::Close() {
  // A key taken from a handle alone belongs to whoever opened it.
  if (m_key != nullptr && m_path != nullptr) RegCloseKey(m_key);
  m_key = nullptr;
  m_path.reset();
  m_parent = nullptr;
}

bool RegKeyW::IsWritable() const { return m_parent != nullptr && (m_access & KEY_WRITE) == KEY_WRITE; }

const WCHAR* RegKeyW::GetString(const WCHAR* name) {
  DWORD type = REG_NONE;
  DWORD bytes = kStringQueryBytes;
  if (m_key == nullptr ||
      RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(g_stringBuffer), &bytes) != ERROR_SUCCESS) {
    g_stringBuffer[0] = 0;  // a refused query may have left part of the text behind
    return g_stringBuffer;
  }
  // Stored bytes need not end with a terminator.
  g_stringBuffer[std::min(bytes, kStringQueryBytes) / sizeof(WCHAR)] = 0;
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) g_stringBuffer[0] = 0;
  if (type != REG_EXPAND_SZ) return g_stringBuffer;
  std::u16string unexpanded(g_stringBuffer);
  DWORD expanded = ExpandEnvironmentStringsW(unexpanded.c_str(), g_stringBuffer, kStringBufferChars);
  if (expanded == 0 || expanded > kStringBufferChars) g_stringBuffer[0] = 0;
  return g_stringBuffer;
}

LONG RegKeyW::GetDWord(const WCHAR* name) {
  DWORD type = REG_NONE;
  DWORD value = 0;
  DWORD bytes = sizeof(value);
  if (m_key == nullptr ||
      RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS ||
      type != REG_DWORD || bytes != sizeof(value)) {
    return -1;
  }
  return static_cast<LONG>(value);
}

const BYTE* RegKeyW::GetBinary(const WCHAR* name, DWORD* size) {
  DWORD type = REG_NONE;
  DWORD bytes = kBinaryBufferBytes;
  bool read = m_key != nullptr &&
              RegQueryValueExW(m_key, name, nullptr, &type, g_binaryBuffer, &bytes) == ERROR_SUCCESS &&
              type == REG_BINARY;
  if (size != nullptr) *size = read ? bytes : 0;
  return read ? g_binaryBuffer : nullptr;
}

bool RegKeyW::SetBinary(const WCHAR* name, const BYTE* data, DWORD size) {
  if (!CanWrite() || (data == nullptr && size > 0)) return false;
  return RegSetValueExW(m_key, name, 0, REG_BINARY, data, size) == ERROR_SUCCESS;
}

bool RegKeyW::SetDWord(const WCHAR* name, DWORD value) {
  if (!CanWrite()) return false;
  return RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
         ERROR_SUCCESS;
}

bool RegKeyW::SetString(const WCHAR* name, const WCHAR* text) {
  if (!CanWrite() || text == nullptr) return false;
  size_t bytes = (std::char_traits<WCHAR>::length(text) + 1) * sizeof(WCHAR);
  if (bytes > 0xFFFFFFFFu) return false;
  return RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(bytes)) ==
         ERROR_SUCCESS;
}

bool RegKeyW::DeleteValue(const WCHAR* name) {
  if (!CanWrite()) return false;
  return RegDeleteValueW(m_key, name) == ERROR_SUCCESS;
}

DWORD RegKeyW::QueryValue(const WCHAR* name, DWORD* size) {
  DWORD type = REG_NONE;
  DWORD bytes = 0;
  if (m_key == nullptr || RegQueryValueExW(m_key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) {
    type = REG_NONE;
    bytes = 0;
  }
  if (size != nullptr) *size = bytes;
  return type;
}

DWORD RegKeyW::QueryType(const WCHAR* name) { return QueryValue(name, nullptr); }

HKEY RegKeyW::Open(const WCHAR* path, HKEY parent, bool create, REGSAM access) {
  Close();
  m_parent = parent;
  m_access = access;
  if (path == nullptr) {
    m_key = parent;
    return m_key;
  }
  m_path = CopyPath(path);
  HKEY key = nullptr;
  LONG status = create ? RegCreateKeyExW(parent, m_path.get(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                         &key, nullptr)
                       : RegOpenKeyExW(parent, m_path.get(), 0, access, &key);
  m_key = status == ERROR_SUCCESS ? key : nullptr;
  return m_key;
}

bool RegKeyW::HasValue(const WCHAR* name) const {
  DWORD type = REG_NONE;
  return m_key != nullptr && RegQueryValueExW(m_key, name, nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
         type != REG_NONE;
}

bool RegKeyW::DeleteTree(bool deleteEmptyParents) {
  // An empty path opens the parent itself, whose whole tree is not ours to delete.
  if (!IsWritable() || m_key == nullptr || m_path == nullptr || m_path[0] == 0) return false;
  DWORD subkeys = 0;
  DWORD longestName = 0;
  if (RegQueryInfoKeyW(m_key, nullptr, nullptr, nullptr, &subkeys, &longestName, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr) == ERROR_SUCCESS) {
    std::vector<WCHAR> name(longestName + 1);
    // From the last index down, so that each deletion leaves the indices still to visit in place.
    for (DWORD index = subkeys; index-- > 0;) {
      if (RegEnumKeyW(m_key, index, name.data(), static_cast<DWORD>(name.size())) != ERROR_SUCCESS) break;
      RegKeyW(name.data(), m_key, false, KEY_ALL_ACCESS).DeleteTree(false);
    }
  }
  HKEY parent = m_parent;
  std::u16string path(m_path.get());
  Close();
  if (RegDeleteKeyW(parent, path.c_str()) != ERROR_SUCCESS) return false;
  size_t cut = path.rfind(u'\\');
  if (deleteEmptyParents && cut != std::u16string::npos && cut > 0) {
    path.resize(cut);
    RegKeyW ancestor(path.c_str(), parent, false, KEY_ALL_ACCESS);
    if (ancestor.IsOpen() && IsEmptyKey(ancestor.Handle())) ancestor.DeleteTree(true);
  }
  return true;
}
