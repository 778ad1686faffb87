// ImageList_Create, Destroy, Add, AddMasked, ReplaceIcon, GetImageCount, GetIconSize, Draw, GetIcon, LoadImageW.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <qvwide.h>

#include <string>
#include <vector>

#include "gdi_test_support.h"
#include "image_files.h"

using gditest::Canvas;

namespace {

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kMagenta = RGB(255, 0, 255);

// Two 2x2 images side by side: red with a magenta corner, then blue.
HBITMAP strip() {
  const uint32_t pixels[8] = {0x00FF00FF, 0x00FF0000, 0x000000FF, 0x000000FF,
                              0x00FF0000, 0x00FF0000, 0x000000FF, 0x000000FF};
  return CreateBitmap(4, 2, 1, 32, pixels);
}

}  // namespace

TEST(ImageList, AddCutsAStripIntoImages) {
  HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR32, 4, 4);
  ASSERT_NE(list, nullptr);
  HBITMAP bitmap = strip();
  EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), 0);
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), 2);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
  EXPECT_EQ(cx, 2);
  EXPECT_EQ(cy, 2);
  Canvas canvas(2, 2, kGreen);
  EXPECT_TRUE(ImageList_Draw(list, 1, canvas.dc(), 0, 0, ILD_NORMAL));
  EXPECT_EQ(canvas.pixel(0, 0), RGB(0, 0, 255));
  EXPECT_TRUE(ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL));
  EXPECT_EQ(canvas.pixel(0, 0), kMagenta);  // no mask: drawn as it is
  EXPECT_FALSE(ImageList_Draw(list, 4, canvas.dc(), 0, 0, ILD_NORMAL));
  DeleteObject(bitmap);
  EXPECT_TRUE(ImageList_Destroy(list));
  EXPECT_FALSE(ImageList_Destroy(list));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
}

TEST(ImageList, AddMaskedKeysOutTheColour) {
  HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 2, 2);
  HBITMAP bitmap = strip();
  EXPECT_EQ(ImageList_AddMasked(list, bitmap, kMagenta), 0);
  Canvas canvas(2, 2, kGreen);
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.pixel(0, 0), kGreen);
  EXPECT_EQ(canvas.pixel(1, 0), RGB(255, 0, 0));
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_MASK);
  EXPECT_EQ(canvas.pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(canvas.pixel(1, 0), RGB(0, 0, 0));
  DeleteObject(bitmap);
  ImageList_Destroy(list);
}

TEST(ImageList, AddWithAMaskBitmap) {
  HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 2, 2);
  HBITMAP bitmap = strip();
  const uint8_t maskRows[4] = {0x40, 0, 0, 0};  // (1,0) transparent
  HBITMAP mask = CreateBitmap(4, 2, 1, 1, maskRows);
  EXPECT_EQ(ImageList_Add(list, bitmap, mask), 0);
  Canvas canvas(2, 2, kGreen);
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.pixel(1, 0), kGreen);
  EXPECT_EQ(canvas.pixel(1, 1), RGB(255, 0, 0));
  DeleteObject(bitmap);
  DeleteObject(mask);
  ImageList_Destroy(list);
}

TEST(ImageList, IconsGoInAndComeOut) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  EXPECT_EQ(ImageList_ReplaceIcon(list, -1, LoadIconW(nullptr, IDI_APPLICATION)), 0);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 0, LoadIconW(nullptr, IDI_APPLICATION)), 0);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 5, LoadIconW(nullptr, IDI_APPLICATION)), -1);
  EXPECT_EQ(ImageList_GetImageCount(list), 1);
  HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(icon, &info));
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 16);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  EXPECT_EQ(ImageList_GetIcon(list, 1, ILD_NORMAL), nullptr);
  ImageList_Destroy(list);
}

TEST(ImageList, LoadImageCutsABitmapFile) {
  std::vector<uint32_t> pixels = {0xFFFF00FF, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF,
                                  0xFFFF0000, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF};
  std::string path = gditest::WriteTempFile("strip.bmp", gditest::BmpFile(4, 2, pixels));
  HIMAGELIST list =
      ImageList_LoadImageW(nullptr, Utf8ToWide(path).c_str(), 2, 0, kMagenta, IMAGE_BITMAP, LR_LOADFROMFILE);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  Canvas canvas(2, 2, kGreen);
  ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.pixel(0, 0), kGreen);
  EXPECT_EQ(canvas.pixel(1, 1), RGB(255, 0, 0));
  ImageList_Destroy(list);
  EXPECT_EQ(ImageList_LoadImageW(nullptr, u"/no/such.bmp", 2, 0, CLR_NONE, IMAGE_BITMAP, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(ImageList_Create(0, 2, ILC_COLOR32, 1, 1), nullptr);
}
