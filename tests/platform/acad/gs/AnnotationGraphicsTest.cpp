// Dimensions draw through their anonymous blocks; images draw their frames.
#include <gtest/gtest.h>

#include "GsTestDrawing.h"

namespace {

using acadsim::hitTest;
using gstest::block;
using gstest::drawing;
using gstest::dxfText;
using gstest::firstGraphics;

TEST(DimensionGraphics, DrawsItsBlockWhereItWasMadeWithItsColourByBlock) {
  std::string dimension = dxfText({{0, "DIMENSION"}, {8, "0"}, {62, "2"}, {100, "AcDbEntity"}, {100, "AcDbDimension"},
                                   {2, "*D1"}, {10, "0"}, {20, "5"}, {30, "0"}, {11, "5"}, {21, "5"}, {31, "0"},
                                   {70, "1"}, {100, "AcDbAlignedDimension"}, {13, "0"}, {23, "0"}, {33, "0"},
                                   {14, "10"}, {24, "0"}, {34, "0"}});
  auto db = drawing(dimension, block("*D1", 1, "", gstest::line(0, 5, 10, 5, "0", 0)));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_EQ(g.primitives[0].color, RGB(255, 255, 0));
  auto hit = hitTest(g, AcGePoint2d(5, 5), 0.01);
  ASSERT_TRUE(hit.hit);
  ASSERT_GE(hit.nestedPath, 0);
  EXPECT_EQ(g.nestedPaths[hit.nestedPath].size(), 1u);
}

TEST(ImageGraphics, TheFrameIsAClosedStroke) {
  std::string image = dxfText({{0, "IMAGE"}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbRasterImage"}, {10, "1"},
                               {20, "2"}, {30, "0"}, {11, "0.1"}, {21, "0"}, {31, "0"}, {12, "0"}, {22, "0.1"},
                               {32, "0"}, {13, "40"}, {23, "20"}});
  auto db = drawing(image);
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_TRUE(g.primitives[0].closed);
  EXPECT_NEAR(g.extents.max.x, 5, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 4, 1e-9);
  EXPECT_TRUE(hitTest(g, AcGePoint2d(3, 2), 1e-9).hit);
  EXPECT_FALSE(hitTest(g, AcGePoint2d(3, 3), 0.5).hit);  // inside the frame is the picture, not the frame
}

}  // namespace
