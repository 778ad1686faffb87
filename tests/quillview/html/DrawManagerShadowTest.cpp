// The drop shadow of CDrawManager's images: direction, darkness, colour, reach of the soft edge, held settings.
#include <gtest/gtest.h>

#include <climits>

#include "DrawManagerTestCanvas.h"
#include "html/DrawManager.h"

namespace {

constexpr COLORREF kBackground = RGB(200, 100, 0);
constexpr COLORREF kImage = RGB(0, 0, 255);

// A 10 x 10 image of kImage drawn at (10, 10) with the shadow letter and these settings.
void DrawWithShadow(TestCanvas& canvas, const ShadowSettings& shadow) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 10, -10, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  for (int i = 0; i < 100; ++i) static_cast<uint32_t*>(bits)[i] = 0x0000FF;
  ImageLook look;
  look.shadow = true;
  CDrawManager(canvas.Dc()).DrawBitmap(bitmap, RECT{0, 0, 10, 10}, RECT{10, 10, 20, 20}, look, shadow);
  DeleteObject(bitmap);
}

ShadowSettings Hard(SIZE offset, int darkness = 50, COLORREF colour = RGB(128, 128, 128)) {
  ShadowSettings shadow;
  shadow.gradient = false;
  shadow.offset = offset;
  shadow.darknessPercent = darkness;
  shadow.colour = colour;
  return shadow;
}

TEST(DrawManagerShadow, NegativeOffsetCastsTheShadowUpAndLeft) {
  TestCanvas canvas(40, 40, kBackground);
  DrawWithShadow(canvas, Hard(SIZE{-4, -3}));
  EXPECT_NE(canvas.Pixel(6, 7), kBackground);
  EXPECT_NE(canvas.Pixel(15, 7), kBackground);
  EXPECT_EQ(canvas.Pixel(5, 7), kBackground);
  EXPECT_EQ(canvas.Pixel(6, 6), kBackground);
  EXPECT_EQ(canvas.Pixel(20, 20), kBackground);
  EXPECT_EQ(canvas.Pixel(10, 10), kImage);
}

TEST(DrawManagerShadow, OffsetAlongOneAxisIsEnough) {
  TestCanvas canvas(40, 40, kBackground);
  DrawWithShadow(canvas, Hard(SIZE{0, 2}));
  EXPECT_NE(canvas.Pixel(15, 21), kBackground);
  EXPECT_EQ(canvas.Pixel(15, 22), kBackground);
  EXPECT_EQ(canvas.Pixel(20, 15), kBackground);
}

TEST(DrawManagerShadow, FullDarknessIsTheShadowColourAndNoneLeavesTheBackground) {
  TestCanvas full(40, 40, kBackground), none(40, 40, kBackground), beyond(40, 40, kBackground);
  DrawWithShadow(full, Hard(SIZE{4, 4}, 100, RGB(10, 20, 30)));
  DrawWithShadow(none, Hard(SIZE{4, 4}, 0, RGB(10, 20, 30)));
  DrawWithShadow(beyond, Hard(SIZE{4, 4}, 250, RGB(10, 20, 30)));
  EXPECT_EQ(full.Pixel(22, 22), RGB(10, 20, 30));
  EXPECT_EQ(none.Pixel(22, 22), kBackground);
  EXPECT_EQ(beyond.Pixel(22, 22), RGB(10, 20, 30));
}

TEST(DrawManagerShadow, DarknessBlendsTheShadowColourOverWhatIsBeneath) {
  TestCanvas canvas(40, 40, kBackground);
  DrawWithShadow(canvas, Hard(SIZE{4, 4}, 50, RGB(0, 0, 0)));
  EXPECT_EQ(canvas.Pixel(22, 22), RGB(100, 50, 0));
}

TEST(DrawManagerShadow, SoftEdgeReachesHalfTheDepthBeyondTheMovedShape) {
  TestCanvas canvas(40, 40, kBackground);
  ShadowSettings soft;  // offset 4, 4; depth 7, 7
  DrawWithShadow(canvas, soft);
  EXPECT_NE(canvas.Pixel(26, 16), kBackground);
  EXPECT_EQ(canvas.Pixel(27, 16), kBackground);
  EXPECT_NE(canvas.Pixel(16, 26), kBackground);
  EXPECT_EQ(canvas.Pixel(16, 27), kBackground);
  EXPECT_EQ(canvas.Pixel(10, 30), kBackground);
}

TEST(DrawManagerShadow, SoftShadowIsFullStrengthWellInsideItsShape) {
  TestCanvas soft(60, 60, kBackground), hard(60, 60, kBackground);
  ShadowSettings wide;
  wide.offset = SIZE{12, 12};
  wide.depth = SIZE{5, 5};
  DrawWithShadow(soft, wide);
  DrawWithShadow(hard, Hard(SIZE{12, 12}));
  EXPECT_EQ(soft.Pixel(26, 26), hard.Pixel(26, 26));
  EXPECT_GT(GetRValue(soft.Pixel(27, 22)), GetRValue(soft.Pixel(27, 27)));  // the edge row is lighter
}

TEST(DrawManagerShadow, ZeroDepthGradientShadowHasAHardEdge) {
  TestCanvas soft(40, 40, kBackground), hard(40, 40, kBackground);
  ShadowSettings flat;
  flat.depth = SIZE{0, 0};
  DrawWithShadow(soft, flat);
  DrawWithShadow(hard, Hard(SIZE{4, 4}));
  EXPECT_EQ(soft.Snapshot(), hard.Snapshot());
}

TEST(DrawManagerShadow, ExtremeSettingsAreHeldAndDrawOnlyTheImage) {
  TestCanvas canvas(40, 40, kBackground);
  ShadowSettings extreme;
  extreme.offset = SIZE{INT_MAX, INT_MIN};
  extreme.depth = SIZE{INT_MAX, -5};
  extreme.darknessPercent = INT_MIN;
  DrawWithShadow(canvas, extreme);
  extreme.darknessPercent = 50;
  DrawWithShadow(canvas, extreme);
  EXPECT_EQ(canvas.Pixel(15, 15), kImage);
  EXPECT_EQ(canvas.Pixel(25, 25), kBackground);
  EXPECT_EQ(canvas.Pixel(5, 5), kBackground);
}

TEST(DrawManagerShadow, ShadowOfAnImageOutsideTheDcStillFallsIntoIt) {
  TestCanvas canvas(40, 40, kBackground);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 1, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ImageLook look;
  look.shadow = true;
  CDrawManager(canvas.Dc()).DrawBitmap(bitmap, RECT{0, 0, 1, 1}, RECT{-10, -10, 0, 0}, look, Hard(SIZE{4, 4}));
  EXPECT_NE(canvas.Pixel(0, 0), kBackground);
  EXPECT_NE(canvas.Pixel(3, 3), kBackground);
  EXPECT_EQ(canvas.Pixel(4, 4), kBackground);
  DeleteObject(bitmap);
}

}  // namespace
