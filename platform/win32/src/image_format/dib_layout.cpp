#include "dib_layout.h"

namespace win32 {

namespace {

bool validFormat(int bitCount, uint32_t compression) {
  switch (compression) {
    case kBiRgb: return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
    case kBiRle8: return bitCount == 8;
    case kBiRle4: return bitCount == 4;
    case kBiBitfields: return bitCount == 16 || bitCount == 32;
    default: return false;  // BI_JPEG and BI_PNG are for printers only
  }
}

void setDefaultMasks(DibLayout& layout) {
  if (layout.bitCount == 16) {
    layout.masks[0] = 0x7c00;
    layout.masks[1] = 0x03e0;
    layout.masks[2] = 0x001f;
  } else if (layout.bitCount == 32) {
    layout.masks[0] = 0x00ff0000;
    layout.masks[1] = 0x0000ff00;
    layout.masks[2] = 0x000000ff;
    layout.masks[3] = 0xff000000;
  }
}

}  // namespace

std::optional<DibLayout> ReadDibLayout(ByteSpan dib, bool iconImage) {
  auto headerSize = dib.u32(0);
  if (!headerSize) return std::nullopt;
  DibLayout layout;
  layout.headerSize = *headerSize;
  int64_t height = 0;
  uint64_t colours = 0;
  size_t entrySize = 4;
  size_t tableAt = *headerSize;
  if (*headerSize == 12) {  // BITMAPCOREHEADER: WORD sizes, always bottom-up, RGBTRIPLE colours
    auto width = dib.u16(4), rows = dib.u16(6), bitCount = dib.u16(10);
    if (!width || !rows || !bitCount) return std::nullopt;
    layout.width = *width;
    height = *rows;
    layout.bitCount = *bitCount;
    entrySize = 3;
    if (layout.bitCount <= 8) colours = uint64_t{1} << layout.bitCount;
  } else if (*headerSize == 40 || *headerSize == 52 || *headerSize == 56 || *headerSize == 108 || *headerSize == 124) {
    auto width = dib.u32(4), rows = dib.u32(8), compression = dib.u32(16), clrUsed = dib.u32(32);
    auto bitCount = dib.u16(14);
    if (!width || !rows || !bitCount || !compression || !clrUsed) return std::nullopt;
    layout.width = static_cast<int32_t>(*width);
    height = static_cast<int32_t>(*rows);
    layout.bitCount = *bitCount;
    layout.compression = *compression;
    if (*clrUsed) colours = *clrUsed;
    else if (layout.bitCount <= 8) colours = uint64_t{1} << layout.bitCount;
    if (layout.compression == kBiBitfields) {
      // A BITMAPINFOHEADER is followed by the three masks; the later headers hold them (and alpha) inside.
      for (int i = 0; i < 3; ++i) {
        auto mask = dib.u32(40 + 4 * i);
        if (!mask) return std::nullopt;
        layout.masks[i] = *mask;
      }
      if (*headerSize >= 56) layout.masks[3] = dib.u32(52).value_or(0);
      if (*headerSize == 40) tableAt += 12;
    }
  } else {
    return std::nullopt;
  }
  if (!validFormat(layout.bitCount, layout.compression)) return std::nullopt;
  if (layout.compression != kBiBitfields) setDefaultMasks(layout);
  if (height < 0) {
    if (layout.compression == kBiRle8 || layout.compression == kBiRle4) return std::nullopt;  // RLE is bottom-up only
    layout.topDown = true;
    height = -height;
  }
  if (iconImage) height /= 2;
  if (layout.width <= 0 || height <= 0 || layout.width > kMaxDibSide || height > kMaxDibSide) return std::nullopt;
  layout.height = static_cast<int>(height);

  uint64_t tableBytes = colours * entrySize;
  if (!dib.has(tableAt, 0) || tableBytes > dib.size - tableAt) return std::nullopt;
  if (layout.bitCount <= 8) {
    uint64_t used = colours < (uint64_t{1} << layout.bitCount) ? colours : (uint64_t{1} << layout.bitCount);
    for (uint64_t i = 0; i < used; ++i) {
      const uint8_t* bgr = dib.data + tableAt + i * entrySize;
      layout.palette.push_back(0xff000000u | (uint32_t{bgr[2]} << 16) | (uint32_t{bgr[1]} << 8) | bgr[0]);
    }
  }
  layout.bitsOffset = tableAt + static_cast<size_t>(tableBytes);
  return layout;
}

}  // namespace win32
