// Areas and perimeters of hatches that ezdxf wrote, against ezdxf's own figures (make_ezdxf_hatches.py).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "HatchRegions.h"
#include "HatchTestDrawing.h"

namespace {

struct Expected {
  int hatch = 0, loop = 0;
  double area = 0.0, perimeter = 0.0, tolerance = 0.0;
};

std::vector<Expected> readExpected(const std::string& path) {
  std::vector<Expected> rows;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Expected e;
    fields >> e.hatch >> e.loop >> e.area >> e.perimeter >> e.tolerance;
    rows.push_back(e);
  }
  return rows;
}

TEST(EzdxfHatches, AreasAndPerimetersMatchEzdxf) {
  const std::string dir = QV_HATCH_EZDXF_DIR;
  std::vector<Expected> rows = readExpected(dir + "/expected.tsv");
  if (rows.empty() || !std::filesystem::exists(dir + "/hatches.dxf"))
    GTEST_SKIP() << "no ezdxf data in " << dir << " (python3-ezdxf missing)";
  AcDbDatabase db(false, true);
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxf(dir + "/hatches.dxf", db, err)) << err.message;

  std::map<int, std::vector<Expected>> byHatch;
  for (const Expected& e : rows) byHatch[e.hatch].push_back(e);
  int index = 0;
  hatchtest::forEachHatch(db, [&](const AcDbHatch& hatch) {
    for (const Expected& e : byHatch[index]) {
      SCOPED_TRACE("hatch " + std::to_string(e.hatch) + " loop " + std::to_string(e.loop));
      if (e.loop < 0) {
        EXPECT_NEAR(hatchtest::hatchArea(hatch), e.area, e.tolerance * std::fmax(e.area, 1.0));
        continue;
      }
      hatchtest::OwnedArray<AcDbRegion> regions;
      ASSERT_EQ(hatchtest::loopRegions(hatch, e.loop, regions), Acad::eOk);
      ASSERT_EQ(regions.items.length(), 1);
      double area = 0.0, perimeter = 0.0;
      ASSERT_EQ(regions.at(0)->getArea(area), Acad::eOk);
      ASSERT_EQ(regions.at(0)->getPerimeter(perimeter), Acad::eOk);
      EXPECT_NEAR(area, e.area, e.tolerance * e.area);
      EXPECT_NEAR(perimeter, e.perimeter, e.tolerance * e.perimeter);
    }
    ++index;
  });
  EXPECT_EQ(index, static_cast<int>(byHatch.size()));
}

}  // namespace
