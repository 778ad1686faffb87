// One icon or cursor image: a DIB of doubled height, the XOR image then the 1-bit AND mask.
#include <cstring>

#include "dib_layout.h"
#include "icon_format.h"
#include "image_decode.h"

namespace win32 {

namespace {

// Mask bit 1 lets the screen through; a non-black colour there would invert the screen, which a straight-alpha
// image cannot hold, so those pixels are transparent too.
bool applyMask(DecodedImage& image, const DibLayout& layout, ByteSpan mask) {
  uint64_t stride = DibStride(layout.width, 1);
  if (stride * layout.height > mask.size) return false;
  for (int row = 0; row < layout.height; ++row) {
    const uint8_t* bits = mask.data + row * stride;
    int y = layout.topDown ? row : layout.height - 1 - row;
    uint32_t* out = image.argb.data() + static_cast<size_t>(y) * layout.width;
    for (int x = 0; x < layout.width; ++x)
      if ((bits[x >> 3] >> (7 - (x & 7))) & 1) out[x] = 0;
  }
  image.hasAlpha = true;
  return true;
}

}  // namespace

bool IsPngImage(ByteSpan image) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  return image.has(0, 8) && std::memcmp(image.data, kSignature, 8) == 0;
}

std::optional<DecodedIcon> DecodeIconImage(const uint8_t* data, size_t size, bool cursorResource) {
  ByteSpan image{data, size};
  DecodedIcon icon;
  if (cursorResource) {
    auto hotX = image.u16(0), hotY = image.u16(2);
    if (!hotX || !hotY) return std::nullopt;
    icon.hotX = *hotX;
    icon.hotY = *hotY;
    image = image.from(4);
  }
  if (IsPngImage(image)) {
    auto png = DecodePngImage(image);
    if (!png) return std::nullopt;
    icon.image = std::move(*png);
    return icon;
  }
  auto layout = ReadDibLayout(image, true);
  // Only uncompressed images say where their mask starts.
  if (!layout || layout->compression == kBiRle8 || layout->compression == kBiRle4) return std::nullopt;
  uint64_t xorBytes = DibStride(layout->width, layout->bitCount) * layout->height;
  if (xorBytes > image.size - layout->bitsOffset) return std::nullopt;
  ByteSpan bits = image.from(layout->bitsOffset);
  auto decoded = DecodeDibBits(*layout, bits);
  if (!decoded) return std::nullopt;
  // A 32-bit image with alpha ignores its mask, as Windows draws it.
  if (!decoded->hasAlpha && !applyMask(*decoded, *layout, bits.from(static_cast<size_t>(xorBytes))))
    return std::nullopt;
  icon.image = std::move(*decoded);
  return icon;
}

}  // namespace win32
