#include <gtest/gtest.h>
#include <windows.h>

#include <unistd.h>

#include <climits>
#include <filesystem>

#include "module_test_support.h"
#include "qvwide.h"

namespace {

class ModuleLoader : public testing::Test {
 protected:
  void SetUp() override {
    ModuleEvents().clear();
    path_ = TestModulePath("qvtestmod.dll");
    ASSERT_FALSE(IsMapped(path_)) << "another test left the module loaded";
  }
  std::u16string path_;
};

}  // namespace

TEST_F(ModuleLoader, AttachRunsAfterStaticConstructorsWithTheModulesHandle) {
  HMODULE module = LoadLibraryW(path_.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(ModuleEvents(), (std::vector<std::string>{"constructed", "attach own-handle"}));
  auto instance = ProcAs<HINSTANCE (*)()>(module, "TestModuleInstance");
  ASSERT_NE(instance, nullptr);
  EXPECT_EQ(instance(), module);
  EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(ModuleLoader, LastFreeLibraryDetachesDestroysAndUnmaps) {
  HMODULE first = LoadLibraryW(path_.c_str());
  HMODULE second = LoadLibraryW(path_.c_str());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_TRUE(IsMapped(path_));
  EXPECT_TRUE(IsInMemoryMap(path_));
  EXPECT_EQ(ModuleEvents().size(), 2u);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_FALSE(IsMapped(path_));
  EXPECT_FALSE(IsInMemoryMap(path_));
  EXPECT_EQ(ModuleEvents(), (std::vector<std::string>{"constructed", "attach own-handle", "detach", "destroyed"}));
  EXPECT_EQ(GetModuleHandleW(u"qvtestmod.dll"), nullptr);
}

TEST_F(ModuleLoader, LoadsAgainAfterUnloading) {
  HMODULE module = LoadLibraryW(path_.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(IsMapped(path_));
  module = LoadLibraryW(path_.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(IsMapped(path_));
  EXPECT_EQ(ModuleEvents(), (std::vector<std::string>{"constructed", "attach own-handle", "detach", "destroyed",
                                                      "constructed", "attach own-handle"}));
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(IsMapped(path_));
}

TEST_F(ModuleLoader, FailedAttachDetachesAndUnloads) {
  std::u16string failing = TestModulePath("qvfailmod.dll");
  SetLastError(0);
  EXPECT_EQ(LoadLibraryW(failing.c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
  EXPECT_EQ(ModuleEvents(), (std::vector<std::string>{"fail attach", "fail detach"}));
  EXPECT_FALSE(IsMapped(failing));
}

TEST_F(ModuleLoader, FindsByNameIgnoringCaseWithBackslashesAndDefaultExtension) {
  std::u16string windowsStyle = path_;
  for (WCHAR& c : windowsStyle)
    if (c == u'/') c = u'\\';
  size_t slash = windowsStyle.rfind(u'\\');
  std::u16string upper = windowsStyle.substr(0, slash) + u"\\QVTESTMOD";
  HMODULE module = LoadLibraryW(upper.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetModuleHandleW(u"QvTestMod.DLL"), module);
  EXPECT_EQ(GetModuleHandleW(u"qvtestmod"), module);
  EXPECT_EQ(GetModuleHandleW(path_.c_str()), module);
  EXPECT_EQ(GetModuleHandleW(u"qvtestmod."), nullptr);
  EXPECT_EQ(LoadLibraryW(u"qvtestmod.dll"), module);  // a loaded module is found by its bare name
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(IsMapped(path_));
}

TEST_F(ModuleLoader, SearchesTheExecutablesFolderForBareNames) {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(n, 0);
  exe[n] = 0;
  ASSERT_EQ(std::filesystem::path(exe).parent_path(), std::filesystem::path(QV_BIN_DIR));
  HMODULE module = LoadLibraryW(u"qvplainmod.so");
  ASSERT_NE(module, nullptr);
  auto answer = ProcAs<int (*)()>(module, "PlainModuleAnswer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(IsMapped(TestModulePath("qvplainmod.so")));
}

TEST_F(ModuleLoader, MissingModulesAndProcedures) {
  SetLastError(0);
  EXPECT_EQ(LoadLibraryW(u"no-such-module.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryW(u"/no/such/folder/x.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryW(u""), nullptr);
  EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  std::u16string notElf = Utf8ToWide(QV_TEST_SOURCE_DIR "/modules/payload.txt");
  EXPECT_EQ(LoadLibraryW(notElf.c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));

  HMODULE module = LoadLibraryW(path_.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetProcAddress(module, "NoSuchFunction"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  EXPECT_EQ(GetProcAddress(module, "LoadStringW"), nullptr);  // a dependency's export is not the module's
  EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(1)), nullptr);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(FreeLibrary(module));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(GetModuleHandleW(u"never-loaded.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST_F(ModuleLoader, Kernel32IsThePlatformItself) {
  HMODULE kernel = GetModuleHandleW(u"KERNEL32.DLL");
  ASSERT_NE(kernel, nullptr);
  EXPECT_EQ(LoadLibraryW(u"kernel32"), kernel);
  auto freeLibrary = ProcAs<BOOL(WINAPI*)(HMODULE)>(kernel, "FreeLibrary");
  EXPECT_EQ(freeLibrary, &FreeLibrary);
  EXPECT_TRUE(FreeLibrary(kernel));
  EXPECT_NE(GetModuleHandleW(u"kernel32.dll"), nullptr);
}

TEST(GetModuleHandleW, NullIsTheExecutable) {
  HMODULE exe = GetModuleHandleW(nullptr);
  ASSERT_NE(exe, nullptr);
  EXPECT_EQ(ProcAs<void (*)(const char*)>(exe, "RecordModuleEvent"), &RecordModuleEvent);
  EXPECT_EQ(ProcAs<void (*)(const char*)>(nullptr, "RecordModuleEvent"), &RecordModuleEvent);
  EXPECT_EQ(GetModuleHandleW(u"win32_tests"), nullptr);  // no extension means ".dll"
  EXPECT_EQ(GetModuleHandleW(u"win32_tests."), exe);
}

TEST(GetModuleFileNameW, ReturnsThePathAndTruncatesAsWindows) {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(n, 0);
  std::u16string expected = Utf8ToWide(std::string(exe, static_cast<size_t>(n)));
  WCHAR buffer[MAX_PATH * 4];
  SetLastError(1234);
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4), expected.size());
  EXPECT_EQ(std::u16string(buffer), expected);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));

  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(expected.size())), expected.size());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::u16string(buffer), expected.substr(0, expected.size() - 1));
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 4), 4u);
  EXPECT_EQ(std::u16string(buffer), expected.substr(0, 3));
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 0), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

  HMODULE bogus = reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x1000));
  EXPECT_EQ(GetModuleFileNameW(bogus, buffer, MAX_PATH), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(GetModuleFileNameW, OfALoadedModule) {
  std::u16string path = TestModulePath("qvtestmod.dll");
  HMODULE module = LoadLibraryW(path.c_str());
  ASSERT_NE(module, nullptr);
  WCHAR buffer[MAX_PATH * 4];
  EXPECT_EQ(GetModuleFileNameW(module, buffer, MAX_PATH * 4), path.size());
  EXPECT_EQ(std::u16string(buffer), path);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(GetModuleFileNameW(module, buffer, MAX_PATH * 4), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(LastError, IsKeptUntilChanged) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
}
