// CreateCompatibleDC, DeleteDC, SaveDC, RestoreDC, GetDeviceCaps, GetObjectType, GetCurrentObject.
#include <gtest/gtest.h>

#include "gdi_test_support.h"

TEST(CreateCompatibleDC, MemoryDcHoldsAOneByOneMonochromeBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  BITMAP bm{};
  EXPECT_EQ(GetObjectW(bitmap, sizeof bm, &bm), static_cast<int>(sizeof(BITMAP)));
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmHeight, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_TRUE(DeleteDC(dc));
}

TEST(CreateCompatibleDC, FromAnotherDcAndFromAStaleOne) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(first);
  EXPECT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(DeleteDC(second));
  EXPECT_TRUE(DeleteDC(first));
  EXPECT_EQ(CreateCompatibleDC(first), nullptr);
  EXPECT_FALSE(DeleteDC(first));
}

TEST(CreateCompatibleDC, DefaultObjectsAreTheStockOnes) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_LEFT | TA_TOP));
  DeleteDC(dc);
}

TEST(GetDeviceCaps, TheScreenIs1280By1024At96Dpi) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1280);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 1024);
  DeleteDC(dc);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
}

TEST(GetObjectType, NamesEachKind) {
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  HBRUSH brush = CreateSolidBrush(0);
  HFONT font = CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
  EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  DeleteObject(pen);
  DeleteObject(brush);
  DeleteObject(font);
  DeleteObject(bitmap);
  EXPECT_EQ(GetObjectType(pen), 0u);
  EXPECT_EQ(GetObjectType(nullptr), 0u);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(0x12345)), 0u);
}

TEST(SaveDC, RestoreDcReturnsToTheSavedState) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  SetTextColor(dc, RGB(1, 1, 1));
  EXPECT_EQ(SaveDC(dc), 1);
  SelectObject(dc, red);
  SetTextColor(dc, RGB(2, 2, 2));
  IntersectClipRect(dc, 0, 0, 0, 0);
  EXPECT_EQ(SaveDC(dc), 2);
  SetTextColor(dc, RGB(3, 3, 3));
  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), red);
  EXPECT_TRUE(RestoreDC(dc, 1));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_FALSE(RestoreDC(dc, 1));  // that level is gone
  EXPECT_FALSE(RestoreDC(dc, -1));
  EXPECT_FALSE(RestoreDC(dc, 0));
  EXPECT_TRUE(DeleteObject(red));  // restored away, so no longer selected
  DeleteDC(dc);
}

TEST(SaveDC, RestoreDcBringsBackTheClip) {
  gditest::Canvas canvas(10, 10);
  SaveDC(canvas.dc());
  IntersectClipRect(canvas.dc(), 2, 2, 4, 4);
  RestoreDC(canvas.dc(), -1);
  RECT box{};
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 10);
  EXPECT_EQ(box.bottom, 10);
}
