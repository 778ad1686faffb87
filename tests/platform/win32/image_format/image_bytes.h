// Writes Windows image structures byte by byte, little-endian, for the decoder tests.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace image_test {

class Bytes {
 public:
  Bytes& u8(std::initializer_list<int> values) {
    for (int v : values) bytes_.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  Bytes& u16(uint32_t v) { return put(v, 2); }
  Bytes& u32(uint32_t v) { return put(v, 4); }
  Bytes& i32(int32_t v) { return put(static_cast<uint32_t>(v), 4); }
  Bytes& append(const std::vector<uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  Bytes& zeros(size_t count) {
    bytes_.insert(bytes_.end(), count, 0);
    return *this;
  }
  // BGRA colour-table entries (RGBQUAD) from 0xRRGGBB values.
  Bytes& rgbQuads(std::initializer_list<uint32_t> colours) {
    for (uint32_t c : colours) u8({static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff), static_cast<int>(c >> 16), 0});
    return *this;
  }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  size_t size() const { return bytes_.size(); }

 private:
  Bytes& put(uint32_t v, int count) {
    for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  std::vector<uint8_t> bytes_;
};

inline constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

// A BITMAPINFOHEADER; the later headers add their fields after it.
inline Bytes InfoHeader(int32_t width, int32_t height, int bitCount, uint32_t compression = kBiRgb,
                        uint32_t clrUsed = 0, uint32_t headerSize = 40) {
  Bytes b;
  b.u32(headerSize).i32(width).i32(height).u16(1).u16(bitCount).u32(compression).u32(0).i32(0).i32(0).u32(clrUsed).u32(0);
  return b;
}

}  // namespace image_test
