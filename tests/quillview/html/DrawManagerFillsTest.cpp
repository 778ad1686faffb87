// CDrawManager::FillEffect: each background fill's pixels on a 32-bit memory DC.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "DrawManagerTestCanvas.h"
#include "html/DrawManager.h"

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr COLORREF kStart = RGB(200, 40, 0);
constexpr COLORREF kMid = RGB(0, 255, 0);
constexpr COLORREF kEnd = RGB(0, 100, 240);

void Fill(TestCanvas& canvas, RECT rect, int effect) {
  CDrawManager(canvas.Dc()).FillEffect(rect, effect, kStart, kMid, kEnd);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

bool AllBackground(const TestCanvas& canvas) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) != kBackground) return false;
  return true;
}

TEST(DrawManagerFills, SolidFillsTheRectExactlyWithTheStartColour) {
  TestCanvas canvas(20, 20, kBackground);
  Fill(canvas, RECT{2, 3, 12, 9}, kEffectSolid);
  EXPECT_EQ(canvas.Pixel(2, 3), kStart);
  EXPECT_EQ(canvas.Pixel(11, 8), kStart);
  EXPECT_EQ(canvas.Pixel(1, 3), kBackground);
  EXPECT_EQ(canvas.Pixel(12, 8), kBackground);
  EXPECT_EQ(canvas.Pixel(11, 9), kBackground);
  EXPECT_EQ(canvas.Pixel(2, 2), kBackground);
}

TEST(DrawManagerFills, HorizontalGradientRunsFromStartToEndMonotonically) {
  TestCanvas canvas(40, 4, kBackground);
  Fill(canvas, RECT{0, 0, 40, 4}, kEffectHGradient);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(39, 3), kEnd, 1));
  for (int x = 1; x < 40; ++x) {
    EXPECT_LE(GetRValue(canvas.Pixel(x, 0)), GetRValue(canvas.Pixel(x - 1, 0))) << x;
    EXPECT_GE(GetBValue(canvas.Pixel(x, 0)), GetBValue(canvas.Pixel(x - 1, 0))) << x;
  }
  EXPECT_EQ(canvas.Pixel(17, 0), canvas.Pixel(17, 3));
}

TEST(DrawManagerFills, VerticalGradientRunsFromStartToEndMonotonically) {
  TestCanvas canvas(4, 40, kBackground);
  Fill(canvas, RECT{0, 0, 4, 40}, kEffectVGradient);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(3, 39), kEnd, 1));
  for (int y = 1; y < 40; ++y) EXPECT_GE(GetBValue(canvas.Pixel(0, y)), GetBValue(canvas.Pixel(0, y - 1))) << y;
  EXPECT_EQ(canvas.Pixel(0, 17), canvas.Pixel(3, 17));
}

TEST(DrawManagerFills, OnePixelGradientIsTheStartColour) {
  TestCanvas canvas(4, 4, kBackground);
  Fill(canvas, RECT{1, 1, 2, 2}, kEffectHGradient);
  EXPECT_EQ(canvas.Pixel(1, 1), kStart);
}

TEST(DrawManagerFills, CentredGradientsAreSymmetricWithTheEndColourInTheMiddle) {
  TestCanvas canvas(31, 31, kBackground);
  Fill(canvas, RECT{0, 0, 31, 15}, kEffectHCGradient);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(30, 0), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(15, 0), kEnd, 1));
  for (int x = 0; x < 31; ++x) EXPECT_EQ(canvas.Pixel(x, 5), canvas.Pixel(30 - x, 5)) << x;

  Fill(canvas, RECT{0, 0, 15, 31}, kEffectVCGradient);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(0, 30), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(0, 15), kEnd, 1));
  for (int y = 0; y < 31; ++y) EXPECT_EQ(canvas.Pixel(7, y), canvas.Pixel(7, 30 - y)) << y;
}

TEST(DrawManagerFills, EvenWidthCentredGradientIsSymmetricToo) {
  TestCanvas canvas(30, 2, kBackground);
  Fill(canvas, RECT{0, 0, 30, 2}, kEffectHCGradient);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(canvas.Pixel(x, 0), canvas.Pixel(29 - x, 0)) << x;
}

TEST(DrawManagerFills, ThreeColourGradientsPassTheMidColourAtTheCentre) {
  TestCanvas canvas(21, 21, kBackground);
  Fill(canvas, RECT{0, 0, 21, 21}, kEffect3HGradient);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_EQ(canvas.Pixel(10, 0), kMid);
  EXPECT_TRUE(Near(canvas.Pixel(20, 0), kEnd, 1));

  Fill(canvas, RECT{0, 0, 21, 21}, kEffect3VGradient);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_EQ(canvas.Pixel(0, 10), kMid);
  EXPECT_TRUE(Near(canvas.Pixel(0, 20), kEnd, 1));
}

TEST(DrawManagerFills, DiagonalShadeBlendsFromTopLeftToBottomRight) {
  TestCanvas canvas(20, 10, kBackground);
  Fill(canvas, RECT{0, 0, 20, 10}, kEffectDiagShade);
  EXPECT_TRUE(Near(canvas.Pixel(0, 0), kStart, 1));
  EXPECT_TRUE(Near(canvas.Pixel(19, 9), kEnd, 1));
  EXPECT_EQ(canvas.Pixel(5, 0), canvas.Pixel(0, 5));
}

TEST(DrawManagerFills, NoiseIsReproducibleAndStaysNearTheStartColour) {
  TestCanvas first(32, 32, kBackground), second(32, 32, kBackground);
  Fill(first, RECT{0, 0, 32, 32}, kEffectNoise);
  Fill(second, RECT{0, 0, 32, 32}, kEffectNoise);
  EXPECT_EQ(first.Snapshot(), second.Snapshot());
  bool varies = false;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      EXPECT_TRUE(Near(first.Pixel(x, y), kStart, 16)) << x << "," << y;
      varies |= first.Pixel(x, y) != kStart;
    }
  }
  EXPECT_TRUE(varies);
}

TEST(DrawManagerFills, ShadesDarkenTowardTheFarEdge) {
  TestCanvas canvas(30, 30, kBackground);
  Fill(canvas, RECT{0, 0, 30, 30}, kEffectHShade);
  EXPECT_EQ(canvas.Pixel(0, 0), kStart);
  EXPECT_LT(canvas.Brightness(29, 0), canvas.Brightness(15, 0));
  EXPECT_LT(canvas.Brightness(15, 0), canvas.Brightness(0, 0));

  Fill(canvas, RECT{0, 0, 30, 30}, kEffectVShade);
  EXPECT_EQ(canvas.Pixel(0, 0), kStart);
  EXPECT_LT(canvas.Brightness(0, 29), canvas.Brightness(0, 15));
  EXPECT_LT(canvas.Brightness(0, 15), canvas.Brightness(0, 0));
}

TEST(DrawManagerFills, BumpsAreLighterTopLeftThanBottomRight) {
  for (int effect : {kEffectHBump, kEffectVBump, kEffectSoftBump, kEffectHardBump}) {
    TestCanvas canvas(30, 30, kBackground);
    Fill(canvas, RECT{0, 0, 30, 30}, effect);
    EXPECT_GT(canvas.Brightness(1, 1), canvas.Brightness(28, 28)) << effect;
    EXPECT_GT(canvas.Brightness(1, 1), canvas.Brightness(15, 15) - 1) << effect;
  }
}

TEST(DrawManagerFills, SoftBumpChangesGraduallyAndHardBumpHasARidge) {
  TestCanvas soft(40, 40, kBackground), hard(40, 40, kBackground);
  Fill(soft, RECT{0, 0, 40, 40}, kEffectSoftBump);
  Fill(hard, RECT{0, 0, 40, 40}, kEffectHardBump);
  int softStep = 0, hardStep = 0;
  for (int y = 1; y < 40; ++y) {
    softStep = std::max(softStep, std::abs(soft.Brightness(20, y) - soft.Brightness(20, y - 1)));
    hardStep = std::max(hardStep, std::abs(hard.Brightness(20, y) - hard.Brightness(20, y - 1)));
  }
  EXPECT_LT(softStep, 30);
  EXPECT_GT(hardStep, 100);
}

TEST(DrawManagerFills, MetalIsReproducibleWithStreaksAndASheen) {
  TestCanvas first(40, 40, kBackground), second(40, 40, kBackground);
  Fill(first, RECT{0, 0, 40, 40}, kEffectMetal);
  Fill(second, RECT{0, 0, 40, 40}, kEffectMetal);
  EXPECT_EQ(first.Snapshot(), second.Snapshot());
  EXPECT_GT(first.Brightness(20, 13), first.Brightness(20, 39));
  bool rowsDiffer = false;
  for (int y = 30; y < 39; ++y) rowsDiffer |= first.Pixel(20, y) != first.Pixel(20, y + 1);
  EXPECT_TRUE(rowsDiffer);
}

TEST(DrawManagerFills, TransparentAndUnknownEffectsDrawNothing) {
  TestCanvas canvas(10, 10, kBackground);
  for (int effect : {static_cast<int>(kEffectTransparent), -2, 16, 1000, INT_MIN, INT_MAX}) Fill(canvas, RECT{0, 0, 10, 10}, effect);
  EXPECT_TRUE(AllBackground(canvas));
}

TEST(DrawManagerFills, EmptyAndInvertedRectsDrawNothing) {
  TestCanvas canvas(10, 10, kBackground);
  Fill(canvas, RECT{3, 3, 3, 8}, kEffectSolid);
  Fill(canvas, RECT{3, 3, 8, 3}, kEffectSolid);
  Fill(canvas, RECT{8, 8, 2, 2}, kEffectSolid);
  Fill(canvas, RECT{20, 20, 30, 30}, kEffectSolid);
  EXPECT_TRUE(AllBackground(canvas));
}

TEST(DrawManagerFills, PartlyOutsideRectIsClippedKeepingTheWholeRectsGradient) {
  TestCanvas whole(40, 10, kBackground), clipped(20, 10, kBackground);
  Fill(whole, RECT{0, 0, 40, 10}, kEffectHGradient);
  Fill(clipped, RECT{-20, 0, 20, 10}, kEffectHGradient);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(clipped.Pixel(x, 5), whole.Pixel(x + 20, 5)) << x;
}

TEST(DrawManagerFills, ClipRegionLimitsTheFill) {
  TestCanvas canvas(20, 20, kBackground);
  IntersectClipRect(canvas.Dc(), 5, 5, 10, 10);
  Fill(canvas, RECT{0, 0, 20, 20}, kEffectSolid);
  EXPECT_EQ(canvas.Pixel(5, 5), kStart);
  EXPECT_EQ(canvas.Pixel(9, 9), kStart);
  EXPECT_EQ(canvas.Pixel(4, 5), kBackground);
  EXPECT_EQ(canvas.Pixel(10, 9), kBackground);
}

TEST(DrawManagerFills, HugeRectFillsOnlyTheVisiblePixels) {
  TestCanvas canvas(16, 16, kBackground);
  for (int effect = kEffectSolid; effect <= kEffectMetal; ++effect)
    Fill(canvas, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, effect);
  Fill(canvas, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kEffectSolid);
  EXPECT_EQ(canvas.Pixel(0, 0), kStart);
  EXPECT_EQ(canvas.Pixel(15, 15), kStart);
}

TEST(DrawManagerFills, NullDcDrawsNothing) {
  CDrawManager(nullptr).FillEffect(RECT{0, 0, 10, 10}, kEffectSolid, kStart, kMid, kEnd);
}

}  // namespace
