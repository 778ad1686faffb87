// ZOOM, PAN, REDRAW and REGEN run from the command line.
#include <acadsim/CommandProcessor.h>
#include <gtest/gtest.h>

#include "ViewTestSupport.h"

namespace {

using acadsim::documentView;
using viewtest::OpenDrawing;

int gRepaints = 0;
void countRepaint(AcApDocument*) { ++gRepaints; }

class ViewCommandsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { acadsim::registerViewCommands(&countRepaint); }
  void SetUp() override { gRepaints = 0; }
  void run(std::u16string script) {
    acadsim::StringInputSource input(std::move(script));
    acadsim::CommandProcessor(acadsim::CommandLineHooks{}).run(input);
  }
};

TEST_F(ViewCommandsTest, ZoomExtentsFitsTheDrawingAgain) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 50));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  acadsim::zoomBy(drawing.doc(), 10);
  acadsim::panByPixels(drawing.doc(), 30, 30);
  run(u"ZOOM\nE\n");
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, 50);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.y, 25);
  EXPECT_NEAR(documentView(drawing.doc()).pixelsPerUnit, 1.92, 1e-12);
  EXPECT_EQ(gRepaints, 1);
}

TEST_F(ViewCommandsTest, ZoomScaleFactorRelativeToTheView) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 50));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  double scale = documentView(drawing.doc()).pixelsPerUnit;
  run(u"ZOOM\n2x\nZOOM\n0.25X\n");
  EXPECT_NEAR(documentView(drawing.doc()).pixelsPerUnit, scale * 0.5, 1e-12);
  EXPECT_EQ(gRepaints, 2);
}

TEST_F(ViewCommandsTest, ZoomWindowShowsTheBoxBetweenTheCorners) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 50));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  run(u"ZOOM\n10,10\n30,20\nZOOM\nW\n0,0\n100,100\n");
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, 50);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.y, 50);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).pixelsPerUnit, 1);  // the taller side decides
  EXPECT_EQ(gRepaints, 2);
}

TEST_F(ViewCommandsTest, ZoomAllTakesTheLimitsToo) {
  OpenDrawing drawing(viewtest::line(0, 0, 10, 5),
                      viewtest::dxfText({{9, "$LIMMIN"}, {10, "0"}, {20, "0"}, {9, "$LIMMAX"}, {10, "200"}, {20, "100"}}));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  run(u"ZOOM\nA\n");
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, 100);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).pixelsPerUnit, 1);
}

TEST_F(ViewCommandsTest, UnavailableOptionsLeaveTheView) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 50));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  acadsim::ViewTransform before = documentView(drawing.doc());
  run(u"ZOOM\nP\nZOOM\n\n");
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).pixelsPerUnit, before.pixelsPerUnit);
  EXPECT_EQ(gRepaints, 0);
}

TEST_F(ViewCommandsTest, PanMovesTheViewByTheDisplacement) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 50));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  AcGePoint2d center = documentView(drawing.doc()).center;
  run(u"PAN\n0,0\n10,5\n");
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, center.x - 10);
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.y, center.y - 5);
  run(u"PAN\n-10,-5\n\n");  // Enter: the first point is the displacement
  EXPECT_DOUBLE_EQ(documentView(drawing.doc()).center.x, center.x);
  EXPECT_EQ(gRepaints, 2);
}

TEST_F(ViewCommandsTest, RedrawAndRegenRepaint) {
  OpenDrawing drawing(viewtest::line(0, 0, 100, 50));
  run(u"REDRAW\nREGEN\n");
  EXPECT_EQ(gRepaints, 2);
}

}  // namespace
