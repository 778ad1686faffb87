// CDrawManager::DrawBitmap and DrawIcon: stretching, mask colour, looks and the drop shadow on a memory DC.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "DrawManagerTestCanvas.h"
#include "html/DrawManager.h"

namespace {

constexpr COLORREF kBackground = RGB(200, 210, 220);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A 32-bit bitmap of the given colours, row by row from the top.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& colours) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i)
    pixels[i] = GetRValue(colours[i]) << 16 | GetGValue(colours[i]) << 8 | GetBValue(colours[i]);
  GdiFlush();
  return bitmap;
}

HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
  return MakeBitmap(width, height, std::vector<COLORREF>(width * height, colour));
}

ShadowSettings NoShadow() {
  ShadowSettings settings;
  settings.offset = SIZE{0, 0};
  return settings;
}

void Draw(TestCanvas& canvas, HBITMAP bitmap, RECT target, const ImageLook& look = {},
          const ShadowSettings& shadow = ShadowSettings{}) {
  RECT source{0, 0, 0, 0};
  BITMAP header{};
  GetObjectW(bitmap, sizeof(header), &header);
  source.right = header.bmWidth;
  source.bottom = header.bmHeight;
  CDrawManager(canvas.Dc()).DrawBitmap(bitmap, source, target, look, shadow);
}

COLORREF DrawOnePixel(COLORREF colour, const ImageLook& look) {
  TestCanvas canvas(4, 4, kBackground);
  HBITMAP bitmap = SolidBitmap(1, 1, colour);
  Draw(canvas, bitmap, RECT{1, 1, 2, 2}, look);
  DeleteObject(bitmap);
  return canvas.Pixel(1, 1);
}

TEST(DrawManagerImages, PlainBitmapIsCopiedIntoTheTarget) {
  TestCanvas canvas(10, 10, kBackground);
  HBITMAP bitmap = MakeBitmap(2, 2, {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)});
  Draw(canvas, bitmap, RECT{3, 4, 5, 6});
  EXPECT_EQ(canvas.Pixel(3, 4), RGB(1, 2, 3));
  EXPECT_EQ(canvas.Pixel(4, 4), RGB(4, 5, 6));
  EXPECT_EQ(canvas.Pixel(3, 5), RGB(7, 8, 9));
  EXPECT_EQ(canvas.Pixel(4, 5), RGB(10, 11, 12));
  EXPECT_EQ(canvas.Pixel(2, 4), kBackground);
  EXPECT_EQ(canvas.Pixel(5, 5), kBackground);
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, SourcePartIsStretchedIntoTheTargetSize) {
  TestCanvas canvas(10, 10, kBackground);
  HBITMAP bitmap = MakeBitmap(3, 1, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)});
  CDrawManager(canvas.Dc()).DrawBitmap(bitmap, RECT{1, 0, 3, 1}, RECT{0, 0, 4, 2}, ImageLook{}, ShadowSettings{});
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 255, 0));
  EXPECT_EQ(canvas.Pixel(2, 0), RGB(0, 0, 255));
  EXPECT_EQ(canvas.Pixel(3, 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas.Pixel(4, 0), kBackground);
  DeleteObject(bitmap);
}

// grey = (299 R + 587 G + 114 B + 500) / 1000; darker = (75 c + 50) / 100; lighter = min(255, (125 c + 50) / 100).
TEST(DrawManagerImages, GreyLookUsesTheLumaWeightsRounded) {
  ImageLook grey;
  grey.grey = true;
  EXPECT_EQ(DrawOnePixel(RGB(255, 0, 0), grey), RGB(76, 76, 76));
  EXPECT_EQ(DrawOnePixel(RGB(0, 255, 0), grey), RGB(150, 150, 150));
  EXPECT_EQ(DrawOnePixel(RGB(0, 0, 255), grey), RGB(29, 29, 29));
  EXPECT_EQ(DrawOnePixel(RGB(100, 150, 200), grey), RGB(141, 141, 141));
}

TEST(DrawManagerImages, DarkerLookTakesThreeQuartersRounded) {
  ImageLook darker;
  darker.darker = true;
  EXPECT_EQ(DrawOnePixel(RGB(255, 100, 1), darker), RGB(191, 75, 1));
  EXPECT_EQ(DrawOnePixel(RGB(2, 0, 3), darker), RGB(2, 0, 2));
}

TEST(DrawManagerImages, LighterLookTakesFiveQuartersAtMost255) {
  ImageLook lighter;
  lighter.lighter = true;
  EXPECT_EQ(DrawOnePixel(RGB(100, 205, 1), lighter), RGB(125, 255, 1));
  EXPECT_EQ(DrawOnePixel(RGB(255, 203, 3), lighter), RGB(255, 254, 4));
}

TEST(DrawManagerImages, GreyIsAppliedBeforeDarker) {
  ImageLook both;
  both.grey = true;
  both.darker = true;
  EXPECT_EQ(DrawOnePixel(RGB(100, 150, 200), both), RGB(106, 106, 106));
}

TEST(DrawManagerImages, MaskColourPixelsLeaveTheDestinationUntouched) {
  TestCanvas canvas(6, 6, kBackground);
  uint32_t before = canvas.Raw(2, 1);
  HBITMAP bitmap = MakeBitmap(2, 1, {RGB(9, 9, 9), kMagenta});
  ImageLook look;
  look.hasMask = true;
  look.mask = kMagenta;
  look.grey = true;
  Draw(canvas, bitmap, RECT{1, 1, 3, 2}, look);
  EXPECT_EQ(canvas.Pixel(1, 1), RGB(9, 9, 9));
  EXPECT_EQ(canvas.Raw(2, 1), before);
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, MaskNeedsAnExactMatch) {
  ImageLook look;
  look.hasMask = true;
  look.mask = kMagenta;
  EXPECT_EQ(DrawOnePixel(RGB(255, 1, 255), look), RGB(255, 1, 255));
}

TEST(DrawManagerImages, ShadowFallsAtTheOffsetBeyondTheImageDarkerThanTheBackground) {
  TestCanvas canvas(40, 40, kBackground);
  HBITMAP bitmap = SolidBitmap(10, 10, RGB(0, 0, 255));
  ImageLook look;
  look.shadow = true;
  Draw(canvas, bitmap, RECT{10, 10, 20, 20}, look);
  EXPECT_EQ(canvas.Pixel(15, 15), RGB(0, 0, 255));
  EXPECT_LT(canvas.Brightness(21, 16), canvas.Brightness(0, 0));
  EXPECT_LT(canvas.Brightness(16, 21), canvas.Brightness(0, 0));
  EXPECT_LT(canvas.Brightness(22, 22), canvas.Brightness(0, 0));
  EXPECT_EQ(canvas.Pixel(9, 15), kBackground);
  EXPECT_EQ(canvas.Pixel(15, 9), kBackground);
  EXPECT_EQ(canvas.Pixel(35, 35), kBackground);
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, GradientShadowFadesTowardItsEdge) {
  TestCanvas canvas(40, 40, kBackground);
  HBITMAP bitmap = SolidBitmap(10, 10, RGB(0, 0, 255));
  ImageLook look;
  look.shadow = true;
  Draw(canvas, bitmap, RECT{10, 10, 20, 20}, look);
  EXPECT_LT(canvas.Brightness(21, 16), canvas.Brightness(23, 16));
  EXPECT_LT(canvas.Brightness(23, 16), canvas.Brightness(25, 16));
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, HardShadowBlendsTheDarknessShareOfTheShadowColour) {
  TestCanvas canvas(40, 40, RGB(200, 100, 0));
  HBITMAP bitmap = SolidBitmap(10, 10, RGB(0, 0, 255));
  ImageLook look;
  look.shadow = true;
  ShadowSettings hard;
  hard.gradient = false;
  Draw(canvas, bitmap, RECT{10, 10, 20, 20}, look, hard);
  EXPECT_EQ(canvas.Pixel(21, 16), RGB(164, 114, 64));  // half of (128, 128, 128) over (200, 100, 0)
  EXPECT_EQ(canvas.Pixel(23, 23), RGB(164, 114, 64));
  EXPECT_EQ(canvas.Pixel(24, 16), RGB(200, 100, 0));
  EXPECT_EQ(canvas.Pixel(21, 13), RGB(200, 100, 0));
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, ShadowFollowsTheMaskedShape) {
  TestCanvas canvas(40, 40, kBackground);
  HBITMAP bitmap = MakeBitmap(2, 1, {RGB(0, 0, 0), kMagenta});
  ImageLook look;
  look.shadow = true;
  look.hasMask = true;
  look.mask = kMagenta;
  ShadowSettings hard;
  hard.gradient = false;
  hard.offset = SIZE{1, 1};
  Draw(canvas, bitmap, RECT{10, 10, 30, 20}, look, hard);
  EXPECT_NE(canvas.Pixel(15, 20), kBackground);
  EXPECT_EQ(canvas.Pixel(25, 20), kBackground);
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, ZeroOffsetOrNoShadowLetterMeansNoShadow) {
  HBITMAP bitmap = SolidBitmap(10, 10, RGB(0, 0, 255));
  ImageLook withShadow;
  withShadow.shadow = true;
  TestCanvas zeroOffset(40, 40, kBackground), noLetter(40, 40, kBackground);
  Draw(zeroOffset, bitmap, RECT{10, 10, 20, 20}, withShadow, NoShadow());
  Draw(noLetter, bitmap, RECT{10, 10, 20, 20}, ImageLook{}, ShadowSettings{});
  for (TestCanvas* canvas : {&zeroOffset, &noLetter}) {
    EXPECT_EQ(canvas->Pixel(21, 16), kBackground);
    EXPECT_EQ(canvas->Pixel(22, 22), kBackground);
    EXPECT_EQ(canvas->Pixel(9, 9), kBackground);
  }
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, PartlyOutsideTargetIsClipped) {
  TestCanvas canvas(10, 10, kBackground);
  HBITMAP bitmap = MakeBitmap(2, 1, {RGB(255, 0, 0), RGB(0, 255, 0)});
  ImageLook look;
  look.shadow = true;
  Draw(canvas, bitmap, RECT{-10, 0, 10, 5}, look);
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(canvas.Pixel(9, 4), RGB(0, 255, 0));
  EXPECT_NE(canvas.Pixel(3, 7), kBackground);  // the shadow below the visible part
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, HugeTargetOnlyTouchesTheVisiblePixels) {
  TestCanvas canvas(8, 8, kBackground);
  HBITMAP bitmap = SolidBitmap(1, 1, RGB(1, 2, 3));
  ImageLook look;
  look.shadow = true;
  Draw(canvas, bitmap, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, look);
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(canvas.Pixel(7, 7), RGB(1, 2, 3));
  DeleteObject(bitmap);
}

TEST(DrawManagerImages, BadInputDrawsNothing) {
  TestCanvas canvas(10, 10, kBackground);
  std::vector<uint32_t> before = canvas.Snapshot();
  HBITMAP bitmap = SolidBitmap(4, 4, RGB(1, 2, 3));
  CDrawManager drawer(canvas.Dc());
  drawer.DrawBitmap(nullptr, RECT{0, 0, 4, 4}, RECT{0, 0, 4, 4}, ImageLook{}, ShadowSettings{});
  drawer.DrawBitmap(bitmap, RECT{0, 0, 0, 4}, RECT{0, 0, 4, 4}, ImageLook{}, ShadowSettings{});
  drawer.DrawBitmap(bitmap, RECT{4, 4, 0, 0}, RECT{0, 0, 4, 4}, ImageLook{}, ShadowSettings{});
  drawer.DrawBitmap(bitmap, RECT{10, 10, 20, 20}, RECT{0, 0, 4, 4}, ImageLook{}, ShadowSettings{});
  drawer.DrawBitmap(bitmap, RECT{0, 0, 4, 4}, RECT{0, 0, 4, -4}, ImageLook{}, ShadowSettings{});
  drawer.DrawBitmap(bitmap, RECT{0, 0, 4, 4}, RECT{2, 2, 2, 2}, ImageLook{}, ShadowSettings{});
  drawer.DrawIcon(nullptr, RECT{0, 0, 4, 4}, ImageLook{}, ShadowSettings{});
  EXPECT_EQ(canvas.Snapshot(), before);
  CDrawManager(nullptr).DrawBitmap(bitmap, RECT{0, 0, 4, 4}, RECT{0, 0, 4, 4}, ImageLook{}, ShadowSettings{});
  DeleteObject(bitmap);
}

// A 4 x 4 icon, red on its left half, its right half transparent by the monochrome mask.
HICON HalfRedIcon() {
  const BYTE maskBits[8] = {0x30, 0, 0x30, 0, 0x30, 0, 0x30, 0};  // word-aligned rows, 1 = transparent
  HBITMAP mask = CreateBitmap(4, 4, 1, 1, maskBits);
  std::vector<COLORREF> colours;
  for (int i = 0; i < 16; ++i) colours.push_back(i % 4 < 2 ? RGB(255, 0, 0) : RGB(0, 0, 0));
  HBITMAP colour = MakeBitmap(4, 4, colours);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

TEST(DrawManagerImages, IconKeepsItsMask) {
  TestCanvas canvas(10, 10, kBackground);
  HICON icon = HalfRedIcon();
  ASSERT_NE(icon, nullptr);
  CDrawManager(canvas.Dc()).DrawIcon(icon, RECT{2, 2, 6, 6}, ImageLook{}, NoShadow());
  EXPECT_EQ(canvas.Pixel(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(3, 5), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(4, 2), kBackground);
  EXPECT_EQ(canvas.Pixel(5, 5), kBackground);
  DestroyIcon(icon);
}

TEST(DrawManagerImages, IconIsStretchedWithTheLookAndItsShadow) {
  TestCanvas canvas(20, 20, kBackground);
  HICON icon = HalfRedIcon();
  ImageLook look;
  look.grey = true;
  look.shadow = true;
  ShadowSettings hard;
  hard.gradient = false;
  hard.offset = SIZE{1, 1};
  CDrawManager(canvas.Dc()).DrawIcon(icon, RECT{0, 0, 8, 8}, look, hard);
  EXPECT_EQ(canvas.Pixel(3, 3), RGB(76, 76, 76));
  EXPECT_NE(canvas.Pixel(4, 4), kBackground);  // the shadow of the red half, one pixel along
  EXPECT_EQ(canvas.Pixel(6, 3), kBackground);
  EXPECT_EQ(canvas.Pixel(10, 10), kBackground);
  DestroyIcon(icon);
}

}  // namespace
