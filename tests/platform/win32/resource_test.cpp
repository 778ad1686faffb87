#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "module_test_support.h"
#include "modules/test_module_ids.h"

namespace {

// Keeps the test module loaded for one test.
class LoadedTestModule : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryW(TestModulePath("qvtestmod.dll").c_str());
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  std::string resourceText(HRSRC resource) {
    const char* data = static_cast<const char*>(LockResource(LoadResource(module_, resource)));
    return std::string(data, SizeofResource(module_, resource));
  }
  HMODULE module_ = nullptr;
};

using LoadStringTest = LoadedTestModule;
using FindResourceTest = LoadedTestModule;

}  // namespace

TEST_F(LoadStringTest, CopiesChineseTextFromTheStringTable) {
  WCHAR buffer[64];
  EXPECT_EQ(LoadStringW(module_, IDS_GREETING, buffer, 64), 5);
  EXPECT_EQ(std::u16string(buffer), u"你好，世界");
  EXPECT_EQ(LoadStringW(module_, IDS_BANNER, buffer, 64), 31);
  EXPECT_EQ(std::u16string(buffer), u"\nQuillview(tm) %d.%d.%d.%d 已加载\n");
  EXPECT_EQ(LoadStringW(module_, IDS_SECOND_BLOCK, buffer, 64), 3);
  EXPECT_EQ(std::u16string(buffer), u"第二块");
  EXPECT_EQ(LoadStringW(module_, IDS_LAST, buffer, 64), 4);
  EXPECT_EQ(std::u16string(buffer), u"last");
}

TEST_F(LoadStringTest, EscapesAsTheResourceCompiler) {
  WCHAR buffer[64];
  EXPECT_EQ(LoadStringW(module_, IDS_ESCAPES, buffer, 64), 37);
  EXPECT_EQ(std::u16string(buffer, 37), std::u16string(u"tab\there \"quoted\" \\ back \"q\" AB A\0end", 37));
  EXPECT_EQ(LoadStringW(module_, IDS_ESCAPES + 1, buffer, 64), 1);
  EXPECT_EQ(std::u16string(buffer), u"中");
}

TEST_F(LoadStringTest, TruncatesAndTerminates) {
  WCHAR buffer[4] = {u'x', u'x', u'x', u'x'};
  EXPECT_EQ(LoadStringW(module_, IDS_GREETING, buffer, 4), 3);
  EXPECT_EQ(std::u16string(buffer), u"你好，");
  EXPECT_EQ(LoadStringW(module_, IDS_GREETING, buffer, 1), 0);
  EXPECT_EQ(buffer[0], 0);
}

TEST_F(LoadStringTest, ZeroBufferMaxGivesAReadOnlyPointer) {
  const WCHAR* text = nullptr;
  EXPECT_EQ(LoadStringW(module_, IDS_GREETING, reinterpret_cast<LPWSTR>(&text), 0), 5);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::u16string(text, 5), u"你好，世界");
}

TEST_F(LoadStringTest, MissingStrings) {
  WCHAR buffer[8] = {u'x'};
  EXPECT_EQ(LoadStringW(module_, IDS_EMPTY_NEIGHBOUR, buffer, 8), 0);  // in an existing block
  EXPECT_EQ(buffer[0], 0);
  SetLastError(0);
  EXPECT_EQ(LoadStringW(module_, 1000, buffer, 8), 0);  // in a block that does not exist
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(LoadStringW(module_, IDS_GREETING, nullptr, 8), 0);
  HMODULE plain = LoadLibraryW(TestModulePath("qvplainmod.so").c_str());
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(LoadStringW(plain, IDS_GREETING, buffer, 8), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
  FreeLibrary(plain);
}

TEST_F(LoadStringTest, TheModuleReachesItsOwnStrings) {
  auto load = ProcAs<int (*)(UINT, WCHAR*, int)>(module_, "TestModuleLoadString");
  ASSERT_NE(load, nullptr);
  WCHAR buffer[16];
  EXPECT_EQ(load(IDS_SECOND_BLOCK, buffer, 16), 3);
  EXPECT_EQ(std::u16string(buffer), u"第二块");
}

TEST_F(FindResourceTest, RcdataAndBitmap) {
  HRSRC payload = FindResourceW(module_, MAKEINTRESOURCEW(IDR_PAYLOAD), RT_RCDATA);
  ASSERT_NE(payload, nullptr);
  EXPECT_EQ(resourceText(payload), "payload bytes\n");
  HRSRC bitmap = FindResourceW(module_, MAKEINTRESOURCEW(IDB_PIXEL), RT_BITMAP);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(SizeofResource(module_, bitmap), 44u);  // the file less its 14-byte file header
  const auto* info = static_cast<const uint8_t*>(LockResource(LoadResource(module_, bitmap)));
  EXPECT_EQ(info[0], 40);
  EXPECT_EQ(info[40], 0x10);
}

TEST_F(FindResourceTest, NamesAndNumbersInStrings) {
  EXPECT_NE(FindResourceW(module_, u"NAMEDDATA", u"CUSTOMTYPE"), nullptr);
  EXPECT_NE(FindResourceW(module_, u"nameddata", u"customtype"), nullptr);
  EXPECT_NE(FindResourceW(module_, u"#200", RT_RCDATA), nullptr);
  EXPECT_EQ(FindResourceW(module_, u"#", RT_RCDATA), nullptr);
  EXPECT_EQ(FindResourceW(module_, u"200", RT_RCDATA), nullptr);
}

TEST_F(FindResourceTest, LanguageFallback) {
  LPCWSTR name = MAKEINTRESOURCEW(IDR_LANGUAGES);
  HRSRC chinese = FindResourceExW(module_, RT_RCDATA, name, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  HRSRC neutral = FindResourceExW(module_, RT_RCDATA, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  HRSRC english = FindResourceExW(module_, RT_RCDATA, name, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
  ASSERT_NE(chinese, nullptr);
  ASSERT_NE(neutral, nullptr);
  ASSERT_NE(english, nullptr);
  EXPECT_NE(chinese, neutral);
  EXPECT_NE(english, neutral);
  EXPECT_EQ(resourceText(chinese), "payload bytes\n");
  EXPECT_EQ(FindResourceExW(module_, RT_RCDATA, name, MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT)), neutral);
  EXPECT_EQ(FindResourceW(module_, name, RT_RCDATA), neutral);
  EXPECT_EQ(FindResourceExW(module_, RT_RCDATA, name, MAKELANGID(LANG_CHINESE, SUBLANG_NEUTRAL)), neutral);
  // Without a neutral one, the same primary language wins, then any.
  LPCWSTR greetingBlock = MAKEINTRESOURCEW(1);
  HRSRC zh = FindResourceExW(module_, RT_STRING, greetingBlock, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  HRSRC en = FindResourceExW(module_, RT_STRING, greetingBlock, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
  EXPECT_NE(zh, en);
  EXPECT_EQ(FindResourceExW(module_, RT_STRING, greetingBlock, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), en);
  EXPECT_EQ(FindResourceExW(module_, RT_STRING, greetingBlock, MAKELANGID(LANG_CHINESE, 4)), zh);
  EXPECT_NE(FindResourceExW(module_, RT_STRING, greetingBlock, MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT)), nullptr);
}

TEST_F(FindResourceTest, Errors) {
  SetLastError(0);
  EXPECT_EQ(FindResourceW(module_, MAKEINTRESOURCEW(999), RT_RCDATA), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(FindResourceW(module_, MAKEINTRESOURCEW(1), RT_DIALOG), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_RCDATA), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
  HRSRC foreign = reinterpret_cast<HRSRC>(static_cast<uintptr_t>(0x1234));
  EXPECT_EQ(LoadResource(module_, foreign), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(SizeofResource(module_, foreign), 0u);
  EXPECT_EQ(LoadResource(module_, nullptr), nullptr);
}
