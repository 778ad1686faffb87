#include "registry/key_handle.h"

#include <set>
#include <unordered_map>

namespace win32sim::registry {

namespace {

std::unordered_map<const HKEY__*, std::unique_ptr<HKEY__>>& Handles() {
  static std::unordered_map<const HKEY__*, std::unique_ptr<HKEY__>> handles;
  return handles;
}

Key* FindPath(Key* key, const KeyPath& path) {
  for (const auto& name : path) {
    if (!key) return nullptr;
    key = key->Subkey(name);
  }
  return key;
}

}  // namespace

const HKEY__* FindHandle(HKEY hKey) {
  static HKEY__ userRoot{View::User, nullptr, {}, KEY_ALL_ACCESS, true};
  static HKEY__ machineRoot{View::Machine, nullptr, {}, KEY_ALL_ACCESS, true};
  static HKEY__ classesRoot{View::Classes, nullptr, {}, KEY_ALL_ACCESS, true};
  if (hKey == HKEY_CURRENT_USER) {
    userRoot.key = TheMachine().user;
    return &userRoot;
  }
  if (hKey == HKEY_LOCAL_MACHINE) {
    machineRoot.key = TheMachine().machine;
    return &machineRoot;
  }
  if (hKey == HKEY_CLASSES_ROOT) return &classesRoot;
  auto it = Handles().find(hKey);
  return it == Handles().end() ? nullptr : it->second.get();
}

HKEY AddHandle(HKEY__ handle) {
  auto owned = std::make_unique<HKEY__>(std::move(handle));
  HKEY key = owned.get();
  Handles().emplace(key, std::move(owned));
  return key;
}

bool RemoveHandle(HKEY hKey) { return Handles().erase(hKey) == 1; }

REGSAM GrantedAccess(const HKEY__& handle) {
  if (handle.predefined && handle.view == View::Machine && !TheMachine().administrator) return KEY_READ;
  return handle.access;
}

bool MayWrite(Hive hive) { return hive == Hive::User || TheMachine().administrator; }

Key* ClassesKey(Hive hive, const KeyPath& path) {
  Machine& m = TheMachine();
  Key* root = hive == Hive::User ? m.user.get() : m.machine.get();
  return FindPath(FindPath(root, {u"Software", u"Classes"}), path);
}

Target ResolveTarget(const HKEY__& handle) {
  switch (handle.view) {
    case View::User:
    case View::Machine:
      if (handle.key->deleted) return {};
      return {handle.key.get(), handle.view == View::User ? Hive::User : Hive::Machine};
    case View::Classes:
      if (Key* user = ClassesKey(Hive::User, handle.classesPath)) return {user, Hive::User};
      if (Key* machine = ClassesKey(Hive::Machine, handle.classesPath)) return {machine, Hive::Machine};
      return {};
  }
  return {};
}

std::vector<std::u16string> SubkeyNames(const HKEY__& handle) {
  std::set<std::u16string, NameLess> names;
  auto add = [&names](const Key* key) {
    if (key)
      for (const auto& entry : key->subkeys) names.insert(entry.first);
  };
  if (handle.view == View::Classes) {
    add(ClassesKey(Hive::User, handle.classesPath));
    add(ClassesKey(Hive::Machine, handle.classesPath));
  } else {
    add(ResolveTarget(handle).key);
  }
  return {names.begin(), names.end()};
}

LONG SplitPath(LPCWSTR subKey, KeyPath& names) {
  names.clear();
  if (!subKey || !*subKey) return ERROR_SUCCESS;
  std::u16string_view path(subKey);
  if (path.back() == u'\\') path.remove_suffix(1);
  for (size_t start = 0;;) {
    size_t end = path.find(u'\\', start);
    std::u16string_view name = path.substr(start, end == std::u16string_view::npos ? path.npos : end - start);
    if (name.empty()) return ERROR_BAD_PATHNAME;
    if (name.size() > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
    names.emplace_back(name);
    if (end == std::u16string_view::npos) return ERROR_SUCCESS;
    start = end + 1;
  }
}

std::u16string ValueName(LPCWSTR name) { return name ? std::u16string(name) : std::u16string(); }

bool CopyName(const std::u16string& name, LPWSTR buffer, DWORD capacity) {
  if (name.size() >= capacity) return false;
  std::copy(name.begin(), name.end(), buffer);
  buffer[name.size()] = 0;
  return true;
}

}  // namespace win32sim::registry
