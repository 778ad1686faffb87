#include "module_test_support.h"

#include <fstream>

#include "qvwide.h"

std::vector<std::string>& ModuleEvents() {
  static std::vector<std::string> events;
  return events;
}

extern "C" __attribute__((visibility("default"))) void RecordModuleEvent(const char* event) {
  ModuleEvents().push_back(event);
}

std::u16string TestModulePath(const char* fileName) { return Utf8ToWide(std::string(QV_BIN_DIR) + "/" + fileName); }

bool IsMapped(const std::u16string& path) {
  void* handle = dlopen(WideToUtf8(path).c_str(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

bool IsInMemoryMap(const std::u16string& path) {
  std::ifstream maps("/proc/self/maps");
  std::string line, file = WideToUtf8(path);
  while (std::getline(maps, line))
    if (line.size() >= file.size() && line.compare(line.size() - file.size(), file.size(), file) == 0) return true;
  return false;
}
