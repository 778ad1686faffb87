// Decoders of the Windows image formats the platform loads: DIBs, .bmp files, icons and cursors.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace win32 {

// Pixels top-down, each 0xAARRGGBB with straight (not premultiplied) alpha.
struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
  bool hasAlpha = false;  // the source carried alpha (32-bit with a non-zero alpha, or an icon mask)
  int bitsPerPixel = 0;   // of the source, for GetObjectW
};

struct DecodedIcon {
  DecodedImage image;  // the AND mask already applied as alpha
  int hotX = 0;        // cursors only
  int hotY = 0;
};

// A packed DIB as a BITMAP resource stores it: BITMAPINFOHEADER (or BITMAPCOREHEADER / V4 / V5), colours, bits.
std::optional<DecodedImage> DecodePackedDib(const uint8_t* data, size_t size);
// A .bmp file: BITMAPFILEHEADER, then a packed DIB.
std::optional<DecodedImage> DecodeBmpFile(const uint8_t* data, size_t size);

// One image of an icon or cursor (an RT_ICON / RT_CURSOR resource, or one entry's bytes of an .ico/.cur file):
// a DIB of doubled height holding the XOR image and the AND mask, or a PNG. Cursor resources start with the hot spot.
// PNG images (through libpng) may be at most 256 by 256.
std::optional<DecodedIcon> DecodeIconImage(const uint8_t* data, size_t size, bool cursorResource);

// The entry of a directory closest to cx by cy (a 0 side: 32) and deepest in colour: the smallest
// |width - cx| + |height - cy|, then the most bits per pixel, then the first. nullopt for a damaged directory.
struct IconDirectoryEntry {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  uint32_t bytes = 0;
  uint32_t offsetOrId = 0;  // file offset (.ico/.cur) or resource id (RT_GROUP_ICON / RT_GROUP_CURSOR)
  int hotX = 0;             // .cur files only
  int hotY = 0;
};
std::optional<IconDirectoryEntry> PickIconFileEntry(const uint8_t* data, size_t size, int cx, int cy);
std::optional<IconDirectoryEntry> PickIconGroupEntry(const uint8_t* data, size_t size, int cx, int cy);
// A whole .ico or .cur file: the best entry, decoded.
std::optional<DecodedIcon> DecodeIconFile(const uint8_t* data, size_t size, int cx, int cy);

}  // namespace win32
