// CDib: creation, copies of bitmaps, transfers to and from a DC and alpha drawing.
#include <gtest/gtest.h>

#include "DrawManagerTestCanvas.h"
#include "html/Dib.h"

namespace {

TEST(Dib, CreateMakesTransparentBlackPixels) {
  CDib dib;
  ASSERT_TRUE(dib.Create(3, 2));
  EXPECT_TRUE(dib.IsValid());
  EXPECT_EQ(dib.Width(), 3);
  EXPECT_EQ(dib.Height(), 2);
  EXPECT_EQ(dib.At(2, 1).rgbRed, 0);
  EXPECT_EQ(dib.At(2, 1).rgbReserved, 0);
  EXPECT_EQ(&dib.At(1, 1), dib.Pixels() + 4);
}

TEST(Dib, CreateRefusesEmptySizes) {
  CDib dib;
  EXPECT_FALSE(dib.Create(0, 5));
  EXPECT_FALSE(dib.Create(5, -1));
  EXPECT_FALSE(dib.IsValid());
  EXPECT_EQ(dib.Width(), 0);
}

TEST(Dib, CreateFromBitmapCopiesThePixelsOpaque) {
  const BYTE bits[8] = {0x30, 0x20, 0x10, 0, 0, 0, 0xFF, 0};  // 32-bit pixels: blue, green, red, unused
  HBITMAP bitmap = CreateBitmap(2, 1, 1, 32, bits);
  CDib dib;
  ASSERT_TRUE(dib.CreateFromBitmap(bitmap));
  EXPECT_EQ(dib.Width(), 2);
  EXPECT_EQ(dib.At(0, 0).rgbBlue, 0x30);
  EXPECT_EQ(dib.At(0, 0).rgbGreen, 0x20);
  EXPECT_EQ(dib.At(0, 0).rgbRed, 0x10);
  EXPECT_EQ(dib.At(1, 0).rgbRed, 0xFF);
  EXPECT_EQ(dib.At(1, 0).rgbReserved, 255);
  DeleteObject(bitmap);
}

TEST(Dib, CreateFromBitmapRefusesANonBitmap) {
  CDib dib;
  EXPECT_FALSE(dib.CreateFromBitmap(nullptr));
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_FALSE(dib.CreateFromBitmap(reinterpret_cast<HBITMAP>(brush)));
  EXPECT_FALSE(dib.IsValid());
  DeleteObject(brush);
}

TEST(Dib, CopyFromAndCopyToMoveRawPixels) {
  TestCanvas canvas(6, 6, RGB(10, 20, 30));
  CDib dib;
  ASSERT_TRUE(dib.Create(2, 2));
  ASSERT_TRUE(dib.CopyFrom(canvas.Dc(), 4, 4));
  EXPECT_EQ(dib.At(1, 1).rgbRed, 10);
  EXPECT_EQ(dib.At(1, 1).rgbBlue, 30);
  dib.At(0, 0) = RGBQUAD{3, 2, 1, 0};
  ASSERT_TRUE(dib.CopyTo(canvas.Dc(), 1, 1));
  EXPECT_EQ(canvas.Pixel(1, 1), RGB(1, 2, 3));
  EXPECT_EQ(canvas.Pixel(2, 2), RGB(10, 20, 30));
  EXPECT_EQ(canvas.Pixel(3, 3), RGB(10, 20, 30));
}

TEST(Dib, DrawBlendsByStraightAlpha) {
  TestCanvas canvas(4, 1, RGB(0, 0, 0));
  CDib dib;
  ASSERT_TRUE(dib.Create(3, 1));
  dib.At(0, 0) = RGBQUAD{0, 0, 200, 255};
  dib.At(1, 0) = RGBQUAD{0, 0, 200, 128};
  dib.At(2, 0) = RGBQUAD{0, 0, 200, 0};
  dib.Draw(canvas.Dc(), 1, 0);
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.Pixel(1, 0), RGB(200, 0, 0));
  EXPECT_NEAR(GetRValue(canvas.Pixel(2, 0)), 100, 1);
  EXPECT_EQ(canvas.Pixel(3, 0), RGB(0, 0, 0));
}

TEST(Dib, TransfersWithoutBitmapOrDcFail) {
  CDib empty, dib;
  EXPECT_FALSE(empty.CopyFrom(nullptr, 0, 0));
  ASSERT_TRUE(dib.Create(1, 1));
  EXPECT_FALSE(dib.CopyFrom(nullptr, 0, 0));
  EXPECT_FALSE(dib.CopyTo(nullptr, 0, 0));
  dib.Draw(nullptr, 0, 0);
  empty.Draw(nullptr, 0, 0);
}

}  // namespace
