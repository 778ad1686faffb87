#include "registry_test_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

ScratchFolder::ScratchFolder() {
  static int count = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("qv-registry-" + std::to_string(getpid()) + "-" + std::to_string(++count));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

LONG Create(HKEY root, const char16_t* path, Key& key, REGSAM access) {
  return RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.out(), nullptr);
}

LONG Open(HKEY root, const char16_t* path, Key& key, REGSAM access) {
  return RegOpenKeyExW(root, path, 0, access, key.out());
}

std::vector<BYTE> StringBytes(const std::u16string& text) {
  std::vector<BYTE> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>(unit >> 8));
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

LONG SetString(HKEY key, const char16_t* name, const std::u16string& text, DWORD type) {
  return SetBytes(key, name, type, StringBytes(text));
}

LONG SetDword(HKEY key, const char16_t* name, DWORD value) {
  return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG SetBytes(HKEY key, const char16_t* name, DWORD type, const std::vector<BYTE>& data) {
  return RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
}

Stored Read(HKEY root, const char16_t* path, const char16_t* name) {
  Stored stored;
  Key key;
  if (Open(root, path, key) != ERROR_SUCCESS) return stored;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return stored;
  std::vector<BYTE> data(size);
  if (RegQueryValueExW(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return stored;
  stored.type = type;
  stored.data = std::move(data);
  return stored;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}
