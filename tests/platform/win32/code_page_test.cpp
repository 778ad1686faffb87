#include <gtest/gtest.h>
#include <windows.h>

#include "qvwide.h"

namespace {

std::u16string toWide(UINT codePage, const std::string& bytes, DWORD flags = 0) {
  int n = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string out(static_cast<size_t>(n > 0 ? n : 0), 0);
  if (n > 0) MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string toNarrow(UINT codePage, const std::u16string& wide, LPBOOL usedDefault = nullptr) {
  int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, usedDefault);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), 0);
  if (n > 0) WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, usedDefault);
  return out;
}

}  // namespace

TEST(Utf8Helpers, RoundTrip) {
  EXPECT_EQ(Utf8ToWide(""), u"");
  EXPECT_EQ(Utf8ToWide("a\xC3\xA4\xE4\xB8\xAD\xF0\x9F\x98\x80"), u"aä中\U0001F600");
  EXPECT_EQ(WideToUtf8(u"aä中\U0001F600"), "a\xC3\xA4\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToWide(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Utf8Helpers, InvalidInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("\xFF"), u"\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xE4\xB8"), u"\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xE4\xB8x"), u"\uFFFDx");
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("\x80x"), u"\uFFFDx");
  EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98"), u"\uFFFD");
  EXPECT_EQ(WideToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(WideToUtf8(u"x\xDC00"), "x\xEF\xBF\xBD");
}

TEST(MultiByteToWideChar, Utf8Semantics) {
  WCHAR buffer[8];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, buffer, 8), 3);
  EXPECT_EQ(std::u16string(buffer), u"ab");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 2, buffer, 8), 2);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, nullptr, 0), 4);
  EXPECT_EQ(toWide(CP_ACP, "\xE4\xB8\xAD"), u"中");
  EXPECT_EQ(toWide(CP_UTF8, "\xFFz"), u"\uFFFDz");
}

TEST(MultiByteToWideChar, Errors) {
  WCHAR buffer[2];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, buffer, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "\xFF", 1, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, nullptr, 1, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a", 0, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", 1, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
  EXPECT_EQ(MultiByteToWideChar(12345, 0, "a", 1, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(MultiByteToWideChar, WindowsCodePages) {
  EXPECT_EQ(toWide(936, "\xD6\xD0\xCE\xC4"), u"中文");
  EXPECT_EQ(toWide(932, "\x93\xFA\x96\x7B"), u"日本");
  EXPECT_EQ(toWide(949, "\xC7\xD1"), u"한");
  EXPECT_EQ(toWide(950, "\xA4\xA4"), u"中");
  EXPECT_EQ(toWide(1252, "caf\xE9 \x80"), u"café €");
  EXPECT_EQ(toWide(1251, "\xC4\xE0"), u"Да");
  EXPECT_EQ(toWide(1250, "\x8A"), u"Š");
  EXPECT_EQ(toWide(874, "\xA1"), u"ก");
  EXPECT_EQ(toWide(936, "a\xD6"), u"a\uFFFD");
  EXPECT_EQ(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, "a\xD6", 2, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(WideCharToMultiByte, Utf8Semantics) {
  char buffer[8];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"中", -1, buffer, 8, nullptr, nullptr), 4);
  EXPECT_STREQ(buffer, "\xE4\xB8\xAD");
  EXPECT_EQ(toNarrow(CP_UTF8, u"\xD800"), "\xEF\xBF\xBD");
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, u"\xD800", 1, nullptr, 0, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  BOOL used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, nullptr, 0, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"abc", 3, buffer, 2, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(WideCharToMultiByte, WindowsCodePagesUseTheDefaultCharacter) {
  BOOL used = TRUE;
  EXPECT_EQ(toNarrow(936, u"中文", &used), "\xD6\xD0\xCE\xC4");
  EXPECT_FALSE(used);
  EXPECT_EQ(toNarrow(1252, u"a中b", &used), "a?b");
  EXPECT_TRUE(used);
  EXPECT_EQ(toNarrow(1252, u"\U0001F600", &used), "?");
  char buffer[4];
  EXPECT_EQ(WideCharToMultiByte(1252, 0, u"中", 1, buffer, 4, "*", &used), 1);
  EXPECT_EQ(buffer[0], '*');
}
