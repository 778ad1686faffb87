// Shared by the icon image and icon directory readers.
#pragma once
#include <optional>

#include "byte_span.h"
#include "image_decode.h"

namespace win32 {

// A Vista-style icon image: a whole PNG file instead of a DIB.
bool IsPngImage(ByteSpan image);

// A PNG icon image, top-down with straight alpha; nullopt when damaged or larger than an icon can be.
std::optional<DecodedImage> DecodePngImage(ByteSpan png);

}  // namespace win32
