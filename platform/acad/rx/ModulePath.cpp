#include "ModulePath.h"
#include <qvwide.h>
#include <windows.h>
#include <filesystem>
#include <system_error>

namespace acadsim::rx {
namespace {

namespace fs = std::filesystem;

fs::path ExecutableFolder() {
  std::u16string buffer(MAX_PATH, u'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return fs::path(WideToUtf8(buffer)).parent_path();
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::u16string IfFile(const fs::path& candidate) {
  std::error_code error;
  if (!fs::is_regular_file(candidate, error)) return {};
  fs::path absolute = fs::absolute(candidate, error);
  return error ? std::u16string() : Utf8ToWide(absolute.lexically_normal().string());
}

std::u16string FileNameOf(std::u16string_view path) {
  size_t slash = path.find_last_of(u"/\\");
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (towlower(a[i]) != towlower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::u16string ResolveModulePath(std::u16string_view fileName) {
  if (fileName.empty()) return {};
  fs::path path(WideToUtf8(fileName));
  if (path.has_parent_path()) return IfFile(path);
  fs::path folder = ExecutableFolder();
  if (!folder.empty()) {
    if (std::u16string found = IfFile(folder / path); !found.empty()) return found;
  }
  return IfFile(path);
}

bool NamesModule(std::u16string_view name, std::u16string_view path) {
  if (name.find_first_of(u"/\\") != std::u16string_view::npos) {
    return EqualIgnoringCase(ResolveModulePath(name), path);
  }
  return EqualIgnoringCase(name, FileNameOf(path));
}

}  // namespace acadsim::rx
