// paintDrawingView: the background, an entity's pixels on a memory DC, culling and fills.
#include <windows.h>

#include <gtest/gtest.h>

#include "ViewTestSupport.h"

namespace {

using viewtest::OpenDrawing;

const COLORREF kBackground = RGB(33, 40, 48);

// A 32-bit top-down DIB section selected into a memory DC.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height) : mWidth(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    mDc = CreateCompatibleDC(nullptr);
    mBitmap = CreateDIBSection(mDc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&mBits), nullptr, 0);
    mPrevious = SelectObject(mDc, mBitmap);
  }
  ~MemoryCanvas() {
    SelectObject(mDc, mPrevious);
    DeleteObject(mBitmap);
    DeleteDC(mDc);
  }
  HDC dc() const { return mDc; }
  COLORREF pixel(int x, int y) const {
    uint32_t v = mBits[y * mWidth + x];
    return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
  }
  int count(COLORREF color, int height) const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < mWidth; ++x) n += pixel(x, y) == color;
    return n;
  }

 private:
  int mWidth;
  HDC mDc;
  HBITMAP mBitmap;
  HGDIOBJ mPrevious;
  uint32_t* mBits = nullptr;
};

// One world unit per pixel, the world origin at pixel (0, 99) of a 200 x 100 view.
void placeView(AcApDocument* doc) {
  acadsim::setViewSize(doc, 200, 100);
  acadsim::ViewTransform& view = acadsim::documentView(doc);
  view.pixelsPerUnit = 1;
  view.center = AcGePoint2d(99.5, 49.5);
}

TEST(PaintDrawingView, BackgroundAndAWhiteLineWhereTheViewShowsIt) {
  OpenDrawing drawing(viewtest::line(10, 20, 110, 20));
  placeView(drawing.doc());
  MemoryCanvas canvas(200, 100);
  acadsim::paintDrawingView(canvas.dc(), drawing.doc());
  EXPECT_EQ(canvas.pixel(0, 0), kBackground);
  EXPECT_EQ(canvas.pixel(199, 99), kBackground);
  EXPECT_EQ(canvas.pixel(10, 79), RGB(255, 255, 255));  // world y 20 is pixel row 99 - 20
  EXPECT_EQ(canvas.pixel(109, 79), RGB(255, 255, 255));
  EXPECT_EQ(canvas.pixel(60, 78), kBackground);
  EXPECT_EQ(canvas.pixel(60, 80), kBackground);
  EXPECT_EQ(canvas.count(RGB(255, 255, 255), 100), 100);
}

TEST(PaintDrawingView, ColoursComeFromThePalette) {
  OpenDrawing drawing(viewtest::line(0, 50, 199, 50, 1));
  placeView(drawing.doc());
  MemoryCanvas canvas(200, 100);
  acadsim::paintDrawingView(canvas.dc(), drawing.doc());
  EXPECT_EQ(canvas.pixel(100, 49), RGB(255, 0, 0));
}

TEST(PaintDrawingView, LinesFarBeyondTheViewAreClippedNotWrapped) {
  OpenDrawing drawing(viewtest::line(-1e9, 50, 1e9, 50) + viewtest::line(5000, 5000, 6000, 5000));
  placeView(drawing.doc());
  MemoryCanvas canvas(200, 100);
  acadsim::paintDrawingView(canvas.dc(), drawing.doc());
  EXPECT_EQ(canvas.pixel(0, 49), RGB(255, 255, 255));
  EXPECT_EQ(canvas.pixel(199, 49), RGB(255, 255, 255));
  EXPECT_EQ(canvas.count(RGB(255, 255, 255), 100), 200);
}

TEST(PaintDrawingView, SolidsAreFilled) {
  OpenDrawing drawing(viewtest::dxfText({{0, "SOLID"}, {8, "0"}, {62, "3"}, {10, "10"}, {20, "10"}, {30, "0"},
                                         {11, "30"}, {21, "10"}, {31, "0"}, {12, "10"}, {22, "30"}, {32, "0"},
                                         {13, "30"}, {23, "30"}, {33, "0"}}));
  placeView(drawing.doc());
  MemoryCanvas canvas(200, 100);
  acadsim::paintDrawingView(canvas.dc(), drawing.doc());
  EXPECT_EQ(canvas.pixel(20, 79), RGB(0, 255, 0));
  EXPECT_EQ(canvas.pixel(40, 79), kBackground);
}

TEST(PaintDrawingView, RotatedTextRunsAlongItsAngle) {
  OpenDrawing drawing(viewtest::dxfText({{0, "TEXT"}, {8, "0"}, {10, "100"}, {20, "10"}, {30, "0"}, {40, "20"},
                                         {50, "90"}, {1, "HHHH"}}));
  placeView(drawing.doc());
  MemoryCanvas canvas(200, 100);
  acadsim::paintDrawingView(canvas.dc(), drawing.doc());
  int above = 0, right = 0, below = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      if (canvas.pixel(x, y) == kBackground) continue;
      above += y < 89 && x <= 100;
      right += x > 101;
      below += y > 90;
    }
  EXPECT_GT(above, 20);  // the baseline runs up from the insertion point, the glyphs to its left
  EXPECT_EQ(right, 0);
  EXPECT_EQ(below, 0);
}

TEST(PaintDrawingView, WithoutADocumentOnlyTheBackground) {
  MemoryCanvas canvas(10, 10);
  acadsim::setViewSize(nullptr, 10, 10);
  acadsim::paintDrawingView(canvas.dc(), nullptr);
  EXPECT_EQ(canvas.count(kBackground, 10), 100);
}

}  // namespace
