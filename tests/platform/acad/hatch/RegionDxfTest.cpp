// REGION from DXF: the planar face of its ACIS body becomes the region; bodies the host cannot read answer
// eNotImplementedYet.
#include <dbregion.h>
#include <gtest/gtest.h>

#include "../solid/SatWriter.h"
#include "HatchTestDrawing.h"

namespace {

std::string regionGroups(const std::string& solidGroups) {
  std::string groups = solidGroups;
  groups.replace(groups.find("3DSOLID"), 7, "REGION");
  return groups.substr(0, groups.find("100\nAcDb3dSolid"));
}

// The drawing's one region, opened for read, with fn applied.
void withRegion(const std::string& entity, const std::function<void(const AcDbRegion&)>& fn) {
  auto db = hatchtest::readDrawingText(soltest::entitiesDxf(entity));
  AcDbBlockTableRecord* model = nullptr;
  ASSERT_EQ(acdbOpenObject(model, acadsim::modelSpaceBlockId(*db), AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();
  ASSERT_EQ(ids.size(), 1u);
  AcDbRegion* region = nullptr;
  ASSERT_EQ(acdbOpenObject(region, ids[0], AcDb::kForRead), Acad::eOk);
  fn(*region);
  region->close();
}

TEST(RegionDxfIn, PlanarFaceOfTheBody) {
  // The L-shaped profile (area 4, perimeter 10) lifted to z = 3, seen from +Z.
  soltest::Mesh profile{{{0, 0, 3}, {3, 0, 3}, {3, 1, 3}, {1, 1, 3}, {1, 2, 3}, {0, 2, 3}}, {{0, 1, 2, 3, 4, 5}}};
  for (int version : {400, 700}) {
    withRegion(regionGroups(soltest::solidGroups(soltest::writeSat(profile, {version, ""}))), [&](const AcDbRegion& r) {
      double area = 0.0, perimeter = 0.0;
      EXPECT_EQ(r.getArea(area), Acad::eOk);
      EXPECT_NEAR(area, 4.0, 1e-12);
      EXPECT_EQ(r.getPerimeter(perimeter), Acad::eOk);
      EXPECT_NEAR(perimeter, 10.0, 1e-12);
      AcGeVector3d normal;
      EXPECT_EQ(r.getNormal(normal), Acad::eOk);
      EXPECT_TRUE(normal.isEqualTo(AcGeVector3d::kZAxis, 1e-12));
    });
  }
}

TEST(RegionDxfIn, UnreadableBodiesAnswerNotImplemented) {
  const std::string withoutSat = "0\nREGION\n100\nAcDbEntity\n8\n0\n100\nAcDbModelerGeometry\n290\n0\n2\n{00000000-0000}\n";
  const std::string badSat = "0\nREGION\n100\nAcDbEntity\n8\n0\n100\nAcDbModelerGeometry\n70\n1\n1\n" +
                             soltest::encodeForDxf("700 0 1 0") + "\n1\n" + soltest::encodeForDxf("body $7 #") + "\n";
  for (const std::string& entity : {withoutSat, badSat}) {
    withRegion(entity, [](const AcDbRegion& r) {
      double value = -1.0;
      AcGeVector3d normal;
      EXPECT_EQ(r.getArea(value), Acad::eNotImplementedYet);
      EXPECT_EQ(r.getPerimeter(value), Acad::eNotImplementedYet);
      EXPECT_EQ(r.getNormal(normal), Acad::eNotImplementedYet);
      EXPECT_EQ(value, -1.0);
    });
  }
}

}  // namespace
