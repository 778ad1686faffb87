#include "icon_group.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

uint32_t read(const std::vector<uint8_t>& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

void put(std::vector<uint8_t>& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool isPng(const uint8_t* image, size_t size) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  return size >= 8 && std::memcmp(image, kSignature, 8) == 0;
}

struct PlanesAndBits {
  uint16_t planes;
  uint16_t bitCount;
};

// The group directory takes planes and depth from the image's own header; a PNG image keeps the file's values
// (a cursor's, which are its hot spot, become 1 plane of 32 bits).
PlanesAndBits imageFormat(const std::vector<uint8_t>& file, size_t at, size_t size, PlanesAndBits fallback) {
  if (size < 16 || isPng(file.data() + at, size)) return fallback;
  uint32_t headerSize = read(file, at, 4);
  if (headerSize == 12) return {static_cast<uint16_t>(read(file, at + 8, 2)), static_cast<uint16_t>(read(file, at + 10, 2))};
  return {static_cast<uint16_t>(read(file, at + 12, 2)), static_cast<uint16_t>(read(file, at + 14, 2))};
}

}  // namespace

IconGroupResources SplitIconFile(const std::vector<uint8_t>& file, bool cursor, uint32_t firstId) {
  const uint16_t type = cursor ? 2 : 1;
  const char* kind = cursor ? "a cursor file" : "an icon file";
  if (file.size() < 6 || read(file, 0, 2) != 0 || read(file, 2, 2) != type || read(file, 4, 2) == 0)
    throw std::invalid_argument(std::string("is not ") + kind);
  size_t count = read(file, 4, 2);
  if (file.size() < 6 + 16 * count) throw std::invalid_argument("is damaged: its directory is cut short");
  if (firstId + count - 1 > 0xffff) throw std::invalid_argument("needs image ids beyond 65535");
  IconGroupResources out;
  put(out.group, 0, 2);
  put(out.group, type, 2);
  put(out.group, static_cast<uint32_t>(count), 2);
  for (size_t i = 0; i < count; ++i) {
    size_t entry = 6 + 16 * i;
    uint32_t bytes = read(file, entry + 8, 4), offset = read(file, entry + 12, 4);
    if (offset > file.size() || bytes > file.size() - offset)
      throw std::invalid_argument("is damaged: image " + std::to_string(i + 1) + " lies outside the file");
    uint32_t width = file[entry] ? file[entry] : 256, height = file[entry + 1] ? file[entry + 1] : 256;
    std::vector<uint8_t> image;
    PlanesAndBits format;
    if (cursor) {
      put(image, read(file, entry + 4, 2), 2);  // the hot spot, from the entry's planes and bit count
      put(image, read(file, entry + 6, 2), 2);
      format = imageFormat(file, offset, bytes, {1, 32});
      put(out.group, width, 2);
      put(out.group, height * 2, 2);  // as the image's header counts it, with the mask
    } else {
      format = imageFormat(file, offset, bytes,
                           {static_cast<uint16_t>(read(file, entry + 4, 2)), static_cast<uint16_t>(read(file, entry + 6, 2))});
      out.group.insert(out.group.end(), file.begin() + entry, file.begin() + entry + 4);  // sizes, colours, reserved
    }
    image.insert(image.end(), file.begin() + offset, file.begin() + offset + bytes);
    put(out.group, format.planes, 2);
    put(out.group, format.bitCount, 2);
    put(out.group, static_cast<uint32_t>(image.size()), 4);
    put(out.group, firstId + static_cast<uint32_t>(i), 2);
    out.images.push_back(std::move(image));
  }
  return out;
}
