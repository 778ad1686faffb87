// Feeds arbitrary bytes to every image decoder; whatever they accept must have exactly width x height pixels.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "image_format/image_decode.h"

namespace {

void check(const std::optional<win32::DecodedImage>& image) {
  if (!image) return;
  if (image->width <= 0 || image->height <= 0 || image->argb.size() != static_cast<size_t>(image->width) * image->height)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  check(win32::DecodePackedDib(data, size));
  check(win32::DecodeBmpFile(data, size));
  for (bool cursor : {false, true})
    if (auto icon = win32::DecodeIconImage(data, size, cursor)) check(icon->image);
  for (int side : {0, 16, 256})
    if (auto icon = win32::DecodeIconFile(data, size, side, side)) check(icon->image);
  win32::PickIconGroupEntry(data, size, 0, 0);
  return 0;
}
