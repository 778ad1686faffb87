// Reads the resource blob that qvrc embeds (see resource_format.h), in memory or copied from a file.
#pragma once
#include <cstddef>
#include <cstdint>

#include "resource_format.h"
#include "windef.h"

namespace win32 {

class ResourceDirectory {
 public:
  ResourceDirectory() = default;
  // Checks the header and every entry against size; an invalid blob gives an empty directory.
  ResourceDirectory(const uint8_t* data, size_t size);
  static ResourceDirectory OfModule(HMODULE module);

  bool valid() const { return data_ != nullptr; }
  bool ownsEntry(const void* entry) const;
  bool hasType(LPCWSTR type) const;
  // Language choice as FindResourceExW: the exact language, then neutral, then the same primary
  // language, then the first one in the module.
  const qvres::Entry* find(LPCWSTR type, LPCWSTR name, WORD language) const;
  const uint8_t* dataOf(const qvres::Entry& entry) const { return data_ + entry.dataOffset; }

 private:
  bool matches(uint32_t id, uint32_t nameOffset, LPCWSTR wanted) const;
  const qvres::Entry* entries() const { return reinterpret_cast<const qvres::Entry*>(data_ + sizeof(qvres::Header)); }

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  uint32_t count_ = 0;
};

}  // namespace win32
