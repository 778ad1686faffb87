// 3DSOLID entities read from DXF: the ACIS body interpreted where the host can, an error status where not.
#include <acadsim/DxfReader.h>
#include <dbsol3d.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "../db/DbTestDrawing.h"
#include "SatWriter.h"
#include "SolidSatSamples.h"
#include "SolidTestSupport.h"

namespace {

using soltest::MassProps;
using soltest::massProps;
constexpr double kPi = 3.14159265358979323846;

struct SolidReading {
  MassProps props;
  Acad::ErrorStatus areaStatus = Acad::eOk;
  double area = -1;
  bool isNull = false;
  Adesk::UInt64 handle = 0;
};

// The properties of every 3DSOLID of the drawing, in block table order, then file order.
std::vector<SolidReading> solidsOf(AcDbDatabase& db) {
  std::vector<SolidReading> out;
  AcDbBlockTable* blocks = nullptr;
  EXPECT_EQ(db.getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> blockIds = blocks->recordIds();
  blocks->close();
  for (AcDbObjectId blockId : blockIds) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) continue;
    std::vector<AcDbObjectId> ids = block->entityIds();
    block->close();
    for (AcDbObjectId id : ids) {
      AcDb3dSolid* solid = nullptr;
      if (acdbOpenObject(solid, id, AcDb::kForRead) != Acad::eOk) continue;
      SolidReading r;
      r.props = massProps(*solid);
      r.areaStatus = solid->getArea(r.area);
      r.isNull = solid->isNull();
      r.handle = Adesk::UInt64(id.handle());
      solid->close();
      out.push_back(r);
    }
  }
  return out;
}

SolidReading readSolid(const std::string& groups) {
  auto db = dbtest::readDrawing(soltest::entitiesDxf(groups));
  std::vector<SolidReading> solids = solidsOf(*db);
  EXPECT_EQ(solids.size(), 1u);
  return solids.empty() ? SolidReading{} : solids[0];
}

void expectFiniteOrError(const SolidReading& r) {
  if (r.props.status == Acad::eOk) {
    EXPECT_TRUE(std::isfinite(r.props.volume));
    EXPECT_GT(r.props.volume, 0);
    for (double m : r.props.momInertia) EXPECT_TRUE(std::isfinite(m));
  }
  if (r.areaStatus == Acad::eOk) {
    EXPECT_TRUE(std::isfinite(r.area));
  }
}

TEST(AcDb3dSolidDxf, PolyhedraAreExact) {
  SolidReading cube = readSolid(soltest::solidGroups(soltest::writeSat(soltest::unitCube())));
  ASSERT_EQ(cube.props.status, Acad::eOk);
  EXPECT_NEAR(cube.props.volume, 1, 1e-14);
  EXPECT_TRUE(cube.props.centroid.isEqualTo({0.5, 0.5, 0.5}, 1e-14));
  EXPECT_NEAR(cube.props.momInertia[0], 2.0 / 3, 1e-14);
  EXPECT_NEAR(cube.props.prodInertia[0], 0.25, 1e-14);
  EXPECT_NEAR(cube.props.prinMoments[0], 1.0 / 6, 1e-14);
  ASSERT_EQ(cube.areaStatus, Acad::eOk);
  EXPECT_NEAR(cube.area, 6, 1e-14);
  EXPECT_FALSE(cube.isNull);

  // The same L-shaped prism as version 400 text in short 3 groups, and as version 700 text.
  for (int version : {400, 700}) {
    SCOPED_TRACE(version);
    SolidReading l = readSolid(soltest::solidGroups(soltest::writeSat(soltest::lPrism(), {version, ""}), 40));
    ASSERT_EQ(l.props.status, Acad::eOk);
    EXPECT_NEAR(l.props.volume, 8, 1e-13);
    EXPECT_TRUE(l.props.centroid.isEqualTo({1.25, 0.75, 1}, 1e-13));
    EXPECT_TRUE(l.props.extents.maxPoint().isEqualTo({3, 2, 2}));
    EXPECT_NEAR(l.area, 2 * 4 + 10 * 2, 1e-13);
  }
}

TEST(AcDb3dSolidDxf, BodyTransformPlacesThePolyhedron) {
  // A quarter turn about z then a shift by (10, 20, 30): (x, y, z) goes to (10 - y, 20 + x, 30 + z).
  SolidReading l = readSolid(soltest::solidGroups(
      soltest::writeSat(soltest::lPrism(), {700, "0 1 0 -1 0 0 0 0 1 10 20 30 1 rotate no_reflect no_shear"})));
  ASSERT_EQ(l.props.status, Acad::eOk);
  EXPECT_NEAR(l.props.volume, 8, 1e-12);
  EXPECT_TRUE(l.props.centroid.isEqualTo({9.25, 21.25, 31}, 1e-12));
  EXPECT_TRUE(l.props.extents.minPoint().isEqualTo({8, 20, 30}, 1e-12));
}

TEST(AcDb3dSolidDxf, RecognisesCylindersAndSpheres) {
  SolidReading cylinder = readSolid(soltest::solidGroups(soltest::kCylinderSat));
  ASSERT_EQ(cylinder.props.status, Acad::eOk);
  EXPECT_NEAR(cylinder.props.volume, 24 * kPi, 1e-12);
  EXPECT_NEAR(cylinder.props.momInertia[2], 24 * kPi * 4 / 2, 1e-11);
  EXPECT_NEAR(cylinder.area, 32 * kPi, 1e-12);
  EXPECT_TRUE(cylinder.props.extents.minPoint().isEqualTo({-2, -2, -3}, 1e-12));

  // The same with every section an ellipse of ratio 0.5.
  std::string elliptical = soltest::kCylinderSat;
  for (size_t at = 0; (at = elliptical.find(" 2 0 0 1 I I", at)) != std::string::npos; ++at)
    elliptical.replace(at, 12, " 2 0 0 0.5 I I");
  SolidReading e = readSolid(soltest::solidGroups(elliptical));
  ASSERT_EQ(e.props.status, Acad::eOk);
  EXPECT_NEAR(e.props.volume, 12 * kPi, 1e-12);

  SolidReading sphere = readSolid(soltest::solidGroups(soltest::kSphereSat));
  ASSERT_EQ(sphere.props.status, Acad::eOk);
  EXPECT_NEAR(sphere.props.volume, 256 * kPi / 3, 1e-11);
  EXPECT_TRUE(sphere.props.centroid.isEqualTo({1, 2, 3}, 1e-12));
  EXPECT_NEAR(sphere.area, 64 * kPi, 1e-11);
}

TEST(AcDb3dSolidDxf, BodiesTheHostCannotInterpretReportAnError) {
  // A cylinder whose side bounds a hole, a cap that does not meet the side, a surface the host does not know.
  std::string hollow = soltest::kCylinderSat;
  hollow.replace(hollow.find("0 1 2 forward I I I I"), 21, "0 1 2 reversed I I I I");
  EXPECT_EQ(readSolid(soltest::solidGroups(hollow)).props.status, Acad::eNotImplementedYet);
  std::string offCap = soltest::kCylinderSat;
  offCap.replace(offCap.find("0 0 3 0 0 1 1 0 0"), 17, "0 0 4 0 0 1 1 0 0");
  EXPECT_EQ(readSolid(soltest::solidGroups(offCap)).props.status, Acad::eNotImplementedYet);
  std::string spline = soltest::kSphereSat;
  spline.replace(spline.find("sphere-surface"), 14, "spline-surface");
  SolidReading unknown = readSolid(soltest::solidGroups(spline));
  EXPECT_EQ(unknown.props.status, Acad::eNotImplementedYet);
  EXPECT_EQ(unknown.areaStatus, Acad::eNotImplementedYet);
  EXPECT_EQ(unknown.props.volume, -1.0);
  EXPECT_FALSE(unknown.isNull);
}

TEST(AcDb3dSolidDxf, BrokenOrMissingDataIsAnErrorNotAFailedDrawing) {
  // R2013 and later keep the body as binary data in ACDSDATA, which the host does not read.
  SolidReading binary = readSolid("0\n3DSOLID\n100\nAcDbEntity\n8\n0\n100\nAcDbModelerGeometry\n290\n1\n2\n{0}\n");
  EXPECT_EQ(binary.props.status, Acad::eNotImplementedYet);
  EXPECT_EQ(binary.areaStatus, Acad::eNotImplementedYet);
  EXPECT_FALSE(binary.isNull);

  SolidReading garbage = readSolid("0\n3DSOLID\n100\nAcDbEntity\n8\n0\n100\nAcDbModelerGeometry\n70\n1\n1\nnot acis at all\n");
  EXPECT_EQ(garbage.props.status, Acad::eInvalidInput);

  // A cube with one face missing encloses nothing.
  soltest::Mesh open = soltest::unitCube();
  open.faces.pop_back();
  SolidReading shell = readSolid(soltest::solidGroups(soltest::writeSat(open)));
  EXPECT_EQ(shell.props.status, Acad::eDegenerateGeometry);

  // A body turned inside out has no positive volume.
  soltest::Mesh inverted = soltest::unitCube();
  for (auto& face : inverted.faces) std::reverse(face.begin(), face.end());
  SolidReading inside = readSolid(soltest::solidGroups(soltest::writeSat(inverted)));
  EXPECT_EQ(inside.props.status, Acad::eDegenerateGeometry);
}

TEST(AcDb3dSolidDxf, ReadBodiesMoveWithTransformBy) {
  auto db = dbtest::readDrawing(soltest::entitiesDxf(soltest::solidGroups(soltest::writeSat(soltest::unitCube()))));
  AcDb3dSolid* solid = nullptr;
  ASSERT_EQ(acdbOpenObject(solid, dbtest::firstModelSpaceEntity(*db), AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(solid->transformBy(AcGeMatrix3d::scaling(3.0)), Acad::eOk);
  EXPECT_NEAR(massProps(*solid).volume, 27, 1e-12);
  solid->close();
}

// Samples that nobody here wrote.
std::filesystem::path sample(const char* name) { return std::filesystem::path(QV_SHARED_SAMPLES) / "ezdxf" / name; }

std::unique_ptr<AcDbDatabase> readSample(const char* name) {
  auto db = std::make_unique<AcDbDatabase>(false);
  EXPECT_EQ(db->dxfIn(Utf8ToWide(sample(name).string()).c_str()), Acad::eOk);
  return db;
}

TEST(AcDb3dSolidSamples, EzdxfSolids) {
  if (!std::filesystem::exists(sample("3dsolids.dxf"))) GTEST_SKIP() << "no shared samples at " << QV_SHARED_SAMPLES;
  auto db = readSample("3dsolids.dxf");
  std::vector<SolidReading> solids = solidsOf(*db);
  ASSERT_EQ(solids.size(), 5u);
  for (const SolidReading& s : solids) expectFiniteOrError(s);
  auto byHandle = [&](Adesk::UInt64 handle) {
    auto found = std::find_if(solids.begin(), solids.end(), [&](const SolidReading& s) { return s.handle == handle; });
    return found != solids.end() ? *found : SolidReading{};
  };
  // A 10-unit cube without one 5-unit corner cube.
  SolidReading notched = byHandle(0x99);
  ASSERT_EQ(notched.props.status, Acad::eOk);
  EXPECT_NEAR(notched.props.volume, 875, 1e-9);
  EXPECT_TRUE(notched.props.extents.maxPoint().isEqualTo({10, 10, 10}, 1e-9));
  // A 10-unit cube with a V-shaped notch over a corner square of side 13/3: two planes of slope 1.4 meet
  // along its diagonal, so the notch holds 1.4 (13/3)³ / 3.
  SolidReading grooved = byHandle(0xA2);
  ASSERT_EQ(grooved.props.status, Acad::eOk);
  EXPECT_NEAR(grooved.props.volume, 1000 - 1.4 * std::pow(13.0 / 3, 3) / 3, 1e-9);
  // A 10-unit cube less a quarter cylinder (radius 5, 5 deep) along one edge: beyond planar faces.
  SolidReading carved = byHandle(0xA5);
  if (carved.props.status == Acad::eOk) EXPECT_NEAR(carved.props.volume, 1000 - 125 * kPi / 4, 1e-6);
  else EXPECT_EQ(carved.props.status, Acad::eNotImplementedYet);
  // A 10-unit cube with a torus-shaped groove round one corner: beyond planar faces too.
  SolidReading groovedByTorus = byHandle(0xA6);
  if (groovedByTorus.props.status == Acad::eOk) EXPECT_LT(groovedByTorus.props.volume, 1000);
  else EXPECT_EQ(groovedByTorus.props.status, Acad::eNotImplementedYet);
  // The block's cone: apex at the origin, base radius 0.25 at x = -1.
  SolidReading cone = byHandle(0x9D);
  ASSERT_EQ(cone.props.status, Acad::eOk);
  EXPECT_NEAR(cone.props.volume, kPi * 0.0625 / 3, 1e-12);
  EXPECT_NEAR(cone.props.centroid.x, -0.75, 1e-12);
  EXPECT_NEAR(cone.area, kPi * 0.0625 + kPi * 0.25 * std::sqrt(1 + 0.0625), 1e-12);
}

TEST(AcDb3dSolidSamples, EzdxfTorusAndBinaryData) {
  if (!std::filesystem::exists(sample("torus_r2010.dxf"))) GTEST_SKIP() << "no shared samples at " << QV_SHARED_SAMPLES;
  std::vector<SolidReading> torus = solidsOf(*readSample("torus_r2010.dxf"));
  ASSERT_EQ(torus.size(), 1u);
  ASSERT_EQ(torus[0].props.status, Acad::eOk);
  // Ring radius 32, tube radius 10, moved to (128, 135, 0).
  EXPECT_NEAR(torus[0].props.volume, 2 * kPi * kPi * 32 * 100, 1e-8);
  EXPECT_TRUE(torus[0].props.centroid.isEqualTo({128, 135, 0}, 1e-9));
  EXPECT_NEAR(torus[0].area, 4 * kPi * kPi * 32 * 10, 1e-8);
  EXPECT_TRUE(torus[0].props.extents.maxPoint().isEqualTo({170, 177, 10}, 1e-9));

  std::vector<SolidReading> uncommon = solidsOf(*readSample("uncommon.dxf"));
  ASSERT_FALSE(uncommon.empty());
  for (const SolidReading& s : uncommon) {
    EXPECT_EQ(s.props.status, Acad::eNotImplementedYet);
    EXPECT_EQ(s.areaStatus, Acad::eNotImplementedYet);
  }
}

}  // namespace
