// RegQueryValueExW, RegSetValueExW, RegDeleteValueW, RegEnumValueW.
#include <algorithm>

#include "registry/key_handle.h"

using namespace win32sim::registry;

namespace {

// The key behind hKey when the handle holds the right the operation needs.
LONG KeyFor(HKEY hKey, REGSAM right, Target& target) {
  const HKEY__* handle = FindHandle(hKey);
  if (!handle) return ERROR_INVALID_HANDLE;
  target = ResolveTarget(*handle);
  if (!target.key) return ERROR_KEY_DELETED;
  if (!(GrantedAccess(*handle) & right)) return ERROR_ACCESS_DENIED;
  if ((right & kWriteRights) && !MayWrite(target.hive)) return ERROR_ACCESS_DENIED;
  return ERROR_SUCCESS;
}

// Hands out a value's data as RegQueryValueExW and RegEnumValueW do: the size alone when lpData is null,
// ERROR_MORE_DATA with the size needed when the buffer is short.
LONG CopyData(const Value& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (lpType) *lpType = value.type;
  if (!lpcbData) return ERROR_SUCCESS;
  DWORD size = static_cast<DWORD>(value.data.size());
  if (lpData) {
    if (*lpcbData < size) {
      *lpcbData = size;
      return ERROR_MORE_DATA;
    }
    std::copy(value.data.begin(), value.data.end(), lpData);
  }
  *lpcbData = size;
  return ERROR_SUCCESS;
}

}  // namespace

extern "C" LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                                        LPBYTE lpData, LPDWORD lpcbData) {
  if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  Target target;
  if (LONG status = KeyFor(hKey, KEY_QUERY_VALUE, target); status != ERROR_SUCCESS) return status;
  long index = target.key->FindValue(ValueName(lpValueName));
  if (index < 0) return ERROR_FILE_NOT_FOUND;
  return CopyData(target.key->values[index], lpType, lpData, lpcbData);
}

// Any type is kept, with its bytes exactly as given (a REG_SZ without terminator stays so, as on Windows).
extern "C" LONG WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                                      DWORD cbData) {
  Target target;
  if (LONG status = KeyFor(hKey, KEY_SET_VALUE, target); status != ERROR_SUCCESS) return status;
  if (!lpData && cbData) return ERROR_NOACCESS;
  Value value{ValueName(lpValueName), dwType, std::vector<BYTE>(lpData, lpData + (lpData ? cbData : 0))};
  if (value.name.size() > kMaxValueNameLength || !IsStorableName(value.name)) return ERROR_INVALID_PARAMETER;
  std::vector<Value>& values = target.key->values;
  long index = target.key->FindValue(value.name);
  if (index < 0) {
    values.push_back(std::move(value));
    return CommitChange([&] { values.pop_back(); });
  }
  value.name = values[index].name;  // the name keeps the case it was created with
  std::swap(values[index], value);
  return CommitChange([&] { std::swap(values[index], value); });
}

extern "C" LONG WINAPI RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
  Target target;
  if (LONG status = KeyFor(hKey, KEY_SET_VALUE, target); status != ERROR_SUCCESS) return status;
  std::vector<Value>& values = target.key->values;
  long index = target.key->FindValue(ValueName(lpValueName));
  if (index < 0) return ERROR_FILE_NOT_FOUND;
  Value removed = std::move(values[index]);
  values.erase(values.begin() + index);
  return CommitChange([&] { values.insert(values.begin() + index, std::move(removed)); });
}

// A short name buffer gives ERROR_MORE_DATA and leaves *lpcchValueName as it was.
extern "C" LONG WINAPI RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                                     LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  Target target;
  if (LONG status = KeyFor(hKey, KEY_QUERY_VALUE, target); status != ERROR_SUCCESS) return status;
  if (dwIndex >= target.key->values.size()) return ERROR_NO_MORE_ITEMS;
  const Value& value = target.key->values[dwIndex];
  if (!CopyName(value.name, lpValueName, *lpcchValueName)) return ERROR_MORE_DATA;
  *lpcchValueName = static_cast<DWORD>(value.name.size());
  return CopyData(value, lpType, lpData, lpcbData);
}
