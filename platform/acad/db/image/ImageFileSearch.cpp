#include "ImageFileSearch.h"

#include <filesystem>
#include <system_error>

namespace acadsim {
namespace {

namespace fs = std::filesystem;

std::string withSlashes(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

bool namesAnotherMachine(const std::string& path) {
  bool driveLetter = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return driveLetter || path.rfind("//", 0) == 0;
}

bool isFile(const fs::path& candidate) {
  std::error_code ec;
  return fs::is_regular_file(candidate, ec);
}

}  // namespace

std::string findImageFile(std::string_view savedPath, std::string_view drawingFolder) {
  std::string saved = withSlashes(savedPath);
  if (saved.empty() || saved.find('\0') != std::string::npos) return {};
  fs::path folder(withSlashes(drawingFolder));
  if (!namesAnotherMachine(saved)) {
    fs::path direct(saved);
    if (direct.is_relative() && !folder.empty()) direct = folder / direct;
    if (isFile(direct)) return direct.lexically_normal().string();
  }
  fs::path name = fs::path(saved).filename();
  if (name.empty() || folder.empty()) return {};
  fs::path beside = folder / name;
  return isFile(beside) ? beside.lexically_normal().string() : std::string();
}

}  // namespace acadsim
