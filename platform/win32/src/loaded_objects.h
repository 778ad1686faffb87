// The objects mapped into the process (the executable and its shared libraries), and the file
// names the module functions match against them.
#pragma once
#include <string>
#include <vector>

#include "windef.h"

namespace win32 {

struct LoadedObject {
  void* base = nullptr;  // address of the mapped ELF header: the object's HMODULE
  std::string path;      // absolute path of its file
};

std::vector<LoadedObject> LoadedObjects();
const void* ExecutableBase();
std::string ExecutablePath();
bool FindLoadedObject(const void* base, LoadedObject& found);
// The base of the object containing address, or nullptr.
void* ObjectBaseOf(const void* address);

// Module names as the module writes them: '\\' or '/' separate folders.
std::string ToNativePath(LPCWSTR name);
std::string BaseName(const std::string& path);
// Windows' default extension: none given adds ".dll"; a trailing '.' means "no extension".
std::string WithDefaultExtension(const std::string& path);
bool SameFileNameIgnoringCase(const std::string& a, const std::string& b);

}  // namespace win32
