// ExtTextOutW with a font's escapement: the baseline turns counter-clockwise about the reference point.
#include <gtest/gtest.h>

#include "gdi_test_support.h"

using gditest::Canvas;

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

HFONT rotatedArial(int height, int tenthsOfDegrees) {
  return CreateFontW(height, 0, tenthsOfDegrees, tenthsOfDegrees, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                     0, 0, u"Arial");
}

// The ink of a string drawn at (x, y), baseline-aligned, with the given escapement.
RECT inkOf(int tenthsOfDegrees, int x, int y, UINT align = TA_LEFT | TA_BASELINE) {
  Canvas canvas(200, 200);
  HFONT font = rotatedArial(-20, tenthsOfDegrees);
  HGDIOBJ previous = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextAlign(canvas.dc(), align);
  TextOutW(canvas.dc(), x, y, u"HHHHH", 5);
  SelectObject(canvas.dc(), previous);
  DeleteObject(font);
  return canvas.inkBox(kWhite);
}

}  // namespace

TEST(RotatedText, NoEscapementRunsRightAlongTheBaseline) {
  RECT ink = inkOf(0, 50, 100);
  EXPECT_GE(ink.left, 50);
  EXPECT_LE(ink.bottom, 101);
  EXPECT_GT(ink.right - ink.left, ink.bottom - ink.top);
}

TEST(RotatedText, AQuarterTurnRunsUpwardsFromTheReferencePoint) {
  RECT ink = inkOf(900, 100, 150);
  EXPECT_LE(ink.bottom, 151);               // the string starts at the reference point and goes up
  EXPECT_LT(ink.top, 150 - 40);
  EXPECT_LE(ink.right, 101);                // the glyphs stand on the baseline, to its left
  EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
}

TEST(RotatedText, HalfATurnRunsLeftUpsideDown) {
  RECT ink = inkOf(1800, 150, 100);
  EXPECT_LE(ink.right, 151);
  EXPECT_GE(ink.top, 99);  // above the baseline in the string's frame is below it on the screen
  EXPECT_GT(ink.right - ink.left, ink.bottom - ink.top);
}

TEST(RotatedText, AFullTurnIsTheSameAsNone) {
  RECT none = inkOf(0, 50, 100), full = inkOf(3600, 50, 100);
  EXPECT_EQ(none.left, full.left);
  EXPECT_EQ(none.top, full.top);
  EXPECT_EQ(none.right, full.right);
  EXPECT_EQ(none.bottom, full.bottom);
}

TEST(RotatedText, UpdateCurrentPositionMovesAlongTheTurnedBaseline) {
  Canvas canvas(200, 200);
  HFONT font = rotatedArial(-20, 900);
  HGDIOBJ previous = SelectObject(canvas.dc(), font);
  SIZE size{};
  GetTextExtentPoint32W(canvas.dc(), u"HH", 2, &size);
  SetTextAlign(canvas.dc(), TA_LEFT | TA_BASELINE | TA_UPDATECP);
  MoveToEx(canvas.dc(), 100, 150, nullptr);
  TextOutW(canvas.dc(), 0, 0, u"HH", 2);
  POINT position{};
  MoveToEx(canvas.dc(), 0, 0, &position);
  EXPECT_EQ(position.x, 100);
  EXPECT_EQ(position.y, 150 - size.cx);
  SelectObject(canvas.dc(), previous);
  DeleteObject(font);
}
