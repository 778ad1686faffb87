// CDib's copies of a part of a bitmap and of an icon with its alpha.
#include <gtest/gtest.h>

#include <cstdint>

#include "html/Dib.h"

namespace {

// A 32-bit top-down DIB section of width x 1 whose pixels are 0xAARRGGBB values.
HBITMAP Row(int width, const uint32_t* argb) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  for (int i = 0; i < width; ++i) static_cast<uint32_t*>(bits)[i] = argb[i];
  GdiFlush();
  return bitmap;
}

TEST(DibSources, PartOfABitmapIsCutToTheBitmap) {
  const uint32_t pixels[4] = {0x010203, 0x040506, 0x070809, 0x0A0B0C};
  HBITMAP bitmap = Row(4, pixels);
  CDib dib;
  const RECT part{2, -5, 9, 5};
  ASSERT_TRUE(dib.CreateFromBitmap(bitmap, &part));
  EXPECT_EQ(dib.Width(), 2);
  EXPECT_EQ(dib.Height(), 1);
  EXPECT_EQ(dib.At(0, 0).rgbRed, 0x07);
  EXPECT_EQ(dib.At(1, 0).rgbBlue, 0x0C);
  EXPECT_EQ(dib.At(1, 0).rgbReserved, 255);
  DeleteObject(bitmap);
}

TEST(DibSources, PartOutsideTheBitmapGivesNothing) {
  const uint32_t pixels[2] = {0, 0};
  HBITMAP bitmap = Row(2, pixels);
  CDib dib;
  const RECT outside{2, 0, 4, 1}, empty{1, 0, 1, 1};
  EXPECT_FALSE(dib.CreateFromBitmap(bitmap, &outside));
  EXPECT_FALSE(dib.CreateFromBitmap(bitmap, &empty));
  EXPECT_FALSE(dib.IsValid());
  DeleteObject(bitmap);
}

// A 3 x 1 alpha icon: opaque red, half-transparent green, fully transparent blue.
HICON AlphaIcon() {
  const uint32_t colours[3] = {0xFFFF0000, 0x8000FF00, 0x000000FF};
  HBITMAP colour = Row(3, colours);
  const BYTE maskBits[2] = {0, 0};
  HBITMAP mask = CreateBitmap(3, 1, 1, 1, maskBits);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

TEST(DibSources, IconAlphaIsRecoveredStraight) {
  HICON icon = AlphaIcon();
  ASSERT_NE(icon, nullptr);
  CDib dib;
  ASSERT_TRUE(dib.CreateFromIcon(icon));
  EXPECT_EQ(dib.Width(), 3);
  EXPECT_EQ(dib.Height(), 1);
  EXPECT_EQ(dib.At(0, 0).rgbReserved, 255);
  EXPECT_EQ(dib.At(0, 0).rgbRed, 255);
  EXPECT_NEAR(dib.At(1, 0).rgbReserved, 128, 1);
  EXPECT_NEAR(dib.At(1, 0).rgbGreen, 255, 2);
  EXPECT_EQ(dib.At(1, 0).rgbRed, 0);
  EXPECT_EQ(dib.At(2, 0).rgbReserved, 0);
  DestroyIcon(icon);
}

TEST(DibSources, MonochromeIconKeepsItsAndMask) {
  const BYTE bits[4] = {0x40, 0, 0x80, 0};  // word rows: AND row (second pixel transparent), XOR row (first white)
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, bits);
  ICONINFO info{TRUE, 0, 0, mask, nullptr};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  ASSERT_NE(icon, nullptr);
  CDib dib;
  ASSERT_TRUE(dib.CreateFromIcon(icon));
  EXPECT_EQ(dib.Width(), 2);
  EXPECT_EQ(dib.Height(), 1);
  EXPECT_EQ(dib.At(0, 0).rgbReserved, 255);
  EXPECT_EQ(dib.At(0, 0).rgbRed, 255);
  EXPECT_EQ(dib.At(1, 0).rgbReserved, 0);
  DestroyIcon(icon);
}

TEST(DibSources, NoIconGivesNothing) {
  CDib dib;
  EXPECT_FALSE(dib.CreateFromIcon(nullptr));
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_FALSE(dib.CreateFromIcon(reinterpret_cast<HICON>(brush)));
  EXPECT_FALSE(dib.IsValid());
  DeleteObject(brush);
}

}  // namespace
