// RegOpenKeyExW, RegCreateKeyExW, RegCloseKey, RegDeleteKeyW, RegEnumKeyW, RegQueryInfoKeyW.
#include <algorithm>

#include "registry/key_handle.h"

using namespace win32sim::registry;

namespace {

size_t Depth(const Key& key) {
  size_t depth = 0;
  for (const Key* k = key.parent; k; k = k->parent) ++depth;
  return depth;
}

// Walks names down from base, creating what is missing when create is set; the keys it made are undone when
// the change cannot be written through.
LONG WalkOrCreate(std::shared_ptr<Key> base, const KeyPath& names, bool create, std::shared_ptr<Key>& result,
                  bool& created) {
  created = false;
  std::shared_ptr<Key> key = std::move(base);
  size_t i = 0;
  for (; i < names.size(); ++i) {
    auto it = key->subkeys.find(names[i]);
    if (it == key->subkeys.end()) break;
    key = it->second;
  }
  if (i == names.size()) {
    result = key;
    return ERROR_SUCCESS;
  }
  if (!create) return ERROR_FILE_NOT_FOUND;
  if (Depth(*key) + (names.size() - i) > kMaxKeyDepth) return ERROR_INVALID_PARAMETER;
  for (size_t j = i; j < names.size(); ++j)
    if (!IsStorableName(names[j])) return ERROR_INVALID_PARAMETER;
  Key* firstParent = key.get();
  const std::u16string& firstNew = names[i];
  for (; i < names.size(); ++i) {
    key->AddSubkey(names[i]);
    key = key->subkeys.find(names[i])->second;
  }
  LONG status = CommitChange([&] {
    auto it = firstParent->subkeys.find(firstNew);
    MarkDeleted(*it->second);
    firstParent->subkeys.erase(it);
  });
  if (status != ERROR_SUCCESS) return status;
  created = true;
  result = key;
  return ERROR_SUCCESS;
}

LONG OpenOrCreate(HKEY hKey, LPCWSTR lpSubKey, REGSAM samDesired, bool create, PHKEY phkResult,
                  LPDWORD lpdwDisposition) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  const HKEY__* parent = FindHandle(hKey);
  if (!parent) return ERROR_INVALID_HANDLE;
  KeyPath names;
  if (LONG status = SplitPath(lpSubKey, names); status != ERROR_SUCCESS) return status;
  Target target = ResolveTarget(*parent);
  if (!target.key) return ERROR_KEY_DELETED;
  const bool wantsWrite = (samDesired & kWriteRights) != 0;
  const bool mayCreate = create && (GrantedAccess(*parent) & KEY_CREATE_SUB_KEY);

  HKEY__ opened{parent->view, nullptr, {}, samDesired, false};
  bool created = false;
  if (parent->view != View::Classes) {
    LONG status = WalkOrCreate(parent->key, names, false, opened.key, created);
    if (status == ERROR_FILE_NOT_FOUND && create) {
      if (!mayCreate || !MayWrite(target.hive)) return ERROR_ACCESS_DENIED;
      status = WalkOrCreate(parent->key, names, true, opened.key, created);
    }
    if (status != ERROR_SUCCESS) return status;
    if (wantsWrite && !MayWrite(target.hive)) return ERROR_ACCESS_DENIED;
  } else {
    opened.classesPath = parent->classesPath;
    opened.classesPath.insert(opened.classesPath.end(), names.begin(), names.end());
    Target existing = ResolveTarget(opened);
    if (!existing.key) {
      if (!create) return ERROR_FILE_NOT_FOUND;
      // A new key lands in the tree where its nearest existing parent is, the user's first; at the top, the machine's.
      Hive landing = Hive::Machine;
      for (size_t n = opened.classesPath.size() - 1; n > 0; --n) {
        KeyPath prefix(opened.classesPath.begin(), opened.classesPath.begin() + n);
        if (ClassesKey(Hive::User, prefix)) {
          landing = Hive::User;
          break;
        }
        if (ClassesKey(Hive::Machine, prefix)) break;
      }
      if (!mayCreate || !MayWrite(landing)) return ERROR_ACCESS_DENIED;
      Machine& m = TheMachine();
      KeyPath full{u"Software", u"Classes"};
      full.insert(full.end(), opened.classesPath.begin(), opened.classesPath.end());
      std::shared_ptr<Key> found;
      LONG status = WalkOrCreate(landing == Hive::User ? m.user : m.machine, full, true, found, created);
      if (status != ERROR_SUCCESS) return status;
    } else if (wantsWrite && !MayWrite(existing.hive)) {
      return ERROR_ACCESS_DENIED;
    }
  }
  *phkResult = AddHandle(std::move(opened));
  if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

}  // namespace

// Options (REG_OPTION_OPEN_LINK) are not kept: the registry has no links.
extern "C" LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, samDesired, false, phkResult, nullptr);
}

// Classes and options are not kept: every key persists and none has a class.
extern "C" LONG WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM samDesired,
                                       const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  return OpenOrCreate(hKey, lpSubKey, samDesired, true, phkResult, lpdwDisposition);
}

extern "C" LONG WINAPI RegCloseKey(HKEY hKey) {
  const HKEY__* handle = FindHandle(hKey);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!handle->predefined) RemoveHandle(hKey);
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
  const HKEY__* parent = FindHandle(hKey);
  if (!parent) return ERROR_INVALID_HANDLE;
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  KeyPath names;
  if (LONG status = SplitPath(lpSubKey, names); status != ERROR_SUCCESS) return status;
  if (!ResolveTarget(*parent).key) return ERROR_KEY_DELETED;
  HKEY__ victim{parent->view, parent->key, parent->classesPath, 0, false};
  if (parent->view == View::Classes) {
    victim.classesPath.insert(victim.classesPath.end(), names.begin(), names.end());
  } else {
    bool created;
    if (LONG status = WalkOrCreate(parent->key, names, false, victim.key, created); status != ERROR_SUCCESS)
      return status;
  }
  Target target = ResolveTarget(victim);
  if (!target.key) return ERROR_FILE_NOT_FOUND;
  if (!target.key->parent || (victim.view == View::Classes && victim.classesPath.empty())) return ERROR_ACCESS_DENIED;
  if (!target.key->subkeys.empty() || !MayWrite(target.hive)) return ERROR_ACCESS_DENIED;
  Key* owner = target.key->parent;
  auto node = owner->subkeys.extract(target.key->name);
  std::shared_ptr<Key> removed = node.mapped();
  LONG status = CommitChange([&] { owner->subkeys.insert(std::move(node)); });
  if (status == ERROR_SUCCESS) MarkDeleted(*removed);
  return status;
}

extern "C" LONG WINAPI RegEnumKeyW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, DWORD cchName) {
  const HKEY__* handle = FindHandle(hKey);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!ResolveTarget(*handle).key) return ERROR_KEY_DELETED;
  if (!(GrantedAccess(*handle) & KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
  if (!lpName) return ERROR_INVALID_PARAMETER;
  std::vector<std::u16string> names = SubkeyNames(*handle);
  if (dwIndex >= names.size()) return ERROR_NO_MORE_ITEMS;
  return CopyName(names[dwIndex], lpName, cchName) ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

// No key has a class or a security descriptor here, and write times are not kept: those report 0.
extern "C" LONG WINAPI RegQueryInfoKeyW(HKEY hKey, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                                        LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                                        LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                                        LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
  const HKEY__* handle = FindHandle(hKey);
  if (!handle) return ERROR_INVALID_HANDLE;
  Target target = ResolveTarget(*handle);
  if (!target.key) return ERROR_KEY_DELETED;
  if (!(GrantedAccess(*handle) & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  if (lpReserved || (lpClass && !lpcchClass)) return ERROR_INVALID_PARAMETER;
  if (lpClass) {
    if (*lpcchClass == 0) return ERROR_MORE_DATA;
    lpClass[0] = 0;
  }
  if (lpcchClass) *lpcchClass = 0;
  std::vector<std::u16string> names = SubkeyNames(*handle);
  DWORD longestName = 0, longestValueName = 0, longestData = 0;
  for (const auto& name : names) longestName = std::max<DWORD>(longestName, name.size());
  for (const Value& value : target.key->values) {
    longestValueName = std::max<DWORD>(longestValueName, value.name.size());
    longestData = std::max<DWORD>(longestData, value.data.size());
  }
  if (lpcSubKeys) *lpcSubKeys = names.size();
  if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = longestName;
  if (lpcbMaxClassLen) *lpcbMaxClassLen = 0;
  if (lpcValues) *lpcValues = target.key->values.size();
  if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = longestValueName;
  if (lpcbMaxValueLen) *lpcbMaxValueLen = longestData;
  if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
  if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{0, 0};
  return ERROR_SUCCESS;
}
