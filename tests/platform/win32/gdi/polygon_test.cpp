// Polyline, Polygon, PolyPolygon: pen outlines, brush interiors by the alternate rule, argument checks.
#include <gtest/gtest.h>

#include "gdi_test_support.h"

using gditest::Canvas;

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
}  // namespace

TEST(Polyline, DrawsEachSegmentLeavingOutTheLastPixel) {
  Canvas canvas(10, 10);
  POINT points[] = {{1, 1}, {6, 1}, {6, 5}};
  EXPECT_TRUE(Polyline(canvas.dc(), points, 3));
  EXPECT_EQ(canvas.pixel(1, 1), kBlack);
  EXPECT_EQ(canvas.pixel(6, 1), kBlack);
  EXPECT_EQ(canvas.pixel(6, 4), kBlack);
  EXPECT_EQ(canvas.pixel(6, 5), kWhite);
  EXPECT_EQ(canvas.countPixels(kBlack), 9);
}

TEST(Polyline, LeavesTheCurrentPositionAlone) {
  Canvas canvas(10, 10);
  MoveToEx(canvas.dc(), 2, 3, nullptr);
  POINT points[] = {{0, 0}, {5, 5}};
  Polyline(canvas.dc(), points, 2);
  POINT previous{};
  MoveToEx(canvas.dc(), 0, 0, &previous);
  EXPECT_EQ(previous.x, 2);
  EXPECT_EQ(previous.y, 3);
}

TEST(Polyline, FewerThanTwoPointsFail) {
  Canvas canvas(4, 4);
  POINT one[] = {{1, 1}};
  EXPECT_FALSE(Polyline(canvas.dc(), one, 1));
  EXPECT_FALSE(Polyline(canvas.dc(), nullptr, 2));
  EXPECT_FALSE(Polyline(nullptr, one, 1));
}

TEST(Polygon, NullPenFillsTheInteriorLeavingOutRightAndBottom) {
  Canvas canvas(12, 12);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  HBRUSH red = CreateSolidBrush(kRed);
  SelectObject(canvas.dc(), red);
  POINT square[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
  EXPECT_TRUE(Polygon(canvas.dc(), square, 4));
  EXPECT_EQ(canvas.countPixels(kRed), 25);
  EXPECT_EQ(canvas.pixel(1, 1), kRed);
  EXPECT_EQ(canvas.pixel(5, 5), kRed);
  EXPECT_EQ(canvas.pixel(6, 5), kWhite);
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(red);
}

TEST(Polygon, OutlinesWithThePenAndClosesTheShape) {
  Canvas canvas(12, 12);
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  POINT triangle[] = {{1, 1}, {8, 1}, {1, 8}};
  EXPECT_TRUE(Polygon(canvas.dc(), triangle, 3));
  EXPECT_EQ(canvas.pixel(1, 1), kBlack);
  EXPECT_EQ(canvas.pixel(1, 7), kBlack);  // the closing edge back to the first point
  EXPECT_EQ(canvas.pixel(3, 3), kWhite);  // a null brush leaves the inside
}

TEST(PolyPolygon, AnInnerRingCutsAHoleByTheAlternateRule) {
  Canvas canvas(12, 12);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
  POINT rings[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {7, 3}, {7, 7}, {3, 7}};
  INT counts[] = {4, 4};
  EXPECT_TRUE(PolyPolygon(canvas.dc(), rings, counts, 2));
  EXPECT_EQ(canvas.pixel(1, 1), kBlack);
  EXPECT_EQ(canvas.pixel(5, 5), kWhite);
  EXPECT_EQ(canvas.countPixels(kBlack), 100 - 16);
}

TEST(PolyPolygon, ARingOfOnePointFails) {
  Canvas canvas(4, 4);
  POINT points[] = {{0, 0}, {3, 0}, {3, 3}};
  INT counts[] = {2, 1};
  EXPECT_FALSE(PolyPolygon(canvas.dc(), points, counts, 2));
  EXPECT_FALSE(PolyPolygon(canvas.dc(), points, counts, 0));
}
