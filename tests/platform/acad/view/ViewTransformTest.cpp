// The view of a document: pixel centres and back, zooming to extents, zooming about a pixel, panning.
#include <gtest/gtest.h>

#include "ViewTestSupport.h"

namespace {

using acadsim::documentView;
using acadsim::ViewTransform;
using viewtest::OpenDrawing;

TEST(ViewTransform, PixelCentresAndBackRoundTrip) {
  ViewTransform view;
  view.center = AcGePoint2d(10, 20);
  view.pixelsPerUnit = 4;
  view.width = 101;
  view.height = 51;
  AcGePoint2d middle = view.toWorld(50, 25);
  EXPECT_DOUBLE_EQ(middle.x, 10);
  EXPECT_DOUBLE_EQ(middle.y, 20);
  AcGePoint2d corner = view.toWorld(0, 0);
  EXPECT_DOUBLE_EQ(corner.x, 10 - 12.5);
  EXPECT_DOUBLE_EQ(corner.y, 20 + 6.25);  // y grows downwards on screen
  double px = 0, py = 0;
  view.toPixel(AcGePoint2d(3.3, -7.1), px, py);
  AcGePoint2d back = view.toWorld(px, py);
  EXPECT_NEAR(back.x, 3.3, 1e-12);
  EXPECT_NEAR(back.y, -7.1, 1e-12);
  EXPECT_DOUBLE_EQ(view.unitsPerPixel(), 0.25);
}

TEST(DocumentView, FirstSizeZoomsToTheExtents) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 0) + viewtest::line(0, 0, 0, 50));
  acadsim::setViewSize(drawing.doc(), 200, 200);
  ViewTransform& view = documentView(drawing.doc());
  EXPECT_DOUBLE_EQ(view.center.x, 50);
  EXPECT_DOUBLE_EQ(view.center.y, 25);
  EXPECT_NEAR(view.pixelsPerUnit, 200 * 0.96 / 100, 1e-12);  // the wider side fills all but a margin
  EXPECT_EQ(view.width, 200);
}

TEST(DocumentView, LaterSizesKeepTheCentreAndScale) {
  OpenDrawing drawing(viewtest::line(0, 0, 10, 10));
  acadsim::setViewSize(drawing.doc(), 100, 100);
  ViewTransform before = documentView(drawing.doc());
  acadsim::setViewSize(drawing.doc(), 300, 50);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, before.center.x);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).pixelsPerUnit, before.pixelsPerUnit);
  EXPECT_EQ(documentView(drawing.doc()).height, 50);
}

TEST(DocumentView, EmptyDrawingShowsItsLimits) {
  OpenDrawing drawing("", viewtest::dxfText({{9, "$LIMMIN"}, {10, "0"}, {20, "0"}, {9, "$LIMMAX"}, {10, "420"}, {20, "297"}}));
  acadsim::setViewSize(drawing.doc(), 420, 297);
  ViewTransform& view = documentView(drawing.doc());
  EXPECT_DOUBLE_EQ(view.center.x, 210);
  EXPECT_DOUBLE_EQ(view.center.y, 148.5);
  EXPECT_NEAR(view.pixelsPerUnit, 0.96, 1e-12);
}

TEST(DocumentView, EmptyDrawingPrefersValidHeaderExtents) {
  OpenDrawing drawing("", viewtest::dxfText({{9, "$EXTMIN"}, {10, "10"}, {20, "10"}, {30, "0"}, {9, "$EXTMAX"},
                                             {10, "30"}, {20, "20"}, {30, "0"}}));
  acadsim::setViewSize(drawing.doc(), 100, 100);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, 20);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.y, 15);
}

TEST(DocumentView, ASinglePointKeepsTheScaleAndCentresOnIt) {
  OpenDrawing drawing(viewtest::dxfText({{0, "POINT"}, {8, "0"}, {10, "7"}, {20, "8"}, {30, "0"}}));
  acadsim::setViewSize(drawing.doc(), 100, 100);
  ViewTransform& view = documentView(drawing.doc());
  EXPECT_DOUBLE_EQ(view.center.x, 7);
  EXPECT_DOUBLE_EQ(view.center.y, 8);
  EXPECT_GT(view.pixelsPerUnit, 0);
}

TEST(DocumentView, ZoomAboutAPixelKeepsItsWorldPoint) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 100));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  ViewTransform& view = documentView(drawing.doc());
  AcGePoint2d pixel(30, 70);
  AcGePoint2d before = view.toWorld(pixel.x, pixel.y);
  double scale = view.pixelsPerUnit;
  acadsim::zoomBy(drawing.doc(), 2, &pixel);
  AcGePoint2d after = view.toWorld(pixel.x, pixel.y);
  EXPECT_NEAR(after.x, before.x, 1e-9);
  EXPECT_NEAR(after.y, before.y, 1e-9);
  EXPECT_DOUBLE_EQ(view.pixelsPerUnit, 2 * scale);
  AcGePoint2d center = view.center;
  acadsim::zoomBy(drawing.doc(), 0.5);
  EXPECT_DOUBLE_EQ(view.center.x, center.x);
  acadsim::zoomBy(drawing.doc(), 0);  // not a factor: nothing changes
  acadsim::zoomBy(drawing.doc(), -1);
  EXPECT_DOUBLE_EQ(view.pixelsPerUnit, scale);
}

TEST(DocumentView, PanMovesThePictureWithThePixels) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 100));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  ViewTransform& view = documentView(drawing.doc());
  AcGePoint2d world = view.toWorld(10, 10);
  acadsim::panByPixels(drawing.doc(), 5, -3);
  double px, py;
  view.toPixel(world, px, py);
  EXPECT_NEAR(px, 15, 1e-9);
  EXPECT_NEAR(py, 7, 1e-9);
}

TEST(DocumentView, EachDocumentHasItsOwn) {
  OpenDrawing first(viewtest::line(0, 0, 10, 0));
  OpenDrawing second(viewtest::line(500, 500, 510, 500));
  acadsim::setViewSize(first.doc(), 100, 100);
  acadsim::setViewSize(second.doc(), 100, 100);
  EXPECT_DOUBLE_EQ(documentView(first.doc()).center.x, 5);
  EXPECT_DOUBLE_EQ(documentView(second.doc()).center.x, 505);
}

}  // namespace
