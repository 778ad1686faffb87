#include "resource_directory.h"

#include "gdi/data_file_module.h"

#include <cstring>

#include "module_loader.h"
#include "wcrt.h"

namespace win32 {

namespace {

bool validString(const uint8_t* data, size_t size, uint32_t offset) {
  if (offset == 0) return true;
  if (offset % 2 || offset >= size) return false;
  for (size_t at = offset; at + 1 < size; at += 2)
    if (data[at] == 0 && data[at + 1] == 0) return true;
  return false;
}

}  // namespace

ResourceDirectory::ResourceDirectory(const uint8_t* data, size_t size) {
  if (!data || size < sizeof(qvres::Header) || reinterpret_cast<uintptr_t>(data) % alignof(qvres::Entry)) return;
  qvres::Header header;
  std::memcpy(&header, data, sizeof header);
  if (std::memcmp(header.magic, qvres::kMagic, 4) != 0 || header.version != qvres::kVersion) return;
  if (header.totalSize > size || header.entryCount > (header.totalSize - sizeof header) / sizeof(qvres::Entry)) return;
  size = header.totalSize;
  const auto* table = reinterpret_cast<const qvres::Entry*>(data + sizeof header);
  for (uint32_t i = 0; i < header.entryCount; ++i) {
    const qvres::Entry& e = table[i];
    if (e.dataOffset > size || e.dataSize > size - e.dataOffset) return;
    if (!validString(data, size, e.typeNameOffset) || !validString(data, size, e.nameNameOffset)) return;
  }
  data_ = data;
  size_ = size;
  count_ = header.entryCount;
}

ResourceDirectory ResourceDirectory::OfModule(HMODULE module) {
  if (const std::vector<uint8_t>* blob = DataFileResources(module)) return ResourceDirectory(blob->data(), blob->size());
  const void* blob = ModuleOwnSymbol(module, qvres::kSymbolName);
  if (!blob) return {};
  qvres::Header header;
  std::memcpy(&header, blob, sizeof header);
  return ResourceDirectory(static_cast<const uint8_t*>(blob), header.totalSize);
}

bool ResourceDirectory::ownsEntry(const void* entry) const {
  auto at = reinterpret_cast<uintptr_t>(entry), first = reinterpret_cast<uintptr_t>(entries());
  return valid() && at >= first && at < first + count_ * sizeof(qvres::Entry) && (at - first) % sizeof(qvres::Entry) == 0;
}

// A name is a number (MAKEINTRESOURCE or "#123") or a string compared ignoring case.
bool ResourceDirectory::matches(uint32_t id, uint32_t nameOffset, LPCWSTR wanted) const {
  if (IS_INTRESOURCE(wanted)) return nameOffset == 0 && id == static_cast<uint32_t>(reinterpret_cast<uintptr_t>(wanted));
  if (wanted[0] == u'#') {
    WCHAR* end = nullptr;
    ULONG number = wcstoul(wanted + 1, &end, 10);
    return end != wanted + 1 && *end == 0 && nameOffset == 0 && id == number;
  }
  if (nameOffset == 0) return false;
  const uint8_t* p = data_ + nameOffset;
  for (size_t i = 0;; ++i, p += 2) {
    WCHAR stored = static_cast<WCHAR>(p[0] | (p[1] << 8));
    if (towupper(wanted[i]) != stored) return false;
    if (stored == 0) return true;
  }
}

bool ResourceDirectory::hasType(LPCWSTR type) const {
  for (uint32_t i = 0; i < count_; ++i)
    if (matches(entries()[i].typeId, entries()[i].typeNameOffset, type)) return true;
  return false;
}

const qvres::Entry* ResourceDirectory::find(LPCWSTR type, LPCWSTR name, WORD language) const {
  const qvres::Entry* exact = nullptr;
  const qvres::Entry* neutral = nullptr;
  const qvres::Entry* primary = nullptr;
  const qvres::Entry* any = nullptr;
  for (uint32_t i = 0; i < count_; ++i) {
    const qvres::Entry& e = entries()[i];
    if (!matches(e.typeId, e.typeNameOffset, type) || !matches(e.nameId, e.nameNameOffset, name)) continue;
    if (e.language == language && !exact) exact = &e;
    if (e.language == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL) && !neutral) neutral = &e;
    if (PRIMARYLANGID(e.language) == PRIMARYLANGID(language) && (!primary || SUBLANGID(e.language) == SUBLANG_NEUTRAL))
      primary = &e;
    if (!any) any = &e;
  }
  if (exact) return exact;
  if (neutral) return neutral;
  if (primary) return primary;
  return any;
}

}  // namespace win32
