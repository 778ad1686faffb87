// Stand-in helpers, not Windows: where this simulated machine keeps its registry, and who its user is.
#pragma once
#include <string>
#include <vector>

namespace win32sim {

// Binds the registry to the file at path (created with its folder when missing) and loads it; from then on
// every change is written through at once. A damaged file is moved aside (its new name is reported), and the
// registry starts with what could be read; each problem is appended to problems as "PATH:LINE: reason".
// False, with the reason in problems, when the file cannot be used at all (another host holds it, the folder
// cannot be written): the registry then lives in memory only.
bool OpenRegistryFile(const std::string& path, std::vector<std::string>& problems);
// Unbinds the file (changes stay in memory only) and releases its lock.
void CloseRegistryFile();

// A standard user may only read HKEY_LOCAL_MACHINE; an administrator writes there as under HKEY_CURRENT_USER.
void SetRegistryAdministrator(bool administrator);
bool RegistryAdministrator();

// Forgets every key and value, makes the user a standard user again and unbinds the file (tests).
void ResetRegistry();

}  // namespace win32sim
