// SelectObject, DeleteObject, GetStockObject, GetObjectW: Windows' ownership rules and record sizes.
#include <gtest/gtest.h>

#include "gdi_test_support.h"

TEST(SelectObject, ReturnsThePreviousObjectOfTheKind) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
  EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), brush);
  DeleteObject(pen);
  DeleteObject(brush);
  DeleteDC(dc);
}

TEST(SelectObject, StaleOrNullHandlesFail) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  DeleteObject(pen);
  EXPECT_EQ(SelectObject(dc, pen), nullptr);
  EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  DeleteDC(dc);
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
}

TEST(SelectObject, ABitmapGoesIntoOneDcAtATime) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  HGDIOBJ original = SelectObject(first, bitmap);
  EXPECT_NE(original, nullptr);
  EXPECT_EQ(SelectObject(second, bitmap), nullptr);
  EXPECT_EQ(SelectObject(first, original), bitmap);
  EXPECT_NE(SelectObject(second, bitmap), nullptr);
  SelectObject(second, original);
  DeleteObject(bitmap);
  DeleteDC(first);
  DeleteDC(second);
}

TEST(SelectObject, TheDefaultBitmapIsShared) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetCurrentObject(first, OBJ_BITMAP), GetCurrentObject(second, OBJ_BITMAP));
  DeleteDC(first);
  DeleteDC(second);
}

TEST(DeleteObject, ASelectedObjectIsNotDeleted) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
  SelectObject(dc, pen);
  HGDIOBJ original = SelectObject(dc, bitmap);
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, original);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteObject(pen));
  DeleteDC(dc);
}

TEST(DeleteObject, DeletingTheDcReleasesItsObjects) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBRUSH brush = CreateSolidBrush(0);
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
  SelectObject(dc, brush);
  SelectObject(dc, bitmap);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(DeleteObject, StockObjectsSurvive) {
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
  EXPECT_FALSE(DeleteObject(nullptr));
}

TEST(GetStockObject, GivesEachStockObject) {
  LOGBRUSH lb{};
  EXPECT_EQ(GetObjectW(GetStockObject(LTGRAY_BRUSH), sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
  EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
  GetObjectW(GetStockObject(NULL_BRUSH), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
  LOGPEN lp{};
  EXPECT_EQ(GetObjectW(GetStockObject(WHITE_PEN), sizeof lp, &lp), static_cast<int>(sizeof(LOGPEN)));
  EXPECT_EQ(lp.lopnColor, RGB(255, 255, 255));
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(GetObjectType(GetStockObject(DC_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetStockObject(-1), nullptr);
  EXPECT_EQ(GetStockObject(99), nullptr);
}

TEST(GetObjectW, RecordSizesAreWindows) {
  HPEN pen = CreatePen(PS_DASH, 0, RGB(1, 2, 3));
  LOGPEN lp{};
  EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), 16);
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
  EXPECT_EQ(lp.lopnWidth.x, 0);
  EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
  HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
  LOGBRUSH lb{};
  EXPECT_EQ(GetObjectW(brush, sizeof lb, &lb), 16);
  EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
  HBITMAP bitmap = CreateBitmap(3, 5, 1, 32, nullptr);
  BITMAP bm{};
  EXPECT_EQ(GetObjectW(bitmap, sizeof bm, &bm), 32);
  EXPECT_EQ(bm.bmWidth, 3);
  EXPECT_EQ(bm.bmHeight, 5);
  EXPECT_EQ(bm.bmWidthBytes, 12);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_EQ(bm.bmBits, nullptr);
  EXPECT_EQ(GetObjectW(bitmap, 4, &bm), 0);
  DeleteObject(pen);
  DeleteObject(brush);
  DeleteObject(bitmap);
  EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), 0);
}

TEST(GetObjectW, DibSectionGivesItsDibsection) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 5, -3, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  DIBSECTION ds{};
  EXPECT_EQ(GetObjectW(dib, sizeof ds, &ds), static_cast<int>(sizeof(DIBSECTION)));
  EXPECT_EQ(ds.dsBm.bmBits, bits);
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 16);
  EXPECT_EQ(ds.dsBm.bmHeight, 3);
  EXPECT_EQ(ds.dsBmih.biBitCount, 24);
  EXPECT_EQ(ds.dsBmih.biSizeImage, 48u);
  BITMAP bm{};
  EXPECT_EQ(GetObjectW(dib, sizeof bm, &bm), static_cast<int>(sizeof(BITMAP)));
  EXPECT_EQ(bm.bmBits, bits);
  EXPECT_EQ(GetObjectW(dib, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
  DeleteObject(dib);
}
