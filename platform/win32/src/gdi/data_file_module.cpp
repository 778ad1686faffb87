// LoadLibraryExW: LOAD_LIBRARY_AS_DATAFILE maps only the resources; other flags load as LoadLibraryW does.
#include "gdi/data_file_module.h"

#include <sys/stat.h>

#include <map>
#include <memory>

#include "elf_section.h"
#include "loaded_objects.h"
#include "resource_format.h"
#include "winbase.h"

namespace win32 {

namespace {

std::map<HMODULE, std::unique_ptr<std::vector<uint8_t>>>& dataFiles() {
  static auto* files = new std::map<HMODULE, std::unique_ptr<std::vector<uint8_t>>>;
  return *files;
}

}  // namespace

const std::vector<uint8_t>* DataFileResources(HMODULE module) {
  auto found = dataFiles().find(module);
  return found == dataFiles().end() ? nullptr : found->second.get();
}

bool ReleaseDataFile(HMODULE module) { return dataFiles().erase(module) > 0; }

}  // namespace win32

using namespace win32;

// A file without a resource section still loads, with no resources; a file that is not a module does not.
extern "C" HMODULE WINAPI LoadLibraryExW(LPCWSTR lpLibFileName, HANDLE hFile, DWORD dwFlags) {
  if (!lpLibFileName || hFile) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!(dwFlags & LOAD_LIBRARY_AS_DATAFILE)) return LoadLibraryW(lpLibFileName);
  std::string path = ToNativePath(lpLibFileName);
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  auto resources = std::make_unique<std::vector<uint8_t>>();
  DWORD error = 0;
  if (!ReadElfSection(path, qvres::kSectionName, *resources, error) && error != ERROR_RESOURCE_DATA_NOT_FOUND) {
    SetLastError(error == ERROR_FILE_NOT_FOUND ? ERROR_MOD_NOT_FOUND : ERROR_BAD_EXE_FORMAT);
    return nullptr;
  }
  auto handle = reinterpret_cast<HMODULE>(reinterpret_cast<uintptr_t>(resources.get()) | 1);
  dataFiles().emplace(handle, std::move(resources));
  return handle;
}
