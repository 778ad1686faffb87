// CreateFontW / GetTextMetricsW / GetTextFaceW: Windows' height semantics and metrics from winAscent/winDescent.
#include <gtest/gtest.h>

#include <string>

#include "gdi_test_support.h"

using gditest::Canvas;
using gditest::ScopedFont;

namespace {

TEXTMETRICW metricsOf(const char16_t* face, int height, int weight = FW_NORMAL, bool italic = false) {
  Canvas canvas(4, 4);
  ScopedFont font(face, height, weight, italic);
  HGDIOBJ previous = SelectObject(canvas.dc(), font.get());
  TEXTMETRICW tm{};
  EXPECT_TRUE(GetTextMetricsW(canvas.dc(), &tm));
  SelectObject(canvas.dc(), previous);
  return tm;
}

}  // namespace

TEST(GetTextMetricsW, NegativeHeightIsTheEmHeight) {
  TEXTMETRICW tm = metricsOf(u"Arial", -12);
  EXPECT_EQ(tm.tmHeight, 14);
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmDescent, 3);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_EQ(tm.tmExternalLeading, 0);
  EXPECT_EQ(metricsOf(u"Arial", -13).tmHeight, 15);
  EXPECT_EQ(metricsOf(u"Arial", -13).tmInternalLeading, 2);
}

TEST(GetTextMetricsW, PositiveHeightIsTheCellHeight) {
  TEXTMETRICW tm = metricsOf(u"Arial", 14);
  EXPECT_EQ(tm.tmHeight, 14);
  EXPECT_EQ(tm.tmAscent + tm.tmDescent, 14);
  EXPECT_EQ(metricsOf(u"Arial", 15).tmHeight, 15);
  EXPECT_EQ(metricsOf(u"Arial", 20).tmHeight, 20);
  EXPECT_LT(tm.tmHeight - tm.tmInternalLeading, 14);
}

TEST(GetTextMetricsW, ZeroHeightIsTheDefaultCell) {
  TEXTMETRICW tm = metricsOf(u"Arial", 0);
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmHeight, metricsOf(u"Arial", 16).tmHeight);
}

TEST(GetTextMetricsW, AverageWidthIsTheWeightedLowerCaseAverage) {
  EXPECT_EQ(metricsOf(u"Arial", -12).tmAveCharWidth, 5);
  EXPECT_EQ(metricsOf(u"Courier New", -12).tmAveCharWidth, 7);
}

TEST(GetTextMetricsW, ReportsWeightItalicAndPitch) {
  EXPECT_EQ(metricsOf(u"Arial", -12).tmWeight, FW_NORMAL);
  EXPECT_EQ(metricsOf(u"Arial", -12, FW_BOLD).tmWeight, FW_BOLD);
  EXPECT_EQ(metricsOf(u"Arial", -12, FW_NORMAL, true).tmItalic, 255);
  EXPECT_EQ(metricsOf(u"Arial", -12).tmItalic, 0);
  EXPECT_EQ(metricsOf(u"Arial", -12).tmPitchAndFamily & TMPF_TRUETYPE, TMPF_TRUETYPE);
  EXPECT_EQ(metricsOf(u"Arial", -12).tmPitchAndFamily & TMPF_FIXED_PITCH, TMPF_FIXED_PITCH);
  EXPECT_EQ(metricsOf(u"Courier New", -12).tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
  EXPECT_EQ(metricsOf(u"Arial", -12).tmBreakChar, u' ');
}

TEST(GetTextMetricsW, AverageAndMaximumWidthsScaleWithTheFont) {
  TEXTMETRICW small = metricsOf(u"Arial", -12);
  TEXTMETRICW large = metricsOf(u"Arial", -24);
  EXPECT_GT(small.tmAveCharWidth, 0);
  EXPECT_GT(small.tmMaxCharWidth, small.tmAveCharWidth);
  EXPECT_NEAR(large.tmAveCharWidth, 2 * small.tmAveCharWidth, 1);
}

TEST(GetTextMetricsW, FailsOnAStaleDc) {
  HDC dc = CreateCompatibleDC(nullptr);
  DeleteDC(dc);
  TEXTMETRICW tm{};
  EXPECT_FALSE(GetTextMetricsW(dc, &tm));
}

TEST(CreateFontW, FacesMapToTheInstalledFamiliesWithoutRegardToCase) {
  EXPECT_EQ(metricsOf(u"arial", -12).tmHeight, metricsOf(u"Arial", -12).tmHeight);
  EXPECT_EQ(metricsOf(u"Helvetica", -12).tmAveCharWidth, metricsOf(u"Arial", -12).tmAveCharWidth);
  EXPECT_EQ(metricsOf(u"No Such Face", -12).tmAveCharWidth, metricsOf(u"Arial", -12).tmAveCharWidth);
  EXPECT_NE(metricsOf(u"Courier New", -12).tmAveCharWidth, metricsOf(u"Arial", -12).tmAveCharWidth);
  EXPECT_NE(metricsOf(u"Verdana", -12).tmAveCharWidth, metricsOf(u"Arial", -12).tmAveCharWidth);
  EXPECT_NE(metricsOf(u"\u5B8B\u4F53", -12).tmHeight, metricsOf(u"Arial", -12).tmHeight);
  EXPECT_EQ(metricsOf(u"SimSun", -12).tmHeight, metricsOf(u"\u5B8B\u4F53", -12).tmHeight);
  EXPECT_EQ(metricsOf(u"simsun", -12).tmHeight, metricsOf(u"\u5B8B\u4F53", -12).tmHeight);
  EXPECT_NE(metricsOf(u"SimHei", -12).tmHeight, metricsOf(u"SimSun", -12).tmHeight);
}

TEST(CreateFontIndirectW, NullRecordFails) {
  SetLastError(0);
  EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(GetTextFaceW, ReturnsTheRequestedFace) {
  Canvas canvas(4, 4);
  ScopedFont font(u"Tahoma", -11);
  SelectObject(canvas.dc(), font.get());
  WCHAR face[LF_FACESIZE] = {};
  EXPECT_EQ(GetTextFaceW(canvas.dc(), LF_FACESIZE, face), 7);
  EXPECT_EQ(std::u16string(face), u"Tahoma");
  EXPECT_EQ(GetTextFaceW(canvas.dc(), 0, nullptr), 7);
  SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
}

TEST(GetObjectW, FontGivesItsLogfont) {
  ScopedFont font(u"Arial", -12, FW_BOLD);
  LOGFONTW lf{};
  EXPECT_EQ(GetObjectW(font.get(), sizeof lf, &lf), 92);
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(std::u16string(lf.lfFaceName), u"Arial");
  EXPECT_EQ(GetObjectW(font.get(), 0, nullptr), 92);
}
