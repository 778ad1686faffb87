// Layout of the resource data that qvrc embeds in a module and the platform reads back.
// One blob: header, entry table, UTF-16 names, then each resource's bytes; all little-endian.
#pragma once
#include <cstdint>

namespace qvres {

inline constexpr char kMagic[4] = {'Q', 'V', 'R', 'S'};
inline constexpr uint32_t kVersion = 1;
inline constexpr const char* kSectionName = ".qvrsrc";    // where the blob lives in the module file
inline constexpr const char* kSymbolName = "qv_resource_data";  // and its exported symbol in memory

struct Header {
  char magic[4];
  uint32_t version;
  uint32_t entryCount;
  uint32_t totalSize;
};

// A type or name is a number when its name offset is 0, else an upper-case NUL-terminated
// UTF-16 string at that offset.
struct Entry {
  uint32_t typeId;
  uint32_t typeNameOffset;
  uint32_t nameId;
  uint32_t nameNameOffset;
  uint32_t language;
  uint32_t dataOffset;
  uint32_t dataSize;
  uint32_t reserved;
};

static_assert(sizeof(Header) == 16);
static_assert(sizeof(Entry) == 32);

}  // namespace qvres
