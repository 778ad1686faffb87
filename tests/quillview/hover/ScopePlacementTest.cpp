// Where the scope goes beside the cursor, and how the work area of the cursor's monitor holds it.
#include "hover/ScopePlacement.h"

#include <qvuser.h>

#include <gtest/gtest.h>

namespace {

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

constexpr RECT kWork{0, 0, 1280, 984};

TEST(ClampToWorkArea, AWindowInsideStaysWhereItIs) {
  RECT window{100, 100, 300, 150};
  ClampToWorkArea(window, kWork);
  EXPECT_TRUE(window == (RECT{100, 100, 300, 150}));
}

TEST(ClampToWorkArea, PastTheRightEdgeMovesLeftUntilTheEdgesMeet) {
  RECT window{1200, 100, 1400, 150};
  ClampToWorkArea(window, kWork);
  EXPECT_TRUE(window == (RECT{1080, 100, 1280, 150}));
}

TEST(ClampToWorkArea, BelowTheBottomMovesUp) {
  RECT window{100, 950, 300, 1000};
  ClampToWorkArea(window, kWork);
  EXPECT_TRUE(window == (RECT{100, 934, 300, 984}));
}

TEST(ClampToWorkArea, WiderThanTheWorkAreaKeepsItsLeftEdgeInside) {
  RECT window{100, 100, 1500, 150};
  ClampToWorkArea(window, kWork);
  EXPECT_TRUE(window == (RECT{0, 100, 1400, 150}));
}

TEST(ClampToWorkArea, LeftOfTheWorkAreaMovesRight) {
  RECT window{-50, 100, 150, 150};
  ClampToWorkArea(window, RECT{0, 0, 1280, 984});
  EXPECT_TRUE(window == (RECT{0, 100, 200, 150}));
}

TEST(ClampToWorkArea, TheTopIsNotChecked) {
  RECT window{100, 900, 300, 1200};
  ClampToWorkArea(window, kWork);
  EXPECT_TRUE(window == (RECT{100, 684, 300, 984}));
}

class PlaceScopeTest : public ::testing::Test {
 protected:
  void SetUp() override { win32sim::ResetUser(); }
  void TearDown() override { win32sim::ResetUser(); }
};

TEST_F(PlaceScopeTest, TheTopLeftCornerIsFivePixelsRightOfAndBelowTheCursor) {
  EXPECT_TRUE(PlaceScope(SIZE{200, 50}, POINT{100, 200}) == (RECT{105, 205, 305, 255}));
}

TEST_F(PlaceScopeTest, NearTheBottomRightItMovesIntoTheWorkAreaOverTheCursor) {
  EXPECT_TRUE(PlaceScope(SIZE{200, 50}, POINT{1270, 970}) == (RECT{1080, 934, 1280, 984}));
}

TEST_F(PlaceScopeTest, OnASecondaryMonitorLeftOfThePrimaryItStaysOnThatMonitor) {
  ASSERT_TRUE(win32sim::SetMonitors({RECT{0, 0, 1280, 1024}, RECT{-1024, 0, 0, 768}}));
  EXPECT_TRUE(PlaceScope(SIZE{200, 50}, POINT{-1020, 3}) == (RECT{-1015, 8, -815, 58}));
  EXPECT_TRUE(PlaceScope(SIZE{200, 50}, POINT{-10, 700}) == (RECT{-200, 678, 0, 728}));
}

TEST_F(PlaceScopeTest, OffEveryMonitorThePrimaryWorkAreaHoldsIt) {
  EXPECT_TRUE(PlaceScope(SIZE{200, 50}, POINT{2000, 2000}) == (RECT{1080, 934, 1280, 984}));
}

}  // namespace
