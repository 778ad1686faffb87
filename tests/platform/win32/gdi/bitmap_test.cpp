// CreateDIBSection, CreateBitmap, CreateCompatibleBitmap, GetDIBits, SetDIBitsToDevice.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gdi_test_support.h"

namespace {

BITMAPINFO dibInfo(int width, int height, int bits) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

}  // namespace

TEST(CreateDIBSection, TopDownBitsAreTheLivePixels) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = dibInfo(4, -3, 32);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bits, nullptr);
  auto* pixels = static_cast<uint32_t*>(bits);
  EXPECT_EQ(pixels[0], 0u);  // zeroed
  HGDIOBJ original = SelectObject(dc, dib);
  pixels[1 * 4 + 2] = 0x00112233;
  GdiFlush();
  EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0x11, 0x22, 0x33));
  SetPixel(dc, 3, 2, RGB(0xAA, 0xBB, 0xCC));
  GdiFlush();
  EXPECT_EQ(pixels[2 * 4 + 3] & 0xFFFFFF, 0x00AABBCCu);
  SelectObject(dc, original);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST(CreateDIBSection, BottomUpRowsStartAtTheBottom) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = dibInfo(2, 3, 32);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ original = SelectObject(dc, dib);
  auto* pixels = static_cast<uint32_t*>(bits);
  pixels[0] = 0x00FF0000;  // the bottom-left pixel
  EXPECT_EQ(GetPixel(dc, 0, 2), RGB(255, 0, 0));
  SetPixel(dc, 1, 0, RGB(0, 0, 255));
  EXPECT_EQ(pixels[2 * 2 + 1] & 0xFFFFFF, 0x000000FFu);
  SelectObject(dc, original);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST(CreateDIBSection, TwentyFourBitRowsArePaddedToFourBytes) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = dibInfo(3, -2, 24);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ original = SelectObject(dc, dib);
  auto* bytes = static_cast<uint8_t*>(bits);
  SetPixel(dc, 0, 1, RGB(1, 2, 3));
  EXPECT_EQ(bytes[12], 3);  // second row starts at 12 (9 bytes padded), stored B, G, R
  EXPECT_EQ(bytes[13], 2);
  EXPECT_EQ(bytes[14], 1);
  bytes[6] = 9;
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 9));
  SelectObject(dc, original);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST(CreateDIBSection, DrawingReachesTheBitsOfABottomUpSection) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = dibInfo(8, 4, 24);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ original = SelectObject(dc, dib);
  RECT top{0, 0, 8, 1};
  FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  auto* bytes = static_cast<uint8_t*>(bits);
  EXPECT_EQ(bytes[3 * 24 + 5], 255);  // the top row is the last in memory
  EXPECT_EQ(bytes[5], 0);
  bytes[0] = 200;  // the bottom-left pixel's blue, written by the caller, survives the next drawing
  SetPixel(dc, 7, 0, RGB(1, 1, 1));
  EXPECT_EQ(bytes[0], 200);
  EXPECT_EQ(GetPixel(dc, 0, 3), RGB(0, 0, 200));
  SelectObject(dc, original);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST(CreateDIBSection, RefusesWhatItCannotHold) {
  BITMAPINFO info = dibInfo(4, 4, 16);
  void* bits = reinterpret_cast<void*>(1);
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
  info = dibInfo(0, 4, 32);
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

TEST(CreateBitmap, MonochromeBitsOneIsWhite) {
  const uint8_t rows[4] = {0x80, 0x00, 0x40, 0x00};  // word-aligned rows: (0,0) white, (1,1) white
  HBITMAP mono = CreateBitmap(2, 2, 1, 1, rows);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = SelectObject(dc, mono);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(SetPixel(dc, 0, 1, RGB(200, 200, 200)), RGB(255, 255, 255));  // light colours become white
  EXPECT_EQ(SetPixel(dc, 0, 1, RGB(90, 10, 10)), RGB(0, 0, 0));
  SelectObject(dc, original);
  DeleteObject(mono);
  DeleteDC(dc);
}

TEST(CreateBitmap, ZeroSizeGivesTheOneByOneMonochromeBitmap) {
  HBITMAP bitmap = CreateBitmap(0, 5, 1, 32, nullptr);
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(CreateBitmap(2, 2, 2, 32, nullptr), nullptr);
}

TEST(CreateCompatibleBitmap, FollowsTheSelectedBitmapsFormat) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateCompatibleBitmap(dc, 4, 4);
  BITMAP bm{};
  GetObjectW(mono, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmWidthBytes, 2);
  gditest::Canvas canvas(2, 2);
  HBITMAP colour = CreateCompatibleBitmap(canvas.dc(), 4, 4);
  GetObjectW(colour, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_EQ(bm.bmWidthBytes, 16);
  DeleteObject(mono);
  DeleteObject(colour);
  DeleteDC(dc);
}

TEST(GetDIBits, FillsTheHeaderThenCopiesTheRows) {
  gditest::Canvas canvas(3, 2, RGB(0, 0, 0));
  SetPixel(canvas.dc(), 0, 0, RGB(10, 20, 30));
  HBITMAP bitmap = canvas.bitmap();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  EXPECT_NE(GetDIBits(canvas.dc(), bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.bmiHeader.biWidth, 3);
  EXPECT_EQ(info.bmiHeader.biHeight, 2);
  EXPECT_EQ(info.bmiHeader.biBitCount, 32);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);
  std::vector<uint32_t> rows(6);
  EXPECT_EQ(GetDIBits(canvas.dc(), bitmap, 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(rows[3], 0x000A141Eu);  // bottom-up: the top row comes second
  info.bmiHeader.biHeight = -2;
  EXPECT_EQ(GetDIBits(canvas.dc(), bitmap, 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(rows[0], 0x000A141Eu);
  info.bmiHeader.biBitCount = 24;
  std::vector<uint8_t> packed(24);  // rows of 9 bytes padded to 12
  EXPECT_EQ(GetDIBits(canvas.dc(), bitmap, 0, 2, packed.data(), &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(packed[0], 30);
  EXPECT_EQ(packed[2], 10);
}

TEST(SetDIBitsToDevice, DrawsABottomUpDibUpright) {
  gditest::Canvas canvas(4, 4);
  const uint32_t dib[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};  // 2x2 bottom-up: red, green / blue, white
  BITMAPINFO info = dibInfo(2, 2, 32);
  EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 1, 1, 2, 2, 0, 0, 0, 2, dib, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(canvas.pixel(1, 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas.pixel(2, 1), RGB(255, 255, 255));
  EXPECT_EQ(canvas.pixel(1, 2), RGB(255, 0, 0));
  EXPECT_EQ(canvas.pixel(2, 2), RGB(0, 255, 0));
  EXPECT_EQ(canvas.pixel(0, 0), RGB(255, 255, 255));
}

TEST(SetDIBitsToDevice, ReadsPalettedDibs) {
  gditest::Canvas canvas(8, 1);
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } info{{sizeof(BITMAPINFOHEADER), 8, 1, 1, 1, BI_RGB, 0, 0, 0, 2, 0}, {{0, 0, 255, 0}, {255, 0, 0, 0}}};
  const uint8_t bits[4] = {0xF0, 0, 0, 0};
  SetDIBitsToDevice(canvas.dc(), 0, 0, 8, 1, 0, 0, 0, 1, bits, reinterpret_cast<BITMAPINFO*>(&info),
                    DIB_RGB_COLORS);
  EXPECT_EQ(canvas.pixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(canvas.pixel(7, 0), RGB(255, 0, 0));
}
