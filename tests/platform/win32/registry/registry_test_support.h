// Shared by the registry tests: a clean registry per test, a scratch folder, and short ways to set and read.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>

#include "qvregistry.h"

// Every test starts and ends with an empty registry of a standard user, bound to no file.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { win32sim::ResetRegistry(); }
  void TearDown() override { win32sim::ResetRegistry(); }
};

// A folder of its own under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// An open key closed when it goes out of scope.
class Key {
 public:
  Key() = default;
  ~Key() {
    if (handle_) RegCloseKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY* out() { return &handle_; }
  HKEY get() const { return handle_; }
  operator HKEY() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

LONG Create(HKEY root, const char16_t* path, Key& key, REGSAM access = KEY_ALL_ACCESS);
LONG Open(HKEY root, const char16_t* path, Key& key, REGSAM access = KEY_READ);
LONG SetString(HKEY key, const char16_t* name, const std::u16string& text, DWORD type = REG_SZ);
LONG SetDword(HKEY key, const char16_t* name, DWORD value);
LONG SetBytes(HKEY key, const char16_t* name, DWORD type, const std::vector<BYTE>& data);
// The value's type and bytes; type 0 and no bytes when it cannot be read.
struct Stored {
  DWORD type = 0;
  std::vector<BYTE> data;
  bool operator==(const Stored&) const = default;
};
Stored Read(HKEY root, const char16_t* path, const char16_t* name);
std::vector<BYTE> StringBytes(const std::u16string& text);

std::string FileText(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
