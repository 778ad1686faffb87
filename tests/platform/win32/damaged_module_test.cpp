// Damaged module files: every reader refuses them with an error, never reads outside them.
#include <gtest/gtest.h>
#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "module_test_support.h"
#include "qvwide.h"

namespace fs = std::filesystem;

namespace {

class DamagedModule : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("damaged_module_" + std::to_string(getpid()));
    fs::create_directories(dir_);
    std::ifstream in(WideToUtf8(TestModulePath("qvtestmod.dll")), std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes_.size(), 1000u);
  }
  void TearDown() override { fs::remove_all(dir_); }

  size_t find(const std::string& needle) {
    auto it = std::search(bytes_.begin(), bytes_.end(), needle.begin(), needle.end());
    return it == bytes_.end() ? std::string::npos : static_cast<size_t>(it - bytes_.begin());
  }
  std::u16string write(size_t length) {
    fs::path path = dir_ / "qvtestmod.dll";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes_.data(), static_cast<std::streamsize>(length));
    return Utf8ToWide(path.string());
  }
  std::u16string write() { return write(bytes_.size()); }

  fs::path dir_;
  std::string bytes_;
};

}  // namespace

TEST_F(DamagedModule, TruncatedFilesAreBadFormat) {
  std::u16string path = write(40);
  SetLastError(0);
  EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_FORMAT));
  path = write(bytes_.size() / 2);  // the section headers sit at the end of the file
  EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_FORMAT));
  path = write(0);
  EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_FORMAT));
}

TEST_F(DamagedModule, AResourceBlobLongerThanItsSectionIsRefused) {
  size_t magic = find("QVRS");
  ASSERT_NE(magic, std::string::npos);
  uint32_t huge = 0x7FFFFFFF;
  std::memcpy(&bytes_[magic + 12], &huge, 4);
  std::u16string path = write();
  SetLastError(0);
  EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

TEST_F(DamagedModule, AnEntryPointingOutsideTheBlobIsRefusedInMemoryToo) {
  size_t magic = find("QVRS");
  ASSERT_NE(magic, std::string::npos);
  uint32_t outside = 0x7FFFFFF0;
  std::memcpy(&bytes_[magic + 16 + 20], &outside, 4);  // the first entry's data offset
  std::u16string path = write();
  HMODULE module = LoadLibraryW(path.c_str());
  ASSERT_NE(module, nullptr);
  WCHAR buffer[16];
  SetLastError(0);
  EXPECT_EQ(LoadStringW(module, 1, buffer, 16), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(IsMapped(path));
}

TEST_F(DamagedModule, AVersionBlockLongerThanItsResourceIsRefused) {
  std::string key;
  for (char c : std::string("VS_VERSION_INFO")) key += std::string{c, '\0'};
  size_t at = find(key);
  ASSERT_NE(at, std::string::npos);
  bytes_[at - 6] = '\xFF';
  bytes_[at - 5] = '\xFF';
  std::u16string path = write();
  SetLastError(0);
  EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
}

TEST_F(DamagedModule, VerQueryValueStopsAtADamagedChild) {
  std::u16string path = TestModulePath("qvtestmod.dll");
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  LPVOID value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), u"\\VarFileInfo\\Translation", &value, &length));
  block[92] = 0;  // the first child's length: StringFileInfo now claims to be empty
  block[93] = 0;
  EXPECT_FALSE(VerQueryValueW(block.data(), u"\\VarFileInfo\\Translation", &value, &length));
  EXPECT_TRUE(VerQueryValueW(block.data(), u"\\", &value, &length));
}
