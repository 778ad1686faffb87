// What a resource script compiles to: typed, named, language-tagged blobs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A resource type or name: a number, or (when name is not empty) an upper-case string.
struct ResId {
  uint32_t id = 0;
  std::u16string name;
  bool operator==(const ResId&) const = default;
};

struct Resource {
  ResId type;
  ResId name;
  uint16_t language = 0;
  std::vector<uint8_t> data;
  std::string where;  // "file:line" of its definition, for messages
};

inline constexpr uint32_t kRtCursor = 1;
inline constexpr uint32_t kRtBitmap = 2;
inline constexpr uint32_t kRtIcon = 3;
inline constexpr uint32_t kRtString = 6;
inline constexpr uint32_t kRtRcdata = 10;
inline constexpr uint32_t kRtGroupCursor = 12;
inline constexpr uint32_t kRtGroupIcon = 14;
inline constexpr uint32_t kRtVersion = 16;
inline constexpr uint32_t kRtHtml = 23;
