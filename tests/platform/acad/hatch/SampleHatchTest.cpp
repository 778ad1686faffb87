// Every hatch of the shared sample drawings: its loops read back whole, finite, and regions form where they close.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "HatchRegions.h"
#include "HatchTestDrawing.h"

namespace {

namespace fs = std::filesystem;

bool finite(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

void checkLoops(const AcDbHatch& hatch, int& loops, int& regionsMade) {
  for (int i = 0; i < hatch.numLoops(); ++i) {
    Adesk::Int32 type = 0;
    if (hatch.loopTypeAt(i) & AcDbHatch::kPolyline) {
      AcGePoint2dArray vertices;
      AcGeDoubleArray bulges;
      ASSERT_EQ(hatch.getLoopAt(i, type, vertices, bulges), Acad::eOk);
      for (const AcGePoint2d& p : vertices) EXPECT_TRUE(finite(p));
      EXPECT_TRUE(bulges.isEmpty() || bulges.length() == vertices.length());
    } else {
      AcGeVoidPointerArray edges;
      AcGeIntArray types;
      ASSERT_EQ(hatch.getLoopAt(i, type, edges, types), Acad::eOk);
      ASSERT_EQ(edges.length(), types.length());
      for (void* edge : edges) {
        auto* curve = static_cast<const AcGeCurve2d*>(edge);
        EXPECT_TRUE(finite(curve->evalPoint(curve->startParam())));
        EXPECT_TRUE(finite(curve->evalPoint(curve->endParam())));
      }
    }
    ++loops;
    hatchtest::OwnedArray<AcDbRegion> regions;
    if (hatchtest::loopRegions(hatch, i, regions) != Acad::eOk) continue;
    for (int r = 0; r < regions.items.length(); ++r) {
      double area = -1.0, perimeter = -1.0;
      ASSERT_EQ(regions.at(r)->getArea(area), Acad::eOk);
      ASSERT_EQ(regions.at(r)->getPerimeter(perimeter), Acad::eOk);
      EXPECT_TRUE(std::isfinite(area) && area > 0.0);
      EXPECT_TRUE(std::isfinite(perimeter) && perimeter > 0.0);
      ++regionsMade;
    }
  }
  double area = hatchtest::hatchArea(hatch);
  EXPECT_TRUE(std::isfinite(area) && area >= 0.0);
}

TEST(SampleHatches, LoopsReadFiniteAndRegionsFormWhereTheyClose) {
  const fs::path samples = QV_SHARED_SAMPLES;
  if (!fs::exists(samples)) GTEST_SKIP() << "no shared samples at " << samples;
  int hatches = 0, loops = 0, regionsMade = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(samples)) {
    if (entry.path().extension() != ".dxf") continue;
    AcDbDatabase db(false, true);
    acadsim::DxfError err;
    if (!acadsim::readDxf(entry.path().string(), db, err)) continue;
    SCOPED_TRACE(entry.path().string());
    hatchtest::forEachHatch(db, [&](const AcDbHatch& hatch) {
      ++hatches;
      checkLoops(hatch, loops, regionsMade);
    });
  }
  EXPECT_GT(hatches, 0);
  EXPECT_GT(regionsMade, 0);
  std::printf("%d hatches, %d loops, %d regions\n", hatches, loops, regionsMade);
}

}  // namespace
