// Open keys as the registry functions hand them out, and how an operation finds the key behind one.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "registry/registry_machine.h"
#include "winreg.h"

namespace win32sim::registry {
// User and Machine handles hold their key; HKEY_CLASSES_ROOT handles hold a path below Software\Classes and
// find it again on every call, since it may come and go in either tree.
enum class View { User, Machine, Classes };
using KeyPath = std::vector<std::u16string>;
}  // namespace win32sim::registry

struct HKEY__ {
  win32sim::registry::View view;
  std::shared_ptr<win32sim::registry::Key> key;
  win32sim::registry::KeyPath classesPath;
  REGSAM access;
  bool predefined;
};

namespace win32sim::registry {

// Every right that changes something; a standard user holds none of them under HKEY_LOCAL_MACHINE.
constexpr REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC |
                                WRITE_OWNER | 0x40000000 /* GENERIC_WRITE */ | 0x10000000 /* GENERIC_ALL */;

// The open key behind hKey (a predefined root or a handle handed out), or null.
const HKEY__* FindHandle(HKEY hKey);
HKEY AddHandle(HKEY__ handle);
bool RemoveHandle(HKEY hKey);

REGSAM GrantedAccess(const HKEY__& handle);
// A standard user may not change the machine's tree.
bool MayWrite(Hive hive);

struct Target {
  Key* key = nullptr;  // null when the key is deleted
  Hive hive = Hive::User;
};
// The key that values, subkeys and deletion of this handle concern.
Target ResolveTarget(const HKEY__& handle);
// A key below Software\Classes of one tree, or null.
Key* ClassesKey(Hive hive, const KeyPath& path);
// Names of the subkeys in enumeration order; HKEY_CLASSES_ROOT merges both trees, the user's first.
std::vector<std::u16string> SubkeyNames(const HKEY__& handle);

// Splits a subkey path at its backslashes; null or "" gives no names, one trailing backslash is allowed.
LONG SplitPath(LPCWSTR subKey, KeyPath& names);
// The name of a value: null and "" both name the default value.
std::u16string ValueName(LPCWSTR name);

// Copies name and its terminator into a buffer of capacity characters; false when it does not fit.
bool CopyName(const std::u16string& name, LPWSTR buffer, DWORD capacity);

}  // namespace win32sim::registry
