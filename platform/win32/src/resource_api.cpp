#include "module_loader.h"
#include "resource_directory.h"
#include "winbase.h"
#include "winnls.h"

using namespace win32;

namespace {

const qvres::Entry* entryOf(const ResourceDirectory& directory, HRSRC resource) {
  return directory.ownsEntry(resource) ? reinterpret_cast<const qvres::Entry*>(resource) : nullptr;
}

}  // namespace

extern "C" HRSRC WINAPI FindResourceExW(HMODULE hModule, LPCWSTR lpType, LPCWSTR lpName, WORD wLanguage) {
  ResourceDirectory directory = ResourceDirectory::OfModule(hModule);
  if (!lpType || !lpName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!directory.valid()) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  const qvres::Entry* entry = directory.find(lpType, lpName, wLanguage);
  if (!entry) {
    SetLastError(directory.hasType(lpType) ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(const_cast<qvres::Entry*>(entry));
}

extern "C" HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
  return FindResourceExW(hModule, lpType, lpName, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

// Resources are part of the mapped module: the "global" is the data itself, valid while it is loaded.
extern "C" HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
  ResourceDirectory directory = ResourceDirectory::OfModule(hModule);
  const qvres::Entry* entry = entryOf(directory, hResInfo);
  if (!entry) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return const_cast<uint8_t*>(directory.dataOf(*entry));
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

extern "C" BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }  // obsolete on Win32: nothing to free

extern "C" DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
  const qvres::Entry* entry = entryOf(ResourceDirectory::OfModule(hModule), hResInfo);
  if (!entry) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return entry->dataSize;
}
