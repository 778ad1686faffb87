// Conformance of the environment functions the registry's REG_EXPAND_SZ readers use.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <windows.h>

class Environment : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("QV_ENV_TEST", "C:\\Users\\张三", 1);
    setenv("QV_ENV_EMPTY", "", 1);
    unsetenv("QV_ENV_MISSING");
  }
  void TearDown() override {
    unsetenv("QV_ENV_TEST");
    unsetenv("QV_ENV_EMPTY");
  }
};

TEST_F(Environment, ExpandEnvironmentStringsWReplacesKnownNames) {
  WCHAR buffer[64];
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%QV_ENV_TEST%\\dir", buffer, 64), 16u);
  EXPECT_EQ(std::u16string(buffer), u"C:\\Users\\张三\\dir");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%qv_env_test%", buffer, 64), 12u);
  EXPECT_EQ(std::u16string(buffer), u"C:\\Users\\张三");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"[%QV_ENV_EMPTY%]", buffer, 64), 3u);
  EXPECT_EQ(std::u16string(buffer), u"[]");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"", buffer, 64), 1u);
  EXPECT_EQ(std::u16string(buffer), u"");
}

TEST_F(Environment, ExpandEnvironmentStringsWLeavesUnknownNamesAsWritten) {
  WCHAR buffer[64];
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%QV_ENV_MISSING%", buffer, 64), 17u);
  EXPECT_EQ(std::u16string(buffer), u"%QV_ENV_MISSING%");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"100% sure", buffer, 64), 10u);
  EXPECT_EQ(std::u16string(buffer), u"100% sure");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%%", buffer, 64), 3u);
  EXPECT_EQ(std::u16string(buffer), u"%%");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"50%%QV_ENV_TEST%", buffer, 64), 15u);
  EXPECT_EQ(std::u16string(buffer), u"50%C:\\Users\\张三");
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%QV_ENV_MISSING%QV_ENV_TEST%", buffer, 64), 27u);
  EXPECT_EQ(std::u16string(buffer), u"%QV_ENV_MISSINGC:\\Users\\张三");
}

TEST_F(Environment, ExpandEnvironmentStringsWShortBufferGetsTheSizeNeeded) {
  WCHAR buffer[8] = {u'k', 0};
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%QV_ENV_TEST%", buffer, 11), 12u);
  EXPECT_EQ(ExpandEnvironmentStringsW(u"%QV_ENV_TEST%", nullptr, 0), 12u);
  EXPECT_EQ(ExpandEnvironmentStringsW(u"abc", buffer, 3), 4u);
  EXPECT_EQ(ExpandEnvironmentStringsW(u"abc", buffer, 4), 4u);
  EXPECT_EQ(std::u16string(buffer), u"abc");
  EXPECT_EQ(ExpandEnvironmentStringsW(nullptr, buffer, 4), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Environment, GetEnvironmentVariableWCountsWithoutTerminatorOnSuccess) {
  WCHAR buffer[16];
  EXPECT_EQ(GetEnvironmentVariableW(u"QV_ENV_TEST", buffer, 16), 11u);
  EXPECT_EQ(std::u16string(buffer), u"C:\\Users\\张三");
  EXPECT_EQ(GetEnvironmentVariableW(u"Qv_Env_Test", buffer, 16), 11u);
  EXPECT_EQ(GetEnvironmentVariableW(u"QV_ENV_TEST", buffer, 11), 12u);
  EXPECT_EQ(GetEnvironmentVariableW(u"QV_ENV_TEST", nullptr, 0), 12u);
}

TEST_F(Environment, GetEnvironmentVariableWMissingAndEmptyVariables) {
  WCHAR buffer[16];
  SetLastError(0);
  EXPECT_EQ(GetEnvironmentVariableW(u"QV_ENV_MISSING", buffer, 16), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
  EXPECT_EQ(GetEnvironmentVariableW(u"", buffer, 16), 0u);
  EXPECT_EQ(GetEnvironmentVariableW(u"A=B", buffer, 16), 0u);
  EXPECT_EQ(GetEnvironmentVariableW(nullptr, buffer, 16), 0u);
  SetLastError(ERROR_INVALID_DATA);
  EXPECT_EQ(GetEnvironmentVariableW(u"QV_ENV_EMPTY", buffer, 16), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(GetEnvironmentVariableW(u"QV_ENV_EMPTY", buffer, 0), 1u);
}
