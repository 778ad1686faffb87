// SetRect, SetRectEmpty, CopyRect, InflateRect, OffsetRect, IntersectRect, UnionRect, IsRectEmpty, PtInRect,
// EqualRect.
#include <gtest/gtest.h>

#include <windows.h>

TEST(SetRect, SetsAndEmpties) {
  RECT r{};
  EXPECT_TRUE(SetRect(&r, 1, 2, 3, 4));
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.bottom, 4);
  EXPECT_TRUE(SetRectEmpty(&r));
  EXPECT_TRUE(IsRectEmpty(&r));
  EXPECT_FALSE(SetRect(nullptr, 0, 0, 0, 0));
}

TEST(InflateRect, GrowsEverySide) {
  RECT r{10, 10, 20, 20};
  InflateRect(&r, 2, -3);
  EXPECT_EQ(r.left, 8);
  EXPECT_EQ(r.top, 13);
  EXPECT_EQ(r.right, 22);
  EXPECT_EQ(r.bottom, 17);
  OffsetRect(&r, -8, 1);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 14);
}

TEST(IntersectRect, OverlapOrEmpty) {
  RECT a{0, 0, 10, 10}, b{5, 5, 15, 15}, out{};
  EXPECT_TRUE(IntersectRect(&out, &a, &b));
  RECT expected{5, 5, 10, 10};
  EXPECT_TRUE(EqualRect(&out, &expected));
  RECT c{10, 0, 20, 10};  // touching is not overlapping
  EXPECT_FALSE(IntersectRect(&out, &a, &c));
  EXPECT_TRUE(IsRectEmpty(&out));
}

TEST(UnionRect, EmptyRectanglesAddNothing) {
  RECT a{0, 0, 2, 2}, b{5, 5, 6, 7}, empty{3, 3, 3, 9}, out{};
  EXPECT_TRUE(UnionRect(&out, &a, &b));
  RECT expected{0, 0, 6, 7};
  EXPECT_TRUE(EqualRect(&out, &expected));
  EXPECT_TRUE(UnionRect(&out, &a, &empty));
  EXPECT_TRUE(EqualRect(&out, &a));
  EXPECT_FALSE(UnionRect(&out, &empty, &empty));
}

TEST(PtInRect, RightAndBottomAreOutside) {
  RECT r{0, 0, 3, 3};
  EXPECT_TRUE(PtInRect(&r, POINT{0, 0}));
  EXPECT_TRUE(PtInRect(&r, POINT{2, 2}));
  EXPECT_FALSE(PtInRect(&r, POINT{3, 2}));
  EXPECT_FALSE(PtInRect(&r, POINT{2, 3}));
  EXPECT_TRUE(IsRectEmpty(nullptr));
  RECT copy{};
  EXPECT_TRUE(CopyRect(&copy, &r));
  EXPECT_TRUE(EqualRect(&copy, &r));
}
