// Feeds arbitrary bytes to the registry file reader; what it keeps must write out and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registry/registry_file.h"
#include "registry/registry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace win32sim::registry;
  if (size > kMaxRegistryFileSize) return 0;
  Key user, machine;
  std::vector<std::string> problems;
  ParseRegistryText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.reg", user, machine,
                    problems);
  std::string written = RegistryText(user, machine);
  Key userAgain, machineAgain;
  std::vector<std::string> problemsAgain;
  ParseRegistryText(written, "fuzz.reg", userAgain, machineAgain, problemsAgain);
  if (!problemsAgain.empty() || RegistryText(userAgain, machineAgain) != written) __builtin_trap();
  return 0;
}
