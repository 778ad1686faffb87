// The fill formulas' particulars: rounding, the axis each effect follows, position-only patterns, the fourth byte.
#include <gtest/gtest.h>

#include "DrawManagerTestCanvas.h"
#include "html/DrawManager.h"

namespace {

constexpr COLORREF kBackground = RGB(1, 2, 3);
constexpr COLORREF kStart = RGB(120, 160, 200);

void Fill(TestCanvas& canvas, RECT rect, int effect, COLORREF start = kStart, COLORREF mid = RGB(0, 0, 0),
          COLORREF end = RGB(255, 255, 255)) {
  CDrawManager(canvas.Dc()).FillEffect(rect, effect, start, mid, end);
}

TEST(DrawManagerEffects, GradientStepsRoundHalfUp) {
  TestCanvas canvas(3, 1, kBackground);
  Fill(canvas, RECT{0, 0, 3, 1}, kEffectHGradient, RGB(0, 0, 255), 0, RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(1, 0), RGB(128, 0, 128));
}

TEST(DrawManagerEffects, EvenThreeColourGradientStraddlesTheMidColour) {
  TestCanvas canvas(4, 1, kBackground);
  Fill(canvas, RECT{0, 0, 4, 1}, kEffect3HGradient, RGB(0, 0, 0), RGB(90, 90, 90), RGB(0, 0, 0));
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.Pixel(1, 0), RGB(60, 60, 60));
  EXPECT_EQ(canvas.Pixel(2, 0), RGB(60, 60, 60));
  EXPECT_EQ(canvas.Pixel(3, 0), RGB(0, 0, 0));
}

TEST(DrawManagerEffects, HorizontalFormsFollowXAndVerticalFormsFollowY) {
  for (int effect : {kEffectHGradient, kEffectHCGradient, kEffect3HGradient, kEffectHShade, kEffectHBump}) {
    TestCanvas canvas(20, 20, kBackground);
    Fill(canvas, RECT{0, 0, 20, 20}, effect);
    EXPECT_EQ(canvas.Pixel(3, 0), canvas.Pixel(3, 19)) << effect;
    EXPECT_NE(canvas.Pixel(3, 0), canvas.Pixel(10, 0)) << effect;
  }
  for (int effect : {kEffectVGradient, kEffectVCGradient, kEffect3VGradient, kEffectVShade, kEffectVBump}) {
    TestCanvas canvas(20, 20, kBackground);
    Fill(canvas, RECT{0, 0, 20, 20}, effect);
    EXPECT_EQ(canvas.Pixel(0, 3), canvas.Pixel(19, 3)) << effect;
    EXPECT_NE(canvas.Pixel(0, 3), canvas.Pixel(0, 10)) << effect;
  }
}

TEST(DrawManagerEffects, BumpsAreLitAtTheNearEdgeAndTheStartColourHalfWay) {
  TestCanvas canvas(21, 21, kBackground);
  Fill(canvas, RECT{0, 0, 21, 21}, kEffectHBump);
  EXPECT_GT(canvas.Brightness(0, 5), 3 * 180);
  EXPECT_EQ(canvas.Pixel(10, 5), kStart);
  EXPECT_LT(canvas.Brightness(20, 5), 3 * 120);
  Fill(canvas, RECT{0, 0, 21, 21}, kEffectSoftBump);
  EXPECT_EQ(canvas.Pixel(10, 10), kStart);
  EXPECT_EQ(canvas.Pixel(20, 0), kStart);  // lit from one side as much as shaded from the other
}

TEST(DrawManagerEffects, HardBumpFacesAreFlat) {
  TestCanvas canvas(40, 40, kBackground);
  Fill(canvas, RECT{0, 0, 40, 40}, kEffectHardBump);
  EXPECT_EQ(canvas.Pixel(20, 1), canvas.Pixel(20, 15));
  EXPECT_EQ(canvas.Pixel(20, 38), canvas.Pixel(20, 25));
  EXPECT_GT(canvas.Brightness(1, 20), canvas.Brightness(38, 20));
}

TEST(DrawManagerEffects, PatternsBelongToTheFillNotToTheClip) {
  for (int effect : {kEffectNoise, kEffectMetal, kEffectDiagShade, kEffectSoftBump}) {
    TestCanvas whole(30, 30, kBackground), clipped(30, 30, kBackground);
    Fill(whole, RECT{0, 0, 30, 30}, effect);
    IntersectClipRect(clipped.Dc(), 7, 9, 20, 25);
    Fill(clipped, RECT{0, 0, 30, 30}, effect);
    for (int y = 9; y < 25; ++y)
      for (int x = 7; x < 20; ++x) ASSERT_EQ(clipped.Pixel(x, y), whole.Pixel(x, y)) << effect << " " << x << "," << y;
    EXPECT_EQ(clipped.Pixel(6, 9), kBackground);
  }
}

TEST(DrawManagerEffects, NoiseMovesTheThreeChannelsTogether) {
  TestCanvas canvas(16, 16, kBackground);
  Fill(canvas, RECT{0, 0, 16, 16}, kEffectNoise);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF c = canvas.Pixel(x, y);
      EXPECT_EQ(GetGValue(c) - GetRValue(c), 40);
      EXPECT_EQ(GetBValue(c) - GetGValue(c), 40);
    }
  }
}

TEST(DrawManagerEffects, FillsLeaveTheFourthByteZeroAsGdiDoes) {
  TestCanvas canvas(4, 4, kBackground);
  Fill(canvas, RECT{0, 0, 4, 4}, kEffectSolid);
  EXPECT_EQ(canvas.Raw(2, 2), 0x0078A0C8u);
}

}  // namespace
