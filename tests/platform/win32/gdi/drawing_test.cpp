// Pens and brushes: MoveToEx, LineTo, Rectangle, FillRect, FrameRect, PatBlt, SetPixel, GetPixel, clipping.
#include <gtest/gtest.h>

#include "gdi_test_support.h"

using gditest::Canvas;

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
}  // namespace

TEST(LineTo, LeavesOutTheLastPixel) {
  Canvas canvas(10, 10);
  MoveToEx(canvas.dc(), 1, 1, nullptr);
  EXPECT_TRUE(LineTo(canvas.dc(), 6, 1));
  EXPECT_EQ(canvas.pixel(1, 1), kBlack);
  EXPECT_EQ(canvas.pixel(5, 1), kBlack);
  EXPECT_EQ(canvas.pixel(6, 1), kWhite);
  EXPECT_EQ(canvas.countPixels(kBlack), 5);
}

TEST(LineTo, OnePixelLinesAreCrisp) {
  Canvas canvas(20, 20);
  MoveToEx(canvas.dc(), 2, 3, nullptr);
  LineTo(canvas.dc(), 2, 15);
  EXPECT_EQ(canvas.countPixels(kBlack), 12);
  EXPECT_EQ(canvas.countPixels(kBlack) + canvas.countPixels(kWhite), 400);
}

TEST(LineTo, DiagonalsStepOnePixelAtATime) {
  Canvas canvas(10, 10);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 4, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(canvas.pixel(i, i), kBlack);
  EXPECT_EQ(canvas.countPixels(kBlack), 4);
}

TEST(LineTo, MovesTheCurrentPosition) {
  Canvas canvas(10, 10);
  POINT previous{};
  MoveToEx(canvas.dc(), 3, 4, &previous);
  EXPECT_EQ(previous.x, 0);
  LineTo(canvas.dc(), 7, 4);
  MoveToEx(canvas.dc(), 0, 0, &previous);
  EXPECT_EQ(previous.x, 7);
  EXPECT_EQ(previous.y, 4);
}

TEST(LineTo, DashedAndDottedPens) {
  Canvas canvas(40, 4);
  HPEN dot = CreatePen(PS_DOT, 1, kBlack);
  HGDIOBJ original = SelectObject(canvas.dc(), dot);
  SetBkMode(canvas.dc(), TRANSPARENT);
  MoveToEx(canvas.dc(), 0, 1, nullptr);
  LineTo(canvas.dc(), 12, 1);
  EXPECT_EQ(canvas.pixel(0, 1), kBlack);
  EXPECT_EQ(canvas.pixel(2, 1), kBlack);
  EXPECT_EQ(canvas.pixel(3, 1), kWhite);
  EXPECT_EQ(canvas.pixel(6, 1), kBlack);
  EXPECT_EQ(canvas.countPixels(kBlack), 6);
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), kRed);
  MoveToEx(canvas.dc(), 0, 2, nullptr);
  LineTo(canvas.dc(), 12, 2);
  EXPECT_EQ(canvas.pixel(3, 2), kRed);  // gaps take the background colour
  HPEN dash = CreatePen(PS_DASH, 1, kBlack);
  SelectObject(canvas.dc(), dash);
  SetBkMode(canvas.dc(), TRANSPARENT);
  MoveToEx(canvas.dc(), 0, 3, nullptr);
  LineTo(canvas.dc(), 40, 3);
  EXPECT_EQ(canvas.pixel(17, 3), kBlack);
  EXPECT_EQ(canvas.pixel(18, 3), kWhite);
  EXPECT_EQ(canvas.pixel(24, 3), kBlack);
  SelectObject(canvas.dc(), original);
  DeleteObject(dot);
  DeleteObject(dash);
}

TEST(LineTo, NullPenDrawsNothingAndWidePensAreWide) {
  Canvas canvas(20, 20);
  HGDIOBJ original = SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  MoveToEx(canvas.dc(), 0, 5, nullptr);
  LineTo(canvas.dc(), 10, 5);
  EXPECT_EQ(canvas.countPixels(kWhite), 400);
  HPEN wide = CreatePen(PS_SOLID, 3, kRed);
  SelectObject(canvas.dc(), wide);
  MoveToEx(canvas.dc(), 5, 10, nullptr);
  LineTo(canvas.dc(), 15, 10);
  EXPECT_EQ(canvas.pixel(10, 9), kRed);
  EXPECT_EQ(canvas.pixel(10, 10), kRed);
  EXPECT_EQ(canvas.pixel(10, 11), kRed);
  EXPECT_EQ(canvas.pixel(10, 12), kWhite);
  EXPECT_EQ(canvas.countPixels(kRed) + canvas.countPixels(kWhite), 400);  // no anti-aliasing
  SelectObject(canvas.dc(), original);
  DeleteObject(wide);
}

TEST(DcPen, DrawsInTheDcPenColour) {
  Canvas canvas(10, 10);
  SelectObject(canvas.dc(), GetStockObject(DC_PEN));
  EXPECT_EQ(SetDCPenColor(canvas.dc(), kRed), kBlack);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 3, 0);
  EXPECT_EQ(canvas.pixel(0, 0), kRed);
  SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
}

TEST(Rectangle, PenOutlineAndBrushInteriorRightBottomExclusive) {
  Canvas canvas(12, 12);
  HBRUSH red = CreateSolidBrush(kRed);
  HGDIOBJ original = SelectObject(canvas.dc(), red);
  EXPECT_TRUE(Rectangle(canvas.dc(), 2, 2, 8, 6));
  EXPECT_EQ(canvas.pixel(2, 2), kBlack);
  EXPECT_EQ(canvas.pixel(7, 2), kBlack);
  EXPECT_EQ(canvas.pixel(7, 5), kBlack);
  EXPECT_EQ(canvas.pixel(2, 5), kBlack);
  EXPECT_EQ(canvas.pixel(8, 2), kWhite);
  EXPECT_EQ(canvas.pixel(2, 6), kWhite);
  EXPECT_EQ(canvas.pixel(3, 3), kRed);
  EXPECT_EQ(canvas.pixel(6, 4), kRed);
  EXPECT_EQ(canvas.countPixels(kBlack), 16);
  EXPECT_EQ(canvas.countPixels(kRed), 8);
  SelectObject(canvas.dc(), original);
  DeleteObject(red);
}

TEST(Rectangle, WidePensCentreOnTheOutlineAndInsideFrameKeepsWithin) {
  Canvas canvas(20, 20);
  HPEN centred = CreatePen(PS_SOLID, 3, kRed);
  HGDIOBJ original = SelectObject(canvas.dc(), centred);
  Rectangle(canvas.dc(), 5, 5, 15, 15);
  EXPECT_EQ(canvas.pixel(4, 10), kRed);
  EXPECT_EQ(canvas.pixel(6, 10), kRed);
  EXPECT_EQ(canvas.pixel(7, 10), kWhite);
  EXPECT_EQ(canvas.pixel(3, 10), kWhite);
  EXPECT_EQ(canvas.pixel(15, 10), kRed);
  EXPECT_EQ(canvas.pixel(16, 10), kWhite);
  Canvas inside(20, 20);
  HPEN frame = CreatePen(PS_INSIDEFRAME, 3, kRed);
  SelectObject(inside.dc(), frame);
  Rectangle(inside.dc(), 5, 5, 15, 15);
  EXPECT_EQ(inside.inkBox().left, 5);
  EXPECT_EQ(inside.inkBox().right, 15);
  EXPECT_EQ(inside.pixel(7, 10), kRed);
  EXPECT_EQ(inside.pixel(8, 10), kWhite);
  SelectObject(canvas.dc(), original);
  SelectObject(inside.dc(), original);
  DeleteObject(centred);
  DeleteObject(frame);
}

TEST(Rectangle, ThinRectanglesAreAllOutline) {
  Canvas canvas(6, 6);
  Rectangle(canvas.dc(), 1, 1, 2, 2);
  EXPECT_EQ(canvas.pixel(1, 1), kBlack);
  EXPECT_EQ(canvas.countPixels(kBlack), 1);
  Rectangle(canvas.dc(), 3, 0, 5, 6);
  EXPECT_EQ(canvas.countPixels(kBlack), 1 + 12);
  EXPECT_TRUE(Rectangle(canvas.dc(), 4, 4, 4, 4));
  EXPECT_EQ(canvas.countPixels(kBlack), 13);
}

TEST(Rectangle, TheNullPenFillsOnePixelLess) {
  Canvas canvas(12, 12);
  HBRUSH red = CreateSolidBrush(kRed);
  SelectObject(canvas.dc(), red);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  Rectangle(canvas.dc(), 2, 2, 8, 6);
  EXPECT_EQ(canvas.countPixels(kRed), 5 * 3);
  EXPECT_EQ(canvas.pixel(6, 4), kRed);
  EXPECT_EQ(canvas.pixel(7, 5), kWhite);
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
  SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
  DeleteObject(red);
}

TEST(Rectangle, TheNullBrushLeavesTheInside) {
  Canvas canvas(12, 12, kRed);
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  Rectangle(canvas.dc(), 0, 0, 5, 5);
  EXPECT_EQ(canvas.pixel(2, 2), kRed);
  EXPECT_EQ(canvas.pixel(4, 4), kBlack);
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
}

TEST(FillRect, FillsLeftTopInclusiveRightBottomExclusive) {
  Canvas canvas(10, 10);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT rect{1, 2, 4, 5};
  EXPECT_TRUE(FillRect(canvas.dc(), &rect, red));
  EXPECT_EQ(canvas.countPixels(kRed), 9);
  EXPECT_EQ(canvas.pixel(1, 2), kRed);
  EXPECT_EQ(canvas.pixel(3, 4), kRed);
  EXPECT_EQ(canvas.pixel(4, 4), kWhite);
  EXPECT_EQ(canvas.pixel(3, 5), kWhite);
  DeleteObject(red);
  EXPECT_FALSE(FillRect(canvas.dc(), &rect, red));
}

TEST(FillRect, TakesASystemColourIndexPlusOne) {
  Canvas canvas(4, 4);
  RECT rect{0, 0, 2, 2};
  FillRect(canvas.dc(), &rect, reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_INFOBK + 1)));
  EXPECT_EQ(canvas.pixel(1, 1), RGB(255, 255, 225));
  FillRect(canvas.dc(), &rect, GetSysColorBrush(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.pixel(0, 0), RGB(172, 168, 153));
}

TEST(FrameRect, DrawsAOnePixelBorderInside) {
  Canvas canvas(10, 10);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT rect{1, 1, 5, 4};
  EXPECT_TRUE(FrameRect(canvas.dc(), &rect, red));
  EXPECT_EQ(canvas.countPixels(kRed), 10);
  EXPECT_EQ(canvas.pixel(4, 3), kRed);
  EXPECT_EQ(canvas.pixel(2, 2), kWhite);
  EXPECT_EQ(canvas.pixel(5, 1), kWhite);
  DeleteObject(red);
}

TEST(PatBlt, PaintsWithTheBrushAndInverts) {
  Canvas canvas(6, 6);
  HBRUSH red = CreateSolidBrush(kRed);
  SelectObject(canvas.dc(), red);
  EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 2, 2, PATCOPY));
  EXPECT_EQ(canvas.pixel(1, 1), kRed);
  EXPECT_EQ(canvas.pixel(2, 2), kWhite);
  EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 3, 1, DSTINVERT));
  EXPECT_EQ(canvas.pixel(0, 0), RGB(0, 255, 255));
  EXPECT_EQ(canvas.pixel(2, 0), kBlack);
  EXPECT_TRUE(PatBlt(canvas.dc(), 4, 4, 2, 2, BLACKNESS));
  EXPECT_EQ(canvas.pixel(5, 5), kBlack);
  EXPECT_TRUE(PatBlt(canvas.dc(), 4, 4, -1, -1, WHITENESS));
  EXPECT_EQ(canvas.pixel(3, 3), kWhite);
  EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 1, 1, SRCCOPY));
  SelectObject(canvas.dc(), GetStockObject(DC_BRUSH));
  SetDCBrushColor(canvas.dc(), RGB(0, 0, 255));
  PatBlt(canvas.dc(), 5, 0, 1, 1, PATCOPY);
  EXPECT_EQ(canvas.pixel(5, 0), RGB(0, 0, 255));
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(red);
}

TEST(SetPixel, ReturnsTheColourSetAndFailsOutside) {
  Canvas canvas(4, 4);
  EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), RGB(1, 2, 3));
  EXPECT_EQ(SetPixel(canvas.dc(), 4, 0, RGB(1, 2, 3)), CLR_INVALID);
  EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
}

TEST(IntersectClipRect, LimitsDrawingAndGetClipBoxReportsIt) {
  Canvas canvas(10, 10);
  RECT box{};
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 10);
  EXPECT_EQ(IntersectClipRect(canvas.dc(), 2, 2, 6, 6), SIMPLEREGION);
  EXPECT_EQ(IntersectClipRect(canvas.dc(), 4, 0, 10, 10), SIMPLEREGION);
  GetClipBox(canvas.dc(), &box);
  EXPECT_EQ(box.left, 4);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, 6);
  EXPECT_EQ(box.bottom, 6);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT all{0, 0, 10, 10};
  FillRect(canvas.dc(), &all, red);
  EXPECT_EQ(canvas.countPixels(kRed), 8);
  EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), CLR_INVALID);
  EXPECT_EQ(IntersectClipRect(canvas.dc(), 0, 0, 1, 1), NULLREGION);
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), NULLREGION);
  DeleteObject(red);
}
