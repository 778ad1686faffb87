#include "module_loader.h"

#include "gdi/data_file_module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>

#include "loaded_objects.h"
#include "qvwide.h"
#include "winbase.h"

namespace win32 {

namespace {

namespace fs = std::filesystem;

// A module loaded through LoadLibraryW: one dlopen handle, Windows' reference count.
struct LoadedModule {
  void* handle = nullptr;
  int references = 0;
  std::string path;
};

typedef BOOL(WINAPI* DllMainFn)(HINSTANCE, DWORD, LPVOID);

// The loader lock: held while the table changes, recursive because DllMain may load modules.
std::recursive_mutex& loaderLock() {
  static std::recursive_mutex lock;
  return lock;
}

std::map<const void*, LoadedModule>& loadedModules() {
  static std::map<const void*, LoadedModule> modules;
  return modules;
}

// The system libraries whose functions this platform provides.
bool isPlatformLibrary(const std::string& name) {
  static const char* const names[] = {"kernel32.dll", "kernelbase.dll", "version.dll"};
  for (const char* n : names)
    if (SameFileNameIgnoringCase(name, n)) return true;
  return false;
}

const void* platformBase() { return ObjectBaseOf(reinterpret_cast<const void*>(&LoadLibraryW)); }

bool isRegularFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Windows file names ignore case: an exact match first, then a case-insensitive one in the folder.
std::string findFileIgnoringCase(const std::string& folder, const std::string& name) {
  std::string exact = folder.empty() ? name : folder + "/" + name;
  if (isRegularFile(exact)) return exact;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return {};
  std::string found;
  while (dirent* entry = readdir(dir)) {
    if (SameFileNameIgnoringCase(entry->d_name, name)) {
      std::string candidate = folder.empty() ? entry->d_name : folder + "/" + entry->d_name;
      if (isRegularFile(candidate)) {
        found = candidate;
        break;
      }
    }
  }
  closedir(dir);
  return found;
}

std::string absolutePath(const std::string& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

// A name with a folder is used as it is; a bare name is first matched against the loaded modules,
// then searched in the executable's folder, the current folder and the folders of PATH.
std::string resolveLibrary(const std::string& requested) {
  std::string name = WithDefaultExtension(requested);
  if (name.find('/') != std::string::npos) {
    std::string folder = name.substr(0, name.rfind('/'));
    std::string found = findFileIgnoringCase(folder.empty() ? "/" : folder, BaseName(name));
    return found.empty() ? std::string() : absolutePath(found);
  }
  for (const LoadedObject& object : LoadedObjects())
    if (SameFileNameIgnoringCase(BaseName(object.path), name)) return object.path;
  std::vector<std::string> folders = {fs::path(ExecutablePath()).parent_path().string(), "."};
  if (const char* path = std::getenv("PATH")) {
    std::string list = path;
    for (size_t start = 0; start <= list.size();) {
      size_t end = list.find(':', start);
      if (end == std::string::npos) end = list.size();
      if (end > start) folders.push_back(list.substr(start, end - start));
      start = end + 1;
    }
  }
  for (const std::string& folder : folders) {
    std::string found = findFileIgnoringCase(folder, name);
    if (!found.empty()) return absolutePath(found);
  }
  return {};
}

DWORD errorFromDlerror(const char* message) {
  std::string text = message ? message : "";
  if (text.find("undefined symbol") != std::string::npos) return ERROR_PROC_NOT_FOUND;
  if (text.find("No such file") != std::string::npos) return ERROR_MOD_NOT_FOUND;
  return ERROR_BAD_EXE_FORMAT;
}

const void* baseOfHandle(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) return nullptr;
  return ObjectBaseOf(map->l_ld);
}

DllMainFn entryPoint(HMODULE module) { return reinterpret_cast<DllMainFn>(ModuleOwnSymbol(module, "DllMain")); }

}  // namespace

const void* ModuleBase(HMODULE module) { return module ? module : ExecutableBase(); }

void* ModuleOwnSymbol(HMODULE module, const char* name) {
  const void* base = ModuleBase(module);
  std::lock_guard<std::recursive_mutex> guard(loaderLock());
  void* handle = nullptr;
  bool temporary = false;
  auto it = loadedModules().find(base);
  if (it != loadedModules().end()) {
    handle = it->second.handle;
  } else if (base == ExecutableBase()) {
    handle = dlopen(nullptr, RTLD_LAZY);
    temporary = true;
  } else {
    LoadedObject object;
    if (!FindLoadedObject(base, object)) return nullptr;
    handle = dlopen(object.path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    temporary = true;
  }
  if (!handle) return nullptr;
  void* symbol = dlsym(handle, name);
  if (temporary) dlclose(handle);
  return symbol && ObjectBaseOf(symbol) == base ? symbol : nullptr;
}

}  // namespace win32

using namespace win32;

// RTLD_LOCAL keeps each module's symbols to itself, as a DLL's are.
extern "C" HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
  if (!lpLibFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::string requested = ToNativePath(lpLibFileName);
  if (requested.find('/') == std::string::npos && isPlatformLibrary(WithDefaultExtension(requested)))
    return static_cast<HMODULE>(const_cast<void*>(platformBase()));
  std::string path = requested.empty() ? std::string() : resolveLibrary(requested);
  if (path.empty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  if (path == ExecutablePath()) return static_cast<HMODULE>(const_cast<void*>(ExecutableBase()));

  std::lock_guard<std::recursive_mutex> guard(loaderLock());
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    SetLastError(errorFromDlerror(dlerror()));
    return nullptr;
  }
  const void* base = baseOfHandle(handle);
  auto it = loadedModules().find(base);
  if (it != loadedModules().end()) {
    dlclose(handle);  // the module keeps its first handle
    ++it->second.references;
    return static_cast<HMODULE>(const_cast<void*>(base));
  }
  loadedModules()[base] = LoadedModule{handle, 1, path};
  HMODULE module = static_cast<HMODULE>(const_cast<void*>(base));
  if (DllMainFn dllMain = entryPoint(module)) {
    if (!dllMain(module, DLL_PROCESS_ATTACH, nullptr)) {
      // As Windows: a failed attach is followed by a detach, then the module is unloaded.
      dllMain(module, DLL_PROCESS_DETACH, nullptr);
      loadedModules().erase(base);
      dlclose(handle);
      SetLastError(ERROR_DLL_INIT_FAILED);
      return nullptr;
    }
  }
  return module;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  std::unique_lock<std::recursive_mutex> guard(loaderLock());
  auto it = loadedModules().find(hLibModule);
  if (it == loadedModules().end()) {
    if (ReleaseDataFile(hLibModule)) return TRUE;
    LoadedObject object;
    if (hLibModule && FindLoadedObject(hLibModule, object)) return TRUE;  // loaded with the process: stays
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  if (it->second.references == 0) return TRUE;  // called again from its own DllMain while detaching
  if (--it->second.references > 0) return TRUE;
  if (DllMainFn dllMain = entryPoint(hLibModule)) dllMain(hLibModule, DLL_PROCESS_DETACH, nullptr);
  void* handle = it->second.handle;
  loadedModules().erase(it);
  dlclose(handle);
  return TRUE;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (!lpProcName || IS_INTRESOURCE(lpProcName)) {
    SetLastError(ERROR_PROC_NOT_FOUND);  // by ordinal: this platform's modules export names only
    return nullptr;
  }
  LoadedObject object;
  std::unique_lock<std::recursive_mutex> guard(loaderLock());
  if (hModule && !loadedModules().count(hModule) && !FindLoadedObject(hModule, object)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  void* symbol = ModuleOwnSymbol(hModule, lpProcName);
  if (!symbol) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(symbol);
}

// From Vista on: a short buffer gets the truncated, terminated name, nSize is returned and the
// error is ERROR_INSUFFICIENT_BUFFER.
extern "C" DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  std::string path;
  {
    std::lock_guard<std::recursive_mutex> guard(loaderLock());
    auto it = hModule ? loadedModules().find(hModule) : loadedModules().end();
    LoadedObject object;
    if (!hModule) path = ExecutablePath();
    else if (it != loadedModules().end()) path = it->second.path;
    else if (FindLoadedObject(hModule, object)) path = object.path;
    else {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return 0;
    }
  }
  std::u16string wide = Utf8ToWide(path);
  if (nSize == 0 || !lpFilename) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (wide.size() >= nSize) {
    wide.copy(lpFilename, nSize - 1);
    lpFilename[nSize - 1] = 0;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  wide.copy(lpFilename, wide.size());
  lpFilename[wide.size()] = 0;
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(wide.size());
}

// Matches any module in the process: by file name ignoring case, ".dll" assumed when the name has
// no extension; a name with a folder must match the whole path. The reference count is unchanged.
extern "C" HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
  if (!lpModuleName) return static_cast<HMODULE>(const_cast<void*>(ExecutableBase()));
  std::string name = WithDefaultExtension(ToNativePath(lpModuleName));
  bool hasFolder = name.find('/') != std::string::npos;
  if (!hasFolder && isPlatformLibrary(name)) return static_cast<HMODULE>(const_cast<void*>(platformBase()));
  std::string wanted = hasFolder ? absolutePath(name) : name;
  for (const LoadedObject& object : LoadedObjects()) {
    std::string candidate = hasFolder ? absolutePath(object.path) : BaseName(object.path);
    if (SameFileNameIgnoringCase(candidate, wanted)) return static_cast<HMODULE>(object.base);
  }
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}
