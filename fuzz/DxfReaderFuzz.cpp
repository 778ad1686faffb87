// Feeds arbitrary bytes to the DXF reader, ASCII or binary by their first bytes.
#include <cstddef>
#include <cstdint>

#include "acadsim/DxfReader.h"
#include "dbmain.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  AcDbDatabase db(false, true);
  acadsim::DxfError err;
  acadsim::readDxfFromMemory(reinterpret_cast<const char*>(data), size, db, err);
  return 0;
}
