#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <cmath>

TEST(wcstol, ParsesSignSpaceAndBase) {
  WCHAR* end = nullptr;
  const WCHAR* text = u"  -42xyz";
  EXPECT_EQ(wcstol(text, &end, 10), -42);
  EXPECT_EQ(end, text + 5);
  EXPECT_EQ(wcstol(u"+17", nullptr, 10), 17);
  EXPECT_EQ(wcstol(u"0x1A", nullptr, 16), 26);
  EXPECT_EQ(wcstol(u"0x1A", nullptr, 0), 26);
  EXPECT_EQ(wcstol(u"017", nullptr, 0), 15);
  EXPECT_EQ(wcstol(u"017", nullptr, 10), 17);
  EXPECT_EQ(wcstol(u"z", nullptr, 36), 35);
  EXPECT_EQ(wcstol(u"\t\n12", nullptr, 10), 12);
}

TEST(wcstol, EndPointerWithoutDigits) {
  WCHAR* end = nullptr;
  const WCHAR* text = u"  -x";
  EXPECT_EQ(wcstol(text, &end, 10), 0);
  EXPECT_EQ(end, text);
  const WCHAR* hex = u"0xg";
  EXPECT_EQ(wcstol(hex, &end, 16), 0);
  EXPECT_EQ(end, hex + 1);
  const WCHAR* comma = u"120,45";
  EXPECT_EQ(wcstol(comma, &end, 10), 120);
  EXPECT_EQ(*end, u',');
}

TEST(wcstol, ClampsAt32Bits) {
  errno = 0;
  EXPECT_EQ(wcstol(u"2147483647", nullptr, 10), 2147483647);
  EXPECT_EQ(errno, 0);
  EXPECT_EQ(wcstol(u"-2147483648", nullptr, 10), -2147483647 - 1);
  EXPECT_EQ(errno, 0);
  EXPECT_EQ(wcstol(u"2147483648", nullptr, 10), 2147483647);
  EXPECT_EQ(errno, ERANGE);
  errno = 0;
  EXPECT_EQ(wcstol(u"-2147483649", nullptr, 10), -2147483647 - 1);
  EXPECT_EQ(errno, ERANGE);
  errno = 0;
  WCHAR* end = nullptr;
  const WCHAR* huge = u"99999999999999999999999 rest";
  EXPECT_EQ(wcstol(huge, &end, 10), 2147483647);
  EXPECT_EQ(errno, ERANGE);
  EXPECT_EQ(end, huge + 23);
}

TEST(wcstol, RejectsInvalidBase) {
  errno = 0;
  WCHAR* end = nullptr;
  const WCHAR* text = u"10";
  EXPECT_EQ(wcstol(text, &end, 1), 0);
  EXPECT_EQ(errno, EINVAL);
  EXPECT_EQ(end, text);
  EXPECT_EQ(wcstol(text, nullptr, 37), 0);
}

TEST(wcstoul, WrapsNegativeAndClamps) {
  errno = 0;
  EXPECT_EQ(wcstoul(u"4294967295", nullptr, 10), 4294967295u);
  EXPECT_EQ(wcstoul(u"-1", nullptr, 10), 4294967295u);
  EXPECT_EQ(errno, 0);
  EXPECT_EQ(wcstoul(u"4294967296", nullptr, 10), 4294967295u);
  EXPECT_EQ(errno, ERANGE);
  EXPECT_EQ(wcstoul(u"ff", nullptr, 16), 255u);
}

TEST(_wtoi, ParsesDecimalPrefix) {
  EXPECT_EQ(_wtoi(u"123abc"), 123);
  EXPECT_EQ(_wtoi(u" -7"), -7);
  EXPECT_EQ(_wtoi(u"abc"), 0);
  EXPECT_EQ(_wtoi(u"0x10"), 0);
  EXPECT_EQ(_wtoi(u"99999999999"), 2147483647);
}

TEST(wcstod, ParsesInTheCLocale) {
  WCHAR* end = nullptr;
  const WCHAR* text = u" 3.25e2mm";
  EXPECT_DOUBLE_EQ(wcstod(text, &end), 325.0);
  EXPECT_EQ(end, text + 7);
  EXPECT_DOUBLE_EQ(wcstod(u"-0.5", nullptr), -0.5);
  EXPECT_DOUBLE_EQ(wcstod(u"1,5", &end), 1.0);
  EXPECT_EQ(*end, u',');
  EXPECT_DOUBLE_EQ(wcstod(u"0x10", nullptr), 16.0);
  EXPECT_TRUE(std::isinf(wcstod(u"inf", nullptr)));
  const WCHAR* none = u"abc";
  EXPECT_EQ(wcstod(none, &end), 0.0);
  EXPECT_EQ(end, none);
  const WCHAR* wide = u"2.5中";
  EXPECT_DOUBLE_EQ(wcstod(wide, &end), 2.5);
  EXPECT_EQ(end, wide + 3);
  errno = 0;
  EXPECT_TRUE(std::isinf(wcstod(u"1e999", nullptr)));
  EXPECT_EQ(errno, ERANGE);
}
