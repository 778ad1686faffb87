// Block references: their blocks' entities through the transform, nested paths, ByBlock and layer "0".
#include <gtest/gtest.h>

#include "GsTestDrawing.h"

namespace {

using acadsim::hitTest;
using gstest::block;
using gstest::drawing;
using gstest::dxfText;
using gstest::firstGraphics;
using gstest::insert;
using gstest::line;

TEST(BlockReferenceGraphics, DrawsTheBlockMovedScaledAndRotated) {
  auto db = drawing(insert("B", 10, 10, 2, 90), block("B", 0, "", line(0, 0, 1, 0)));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  const auto& pts = g.primitives[0].points;
  EXPECT_NEAR(pts[0].x, 10, 1e-9);
  EXPECT_NEAR(pts[1].x, 10, 1e-9);
  EXPECT_NEAR(pts[1].y, 12, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 12, 1e-9);
}

TEST(BlockReferenceGraphics, BlockBasePointGoesToTheInsertionPoint) {
  auto db = drawing(insert("B", 0, 0), block("B", 0, "", line(5, 5, 6, 5), 5, 5));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_NEAR(g.primitives[0].points[0].x, 0, 1e-9);
  EXPECT_NEAR(g.primitives[0].points[0].y, 0, 1e-9);
}

TEST(BlockReferenceGraphics, NestedPathsNameTheInnermostEntityFirst) {
  std::string blocks = block("INNER", 0, "", line(0, 0, 1, 0)) + block("OUTER", 0, "", insert("INNER", 0, 5) + line(0, 0, 0, 1));
  auto db = drawing(insert("OUTER", 0, 0), blocks);
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.nestedPaths.size(), 3u);  // INNER's reference, its line, OUTER's own line
  auto deep = hitTest(g, AcGePoint2d(0.5, 5), 0.01);
  ASSERT_TRUE(deep.hit);
  const auto& path = g.nestedPaths.at(deep.nestedPath);
  ASSERT_EQ(path.size(), 2u);
  gstest::OpenFor<AcDbEntity> innermost(path[0]);
  gstest::OpenFor<AcDbEntity> reference(path[1]);
  EXPECT_TRUE(innermost->isKindOf(AcDbLine::desc()));
  EXPECT_TRUE(reference->isKindOf(AcDbBlockReference::desc()));
  auto shallow = hitTest(g, AcGePoint2d(0, 0.5), 0.01);
  ASSERT_TRUE(shallow.hit);
  EXPECT_EQ(g.nestedPaths.at(shallow.nestedPath).size(), 1u);
}

TEST(BlockReferenceGraphics, ByBlockTakesTheReferenceColourAndLayerZeroItsLayer) {
  std::string layers = gstest::layer("0", 7) + gstest::layer("BLUE", 5) + gstest::layer("GREEN", 3);
  std::string contents = line(0, 0, 1, 0, "0", 0) + line(0, 1, 1, 1, "0") + line(0, 2, 1, 2, "GREEN");
  auto db = drawing(insert("B", 0, 0, 1, 0, "BLUE", 1), block("B", 0, "", contents), layers);
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 3u);
  EXPECT_EQ(g.primitives[0].color, RGB(255, 0, 0));  // ByBlock: the reference's red
  EXPECT_EQ(g.primitives[1].color, RGB(0, 0, 255));  // ByLayer on "0": the reference's layer
  EXPECT_EQ(g.primitives[2].color, RGB(0, 255, 0));  // its own layer
}

TEST(BlockReferenceGraphics, NestedEntitiesOnFrozenLayersAreLeftOut) {
  std::string layers = gstest::layer("0", 7) + gstest::layer("ICE", 1, 1) + gstest::layer("OFF", -1);
  auto db = drawing(insert("B", 0, 0), block("B", 0, "", line(0, 0, 1, 0, "ICE") + line(0, 1, 1, 1) + line(0, 2, 1, 2, "OFF")),
                    layers);
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 1u);
  EXPECT_NEAR(g.primitives[0].points[0].y, 1, 1e-12);
}

TEST(BlockReferenceGraphics, ABlockThatHoldsItselfStops) {
  auto db = drawing(insert("LOOP", 0, 0), block("LOOP", 0, "", line(0, 0, 1, 0) + insert("LOOP", 1, 0)));
  auto g = firstGraphics(*db);
  EXPECT_EQ(g.primitives.size(), 1u);
}

TEST(MInsertGraphics, OneCopyPerCellOfTheGrid) {
  std::string minsert = dxfText({{0, "INSERT"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbMInsertBlock"}, {2, "B"},
                                 {10, "0"}, {20, "0"}, {30, "0"}, {70, "3"}, {71, "2"}, {44, "10"}, {45, "20"}});
  auto db = drawing(minsert, block("B", 0, "", line(0, 0, 1, 0)));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 6u);
  EXPECT_NEAR(g.extents.max.x, 21, 1e-9);
  EXPECT_NEAR(g.extents.max.y, 20, 1e-9);
}

TEST(AttributeGraphics, AttributesDrawAsTextOfTheReference) {
  std::string ref = dxfText({{0, "INSERT"}, {8, "0"}, {66, "1"}, {2, "B"}, {10, "0"}, {20, "0"}, {30, "0"},
                             {0, "ATTRIB"}, {8, "0"}, {10, "5"}, {20, "5"}, {30, "0"}, {40, "2"}, {1, "VALUE"},
                             {2, "TAG"}, {70, "0"}, {0, "SEQEND"}, {8, "0"}});
  auto db = drawing(ref, block("B", 0, "", line(0, 0, 1, 0)));
  auto g = firstGraphics(*db);
  ASSERT_EQ(g.primitives.size(), 2u);
  EXPECT_EQ(g.primitives[1].text, u"VALUE");
  auto hit = hitTest(g, AcGePoint2d(6, 6), 0);
  ASSERT_TRUE(hit.hit);
  ASSERT_GE(hit.nestedPath, 0);
  gstest::OpenFor<AcDbEntity> attribute(g.nestedPaths[hit.nestedPath].at(0));
  EXPECT_TRUE(attribute->isKindOf(AcDbAttribute::desc()));
}

}  // namespace
