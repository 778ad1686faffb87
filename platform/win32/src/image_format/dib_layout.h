// What a DIB's header says about its pixels: size, orientation, format, colours and where the bits start.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "byte_span.h"
#include "image_decode.h"

namespace win32 {

inline constexpr uint32_t kBiRgb = 0;
inline constexpr uint32_t kBiRle8 = 1;
inline constexpr uint32_t kBiRle4 = 2;
inline constexpr uint32_t kBiBitfields = 3;
inline constexpr int kMaxDibSide = 16384;

struct DibLayout {
  size_t headerSize = 0;
  int width = 0;
  int height = 0;  // rows of the image (for an icon: of the XOR image only)
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha of 16- and 32-bit pixels
  std::vector<uint32_t> palette;     // 0xFFRRGGBB, at most 2^bitCount entries
  size_t bitsOffset = 0;             // from the start of the packed DIB
};

// iconImage: the header's height counts the XOR image and the AND mask together.
std::optional<DibLayout> ReadDibLayout(ByteSpan dib, bool iconImage);

// Bytes of one row: bitCount bits per pixel, rounded up to a DWORD.
inline uint64_t DibStride(int width, int bitCount) {
  return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bitCount) + 31) / 32 * 4;
}

// Decodes the bits (which start at the pixels) as the layout describes them.
std::optional<DecodedImage> DecodeDibBits(const DibLayout& layout, ByteSpan bits);

}  // namespace win32
