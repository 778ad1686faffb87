// PNG icon images (Windows Vista's large icons), through libpng's simplified reader.
#include <png.h>

#include "icon_format.h"

namespace win32 {

// An icon directory cannot describe an image wider or taller than 256, so larger PNGs are refused before any
// pixels are allocated.
std::optional<DecodedImage> DecodePngImage(ByteSpan png) {
  constexpr png_uint_32 kMaxIconSide = 256;
  png_image info{};
  info.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&info, png.data, png.size)) return std::nullopt;
  if (info.width == 0 || info.height == 0 || info.width > kMaxIconSide || info.height > kMaxIconSide) {
    png_image_free(&info);
    return std::nullopt;
  }
  DecodedImage image;
  image.width = static_cast<int>(info.width);
  image.height = static_cast<int>(info.height);
  image.hasAlpha = (info.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.bitsPerPixel = (info.format & PNG_FORMAT_FLAG_COLORMAP) ? 8
                       : static_cast<int>(PNG_IMAGE_PIXEL_CHANNELS(info.format)) * ((info.format & PNG_FORMAT_FLAG_LINEAR) ? 16 : 8);
  image.argb.resize(static_cast<size_t>(image.width) * image.height);
  info.format = PNG_FORMAT_BGRA;  // bytes B, G, R, A: a little-endian 0xAARRGGBB
  if (!png_image_finish_read(&info, nullptr, image.argb.data(), static_cast<png_int_32>(info.width * 4), nullptr)) {
    png_image_free(&info);
    return std::nullopt;
  }
  return image;
}

}  // namespace win32
