// The bytes of an image resource in a module, loaded or loaded as a data file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "windef.h"

namespace win32 {

struct ResourceBytes {
  const uint8_t* data;
  size_t size;
};

// Sets the Windows error (as FindResourceW does) when there is none.
std::optional<ResourceBytes> FindImageResource(HMODULE module, LPCWSTR name, LPCWSTR type);

}  // namespace win32
