// Every model-space entity of the drawings others wrote gives graphics without a crash, with finite
// points and extents that hold them.
#include <acadsim/DxfReader.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "GsTestDrawing.h"

namespace {

namespace fs = std::filesystem;

bool finite(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

TEST(SampleDrawingGraphics, EveryEntityDrawsFinitelyWithinItsExtents) {
  if (!fs::exists(QV_SHARED_SAMPLES)) GTEST_SKIP() << "shared samples not found at " << QV_SHARED_SAMPLES;
  int drawings = 0, drawn = 0;
  for (const fs::directory_entry& file : fs::recursive_directory_iterator(QV_SHARED_SAMPLES)) {
    if (file.path().extension() != ".dxf") continue;
    AcDbDatabase db(false);
    acadsim::DxfError err;
    if (!acadsim::readDxf(file.path().string(), db, err)) continue;
    ++drawings;
    for (AcDbObjectId id : gstest::modelSpace(db)) {
      acadsim::EntityGraphics g = gstest::graphicsOf(id);
      if (g.primitives.empty()) continue;
      ++drawn;
      ASSERT_FALSE(g.extents.isEmpty()) << file.path();
      for (const acadsim::GraphicPrimitive& p : g.primitives)
        for (const AcGePoint2d& pt : p.points) {
          ASSERT_TRUE(finite(pt)) << file.path();
          if (p.kind == acadsim::GraphicPrimitive::Kind::Text) continue;
          EXPECT_GE(pt.x, g.extents.min.x - 1e-9) << file.path();
          EXPECT_LE(pt.y, g.extents.max.y + 1e-9) << file.path();
        }
      for (const auto& path : g.nestedPaths) EXPECT_FALSE(path.empty()) << file.path();
    }
  }
  EXPECT_GT(drawings, 0);
  EXPECT_GT(drawn, 0);
}

}  // namespace
