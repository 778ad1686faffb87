#include "hover/ScopePainting.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "html/HtmlDrawer.h"
#include "quillview/QuillviewApi.h"

namespace {

LOGFONTW Font(const char16_t* face, LONG height, LONG weight = FW_NORMAL, BYTE italic = 0) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfItalic = italic;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return font;
}

class ScopePainting : public ::testing::Test {
 protected:
  HDC dc = CreateCompatibleDC(nullptr);
  ~ScopePainting() override { DeleteDC(dc); }

  SIZE Measure(CHtmlDrawer& drawer, const std::u16string& text) {
    SIZE size{};
    drawer.MeasureText(dc, text, size);
    return size;
  }
  // The size of text in a drawer whose body is exactly the given declarations.
  SIZE MeasureInBody(const std::u16string& declarations, const std::u16string& text) {
    CHtmlDrawer drawer;
    drawer.SetStyleEntry(u"body", declarations);
    return Measure(drawer, text);
  }
};

TEST_F(ScopePainting, ATwelvePointFontGivesHeadersFromEighteenToTenPoints) {
  CHtmlDrawer drawer;
  ApplyScopeFont(drawer, Font(u"Arial", -16), dc);  // 16 pixels at 96 dpi: 12 points
  const SIZE h1 = Measure(drawer, u"<h1>Header</h1>");
  const SIZE h6 = Measure(drawer, u"<h6>Header</h6>");
  const SIZE body = Measure(drawer, u"Header");
  const SIZE h1Expected = MeasureInBody(u"font-size: 18pt; font-family:Arial; font-weight:bold", u"Header");
  const SIZE h6Expected = MeasureInBody(u"font-size: 10pt; font-family:Arial; font-weight:bold", u"Header");
  const SIZE bodyExpected = MeasureInBody(u"font-size: 12pt; font-family:Arial", u"Header");
  EXPECT_EQ(h1.cx, h1Expected.cx);
  EXPECT_EQ(h1.cy, h1Expected.cy);
  EXPECT_EQ(h6.cx, h6Expected.cx);
  EXPECT_EQ(h6.cy, h6Expected.cy);
  EXPECT_EQ(body.cx, bodyExpected.cx);
  EXPECT_EQ(body.cy, bodyExpected.cy);
}

TEST_F(ScopePainting, TheFontsWeightAndFaceReachTheBodyButNotTheHeaders) {
  CHtmlDrawer normal, bold, other;
  ApplyScopeFont(normal, Font(u"Arial", -12), dc);
  ApplyScopeFont(bold, Font(u"Arial", -12, FW_BOLD), dc);
  ApplyScopeFont(other, Font(u"Courier New", -12), dc);
  EXPECT_GT(Measure(bold, u"Layer: Walls").cx, Measure(normal, u"Layer: Walls").cx);
  EXPECT_EQ(Measure(bold, u"<h4>Line</h4>").cx, Measure(normal, u"<h4>Line</h4>").cx);
  EXPECT_NE(Measure(other, u"iiiiii").cx, Measure(normal, u"iiiiii").cx);
}

TEST_F(ScopePainting, TheWindowIsTheMeasuredSizePlusFour) {
  CHtmlDrawer drawer;
  ApplyScopeFont(drawer, Font(u"Arial", -12), dc);
  SIZE measured{};
  const SIZE window = MeasureScopeWindow(drawer, dc, u"<h4>Line</h4>\nLayer: 0", measured);
  EXPECT_GT(measured.cx, 0);
  EXPECT_EQ(window.cx, measured.cx + 4);
  EXPECT_EQ(window.cy, measured.cy + 4);
}

// Pixels of a 32-bit top-down DIB section as COLORREF values.
struct Pixels {
  DIBSECTION section{};
  explicit Pixels(HBITMAP bitmap) { GetObjectW(bitmap, sizeof(section), &section); }
  int Width() const { return section.dsBm.bmWidth; }
  int Height() const { return section.dsBm.bmHeight; }
  COLORREF At(int x, int y) const {
    const auto* row = static_cast<const BYTE*>(section.dsBm.bmBits) + y * section.dsBm.bmWidthBytes;
    const BYTE* p = row + x * 4;
    return RGB(p[2], p[1], p[0]);
  }
};

TEST(ScopePreview, PaintsTheBorderTheTooltipBackgroundAndDarkText) {
  SIZE measured{};
  HBITMAP bitmap = QuillviewRenderScope(u"<h4>Line</h4>\nLayer: 0", nullptr, nullptr, 0, &measured);
  ASSERT_NE(bitmap, nullptr);
  const Pixels pixels(bitmap);
  ASSERT_EQ(pixels.Width(), measured.cx + 4);
  ASSERT_EQ(pixels.Height(), measured.cy + 4);
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  for (int x = 0; x < pixels.Width(); ++x) {
    EXPECT_EQ(pixels.At(x, 0), frame);
    EXPECT_EQ(pixels.At(x, pixels.Height() - 1), frame);
  }
  for (int y = 0; y < pixels.Height(); ++y) {
    EXPECT_EQ(pixels.At(0, y), frame);
    EXPECT_EQ(pixels.At(pixels.Width() - 1, y), frame);
  }
  EXPECT_EQ(pixels.At(1, 1), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(pixels.At(pixels.Width() - 2, pixels.Height() - 2), GetSysColor(COLOR_INFOBK));
  int dark = 0;
  for (int y = 1; y < pixels.Height() - 1; ++y)
    for (int x = 1; x < pixels.Width() - 1; ++x)
      if (pixels.At(x, y) == RGB(0, 0, 0)) ++dark;
  EXPECT_GT(dark, 20);  // the black text of both lines
  DeleteObject(bitmap);
}

TEST(ScopePreview, TheDefaultFontIsTheSettingsDefault) {
  SIZE byDefault{}, explicitFont{};
  const LOGFONTW arial = Font(u"Arial", -12);
  HBITMAP a = QuillviewRenderScope(u"Layer: 0", nullptr, nullptr, 0, &byDefault);
  HBITMAP b = QuillviewRenderScope(u"Layer: 0", &arial, nullptr, 0, &explicitFont);
  EXPECT_EQ(byDefault.cx, explicitFont.cx);
  EXPECT_EQ(byDefault.cy, explicitFont.cy);
  DeleteObject(a);
  DeleteObject(b);
}

TEST(ScopePreview, RefusesMissingArguments) {
  SIZE measured{};
  EXPECT_EQ(QuillviewRenderScope(nullptr, nullptr, nullptr, 0, &measured), nullptr);
  EXPECT_EQ(QuillviewRenderScope(u"x", nullptr, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ(QuillviewRenderScope(u"x", nullptr, nullptr, -1, &measured), nullptr);
}

}  // namespace
