#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <climits>

#include "qvwide.h"

TEST(WidePrintf, Integers) {
  EXPECT_EQ(FormatW(u"%d", 42), u"42");
  EXPECT_EQ(FormatW(u"%i", -42), u"-42");
  EXPECT_EQ(FormatW(u"%d", INT_MIN), u"-2147483648");
  EXPECT_EQ(FormatW(u"%u", 4294967295u), u"4294967295");
  EXPECT_EQ(FormatW(u"%x", 255), u"ff");
  EXPECT_EQ(FormatW(u"%X", 255), u"FF");
  EXPECT_EQ(FormatW(u"%o", 8), u"10");
  EXPECT_EQ(FormatW(u"%ld", static_cast<LONG>(-5)), u"-5");
  EXPECT_EQ(FormatW(u"%lu", static_cast<DWORD>(4000000000u)), u"4000000000");
  EXPECT_EQ(FormatW(u"%lld", -9000000000LL), u"-9000000000");
  EXPECT_EQ(FormatW(u"%I64d", 9000000000LL), u"9000000000");
  EXPECT_EQ(FormatW(u"%I64u", 18446744073709551615ULL), u"18446744073709551615");
  EXPECT_EQ(FormatW(u"%hd", 65535), u"-1");
  EXPECT_EQ(FormatW(u"%hu", 65536 + 7), u"7");
  EXPECT_EQ(FormatW(u"%zu", static_cast<size_t>(12)), u"12");
}

TEST(WidePrintf, FlagsWidthPrecision) {
  EXPECT_EQ(FormatW(u"%5d|", 42), u"   42|");
  EXPECT_EQ(FormatW(u"%-5d|", 42), u"42   |");
  EXPECT_EQ(FormatW(u"%05d", 42), u"00042");
  EXPECT_EQ(FormatW(u"%05d", -42), u"-0042");
  EXPECT_EQ(FormatW(u"%+d", 42), u"+42");
  EXPECT_EQ(FormatW(u"% d", 42), u" 42");
  EXPECT_EQ(FormatW(u"%#x", 255), u"0xff");
  EXPECT_EQ(FormatW(u"%#o", 8), u"010");
  EXPECT_EQ(FormatW(u"%.3d", 7), u"007");
  EXPECT_EQ(FormatW(u"%8.3d|", -7), u"    -007|");
  EXPECT_EQ(FormatW(u"%*d", 4, 1), u"   1");
  EXPECT_EQ(FormatW(u"%*d|", -4, 1), u"1   |");
  EXPECT_EQ(FormatW(u"%-+6d|", 3), u"+3    |");
  EXPECT_EQ(FormatW(u"%.0d|", 0), u"|");
}

TEST(WidePrintf, FloatingPointMatchesTheCLibrary) {
  EXPECT_EQ(FormatW(u"%f", 1.5), u"1.500000");
  EXPECT_EQ(FormatW(u"%.2f", 2.675), u"2.67");
  EXPECT_EQ(FormatW(u"%.0f", 0.5), u"0");
  EXPECT_EQ(FormatW(u"%.0f", 1.5), u"2");
  EXPECT_EQ(FormatW(u"%.*f", 3, 3.14159), u"3.142");
  EXPECT_EQ(FormatW(u"%.*f", -1, 1.0), u"1.000000");
  EXPECT_EQ(FormatW(u"%8.2f|", -1.005), u"   -1.00|");
  EXPECT_EQ(FormatW(u"%08.3f", 3.14159), u"0003.142");
  EXPECT_EQ(FormatW(u"%e", 12345.678), u"1.234568e+04");
  EXPECT_EQ(FormatW(u"%E", 0.0), u"0.000000E+00");
  EXPECT_EQ(FormatW(u"%g", 0.0001), u"0.0001");
  EXPECT_EQ(FormatW(u"%g", 1e20), u"1e+20");
  EXPECT_EQ(FormatW(u"%G", 1e-10), u"1E-10");
  EXPECT_EQ(FormatW(u"%#.3g", 1.0), u"1.00");
  EXPECT_EQ(FormatW(u"%+.1f", 2.0), u"+2.0");
  EXPECT_EQ(FormatW(u"%f", -0.0), u"-0.000000");
}

TEST(WidePrintf, StringsAreWideUnlessNarrowed) {
  EXPECT_EQ(FormatW(u"%s", u"宽"), u"宽");
  EXPECT_EQ(FormatW(u"%ls", u"wide"), u"wide");
  EXPECT_EQ(FormatW(u"%ws", u"wide"), u"wide");
  EXPECT_EQ(FormatW(u"%hs", "narrow"), u"narrow");
  EXPECT_EQ(FormatW(u"%S", "narrow"), u"narrow");
  EXPECT_EQ(FormatW(u"%hs", "\xE4\xB8\xAD"), u"中");
  EXPECT_EQ(FormatW(u"%hs", "bad\xFF"), u"bad\uFFFD");
  EXPECT_EQ(FormatW(u"%5s|", u"ab"), u"   ab|");
  EXPECT_EQ(FormatW(u"%-5s|", u"ab"), u"ab   |");
  EXPECT_EQ(FormatW(u"%.2s", u"abcdef"), u"ab");
  EXPECT_EQ(FormatW(u"%.2hs", "abcdef"), u"ab");
  EXPECT_EQ(FormatW(u"%*.*s|", 4, 1, u"xyz"), u"   x|");
  EXPECT_EQ(FormatW(u"%s", static_cast<const WCHAR*>(nullptr)), u"(null)");
  EXPECT_EQ(FormatW(u"%hs", static_cast<const char*>(nullptr)), u"(null)");
}

TEST(WidePrintf, CharactersPercentAndPointers) {
  EXPECT_EQ(FormatW(u"%c", u'中'), u"中");
  EXPECT_EQ(FormatW(u"%lc", u'x'), u"x");
  EXPECT_EQ(FormatW(u"%hc", 'n'), u"n");
  EXPECT_EQ(FormatW(u"%C", 'n'), u"n");
  EXPECT_EQ(FormatW(u"%3c|", u'a'), u"  a|");
  EXPECT_EQ(FormatW(u"100%%"), u"100%");
  EXPECT_EQ(FormatW(u"%p", reinterpret_cast<void*>(0xABCDEF)), u"0000000000ABCDEF");
  EXPECT_EQ(FormatW(u"[%20p]", reinterpret_cast<void*>(0x1)), u"[    0000000000000001]");
}

TEST(WidePrintf, InvalidFormats) {
  EXPECT_EQ(FormatW(u"%"), u"");
  EXPECT_EQ(FormatW(u"abc %q"), u"");
  int n = 0;
  EXPECT_EQ(FormatW(u"%n", &n), u"");
  EXPECT_EQ(n, 0);
  WCHAR buffer[8];
  errno = 0;
  EXPECT_EQ(_snwprintf(buffer, 8, u"%y"), -1);
  EXPECT_EQ(errno, EINVAL);
}

TEST(_snwprintf, TruncatesWithoutTerminating) {
  WCHAR buffer[6];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(_snwprintf(buffer, 6, u"%d", 1234), 4);
  EXPECT_EQ(std::u16string(buffer), u"1234");
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(_snwprintf(buffer, 5, u"%s", u"abcde"), 5);
  EXPECT_EQ(std::u16string(buffer, 6), u"abcde#");
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(_snwprintf(buffer, 3, u"%s", u"abcde"), -1);
  EXPECT_EQ(std::u16string(buffer, 6), u"abc###");
  EXPECT_EQ(_snwprintf(nullptr, 0, u"%d", 12345), 5);
  EXPECT_EQ(_snwprintf(nullptr, 4, u"%d", 1), -1);
  EXPECT_EQ(_snwprintf(buffer, 0, u"x"), -1);
}

TEST(swprintf_s, AlwaysTerminatesAndEmptiesOnOverflow) {
  WCHAR buffer[5];
  EXPECT_EQ(swprintf_s(buffer, 5, u"%d", 1234), 4);
  EXPECT_EQ(std::u16string(buffer), u"1234");
  errno = 0;
  EXPECT_EQ(swprintf_s(buffer, 5, u"%d", 12345), -1);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(errno, ERANGE);
  errno = 0;
  EXPECT_EQ(swprintf_s(nullptr, 5, u"x"), -1);
  EXPECT_EQ(errno, EINVAL);
  EXPECT_EQ(swprintf_s(buffer, 0, u"x"), -1);
  EXPECT_EQ(swprintf_s(buffer, 5, u""), 0);
  EXPECT_EQ(buffer[0], 0);
}

TEST(_scwprintf, CountsWithoutWriting) {
  EXPECT_EQ(_scwprintf(u"%s=%d", u"x", 100), 5);
  EXPECT_EQ(_scwprintf(u""), 0);
  EXPECT_EQ(_scwprintf(u"%q"), -1);
}

TEST(FormatW, GrowsBeyondAnyFixedBuffer) {
  std::u16string wide(5000, u'w');
  std::u16string out = FormatW(u"[%s]", wide.c_str());
  EXPECT_EQ(out.size(), 5002u);
  EXPECT_EQ(out.front(), u'[');
  EXPECT_EQ(out.back(), u']');
  EXPECT_EQ(FormatW(u"%.400f", 1.0).size(), 402u);
}
