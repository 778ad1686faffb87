// Bounds-checked little-endian reads over untrusted image bytes: every read past the end gives nullopt.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

namespace win32 {

struct ByteSpan {
  const uint8_t* data = nullptr;
  size_t size = 0;

  bool has(size_t at, size_t count) const { return at <= size && count <= size - at; }
  ByteSpan from(size_t at) const { return has(at, 0) ? ByteSpan{data + at, size - at} : ByteSpan{}; }
  std::optional<uint8_t> u8(size_t at) const {
    if (!has(at, 1)) return std::nullopt;
    return data[at];
  }
  std::optional<uint16_t> u16(size_t at) const {
    if (!has(at, 2)) return std::nullopt;
    return static_cast<uint16_t>(data[at] | (data[at + 1] << 8));
  }
  std::optional<uint32_t> u32(size_t at) const {
    if (!has(at, 4)) return std::nullopt;
    return static_cast<uint32_t>(data[at]) | (static_cast<uint32_t>(data[at + 1]) << 8) |
           (static_cast<uint32_t>(data[at + 2]) << 16) | (static_cast<uint32_t>(data[at + 3]) << 24);
  }
};

}  // namespace win32
