// Feeds arbitrary bytes to the ACIS text reader as the SAT data of a solid or region.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "acadsim/AcisModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  acadsim::AcisModel model;
  acadsim::readAcisModel(std::string_view(reinterpret_cast<const char*>(data), size), model);
  return 0;
}
