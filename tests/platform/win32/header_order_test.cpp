// <windows.h> before the standard library: std's wide conversions must still compile.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

TEST(WindowsHeader, ComesFirstWithoutBreakingTheStandardLibrary) {
  EXPECT_EQ(std::stol(std::wstring(L"12")), 12);
  EXPECT_EQ(std::stoul(std::wstring(L"13")), 13u);
  EXPECT_DOUBLE_EQ(std::stod(std::wstring(L"1.5")), 1.5);
  EXPECT_EQ(wcstol(u"14", nullptr, 10), 14);
}
