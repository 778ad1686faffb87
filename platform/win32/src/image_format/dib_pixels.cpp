// The pixels of a DIB: indexed, masked 16/32-bit, 24-bit and run-length encoded rows.
#include <bit>

#include "dib_layout.h"

namespace win32 {

namespace {

constexpr uint32_t kOpaqueBlack = 0xff000000u;

// A masked channel widened to 8 bits by repeating its bits, so full scale stays full scale.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (!mask) return;
    shift = std::countr_zero(mask);
    bits = 32 - std::countl_zero(mask >> shift);
  }
  uint32_t operator()(uint32_t pixel) const {
    if (!bits) return 0;
    uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) return value >> (bits - 8);
    uint32_t wide = 0;
    int filled = 0;
    for (; filled < 8; filled += bits) wide = (wide << bits) | value;
    return wide >> (filled - 8);
  }
};

uint32_t paletteColour(const DibLayout& layout, uint32_t index) {
  return index < layout.palette.size() ? layout.palette[index] : kOpaqueBlack;
}

DecodedImage blankImage(const DibLayout& layout, uint32_t fill) {
  DecodedImage image;
  image.width = layout.width;
  image.height = layout.height;
  image.bitsPerPixel = layout.bitCount;
  image.argb.assign(static_cast<size_t>(layout.width) * layout.height, fill);
  return image;
}

std::optional<DecodedImage> decodeUncompressed(const DibLayout& layout, ByteSpan bits) {
  uint64_t stride = DibStride(layout.width, layout.bitCount);
  uint64_t lastRow = (static_cast<uint64_t>(layout.width) * layout.bitCount + 7) / 8;  // its padding may be missing
  if ((layout.height - 1) * stride + lastRow > bits.size) return std::nullopt;
  DecodedImage image = blankImage(layout, kOpaqueBlack);
  Channel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]), alpha(layout.masks[3]);
  bool anyAlpha = false;
  for (int row = 0; row < layout.height; ++row) {
    const uint8_t* p = bits.data + row * stride;
    int y = layout.topDown ? row : layout.height - 1 - row;
    uint32_t* out = image.argb.data() + static_cast<size_t>(y) * layout.width;
    for (int x = 0; x < layout.width; ++x) {
      switch (layout.bitCount) {
        case 1: out[x] = paletteColour(layout, (p[x >> 3] >> (7 - (x & 7))) & 1); break;
        case 4: out[x] = paletteColour(layout, (x & 1) ? p[x >> 1] & 15 : p[x >> 1] >> 4); break;
        case 8: out[x] = paletteColour(layout, p[x]); break;
        case 24: out[x] = kOpaqueBlack | (uint32_t{p[3 * x + 2]} << 16) | (uint32_t{p[3 * x + 1]} << 8) | p[3 * x]; break;
        default: {
          uint32_t pixel = layout.bitCount == 16
                               ? uint32_t{p[2 * x]} | (uint32_t{p[2 * x + 1]} << 8)
                               : uint32_t{p[4 * x]} | (uint32_t{p[4 * x + 1]} << 8) | (uint32_t{p[4 * x + 2]} << 16) |
                                     (uint32_t{p[4 * x + 3]} << 24);
          uint32_t a = alpha(pixel);
          anyAlpha |= a != 0;
          out[x] = (a << 24) | (red(pixel) << 16) | (green(pixel) << 8) | blue(pixel);
        }
      }
    }
  }
  // As Windows does, an alpha channel that is zero everywhere means the image has none.
  if (layout.bitCount >= 16) {
    if (anyAlpha) image.hasAlpha = true;
    else
      for (uint32_t& pixel : image.argb) pixel |= kOpaqueBlack;
  }
  return image;
}

// Pixels the codes skip (delta, end of line) stay black, as in a bitmap created from the DIB; a stream that
// ends early leaves the rest black too, as GDI stops there without failing.
std::optional<DecodedImage> decodeRle(const DibLayout& layout, ByteSpan bits) {
  uint64_t pixels = static_cast<uint64_t>(layout.width) * layout.height;
  if (pixels > 128 * static_cast<uint64_t>(bits.size)) return std::nullopt;  // more than runs could ever cover
  DecodedImage image = blankImage(layout, kOpaqueBlack);
  bool four = layout.compression == kBiRle4;
  int x = 0, row = 0;  // row counts from the bottom
  auto put = [&](uint32_t index) {
    if (x >= layout.width) return;
    image.argb[static_cast<size_t>(layout.height - 1 - row) * layout.width + x++] = paletteColour(layout, index);
  };
  // In RLE4 the pixels of a byte are its high nibble, then its low one.
  auto nibble = [](uint8_t byte, int i) { return (i & 1) ? byte & 15 : byte >> 4; };
  size_t at = 0;
  while (row < layout.height && bits.has(at, 2)) {
    uint8_t count = bits.data[at], code = bits.data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? nibble(code, i) : code);
    } else if (code == 0) {
      x = 0;
      ++row;
    } else if (code == 1) {
      break;
    } else if (code == 2) {
      if (!bits.has(at, 2)) break;
      x += bits.data[at];
      if (x > layout.width) x = layout.width;
      row += bits.data[at + 1];
      at += 2;
    } else {
      size_t bytes = four ? (code + 1u) / 2 : code;
      if (!bits.has(at, bytes)) break;
      for (int i = 0; i < code; ++i) put(four ? nibble(bits.data[at + i / 2], i) : bits.data[at + i]);
      at += bytes + (bytes & 1);  // absolute runs end on a WORD boundary
    }
  }
  return image;
}

}  // namespace

std::optional<DecodedImage> DecodeDibBits(const DibLayout& layout, ByteSpan bits) {
  if (layout.compression == kBiRle8 || layout.compression == kBiRle4) return decodeRle(layout, bits);
  return decodeUncompressed(layout, bits);
}

}  // namespace win32
