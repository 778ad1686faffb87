#include <gtest/gtest.h>
#include <windows.h>

TEST(lstrlenW, CountsUnitsAndAcceptsNull) {
  EXPECT_EQ(lstrlenW(nullptr), 0);
  EXPECT_EQ(lstrlenW(u""), 0);
  EXPECT_EQ(lstrlenW(u"abc"), 3);
  EXPECT_EQ(lstrlenW(u"你好"), 2);
  EXPECT_EQ(lstrlenW(u"\U0001F600"), 2);
}

TEST(lstrcmpW, ComparesCaseSensitively) {
  EXPECT_EQ(lstrcmpW(u"AutoCAD", u"AutoCAD"), 0);
  EXPECT_NE(lstrcmpW(u"AutoCAD", u"AUTOCAD"), 0);
  EXPECT_NE(lstrcmpW(u"AutoCAD", u"AutoCAD LT"), 0);
  EXPECT_LT(lstrcmpW(u"a", u"A"), 0);
  EXPECT_GT(lstrcmpW(u"A", u"a"), 0);
  EXPECT_LT(lstrcmpW(u"a", u"B"), 0);
  EXPECT_LT(lstrcmpW(u"abc", u"abcd"), 0);
  EXPECT_GT(lstrcmpW(u"abd", u"abc"), 0);
  EXPECT_EQ(lstrcmpW(nullptr, nullptr), 0);
  EXPECT_LT(lstrcmpW(nullptr, u""), 0);
  EXPECT_GT(lstrcmpW(u"", nullptr), 0);
}

TEST(lstrcmpiW, IgnoresCaseBeyondAscii) {
  EXPECT_EQ(lstrcmpiW(u"image.PNG", u"IMAGE.png"), 0);
  EXPECT_EQ(lstrcmpiW(u"ÄÖÜ", u"äöü"), 0);
  EXPECT_EQ(lstrcmpiW(u"ΣΑΣ", u"σασ"), 0);
  EXPECT_LT(lstrcmpiW(u"a", u"B"), 0);
  EXPECT_GT(lstrcmpiW(u"b", u"A"), 0);
  EXPECT_LT(lstrcmpiW(u"ab", u"ABC"), 0);
  EXPECT_EQ(lstrcmpiW(nullptr, nullptr), 0);
  EXPECT_LT(lstrcmpiW(nullptr, u"a"), 0);
}

TEST(lstrcpynW, CopiesAtMostMaxMinusOneAndTerminates) {
  WCHAR buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), u'x');
  EXPECT_EQ(lstrcpynW(buffer, u"abcdef", 4), buffer);
  EXPECT_EQ(std::u16string(buffer), u"abc");
  EXPECT_EQ(buffer[4], u'x');
  lstrcpynW(buffer, u"ab", 8);
  EXPECT_EQ(std::u16string(buffer), u"ab");
  buffer[0] = u'q';
  lstrcpynW(buffer, u"abc", 1);
  EXPECT_EQ(buffer[0], 0);
  buffer[0] = u'q';
  lstrcpynW(buffer, u"abc", 0);
  EXPECT_EQ(buffer[0], u'q');
  EXPECT_EQ(lstrcpynW(nullptr, u"abc", 4), nullptr);
}

TEST(WideCrt, LengthAndOrdinalComparison) {
  EXPECT_EQ(wcslen(u""), 0u);
  EXPECT_EQ(wcslen(u"abc"), 3u);
  EXPECT_EQ(wcscmp(u"abc", u"abc"), 0);
  EXPECT_LT(wcscmp(u"B", u"a"), 0);
  EXPECT_LT(wcscmp(u"ab", u"abc"), 0);
  EXPECT_GT(wcscmp(u"\uFFFF", u"a"), 0);
  EXPECT_EQ(wcsncmp(u"abcX", u"abcY", 3), 0);
  EXPECT_LT(wcsncmp(u"abcX", u"abcY", 4), 0);
  EXPECT_EQ(wcsncmp(u"a", u"b", 0), 0);
}

TEST(WideCrt, CaseInsensitiveComparisonFoldsAsciiOnly) {
  EXPECT_EQ(_wcsicmp(u"PEEK", u"peek"), 0);
  EXPECT_LT(_wcsicmp(u"a", u"B"), 0);
  EXPECT_NE(_wcsicmp(u"Ä", u"ä"), 0);
  EXPECT_EQ(_wcsnicmp(u"ABCx", u"abcy", 3), 0);
  EXPECT_NE(_wcsnicmp(u"ABCx", u"abcy", 4), 0);
}

TEST(WideCrt, Searching) {
  const WCHAR* text = u"a/b/c";
  EXPECT_EQ(wcschr(text, u'/'), text + 1);
  EXPECT_EQ(wcsrchr(text, u'/'), text + 3);
  EXPECT_EQ(wcschr(text, u'z'), nullptr);
  EXPECT_EQ(wcsrchr(text, u'z'), nullptr);
  EXPECT_EQ(wcschr(text, u'\0'), text + 5);
  EXPECT_EQ(wcsstr(text, u"b/c"), text + 2);
  EXPECT_EQ(wcsstr(text, u""), text);
  EXPECT_EQ(wcsstr(text, u"c/"), nullptr);
  EXPECT_EQ(wcsstr(u"", u"a"), nullptr);
  WCHAR mutableText[] = u"xyz";
  *wcschr(mutableText, u'y') = u'Y';
  EXPECT_EQ(std::u16string(mutableText), u"xYz");
}

TEST(WideCrt, CaseMapping) {
  EXPECT_EQ(towupper(u'a'), u'A');
  EXPECT_EQ(towlower(u'A'), u'a');
  EXPECT_EQ(towupper(u'ä'), u'Ä');
  EXPECT_EQ(towupper(u'中'), u'中');
  EXPECT_EQ(towupper(u'1'), u'1');
  EXPECT_EQ(towupper(static_cast<WCHAR>(0xD800)), 0xD800);
}
