// win32sim::SaveBitmapPng and win32sim::BitmapPixel (<qvgdi.h>), the stand-in's helpers around GDI.
#include <gtest/gtest.h>

#include <qvgdi.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "gdi_test_support.h"
#include "image_files.h"

TEST(SaveBitmapPng, WritesAnOpaqueRgbPngOfTheBitmapsSize) {
  gditest::Canvas canvas(3, 2, RGB(1, 2, 3));
  std::string path = gditest::WriteTempFile("out.png", {});
  ASSERT_TRUE(win32sim::SaveBitmapPng(canvas.bitmap(), path.c_str()));
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[19], 3);  // IHDR width
  EXPECT_EQ(png[23], 2);  // height
  EXPECT_EQ(png[24], 8);  // bit depth
  EXPECT_EQ(png[25], 2);  // colour type: RGB, no alpha
  EXPECT_FALSE(win32sim::SaveBitmapPng(nullptr, path.c_str()));
}

TEST(BitmapPixel, ReadsSelectedAndUnselectedBitmaps) {
  gditest::Canvas canvas(2, 2);
  SetPixel(canvas.dc(), 1, 1, RGB(9, 8, 7));
  EXPECT_EQ(win32sim::BitmapPixel(canvas.bitmap(), 1, 1), RGB(9, 8, 7));
  EXPECT_EQ(win32sim::BitmapPixel(canvas.bitmap(), 2, 0), CLR_INVALID);
  const uint32_t pixels[1] = {0x00102030};
  HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, pixels);
  EXPECT_EQ(win32sim::BitmapPixel(bitmap, 0, 0), RGB(0x10, 0x20, 0x30));
  DeleteObject(bitmap);
  EXPECT_EQ(win32sim::BitmapPixel(bitmap, 0, 0), CLR_INVALID);
}
