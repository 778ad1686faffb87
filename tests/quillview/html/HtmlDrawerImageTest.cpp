// Resources in the markup: bitmaps from files and handles, image lists, sizes, masks and looks, checked
// through the measured size and the drawn pixels; string resources, through the measured text.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "HtmlTestSurface.h"
#include "QuillviewTestSupport.h"
#include "qvwide.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A 24-bit bottom-up .bmp file of width by height whose pixel is colourAt(x, y).
template <typename ColourAt>
void WriteBmp(const std::string& path, int width, int height, ColourAt colourAt) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + stride * height;
  std::vector<BYTE> rows(static_cast<size_t>(stride) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourAt(x, y);
      BYTE* p = &rows[static_cast<size_t>(height - 1 - y) * stride + x * 3];
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info, sizeof(info), 1, out);
  std::fwrite(rows.data(), 1, rows.size(), out);
  std::fclose(out);
}

class HtmlImage : public ::testing::Test {
 protected:
  static void TearDownTestSuite() {
    std::remove(HalvesPath().c_str());
    std::remove(StripPath().c_str());
  }
  static void SetUpTestSuite() {
    // 8 by 6: red on the left half, blue on the right.
    WriteBmp(HalvesPath(), 8, 6, [](int x, int) { return x < 4 ? kRed : kBlue; });
    // A strip of three 4 by 4 images: red, green, blue.
    WriteBmp(StripPath(), 12, 4, [](int x, int) { return x < 4 ? kRed : x < 8 ? kGreen : kBlue; });
  }
  // One file per process: the test runner runs tests of this suite side by side, each writing its images.
  static std::string HalvesPath() { return ::testing::TempDir() + "qv_html_halves-" + std::to_string(getpid()) + ".bmp"; }
  static std::string StripPath() { return ::testing::TempDir() + "qv_html_strip-" + std::to_string(getpid()) + ".bmp"; }
  static std::u16string Wide(const std::string& text) { return Utf8ToWide(text); }

  HtmlTestSurface surface{100, 60};
  CHtmlDrawer drawer;
};

TEST_F(HtmlImage, ABitmapFileTakesItsSizeAndIsDrawnAsItIs) {
  const SIZE size = surface.Render(drawer, u"<bmp file=\"" + Wide(HalvesPath()) + u"\">");
  EXPECT_EQ(size.cx, 8 + 1);
  EXPECT_EQ(size.cy, 6 + 1);
  EXPECT_EQ(surface.Pixel(0, 0), kRed);
  EXPECT_EQ(surface.Pixel(3, 5), kRed);
  EXPECT_EQ(surface.Pixel(4, 0), kBlue);
  EXPECT_EQ(surface.Pixel(7, 5), kBlue);
  EXPECT_EQ(surface.Pixel(8, 0), kWhite);
  EXPECT_EQ(surface.Pixel(0, 6), kWhite);
}

TEST_F(HtmlImage, WidthAndHeightAreLengthsOrPerCentsOfTheImage) {
  const SIZE size = surface.Render(drawer, u"<bmp file=\"" + Wide(HalvesPath()) + u"\" width=200% height=12px>");
  EXPECT_EQ(size.cx, 16 + 1);
  EXPECT_EQ(size.cy, 12 + 1);
  EXPECT_EQ(surface.Pixel(2, 10), kRed);
  EXPECT_EQ(surface.Pixel(13, 10), kBlue);
}

TEST_F(HtmlImage, AnImageSitsOnTheBaselineOfItsLine) {
  const TEXTMETRICW body = surface.Metrics(13);
  const SIZE size = surface.Render(drawer, u"x<bmp file=\"" + Wide(HalvesPath()) + u"\">");
  EXPECT_EQ(size.cy, body.tmHeight + 1);
  EXPECT_EQ(surface.Pixel(surface.TextExtent(u"x", 13).cx, body.tmAscent - 1), kRed);
  EXPECT_EQ(surface.Pixel(surface.TextExtent(u"x", 13).cx, body.tmAscent), kWhite);
}

TEST_F(HtmlImage, AnImageListShowsTheImageOfItsIndex) {
  const SIZE size = surface.Render(drawer, u"<ilst file=\"" + Wide(StripPath()) + u"\" cx=4 index=1 speed=100>");
  EXPECT_EQ(size.cx, 4 + 1);
  EXPECT_EQ(size.cy, 4 + 1);
  EXPECT_EQ(surface.Pixel(0, 0), kGreen);
  EXPECT_EQ(surface.Pixel(3, 3), kGreen);
  EXPECT_EQ(surface.Pixel(4, 0), kWhite);
  // Without cx the images are square; an index past the strip shows nothing.
  surface.Clear();
  surface.Render(drawer, u"<ilst file=\"" + Wide(StripPath()) + u"\" index=2>");
  EXPECT_EQ(surface.Pixel(1, 1), kBlue);
  EXPECT_EQ(surface.Measure(drawer, u"<ilst file=\"" + Wide(StripPath()) + u"\" index=3>").cx, 0);
}

TEST_F(HtmlImage, TheMaskColourStaysTransparent) {
  const COLORREF grey = RGB(90, 90, 90);
  surface.Clear(grey);
  surface.Render(drawer, u"<bmp file=\"" + Wide(HalvesPath()) + u"\" mask=#FF0000>");
  EXPECT_EQ(surface.Pixel(1, 1), grey);
  EXPECT_EQ(surface.Pixel(5, 1), kBlue);
  // A disabled renderer greys colours, not the image's own transparent one.
  surface.Clear(grey);
  drawer.SetEnabled(false);
  surface.Render(drawer, u"<bmp file=\"" + Wide(HalvesPath()) + u"\" mask=red>");
  EXPECT_EQ(surface.Pixel(1, 1), grey);
  EXPECT_EQ(surface.Pixel(5, 1), kBlue);
}

TEST_F(HtmlImage, TheGreyLookWeighsTheChannels) {
  surface.Render(drawer, u"<bmp file=\"" + Wide(HalvesPath()) + u"\" style=g>");
  const COLORREF red = surface.Pixel(1, 1), blue = surface.Pixel(5, 1);
  EXPECT_NEAR(GetRValue(red), 76, 2);  // 0.299 of 255
  EXPECT_EQ(GetRValue(red), GetGValue(red));
  EXPECT_EQ(GetRValue(red), GetBValue(red));
  EXPECT_NEAR(GetBValue(blue), 29, 2);  // 0.114 of 255
}

TEST_F(HtmlImage, HandlesAreReadWithAllTheirBits) {
  // Handles as large as Windows gives them: beyond any length the markup measures.
  for (int i = 0; i < 5000; ++i) DeleteObject(CreateSolidBrush(0));
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, Wide(HalvesPath()).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  const auto value = reinterpret_cast<UINT_PTR>(bitmap);
  ASSERT_GT(value, UINT_PTR{1} << 20);
  EXPECT_EQ(surface.Render(drawer, u"<bmp handle=" + FormatW(u"%llu", static_cast<unsigned long long>(value)) + u">").cx,
            8 + 1);
  EXPECT_EQ(surface.Pixel(5, 2), kBlue);
  EXPECT_EQ(surface.Measure(drawer, u"<bmp handle=" + FormatW(u"0x%llx", static_cast<unsigned long long>(value)) + u">").cx,
            8 + 1);
  // The markup does not own the handle: it still names the bitmap.
  BITMAP info{};
  EXPECT_NE(GetObjectW(bitmap, sizeof(info), &info), 0);
  // A handle of something else, or of nothing, is no image.
  HBRUSH brush = CreateSolidBrush(kRed);
  EXPECT_EQ(surface.Measure(drawer, u"<bmp handle=" + FormatW(u"%llu", static_cast<unsigned long long>(
                                                                          reinterpret_cast<UINT_PTR>(brush))) +
                                        u">")
                .cx,
            0);
  EXPECT_EQ(surface.Measure(drawer, u"<bmp handle=99999999999999999999999>").cx, 0);
  DeleteObject(brush);

  HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR32, 3, 0);
  HBITMAP strip = static_cast<HBITMAP>(LoadImageW(nullptr, Wide(StripPath()).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_EQ(ImageList_Add(list, strip, nullptr), 0);
  surface.Clear();
  const SIZE fromList = surface.Render(
      drawer, u"<ilst handle=" + FormatW(u"%llu", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(list))) +
                  u" index=2>");
  EXPECT_EQ(fromList.cx, 4 + 1);
  EXPECT_EQ(surface.Pixel(2, 2), kBlue);
  ImageList_Destroy(list);
  DeleteObject(strip);
  DeleteObject(bitmap);
}

TEST_F(HtmlImage, AnIconHandleIsDrawnAtItsSize) {
  HBITMAP colour = static_cast<HBITMAP>(
      LoadImageW(nullptr, Wide(HalvesPath()).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  const BYTE opaque[16] = {};  // a monochrome mask of zeros: every pixel shows the colour bitmap
  HBITMAP mask = CreateBitmap(8, 6, 1, 1, opaque);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  ASSERT_NE(icon, nullptr);
  const SIZE size = surface.Render(
      drawer, u"<icon handle=" + FormatW(u"%llu", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(icon))) + u">");
  EXPECT_EQ(size.cx, 8 + 1);
  EXPECT_EQ(size.cy, 6 + 1);
  EXPECT_EQ(surface.Pixel(1, 1), kRed);
  EXPECT_EQ(surface.Pixel(6, 4), kBlue);
  DestroyIcon(icon);
  DeleteObject(mask);
  DeleteObject(colour);
}

TEST_F(HtmlImage, ATableBackgroundIsTheImageTiled) {
  const SIZE size = surface.Render(drawer, u"<table width=20 cellspacing=0 cellpadding=0 background=\"" +
                                               Wide(HalvesPath()) + u"\"><tr><td>&nbsp;</td></tr></table>");
  ASSERT_EQ(size.cx, 20 + 1);
  ASSERT_GT(size.cy, 7);
  EXPECT_EQ(surface.Pixel(1, 1), kRed);
  EXPECT_EQ(surface.Pixel(5, 1), kBlue);
  EXPECT_EQ(surface.Pixel(9, 1), kRed);   // the second tile across
  EXPECT_EQ(surface.Pixel(13, 7), kBlue);  // and down
  EXPECT_EQ(surface.Pixel(20, 1), kWhite);
}

TEST(HtmlStringTag, DrawsAStringResourceOfTheNamedModuleAsText) {
  HtmlTestSurface surface;
  CHtmlDrawer drawer;
  const std::u16string module = ModulePath("quillview.arx");
  const SIZE size = surface.Measure(drawer, u"<string iddll=3 srcdll=\"" + module + u"\">!");
  EXPECT_EQ(size.cx, surface.TextExtent(u"Quillview!", 13).cx + 1);
  EXPECT_EQ(surface.Measure(drawer, u"<string iddll=9999 srcdll=\"" + module + u"\">!").cx,
            surface.TextExtent(u"!", 13).cx + 1);
  EXPECT_EQ(surface.Measure(drawer, u"<string iddll=3 srcdll=/no/such.dll>!").cx, surface.TextExtent(u"!", 13).cx + 1);
}

}  // namespace
