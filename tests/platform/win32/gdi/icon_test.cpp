// CreateIconIndirect, GetIconInfo, CopyIcon, DrawIconEx, DrawIcon, DestroyIcon, LoadCursorW/LoadIconW (system).
#include <gtest/gtest.h>

#include <vector>

#include "gdi_test_support.h"

using gditest::Canvas;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// 2x2: mask row 0 opaque, row 1 transparent; colour red / (black, blue).
HICON maskedIcon() {
  const uint8_t maskRows[4] = {0x00, 0, 0xC0, 0};
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, maskRows);
  const uint32_t colours[4] = {0x00FF0000, 0x00FF0000, 0x00000000, 0x000000FF};
  HBITMAP color = CreateBitmap(2, 2, 1, 32, colours);
  ICONINFO info{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(color);
  return icon;
}

}  // namespace

TEST(CreateIconIndirect, MaskThenXorAsWindowsDrawsThem) {
  HICON icon = maskedIcon();
  ASSERT_NE(icon, nullptr);
  Canvas canvas(4, 4, RGB(0, 255, 0));
  EXPECT_TRUE(DrawIconEx(canvas.dc(), 1, 1, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.pixel(1, 1), kRed);
  EXPECT_EQ(canvas.pixel(2, 1), kRed);
  EXPECT_EQ(canvas.pixel(1, 2), RGB(0, 255, 0));  // transparent: the screen stays
  EXPECT_EQ(canvas.pixel(2, 2), RGB(0, 255, 255));  // transparent with colour: the screen XOR the colour
  EXPECT_EQ(canvas.pixel(3, 3), RGB(0, 255, 0));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
}

TEST(CreateIconIndirect, NeedsAMask) {
  ICONINFO info{TRUE, 0, 0, nullptr, nullptr};
  EXPECT_EQ(CreateIconIndirect(&info), nullptr);
  EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
}

TEST(CreateIconIndirect, AlphaIconsBlend) {
  const uint32_t pixels[1] = {0x80FF0000};  // red at half alpha, straight
  HBITMAP color = CreateBitmap(1, 1, 1, 32, pixels);
  HBITMAP mask = CreateBitmap(1, 1, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  Canvas canvas(1, 1, kBlue);
  DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.pixel(0, 0), RGB(128, 0, 127));
  DeleteObject(color);
  DeleteObject(mask);
  DestroyIcon(icon);
}

TEST(GetIconInfo, GivesNewBitmapsAndTheHotSpot) {
  HICON icon = maskedIcon();
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 1u);  // an icon's hot spot is its centre
  BITMAP bm{};
  GetObjectW(info.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmWidth, 2);
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_TRUE(DeleteObject(info.hbmMask));
  EXPECT_TRUE(DeleteObject(info.hbmColor));
  DestroyIcon(icon);
  EXPECT_FALSE(GetIconInfo(icon, &info));
}

TEST(CreateIconIndirect, CursorsKeepTheirHotSpot) {
  HBITMAP mask = CreateBitmap(4, 8, 1, 1, nullptr);  // no colour: AND mask above the XOR image
  ICONINFO info{FALSE, 3, 2, mask, nullptr};
  HCURSOR cursor = CreateIconIndirect(&info);
  ICONINFO out{};
  GetIconInfo(cursor, &out);
  EXPECT_FALSE(out.fIcon);
  EXPECT_EQ(out.xHotspot, 3u);
  EXPECT_EQ(out.yHotspot, 2u);
  BITMAP bm{};
  GetObjectW(out.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmHeight, 4);
  DeleteObject(out.hbmMask);
  DeleteObject(out.hbmColor);
  DeleteObject(mask);
  DestroyCursor(cursor);
}

TEST(CopyIcon, IsAnIndependentCopy) {
  HICON icon = maskedIcon();
  HICON copy = CopyIcon(icon);
  EXPECT_NE(copy, icon);
  DestroyIcon(icon);
  Canvas canvas(2, 2, kWhite);
  EXPECT_TRUE(DrawIconEx(canvas.dc(), 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.pixel(0, 0), kRed);
  DestroyIcon(copy);
}

TEST(DrawIconEx, StretchesMaskOnlyAndFlickerFreeBrush) {
  HICON icon = maskedIcon();
  Canvas canvas(4, 4, kWhite);
  DrawIconEx(canvas.dc(), 0, 0, icon, 4, 4, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.pixel(1, 1), kRed);
  EXPECT_EQ(canvas.pixel(3, 3), RGB(255, 255, 0));
  DrawIconEx(canvas.dc(), 0, 0, icon, 2, 2, 0, nullptr, DI_MASK);
  EXPECT_EQ(canvas.pixel(0, 0), kBlack);
  EXPECT_EQ(canvas.pixel(0, 1), kWhite);
  HBRUSH blue = CreateSolidBrush(kBlue);
  DrawIconEx(canvas.dc(), 2, 0, icon, 2, 2, 0, blue, DI_NORMAL);
  EXPECT_EQ(canvas.pixel(2, 1), kBlue);
  DeleteObject(blue);
  DestroyIcon(icon);
}

TEST(LoadCursorW, SystemCursorsAreSharedAndDrawable) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  ASSERT_NE(arrow, nullptr);
  ASSERT_NE(hand, nullptr);
  EXPECT_NE(arrow, hand);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.yHotspot, 0u);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  Canvas canvas(32, 32, RGB(0, 255, 0));
  EXPECT_TRUE(DrawIcon(canvas.dc(), 0, 0, arrow));
  EXPECT_EQ(canvas.pixel(0, 0), kBlack);  // the tip is the hot spot
  EXPECT_EQ(canvas.pixel(1, 2), kWhite);
  EXPECT_EQ(canvas.pixel(31, 31), RGB(0, 255, 0));
  EXPECT_TRUE(DestroyCursor(arrow));  // shared: stays
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
  EXPECT_TRUE(DrawIcon(canvas.dc(), 0, 0, arrow));
  EXPECT_NE(LoadCursorW(nullptr, IDC_IBEAM), nullptr);
  EXPECT_NE(LoadCursorW(nullptr, IDC_WAIT), nullptr);
  EXPECT_NE(LoadCursorW(nullptr, IDC_CROSS), nullptr);
  EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
}

TEST(LoadIconW, TheApplicationIcon) {
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  GetIconInfo(icon, &info);
  EXPECT_TRUE(info.fIcon);
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 32);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
}
