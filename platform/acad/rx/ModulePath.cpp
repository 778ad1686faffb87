#include "ModulePath.h"
#include <qvwide.h>
#include <windows.h>
#include <filesystem>
#include <system_error>

namespace acadsim::rx {
namespace {

namespace fs = std::filesystem;

std::u16string ExecutableFolder() {
  std::u16string buffer(MAX_PATH, u'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return Utf8ToWide(fs::path(WideToUtf8(buffer)).parent_path().string());
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::u16string EnvironmentVariable(const char16_t* name) {
  DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed == 0) return {};
  std::u16string value(needed, u'\0');
  DWORD length = GetEnvironmentVariableW(name, value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (towlower(a[i]) != towlower(b[i])) return false;
  }
  return true;
}

std::u16string AbsoluteText(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  return error ? std::u16string() : Utf8ToWide(absolute.lexically_normal().string());
}

// The file in folder whose name equals name, the exact spelling first, then without regard to case.
std::u16string FileInFolder(const fs::path& folder, const fs::path& name) {
  std::error_code error;
  if (fs::is_regular_file(folder / name, error)) return AbsoluteText(folder / name);
  const std::u16string wanted = Utf8ToWide(name.string());
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
       it.increment(error)) {
    if (EqualIgnoringCase(Utf8ToWide(it->path().filename().string()), wanted) && it->is_regular_file(error)) {
      return AbsoluteText(it->path());
    }
  }
  return {};
}

std::u16string FileNameOf(std::u16string_view path) {
  size_t slash = path.find_last_of(u"/\\");
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::vector<std::u16string> ModuleSearchFolders(const std::u16string& drawingFolder) {
  std::vector<std::u16string> folders;
  if (!drawingFolder.empty()) folders.push_back(drawingFolder);
  folders.push_back(u".");
  if (std::u16string executable = ExecutableFolder(); !executable.empty()) folders.push_back(executable);
  const std::u16string supportPath = EnvironmentVariable(u"ACAD");
  for (size_t start = 0; start < supportPath.size();) {
    size_t end = supportPath.find(u';', start);
    if (end == std::u16string::npos) end = supportPath.size();
    if (end > start) folders.push_back(supportPath.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

std::u16string ResolveModulePath(std::u16string_view fileName, const std::u16string& drawingFolder) {
  if (fileName.empty()) return {};
  fs::path path(WideToUtf8(fileName));
  if (path.has_parent_path()) return FileInFolder(path.parent_path(), path.filename());
  for (const std::u16string& folder : ModuleSearchFolders(drawingFolder)) {
    if (std::u16string found = FileInFolder(fs::path(WideToUtf8(folder)), path); !found.empty()) return found;
  }
  return {};
}

bool NamesModule(std::u16string_view name, std::u16string_view path) {
  if (name.find_first_of(u"/\\") != std::u16string_view::npos) {
    return EqualIgnoringCase(AbsoluteText(fs::path(WideToUtf8(name))), path);
  }
  return EqualIgnoringCase(name, FileNameOf(path));
}

}  // namespace acadsim::rx
