#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "module_test_support.h"
#include "qvwide.h"

namespace {

std::vector<uint8_t> readVersionInfo(const std::u16string& path) {
  DWORD handle = 99;
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  EXPECT_EQ(handle, 0u);
  std::vector<uint8_t> block(size);
  if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};
  return block;
}

}  // namespace

TEST(GetFileVersionInfoW, ReadsTheFileWithoutLoadingIt) {
  std::u16string path = TestModulePath("qvtestmod.dll");
  ModuleEvents().clear();
  std::vector<uint8_t> block = readVersionInfo(path);
  ASSERT_FALSE(block.empty());
  EXPECT_FALSE(IsMapped(path));
  EXPECT_TRUE(ModuleEvents().empty());
}

TEST(GetFileVersionInfoW, StoresTheWindowsLayout) {
  std::vector<uint8_t> block = readVersionInfo(TestModulePath("qvtestmod.dll"));
  ASSERT_GE(block.size(), 92u);
  WORD length, valueLength, type;
  std::memcpy(&length, &block[0], 2);
  std::memcpy(&valueLength, &block[2], 2);
  std::memcpy(&type, &block[4], 2);
  EXPECT_EQ(valueLength, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(type, 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(&block[6])), u"VS_VERSION_INFO");
  DWORD signature;
  std::memcpy(&signature, &block[40], 4);  // 6 + 32 bytes of key, padded to 40
  EXPECT_EQ(signature, 0xFEEF04BDu);
  EXPECT_EQ(length % 2, 0);
  EXPECT_EQ(std::memcmp(&block[length], "FE2X", 4), 0);
}

TEST(VerQueryValueW, RootGivesTheFixedFileInfo) {
  std::vector<uint8_t> block = readVersionInfo(TestModulePath("qvtestmod.dll"));
  ASSERT_FALSE(block.empty());
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), u"\\", reinterpret_cast<LPVOID*>(&info), &length));
  EXPECT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(info->dwStrucVersion, 0x00010000u);
  EXPECT_EQ(HIWORD(info->dwFileVersionMS), 3);
  EXPECT_EQ(LOWORD(info->dwFileVersionMS), 1);
  EXPECT_EQ(HIWORD(info->dwFileVersionLS), 4);
  EXPECT_EQ(LOWORD(info->dwFileVersionLS), 15);
  EXPECT_EQ(info->dwProductVersionMS, 0x00030000u);
  EXPECT_EQ(info->dwProductVersionLS, 0u);
  EXPECT_EQ(info->dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(info->dwFileFlags, static_cast<DWORD>(VS_FF_PRERELEASE | VS_FF_SPECIALBUILD));
  EXPECT_EQ(info->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
  EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(info->dwFileSubtype, 0u);
}

TEST(VerQueryValueW, StringsAndTranslation) {
  std::vector<uint8_t> block = readVersionInfo(TestModulePath("qvtestmod.dll"));
  ASSERT_FALSE(block.empty());
  LPVOID value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), u"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  WORD translation[2];
  std::memcpy(translation, value, 4);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);
  ASSERT_TRUE(VerQueryValueW(block.data(), u"\\StringFileInfo\\080404b0\\FileDescription", &value, &length));
  EXPECT_EQ(length, 5u);  // characters with the NUL
  EXPECT_EQ(std::u16string(static_cast<const WCHAR*>(value)), u"测试模块");
  ASSERT_TRUE(VerQueryValueW(block.data(), u"\\stringfileinfo\\080404B0\\fileversion", &value, &length));
  EXPECT_EQ(std::u16string(static_cast<const WCHAR*>(value)), u"3.1.4.15");
  ASSERT_TRUE(VerQueryValueW(block.data(), u"StringFileInfo\\080404b0\\Empty", &value, &length));
  EXPECT_EQ(length, 1u);
  EXPECT_EQ(static_cast<const WCHAR*>(value)[0], 0);
}

TEST(VerQueryValueW, MissingValues) {
  std::vector<uint8_t> block = readVersionInfo(TestModulePath("qvtestmod.dll"));
  ASSERT_FALSE(block.empty());
  LPVOID value = nullptr;
  UINT length = 7;
  SetLastError(0);
  EXPECT_FALSE(VerQueryValueW(block.data(), u"\\StringFileInfo\\040904b0\\FileVersion", &value, &length));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  EXPECT_FALSE(VerQueryValueW(block.data(), u"\\StringFileInfo\\080404b0\\FileVersion\\Deeper", &value, &length));
  EXPECT_FALSE(VerQueryValueW(block.data(), u"\\StringFileInfo\\080404b0\\FileVersio", &value, &length));
  EXPECT_FALSE(VerQueryValueW(nullptr, u"\\", &value, &length));
  EXPECT_FALSE(VerQueryValueW(block.data(), nullptr, &value, &length));
}

TEST(VerQueryValueA, ConvertsTextToAnsi) {
  std::string path = WideToUtf8(TestModulePath("qvtestmod.dll"));
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
  LPVOID value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080404b0\\FileDescription", &value, &length));
  EXPECT_STREQ(static_cast<const char*>(value), "测试模块");
  EXPECT_EQ(length, 13u);  // UTF-8 bytes with the NUL
  LPVOID company = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080404b0\\CompanyName", &company, &length));
  EXPECT_STREQ(static_cast<const char*>(company), "Tessaray");
  EXPECT_STREQ(static_cast<const char*>(value), "测试模块");  // earlier answers stay valid
  VS_FIXEDFILEINFO* info = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID*>(&info), &length));
  EXPECT_EQ(info->dwFileVersionLS, 0x0004000Fu);
}

TEST(GetFileVersionInfoSizeW, Errors) {
  SetLastError(0);
  EXPECT_EQ(GetFileVersionInfoSizeW(u"/no/such/file.dll", nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  std::u16string text = Utf8ToWide(QV_TEST_SOURCE_DIR "/modules/payload.txt");
  EXPECT_EQ(GetFileVersionInfoSizeW(text.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_FORMAT));
  std::u16string plain = TestModulePath("qvplainmod.so");
  EXPECT_EQ(GetFileVersionInfoSizeW(plain.c_str(), nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
  EXPECT_EQ(GetFileVersionInfoSizeW(nullptr, nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(GetFileVersionInfoW, RefusesAShortBuffer) {
  std::u16string path = TestModulePath("qvtestmod.dll");
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> block(size);
  SetLastError(0);
  EXPECT_FALSE(GetFileVersionInfoW(path.c_str(), 0, size - 1, block.data()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_FALSE(GetFileVersionInfoW(path.c_str(), 0, size, nullptr));
}
