#include "gdi/image_resources.h"

#include "gdi/data_file_module.h"
#include "resource_directory.h"
#include "winbase.h"

namespace win32 {

std::optional<ResourceBytes> FindImageResource(HMODULE module, LPCWSTR name, LPCWSTR type) {
  if (const std::vector<uint8_t>* blob = DataFileResources(module)) {
    ResourceDirectory directory(blob->data(), blob->size());
    const qvres::Entry* entry =
        directory.valid() ? directory.find(type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)) : nullptr;
    if (!entry) {
      SetLastError(!directory.valid()        ? ERROR_RESOURCE_DATA_NOT_FOUND
                   : directory.hasType(type) ? ERROR_RESOURCE_NAME_NOT_FOUND
                                             : ERROR_RESOURCE_TYPE_NOT_FOUND);
      return std::nullopt;
    }
    return ResourceBytes{directory.dataOf(*entry), entry->dataSize};
  }
  HRSRC resource = FindResourceW(module, name, type);
  if (!resource) return std::nullopt;
  const void* data = LockResource(LoadResource(module, resource));
  if (!data) return std::nullopt;
  return ResourceBytes{static_cast<const uint8_t*>(data), SizeofResource(module, resource)};
}

}  // namespace win32
