// The pick-first set in the view: dashed when HIGHLIGHT is on, blue grips when GRIPS is on.
#include <acadsim/Selection.h>
#include <acedads.h>
#include <adscodes.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "ViewTestSupport.h"

namespace {

using viewtest::OpenDrawing;

const COLORREF kBackground = RGB(33, 40, 48);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrip = RGB(0, 0, 255);

void setShort(const ACHAR* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM);
}

// A 200 x 100 canvas painted with the line 10,20 - 110,20 selected, one world unit per pixel.
class PickFirstPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    acadsim::setViewSize(drawing.doc(), 200, 100);
    acadsim::ViewTransform& view = acadsim::documentView(drawing.doc());
    view.pixelsPerUnit = 1;
    view.center = AcGePoint2d(99.5, 49.5);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 200;
    info.bmiHeader.biHeight = -100;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  void TearDown() override {
    setShort(u"HIGHLIGHT", 1);
    setShort(u"GRIPS", 1);
    acadsim::clickSelect(drawing.doc(), AcGePoint3d(150, 90, 0));  // on nothing: clears the set
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  void paintSelected() {
    acadsim::clickSelect(drawing.doc(), AcGePoint3d(40, 20, 0));
    ASSERT_EQ(acadsim::pickFirstEntities(drawing.doc()).size(), 1u);
    acadsim::paintDrawingView(dc, drawing.doc());
  }
  COLORREF pixel(int x, int y) const {
    uint32_t v = bits[y * 200 + x];
    return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
  }
  int lineGaps() const {
    int gaps = 0;
    for (int x = 20; x < 50; ++x) gaps += pixel(x, 79) == kBackground;
    return gaps;
  }

  OpenDrawing drawing{viewtest::line(10, 20, 110, 20)};
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  uint32_t* bits = nullptr;
};

TEST_F(PickFirstPaint, SelectedEntityIsDashedWithGripsAtItsEndsAndMiddle) {
  paintSelected();
  EXPECT_GT(lineGaps(), 0);
  EXPECT_EQ(pixel(10, 79), kGrip);
  EXPECT_EQ(pixel(60, 79), kGrip);
  EXPECT_EQ(pixel(110, 79), kGrip);
  EXPECT_EQ(pixel(35, 79 - 10), kBackground);
}

TEST_F(PickFirstPaint, HighlightOffDrawsItSolid) {
  setShort(u"HIGHLIGHT", 0);
  paintSelected();
  EXPECT_EQ(lineGaps(), 0);
  EXPECT_EQ(pixel(30, 79), kWhite);
  EXPECT_EQ(pixel(60, 79), kGrip);
}

TEST_F(PickFirstPaint, GripsOffShowsNoGrips) {
  setShort(u"GRIPS", 0);
  paintSelected();
  EXPECT_NE(pixel(60, 79), kGrip);
  EXPECT_NE(pixel(10, 79), kGrip);
}

}  // namespace
