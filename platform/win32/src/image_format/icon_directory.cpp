// Directories of icon and cursor images: ICONDIR of .ico/.cur files, GRPICONDIR of group resources.
#include <cstdlib>

#include "icon_format.h"
#include "image_decode.h"

namespace win32 {

namespace {

constexpr size_t kDirHeaderSize = 6;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;

// The idType of a well-formed directory of count entries of entrySize bytes, or 0.
uint16_t directoryType(ByteSpan dir, size_t entrySize) {
  auto reserved = dir.u16(0), type = dir.u16(2), count = dir.u16(4);
  if (!count || *count == 0 || *reserved != 0 || (*type != kIconType && *type != kCursorType)) return 0;
  return dir.has(kDirHeaderSize, *count * entrySize) ? *type : 0;
}

int bitsForColours(int colours) {
  int bits = 0;
  while (bits < 32 && (1ll << bits) < colours) ++bits;
  return colours ? bits : 0;
}

// The depth an image itself declares, for .cur entries (whose bit count field holds the hot spot) and for
// icon entries that leave it 0.
int imageBitCount(ByteSpan image) {
  if (IsPngImage(image)) {
    static const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};  // by IHDR colour type
    auto depth = image.u8(24), colourType = image.u8(25);
    return depth && colourType && *colourType < 7 ? *depth * kChannels[*colourType] : 0;
  }
  auto headerSize = image.u32(0);
  if (!headerSize) return 0;
  return image.u16(*headerSize == 12 ? 10 : 14).value_or(0);
}

// The smallest |width - cx| + |height - cy|, then the deepest colour, then the first; 0 means 32 pixels.
std::optional<IconDirectoryEntry> best(const std::vector<IconDirectoryEntry>& entries, int cx, int cy) {
  if (cx == 0) cx = 32;
  if (cy == 0) cy = 32;
  const IconDirectoryEntry* chosen = nullptr;
  long chosenDistance = 0;
  for (const IconDirectoryEntry& entry : entries) {
    long distance = std::labs(static_cast<long>(entry.width) - cx) + std::labs(static_cast<long>(entry.height) - cy);
    if (!chosen || distance < chosenDistance || (distance == chosenDistance && entry.bitCount > chosen->bitCount)) {
      chosen = &entry;
      chosenDistance = distance;
    }
  }
  if (!chosen) return std::nullopt;
  return *chosen;
}

}  // namespace

// Entries whose image lies outside the file are passed over.
std::optional<IconDirectoryEntry> PickIconFileEntry(const uint8_t* data, size_t size, int cx, int cy) {
  constexpr size_t kEntrySize = 16;
  ByteSpan file{data, size};
  uint16_t type = directoryType(file, kEntrySize);
  if (!type) return std::nullopt;
  std::vector<IconDirectoryEntry> entries;
  for (size_t i = 0; i < *file.u16(4); ++i) {
    size_t at = kDirHeaderSize + i * kEntrySize;
    IconDirectoryEntry entry;
    entry.width = file.data[at] ? file.data[at] : 256;
    entry.height = file.data[at + 1] ? file.data[at + 1] : 256;
    entry.bytes = *file.u32(at + 8);
    entry.offsetOrId = *file.u32(at + 12);
    if (entry.bytes == 0 || !file.has(entry.offsetOrId, entry.bytes)) continue;
    ByteSpan image{file.data + entry.offsetOrId, entry.bytes};
    if (type == kCursorType) {
      entry.hotX = *file.u16(at + 4);
      entry.hotY = *file.u16(at + 6);
      entry.bitCount = imageBitCount(image);
    } else {
      entry.bitCount = *file.u16(at + 6);
      if (entry.bitCount == 0) entry.bitCount = imageBitCount(image);
    }
    entries.push_back(entry);
  }
  return best(entries, cx, cy);
}

std::optional<IconDirectoryEntry> PickIconGroupEntry(const uint8_t* data, size_t size, int cx, int cy) {
  constexpr size_t kEntrySize = 14;
  ByteSpan group{data, size};
  uint16_t type = directoryType(group, kEntrySize);
  if (!type) return std::nullopt;
  std::vector<IconDirectoryEntry> entries;
  for (size_t i = 0; i < *group.u16(4); ++i) {
    size_t at = kDirHeaderSize + i * kEntrySize;
    IconDirectoryEntry entry;
    if (type == kCursorType) {  // WORD sizes, the height counting the mask too
      entry.width = *group.u16(at);
      entry.height = *group.u16(at + 2) / 2;
    } else {
      entry.width = group.data[at] ? group.data[at] : 256;
      entry.height = group.data[at + 1] ? group.data[at + 1] : 256;
    }
    entry.bitCount = *group.u16(at + 6);
    if (entry.bitCount == 0 && type == kIconType) entry.bitCount = bitsForColours(group.data[at + 2]);
    entry.bytes = *group.u32(at + 8);
    entry.offsetOrId = *group.u16(at + 12);
    entries.push_back(entry);
  }
  return best(entries, cx, cy);
}

std::optional<DecodedIcon> DecodeIconFile(const uint8_t* data, size_t size, int cx, int cy) {
  auto entry = PickIconFileEntry(data, size, cx, cy);
  if (!entry) return std::nullopt;
  auto icon = DecodeIconImage(data + entry->offsetOrId, entry->bytes, false);
  if (!icon) return std::nullopt;
  icon->hotX = entry->hotX;
  icon->hotY = entry->hotY;
  return icon;
}

}  // namespace win32
