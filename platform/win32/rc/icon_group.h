// An .ico or .cur file split as the resource compiler stores it: one image resource per entry, and the group
// directory that refers to them by id.
#pragma once
#include <cstdint>
#include <vector>

struct IconGroupResources {
  std::vector<std::vector<uint8_t>> images;  // RT_ICON / RT_CURSOR data, in the file's order
  std::vector<uint8_t> group;                // RT_GROUP_ICON / RT_GROUP_CURSOR data
};

// The images get the ids firstId, firstId + 1, ... Throws std::invalid_argument when the file is not an icon
// (cursor) file or an image lies outside it.
IconGroupResources SplitIconFile(const std::vector<uint8_t>& file, bool cursor, uint32_t firstId);
