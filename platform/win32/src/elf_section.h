// Reads one section of an ELF file on disk by its name, without loading the file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "windef.h"

namespace win32 {

// On failure returns false with a Windows error: ERROR_FILE_NOT_FOUND, ERROR_BAD_FORMAT (not a
// 64-bit ELF file, or a damaged one), ERROR_RESOURCE_DATA_NOT_FOUND (no such section).
bool ReadElfSection(const std::string& path, const char* section, std::vector<uint8_t>& contents, DWORD& error);

}  // namespace win32
