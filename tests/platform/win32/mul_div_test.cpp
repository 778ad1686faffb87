#include <gtest/gtest.h>
#include <windows.h>

TEST(MulDiv, RoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(1, -1, 2), -1);
  EXPECT_EQ(MulDiv(1, 1, -2), -1);
  EXPECT_EQ(MulDiv(-1, -1, -2), -1);
  EXPECT_EQ(MulDiv(3, 1, 4), 1);
  EXPECT_EQ(MulDiv(1, 1, 4), 0);
  EXPECT_EQ(MulDiv(5, 1, 3), 2);
  EXPECT_EQ(MulDiv(4, 1, 3), 1);
  EXPECT_EQ(MulDiv(-5, 1, 3), -2);
}

TEST(MulDiv, UsesA64BitIntermediate) {
  EXPECT_EQ(MulDiv(2147483647, 2147483647, 2147483647), 2147483647);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
  EXPECT_EQ(MulDiv(-13, 720000, 96), -97500);
  EXPECT_EQ(MulDiv(12, 72, 96), 9);
}

TEST(MulDiv, FailsWithMinusOne) {
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(0, 0, 0), -1);
  EXPECT_EQ(MulDiv(2147483647, 2, 1), -1);
  EXPECT_EQ(MulDiv(-2147483647, 2, 1), -1);
  EXPECT_EQ(MulDiv(-2147483647 - 1, 1, 1), -1);
  EXPECT_EQ(MulDiv(-2147483647 - 1, -1, 1), -1);
  EXPECT_EQ(MulDiv(-2147483647 - 1, 1, -1), -1);
  EXPECT_EQ(MulDiv(-2147483647, 1, 1), -2147483647);
}
