#include "loaded_objects.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "qvwide.h"
#include "winbase.h"

namespace win32 {

namespace {

struct Collector {
  std::vector<LoadedObject>* out;
  bool first = true;
};

int collect(dl_phdr_info* info, size_t, void* data) {
  auto* collector = static_cast<Collector*>(data);
  ElfW(Addr) lowest = ~ElfW(Addr)(0);
  for (int i = 0; i < info->dlpi_phnum; ++i)
    if (info->dlpi_phdr[i].p_type == PT_LOAD && info->dlpi_phdr[i].p_vaddr < lowest) lowest = info->dlpi_phdr[i].p_vaddr;
  bool isExecutable = collector->first;
  collector->first = false;
  if (lowest == ~ElfW(Addr)(0)) return 0;
  LoadedObject object;
  object.base = reinterpret_cast<void*>((info->dlpi_addr + lowest) & ~ElfW(Addr)(getpagesize() - 1));
  object.path = isExecutable ? ExecutablePath() : std::string(info->dlpi_name ? info->dlpi_name : "");
  if (object.path.empty()) return 0;  // the vDSO has no file
  collector->out->push_back(std::move(object));
  return 0;
}

}  // namespace

std::vector<LoadedObject> LoadedObjects() {
  std::vector<LoadedObject> objects;
  Collector collector{&objects};
  dl_iterate_phdr(collect, &collector);
  return objects;
}

const void* ExecutableBase() {
  static const void* base = [] {
    std::vector<LoadedObject> objects = LoadedObjects();
    return objects.empty() ? nullptr : objects.front().base;
  }();
  return base;
}

std::string ExecutablePath() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

bool FindLoadedObject(const void* base, LoadedObject& found) {
  for (LoadedObject& object : LoadedObjects())
    if (object.base == base) {
      found = std::move(object);
      return true;
    }
  return false;
}

void* ObjectBaseOf(const void* address) {
  Dl_info info;
  if (!address || !dladdr(address, &info)) return nullptr;
  return info.dli_fbase;
}

std::string ToNativePath(LPCWSTR name) {
  std::string path = WideToUtf8(name);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithDefaultExtension(const std::string& path) {
  std::string base = BaseName(path);
  if (!base.empty() && base.back() == '.') return path.substr(0, path.size() - 1);
  if (base.find('.') == std::string::npos) return path + ".dll";
  return path;
}

bool SameFileNameIgnoringCase(const std::string& a, const std::string& b) {
  std::u16string wa = Utf8ToWide(a), wb = Utf8ToWide(b);
  return lstrcmpiW(wa.c_str(), wb.c_str()) == 0;
}

}  // namespace win32
