// BitBlt, StretchBlt, SetStretchBltMode, TransparentBlt, AlphaBlend.
#include <gtest/gtest.h>

#include "gdi_test_support.h"

using gditest::Canvas;

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
}  // namespace

TEST(BitBlt, CopiesARectangle) {
  Canvas source(4, 4, kRed);
  SetPixel(source.dc(), 1, 1, kBlue);
  Canvas target(8, 8);
  EXPECT_TRUE(BitBlt(target.dc(), 2, 3, 3, 2, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(target.pixel(2, 3), kRed);
  EXPECT_EQ(target.pixel(3, 4), kBlue);
  EXPECT_EQ(target.pixel(5, 3), kWhite);
  EXPECT_EQ(target.pixel(2, 5), kWhite);
  EXPECT_EQ(target.countPixels(kRed), 5);
}

TEST(BitBlt, CombinesWithTheRasterOperations) {
  Canvas source(1, 1, RGB(0x0F, 0xF0, 0x33));
  Canvas target(1, 1, RGB(0x55, 0x55, 0xFF));
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCAND);
  EXPECT_EQ(target.pixel(0, 0), RGB(0x05, 0x50, 0x33));
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCPAINT);
  EXPECT_EQ(target.pixel(0, 0), RGB(0x0F, 0xF0, 0x33));
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCINVERT);
  EXPECT_EQ(target.pixel(0, 0), RGB(0, 0, 0));
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, NOTSRCCOPY);
  EXPECT_EQ(target.pixel(0, 0), RGB(0xF0, 0x0F, 0xCC));
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCERASE);  // source AND NOT destination
  EXPECT_EQ(target.pixel(0, 0), RGB(0x0F, 0xF0, 0x33));
  BitBlt(target.dc(), 0, 0, 1, 1, nullptr, 0, 0, DSTINVERT);
  EXPECT_EQ(target.pixel(0, 0), RGB(0xF0, 0x0F, 0xCC));
  HBRUSH brush = CreateSolidBrush(RGB(0xFF, 0x00, 0x0F));
  SelectObject(target.dc(), brush);
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, MERGECOPY);  // source AND pattern
  EXPECT_EQ(target.pixel(0, 0), RGB(0x0F, 0x00, 0x03));
  BitBlt(target.dc(), 0, 0, 1, 1, nullptr, 0, 0, PATINVERT);
  EXPECT_EQ(target.pixel(0, 0), RGB(0xF0, 0x00, 0x0C));
  SelectObject(target.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
  EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(BitBlt, OverlappingCopyWithinOneDc) {
  Canvas canvas(4, 1);
  SetPixel(canvas.dc(), 0, 0, kRed);
  SetPixel(canvas.dc(), 1, 0, kBlue);
  BitBlt(canvas.dc(), 1, 0, 3, 1, canvas.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.pixel(1, 0), kRed);
  EXPECT_EQ(canvas.pixel(2, 0), kBlue);
}

TEST(BitBlt, MonochromeSourceTakesTheTargetsTextAndBackgroundColours) {
  const uint8_t rows[2] = {0x80, 0};  // white, black
  HBITMAP mono = CreateBitmap(2, 1, 1, 1, rows);
  HDC monoDc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = SelectObject(monoDc, mono);
  Canvas target(2, 1);
  SetTextColor(target.dc(), kRed);
  SetBkColor(target.dc(), kBlue);
  BitBlt(target.dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY);
  EXPECT_EQ(target.pixel(0, 0), kBlue);
  EXPECT_EQ(target.pixel(1, 0), kRed);
  SelectObject(monoDc, original);
  DeleteObject(mono);
  DeleteDC(monoDc);
}

TEST(BitBlt, IntoMonochromeTheSourceBackgroundIsWhite) {
  Canvas source(2, 1, kRed);
  SetPixel(source.dc(), 1, 0, kBlue);
  SetBkColor(source.dc(), kRed);
  HDC monoDc = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateCompatibleBitmap(monoDc, 2, 1);
  HGDIOBJ original = SelectObject(monoDc, mono);
  BitBlt(monoDc, 0, 0, 2, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(monoDc, 0, 0), kWhite);
  EXPECT_EQ(GetPixel(monoDc, 1, 0), kBlack);
  SelectObject(monoDc, original);
  DeleteObject(mono);
  DeleteDC(monoDc);
}

TEST(StretchBlt, DoublesAndHalves) {
  Canvas source(2, 2, kRed);
  SetPixel(source.dc(), 1, 1, kBlue);
  Canvas target(4, 4);
  EXPECT_TRUE(StretchBlt(target.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(target.countPixels(kBlue), 4);
  EXPECT_EQ(target.pixel(2, 2), kBlue);
  EXPECT_EQ(target.pixel(3, 3), kBlue);
  EXPECT_EQ(target.pixel(1, 1), kRed);
  Canvas small(1, 1);
  StretchBlt(small.dc(), 0, 0, 1, 1, target.dc(), 2, 2, 2, 2, SRCCOPY);
  EXPECT_EQ(small.pixel(0, 0), kBlue);
}

TEST(StretchBlt, OppositeSignsMirror) {
  Canvas source(3, 1);
  SetPixel(source.dc(), 0, 0, kRed);
  Canvas target(3, 1);
  StretchBlt(target.dc(), 3, 0, -3, 1, source.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(target.pixel(2, 0), kRed);
  EXPECT_EQ(target.pixel(0, 0), kWhite);
}

TEST(StretchBlt, HalftoneAveragesWhenShrinking) {
  Canvas source(2, 1, kBlack);
  SetPixel(source.dc(), 1, 0, kWhite);
  Canvas target(1, 1);
  EXPECT_EQ(SetStretchBltMode(target.dc(), HALFTONE), BLACKONWHITE);
  StretchBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(target.pixel(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(SetStretchBltMode(target.dc(), COLORONCOLOR), HALFTONE);
  EXPECT_EQ(SetStretchBltMode(target.dc(), 0), 0);
}

TEST(TransparentBlt, SkipsTheTransparentColour) {
  Canvas source(2, 1, kRed);
  SetPixel(source.dc(), 1, 0, RGB(255, 0, 255));
  Canvas target(4, 1, kBlue);
  EXPECT_TRUE(TransparentBlt(target.dc(), 0, 0, 4, 1, source.dc(), 0, 0, 2, 1, RGB(255, 0, 255)));
  EXPECT_EQ(target.pixel(0, 0), kRed);
  EXPECT_EQ(target.pixel(1, 0), kRed);
  EXPECT_EQ(target.pixel(2, 0), kBlue);
  EXPECT_EQ(target.pixel(3, 0), kBlue);
  EXPECT_FALSE(TransparentBlt(target.dc(), 0, 0, -1, 1, source.dc(), 0, 0, 2, 1, 0));
}

TEST(AlphaBlend, PremultipliedSourceOver) {
  Canvas source(2, 1);
  source.bits()[0] = 0x80800000;  // red at half alpha, premultiplied
  source.bits()[1] = 0x00000000;  // fully transparent
  Canvas target(2, 1, kBlue);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  EXPECT_TRUE(AlphaBlend(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 2, 1, blend));
  EXPECT_EQ(target.pixel(0, 0), RGB(128, 0, 127));
  EXPECT_EQ(target.pixel(1, 0), kBlue);
}

TEST(AlphaBlend, ConstantAlphaAlone) {
  Canvas source(1, 1, kRed);
  Canvas target(1, 1, kBlue);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 51, 0};
  EXPECT_TRUE(AlphaBlend(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 1, 1, blend));
  EXPECT_EQ(target.pixel(0, 0), RGB(51, 0, 204));
  EXPECT_FALSE(AlphaBlend(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 1, blend));  // beyond the source
}
