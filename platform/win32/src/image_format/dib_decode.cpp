// Packed DIBs (BITMAP resources) and .bmp files.
#include "dib_layout.h"
#include "image_decode.h"

namespace win32 {

std::optional<DecodedImage> DecodePackedDib(const uint8_t* data, size_t size) {
  ByteSpan dib{data, size};
  auto layout = ReadDibLayout(dib, false);
  if (!layout) return std::nullopt;
  return DecodeDibBits(*layout, dib.from(layout->bitsOffset));
}

// bfOffBits, when not zero, says where the bits start; zero means right after the colour table.
std::optional<DecodedImage> DecodeBmpFile(const uint8_t* data, size_t size) {
  ByteSpan file{data, size};
  constexpr size_t kFileHeaderSize = 14;
  auto offBits = file.u32(10);
  if (!offBits || file.data[0] != 'B' || file.data[1] != 'M') return std::nullopt;
  auto layout = ReadDibLayout(file.from(kFileHeaderSize), false);
  if (!layout) return std::nullopt;
  size_t bitsAt = *offBits ? *offBits : kFileHeaderSize + layout->bitsOffset;
  if (!file.has(bitsAt, 0)) return std::nullopt;
  return DecodeDibBits(*layout, file.from(bitsAt));
}

}  // namespace win32
