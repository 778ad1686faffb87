// GetTextExtentPoint32W, GetTextExtentExPointW, TextOutW, ExtTextOutW, SetTextJustification, SetTextAlign,
// colours and background modes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_test_support.h"

using gditest::Canvas;
using gditest::ScopedFont;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

SIZE extentOf(HDC dc, std::u16string_view text) {
  SIZE size{};
  EXPECT_TRUE(GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size));
  return size;
}

class TextTest : public ::testing::Test {
 protected:
  Canvas canvas{200, 60};
  ScopedFont arial{u"Arial", -12};
  HGDIOBJ previous = SelectObject(canvas.dc(), arial.get());
  void TearDown() override { SelectObject(canvas.dc(), previous); }
};

}  // namespace

TEST_F(TextTest, ExtentIsTheLastPartialExtent) {
  int dx[5] = {};
  int fit = 0;
  SIZE size{};
  EXPECT_TRUE(GetTextExtentExPointW(canvas.dc(), u"Hello", 5, 1000, &fit, dx, &size));
  EXPECT_EQ(fit, 5);
  EXPECT_EQ(size.cx, dx[4]);
  EXPECT_EQ(size.cx, extentOf(canvas.dc(), u"Hello").cx);
  EXPECT_EQ(dx[0], extentOf(canvas.dc(), u"H").cx);
  EXPECT_EQ(dx[1] - dx[0], extentOf(canvas.dc(), u"e").cx);
  EXPECT_EQ(size.cy, 14);
}

TEST_F(TextTest, ExtentIsTheSumOfWholePixelAdvances) {
  SIZE hello = extentOf(canvas.dc(), u"Hello");
  EXPECT_EQ(hello.cx, extentOf(canvas.dc(), u"H").cx + extentOf(canvas.dc(), u"e").cx +
                          2 * extentOf(canvas.dc(), u"l").cx + extentOf(canvas.dc(), u"o").cx);
  EXPECT_EQ(extentOf(canvas.dc(), u"Hello World").cx, 64);
  EXPECT_EQ(extentOf(canvas.dc(), u"").cx, 0);
  EXPECT_EQ(extentOf(canvas.dc(), u"").cy, 14);
}

TEST_F(TextTest, FitCountsTheCharactersWithinTheMaximum) {
  int dx[5] = {};
  int fit = -1;
  SIZE size{};
  GetTextExtentExPointW(canvas.dc(), u"Hello", 5, 0, nullptr, dx, &size);
  EXPECT_TRUE(GetTextExtentExPointW(canvas.dc(), u"Hello", 5, dx[2], &fit, nullptr, &size));
  EXPECT_EQ(fit, 3);
  EXPECT_TRUE(GetTextExtentExPointW(canvas.dc(), u"Hello", 5, dx[2] - 1, &fit, nullptr, &size));
  EXPECT_EQ(fit, 2);
  EXPECT_TRUE(GetTextExtentExPointW(canvas.dc(), u"Hello", 5, 0, &fit, nullptr, &size));
  EXPECT_EQ(fit, 0);
}

TEST_F(TextTest, BoldIsWiderAndItalicKeepsTheHeight) {
  ScopedFont bold(u"Arial", -12, FW_BOLD);
  int normal = extentOf(canvas.dc(), u"Hello World").cx;
  SelectObject(canvas.dc(), bold.get());
  EXPECT_GT(extentOf(canvas.dc(), u"Hello World").cx, normal);
  ScopedFont italic(u"Arial", -12, FW_NORMAL, true);
  SelectObject(canvas.dc(), italic.get());
  EXPECT_EQ(extentOf(canvas.dc(), u"Hello World").cy, 14);
  SelectObject(canvas.dc(), arial.get());
}

TEST_F(TextTest, DrawnTextLiesWithinTheMeasuredCell) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  SIZE size = extentOf(canvas.dc(), u"Hello");
  EXPECT_TRUE(TextOutW(canvas.dc(), 10, 20, u"Hello", 5));
  RECT ink = canvas.inkBox();
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.right, 10 + size.cx);
  EXPECT_LE(ink.bottom, 20 + size.cy);
  EXPECT_LT(ink.left, 12);
  EXPECT_GT(ink.right, 10 + size.cx - 3);
}

TEST_F(TextTest, TheStemOfAnLIsTheTextColour) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(200, 0, 0));
  TextOutW(canvas.dc(), 10, 10, u"l", 1);
  RECT ink = canvas.inkBox();
  EXPECT_EQ(ink.bottom, 10 + 11);  // the stem ends on the baseline
  int stemColumn = -1;
  for (int x = ink.left; x < ink.right; ++x) {
    int solid = 0;
    for (int y = ink.top; y < ink.bottom; ++y) {
      COLORREF c = canvas.pixel(x, y);
      solid += GetRValue(c) >= 195 && GetRValue(c) <= 215 && GetGValue(c) <= 16 && GetBValue(c) <= 16;
    }
    if (solid >= 8) stemColumn = x;
  }
  EXPECT_NE(stemColumn, -1);  // hinted onto one pixel column, all but fully covered
}

TEST_F(TextTest, TextIsGreyScaleAntiAliased) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  TextOutW(canvas.dc(), 10, 10, u"Hello World", 11);
  int partial = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      COLORREF c = canvas.pixel(x, y);
      if (c == kWhite || c == kBlack) continue;
      EXPECT_EQ(GetRValue(c), GetGValue(c));
      EXPECT_EQ(GetGValue(c), GetBValue(c));
      ++partial;
    }
  }
  EXPECT_GT(partial, 0);
}

TEST_F(TextTest, OpaqueFillsTheCellWithTheBackgroundColour) {
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(0, 0, 255));
  SIZE size = extentOf(canvas.dc(), u"Hi");
  TextOutW(canvas.dc(), 5, 5, u"Hi", 2);
  EXPECT_EQ(canvas.pixel(5, 5), RGB(0, 0, 255));
  EXPECT_EQ(canvas.pixel(5 + size.cx - 1, 5 + size.cy - 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas.pixel(5 + size.cx, 5), kWhite);
  EXPECT_EQ(canvas.pixel(5, 5 + size.cy), kWhite);
  EXPECT_EQ(canvas.pixel(4, 5), kWhite);
}

TEST_F(TextTest, TransparentLeavesTheBackground) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetBkColor(canvas.dc(), RGB(0, 0, 255));
  TextOutW(canvas.dc(), 5, 5, u"Hi", 2);
  EXPECT_EQ(canvas.countPixels(RGB(0, 0, 255)), 0);
  EXPECT_EQ(canvas.pixel(5, 5), kWhite);
}

TEST_F(TextTest, BackgroundModeAndColoursReturnThePreviousValue) {
  EXPECT_EQ(SetBkMode(canvas.dc(), TRANSPARENT), OPAQUE);
  EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
  EXPECT_EQ(SetBkMode(canvas.dc(), 7), 0);
  EXPECT_EQ(SetTextColor(canvas.dc(), RGB(1, 2, 3)), kBlack);
  EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3));
  EXPECT_EQ(SetBkColor(canvas.dc(), RGB(4, 5, 6)), kWhite);
  EXPECT_EQ(GetBkColor(canvas.dc()), RGB(4, 5, 6));
}

TEST_F(TextTest, JustificationWidensTheExtentByExactlyTheExtra) {
  int plain = extentOf(canvas.dc(), u"a b c").cx;
  EXPECT_TRUE(SetTextJustification(canvas.dc(), 7, 2));
  EXPECT_EQ(extentOf(canvas.dc(), u"a b c").cx, plain + 7);
  SetTextJustification(canvas.dc(), 0, 0);
  EXPECT_EQ(extentOf(canvas.dc(), u"a b c").cx, plain);
}

TEST_F(TextTest, JustificationGivesTheRemainderToTheFirstBreaks) {
  int space = extentOf(canvas.dc(), u" ").cx;
  SetTextJustification(canvas.dc(), 7, 2);
  int dx[5] = {};
  SIZE size{};
  GetTextExtentExPointW(canvas.dc(), u"a b c", 5, 0, nullptr, dx, &size);
  EXPECT_EQ(dx[1] - dx[0], space + 4);
  EXPECT_EQ(dx[3] - dx[2], space + 3);
  SetTextJustification(canvas.dc(), 0, 0);
}

TEST_F(TextTest, JustifiedOutputMovesTheWordsAfterTheBreak) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  TextOutW(canvas.dc(), 0, 0, u"l l", 3);
  RECT plain = canvas.inkBox();
  Canvas other(200, 60);
  SelectObject(other.dc(), arial.get());
  SetBkMode(other.dc(), TRANSPARENT);
  SetTextJustification(other.dc(), 10, 1);
  TextOutW(other.dc(), 0, 0, u"l l", 3);
  EXPECT_EQ(other.inkBox().right, plain.right + 10);
  SelectObject(other.dc(), GetStockObject(SYSTEM_FONT));
}

TEST_F(TextTest, AlignmentPlacesTheReferencePoint) {
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(0, 255, 0));
  SIZE size = extentOf(canvas.dc(), u"Hi");
  EXPECT_EQ(SetTextAlign(canvas.dc(), TA_RIGHT | TA_BOTTOM), static_cast<UINT>(TA_LEFT | TA_TOP));
  TextOutW(canvas.dc(), 100, 40, u"Hi", 2);
  RECT cell = canvas.inkBox();
  EXPECT_EQ(cell.right, 100);
  EXPECT_EQ(cell.bottom, 40);
  EXPECT_EQ(cell.left, 100 - size.cx);
  EXPECT_EQ(cell.top, 40 - size.cy);
}

TEST_F(TextTest, BaselineAlignmentPutsTheAscentAboveTheY) {
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(0, 255, 0));
  SetTextAlign(canvas.dc(), TA_CENTER | TA_BASELINE);
  SIZE size = extentOf(canvas.dc(), u"Hi");
  TextOutW(canvas.dc(), 100, 30, u"Hi", 2);
  RECT cell = canvas.inkBox();
  EXPECT_EQ(cell.top, 30 - 11);
  EXPECT_EQ(cell.bottom, 30 + 3);
  EXPECT_EQ(cell.left, 100 - size.cx / 2);
  EXPECT_EQ(GetTextAlign(canvas.dc()), static_cast<UINT>(TA_CENTER | TA_BASELINE));
}

TEST_F(TextTest, UpdateCpAdvancesTheCurrentPosition) {
  SetTextAlign(canvas.dc(), TA_UPDATECP);
  MoveToEx(canvas.dc(), 10, 5, nullptr);
  TextOutW(canvas.dc(), 0, 0, u"He", 2);
  POINT at{};
  MoveToEx(canvas.dc(), 0, 0, &at);
  EXPECT_EQ(at.x, 10 + extentOf(canvas.dc(), u"He").cx);
  EXPECT_EQ(at.y, 5);
}

TEST_F(TextTest, OpaqueRectangleAndClipping) {
  SetBkColor(canvas.dc(), RGB(255, 0, 255));
  RECT rect{20, 10, 40, 20};
  EXPECT_TRUE(ExtTextOutW(canvas.dc(), 15, 5, ETO_OPAQUE | ETO_CLIPPED, &rect, u"WWWWWW", 6, nullptr));
  RECT ink = canvas.inkBox();
  EXPECT_EQ(ink.left, 20);
  EXPECT_EQ(ink.top, 10);
  EXPECT_EQ(ink.right, 40);
  EXPECT_EQ(ink.bottom, 20);
  EXPECT_EQ(canvas.pixel(39, 19), RGB(255, 0, 255));
}

TEST_F(TextTest, OpaqueRectangleWithoutText) {
  SetBkColor(canvas.dc(), RGB(9, 9, 9));
  RECT rect{1, 2, 3, 4};
  EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
  EXPECT_EQ(canvas.countPixels(RGB(9, 9, 9)), 4);
  EXPECT_EQ(canvas.pixel(2, 3), RGB(9, 9, 9));
}

TEST_F(TextTest, CallerAdvancesPlaceTheCharacters) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  const INT dx[2] = {30, 30};
  ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ll", 2, dx);
  RECT ink = canvas.inkBox();
  EXPECT_GE(ink.right - ink.left, 30);
  EXPECT_LE(ink.right - ink.left, 34);
}

TEST_F(TextTest, OpaqueCellFollowsTheCallersAdvances) {
  SetBkColor(canvas.dc(), RGB(0, 0, 255));
  const INT dx[2] = {20, 20};
  ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"ab", 2, dx);
  RECT ink = canvas.inkBox();
  EXPECT_EQ(ink.right, 40);
  EXPECT_EQ(ink.bottom, 14);
}

TEST_F(TextTest, SaveDcKeepsTheFont) {
  SaveDC(canvas.dc());
  SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(extentOf(canvas.dc(), u"x").cy, 16);
  RestoreDC(canvas.dc(), -1);
  EXPECT_EQ(extentOf(canvas.dc(), u"x").cy, 14);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), arial.get());
}

TEST_F(TextTest, UnderlineAndStrikeOutAreSolidLinesAcrossTheText) {
  ScopedFont underlined(u"Arial", -12, FW_NORMAL, false, true);
  SelectObject(canvas.dc(), underlined.get());
  SetBkMode(canvas.dc(), TRANSPARENT);
  SIZE size = extentOf(canvas.dc(), u"ab");
  TextOutW(canvas.dc(), 10, 10, u"ab", 2);
  int baseline = 10 + 11;
  bool lineFound = false;
  for (int y = baseline; y < 10 + size.cy; ++y) {
    int run = 0;
    for (int x = 10; x < 10 + size.cx; ++x) run += canvas.pixel(x, y) == kBlack;
    lineFound |= run == size.cx;
  }
  EXPECT_TRUE(lineFound);
  Canvas struck(100, 40);
  ScopedFont strikeOut(u"Arial", -12, FW_NORMAL, false, false, true);
  SelectObject(struck.dc(), strikeOut.get());
  SetBkMode(struck.dc(), TRANSPARENT);
  TextOutW(struck.dc(), 0, 0, u"ab", 2);
  bool strikeFound = false;
  for (int y = 2; y < 11; ++y) {
    int run = 0;
    for (int x = 0; x < size.cx; ++x) run += struck.pixel(x, y) == kBlack;
    strikeFound |= run == size.cx;
  }
  EXPECT_TRUE(strikeFound);
  SelectObject(struck.dc(), GetStockObject(SYSTEM_FONT));
  SelectObject(canvas.dc(), arial.get());
}

TEST_F(TextTest, CjkInALatinFaceDrawsTheCjkFontsGlyphs) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  TextOutW(canvas.dc(), 0, 0, u"\u4E2D\u6587", 2);
  Canvas direct(200, 60);
  ScopedFont song(u"\u5B8B\u4F53", -12);
  SelectObject(direct.dc(), song.get());
  SetBkMode(direct.dc(), TRANSPARENT);
  TextOutW(direct.dc(), 0, 0, u"\u4E2D\u6587", 2);
  EXPECT_EQ(extentOf(canvas.dc(), u"\u4E2D\u6587").cx, 24);
  // Same glyphs: the same ink, shifted only by the two fonts' different ascents.
  RECT a = canvas.inkBox(), b = direct.inkBox();
  EXPECT_EQ(a.right - a.left, b.right - b.left);
  EXPECT_EQ(a.bottom - a.top, b.bottom - b.top);
  int shift = a.top - b.top;
  int differing = 0;
  for (int y = b.top; y < b.bottom; ++y)
    for (int x = b.left; x < b.right; ++x) differing += canvas.pixel(x, y + shift) != direct.pixel(x, y);
  EXPECT_EQ(differing, 0);
  SelectObject(direct.dc(), GetStockObject(SYSTEM_FONT));
}

TEST_F(TextTest, SurrogatePairsAndCombiningMarksMeasureAsOneCluster) {
  int dx[3] = {};
  SIZE size{};
  GetTextExtentExPointW(canvas.dc(), u"e\u0301x", 3, 0, nullptr, dx, &size);
  EXPECT_EQ(dx[1], dx[0]);  // the mark adds no advance
  EXPECT_EQ(size.cx, extentOf(canvas.dc(), u"ex").cx);
  GetTextExtentExPointW(canvas.dc(), u"\U0001D400x", 3, 0, nullptr, dx, &size);
  EXPECT_GT(dx[0], 0);
  EXPECT_EQ(dx[1], dx[0]);
  SetBkMode(canvas.dc(), TRANSPARENT);
  EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, u"e\u0301", 2));
  EXPECT_LT(canvas.inkBox().top, 2);  // the accent stands above the x-height, not clipped
}

TEST_F(TextTest, EmbeddedNulsAndLoneSurrogatesAreDrawable) {
  EXPECT_EQ(extentOf(canvas.dc(), std::u16string_view(u"ab\0", 3)).cx, extentOf(canvas.dc(), u"ab").cx);
  EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, u"a\0b", 3));
  EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, u"\xD800x\xDC00", 3));
  EXPECT_GT(extentOf(canvas.dc(), u"\xD800").cx, 0);
}

TEST_F(TextTest, AccentsAboveCapitalsAreNotClipped) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  TextOutW(canvas.dc(), 0, 10, u"\u00C5", 1);
  EXPECT_LT(canvas.inkBox().top, 10 + 2);
}

TEST(TextOnTheScreenDc, MeasuresWithoutASurface) {
  HDC dc = CreateCompatibleDC(nullptr);
  ScopedFont arial(u"Arial", -12);
  SelectObject(dc, arial.get());
  SIZE size{};
  EXPECT_TRUE(GetTextExtentPoint32W(dc, u"Hello World", 11, &size));
  EXPECT_EQ(size.cx, 64);
  EXPECT_TRUE(TextOutW(dc, 0, 0, u"x", 1));
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  DeleteDC(dc);
}
