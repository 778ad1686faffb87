// Modules loaded as data files (LoadLibraryExW with LOAD_LIBRARY_AS_DATAFILE): only their resources, read
// from the file; the handle has its low bit set, as Windows marks such handles.
#pragma once
#include <cstdint>
#include <vector>

#include "windef.h"

namespace win32 {

// The resource blob of a data-file module, or null when the handle is not one.
const std::vector<uint8_t>* DataFileResources(HMODULE module);
// FreeLibrary of a data-file handle: its resources go; false when the handle is not one.
bool ReleaseDataFile(HMODULE module);

}  // namespace win32
