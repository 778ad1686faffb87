// AcDbBlockReference and AcDbMInsertBlock as read from INSERT entities.
#include <acutmem.h>
#include <dbents.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "BlocksTestDrawing.h"

namespace {

using blockstest::block;
using blockstest::drawing;
using blockstest::OpenFor;
using dbtest::dxfText;

std::string insertOf(const std::string& name, std::initializer_list<dbtest::Group> groups) {
  return dxfText({{0, "INSERT"}, {8, "0"}, {100, "AcDbBlockReference"}, {2, name}}) + dxfText(groups);
}

struct Insert {
  std::unique_ptr<AcDbDatabase> db;
  AcDbObjectId id;
};

Insert readInsert(const std::string& blocks, const std::string& entities) {
  Insert result;
  result.db = dbtest::readDrawing(drawing("", blocks, entities));
  result.id = dbtest::firstModelSpaceEntity(*result.db);
  return result;
}

bool finite(const AcGeMatrix3d& m) {
  for (const auto& row : m.entry)
    for (double e : row)
      if (!std::isfinite(e)) return false;
  return true;
}

void expectPoint(const AcGePoint3d& actual, double x, double y, double z) {
  EXPECT_NEAR(actual.x, x, 1e-9);
  EXPECT_NEAR(actual.y, y, 1e-9);
  EXPECT_NEAR(actual.z, z, 1e-9);
}

TEST(AcDbBlockReference, ReadsPlacementGroups) {
  Insert in = readInsert(block("B"), insertOf("B", {{10, "5"}, {20, "6"}, {30, "7"}, {41, "2"}, {42, "3"},
                                                    {43, "4"}, {50, "90"}}));
  OpenFor<AcDbBlockReference> ref(in.id);
  ASSERT_NE(ref.get(), nullptr);
  EXPECT_EQ(ref->blockTableRecord(), blockstest::blockNamed(*in.db, u"B"));
  expectPoint(ref->position(), 5, 6, 7);
  EXPECT_DOUBLE_EQ(ref->scaleFactors().sx, 2.0);
  EXPECT_DOUBLE_EQ(ref->scaleFactors().sy, 3.0);
  EXPECT_DOUBLE_EQ(ref->scaleFactors().sz, 4.0);
  EXPECT_DOUBLE_EQ(ref->rotation(), M_PI / 2);
  EXPECT_TRUE(ref->normal().isEqualTo(AcGeVector3d::kZAxis));
}

TEST(AcDbBlockReference, DefaultsWhenGroupsAreMissing) {
  Insert in = readInsert(block("B"), insertOf("B", {}));
  OpenFor<AcDbBlockReference> ref(in.id);
  ASSERT_NE(ref.get(), nullptr);
  expectPoint(ref->position(), 0, 0, 0);
  EXPECT_TRUE(ref->scaleFactors().isEqualTo(AcGeScale3d(1.0)));
  EXPECT_EQ(ref->rotation(), 0.0);
  EXPECT_TRUE(ref->normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_TRUE(ref->blockTransform().isEqualTo(AcGeMatrix3d::kIdentity));
}

TEST(AcDbBlockReference, RotationIsKeptWithinOneTurn) {
  for (auto [degrees, radians] : {std::pair{"-90", 1.5 * M_PI}, {"450", 0.5 * M_PI}, {"360", 0.0}, {"0", 0.0}}) {
    Insert in = readInsert(block("B"), insertOf("B", {{50, degrees}}));
    OpenFor<AcDbBlockReference> ref(in.id);
    EXPECT_NEAR(ref->rotation(), radians, 1e-12) << degrees;
  }
}

TEST(AcDbBlockReference, BlockNamesResolve) {
  // Inside BLOCKS an insert may name a block defined further down.
  std::string inner = block("INNER");
  std::string outer = block("OUTER", 0, "", insertOf("inner", {}));
  auto db = dbtest::readDrawing(drawing("", outer + inner, insertOf("Outer", {}) + insertOf("NOWHERE", {})));
  OpenFor<AcDbBlockTableRecord> outerBlock(blockstest::blockNamed(*db, u"OUTER"));
  ASSERT_EQ(outerBlock->entityIds().size(), 1u);
  OpenFor<AcDbBlockReference> nested(outerBlock->entityIds()[0]);
  EXPECT_EQ(nested->blockTableRecord(), blockstest::blockNamed(*db, u"INNER"));  // names ignore case
  OpenFor<AcDbBlockTableRecord> model(db->currentSpaceId());
  ASSERT_EQ(model->entityIds().size(), 2u);
  OpenFor<AcDbBlockReference> top(model->entityIds()[0]);
  EXPECT_EQ(top->blockTableRecord(), blockstest::blockNamed(*db, u"OUTER"));
  OpenFor<AcDbBlockReference> undefined(model->entityIds()[1]);
  EXPECT_TRUE(undefined->blockTableRecord().isNull());
  EXPECT_TRUE(finite(undefined->blockTransform()));
}

TEST(AcDbBlockReference, RefusesNonFiniteNumbers) {
  Insert in = readInsert(block("B"), insertOf("B", {{10, "nan"}, {20, "1"}, {30, "1"}, {41, "inf"}, {42, "-inf"},
                                                    {43, "nan"}, {50, "nan"}, {210, "nan"}, {220, "0"}, {230, "1"}}));
  OpenFor<AcDbBlockReference> ref(in.id);
  ASSERT_NE(ref.get(), nullptr);
  expectPoint(ref->position(), 0, 0, 0);
  EXPECT_TRUE(ref->scaleFactors().isEqualTo(AcGeScale3d(1.0)));
  EXPECT_EQ(ref->rotation(), 0.0);
  EXPECT_TRUE(ref->normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_TRUE(finite(ref->blockTransform()));
}

TEST(AcDbBlockReferenceTransform, MovesTheBasePointToTheInsertionPoint) {
  Insert in = readInsert(block("B", 0, "", "", 1, 2),
                         insertOf("B", {{10, "5"}, {20, "6"}, {30, "0"}, {41, "2"}, {42, "2"}, {43, "2"}, {50, "90"}}));
  OpenFor<AcDbBlockReference> ref(in.id);
  AcGeMatrix3d m = ref->blockTransform();
  expectPoint(m * AcGePoint3d(1, 2, 0), 5, 6, 0);
  expectPoint(m * AcGePoint3d(2, 2, 0), 5, 8, 0);  // one unit along X: scaled by 2, turned to +Y
  expectPoint(m * AcGePoint3d(1, 2, 1), 5, 6, 2);
}

TEST(AcDbBlockReferenceTransform, FollowsTheArbitraryAxisAlgorithm) {
  // Normal -Z: the plane's X axis is world -X; the insertion point is given in that plane.
  Insert down = readInsert(block("B"), insertOf("B", {{10, "5"}, {20, "6"}, {30, "0"}, {210, "0"}, {220, "0"},
                                                      {230, "-1"}}));
  OpenFor<AcDbBlockReference> mirrored(down.id);
  expectPoint(mirrored->position(), -5, 6, 0);
  EXPECT_TRUE((mirrored->blockTransform() * AcGeVector3d::kXAxis).isEqualTo(AcGeVector3d(-1, 0, 0)));
  // Normal +X (not near Z): plane X = Z x N = world Y, plane Y = N x plane X = world Z.
  Insert side = readInsert(block("B"), insertOf("B", {{10, "5"}, {20, "6"}, {30, "7"}, {210, "3"}, {220, "0"},
                                                      {230, "0"}}));
  OpenFor<AcDbBlockReference> standing(side.id);
  expectPoint(standing->position(), 7, 5, 6);
  EXPECT_TRUE(standing->normal().isEqualTo(AcGeVector3d::kXAxis));  // made a unit vector
  expectPoint(standing->blockTransform() * AcGePoint3d(1, 1, 1), 8, 6, 7);
}

TEST(AcDbBlockReferenceTransform, OddNormalsGiveUnitAxes) {
  for (const char* x : {"1e300", "1e-300", "0"}) {
    Insert in = readInsert(block("B"), insertOf("B", {{210, x}, {220, "0"}, {230, "0"}}));
    OpenFor<AcDbBlockReference> ref(in.id);
    EXPECT_NEAR(ref->normal().length(), 1.0, 1e-12) << x;
    EXPECT_TRUE(finite(ref->blockTransform())) << x;
  }
}

TEST(AcDbBlockReferenceTransform, NegativeScaleMirrors) {
  Insert in = readInsert(block("B"), insertOf("B", {{41, "1"}, {42, "1"}, {43, "-1"}}));
  OpenFor<AcDbBlockReference> ref(in.id);
  EXPECT_DOUBLE_EQ(ref->scaleFactors().sz, -1.0);
  EXPECT_TRUE((ref->blockTransform() * AcGeVector3d::kZAxis).isEqualTo(AcGeVector3d(0, 0, -1)));
  EXPECT_NEAR(ref->blockTransform().det(), -1.0, 1e-12);
}

TEST(AcDbBlockReferenceTransform, ZeroScaleIsSingularButFinite) {
  Insert in = readInsert(block("B"), insertOf("B", {{10, "3"}, {20, "4"}, {30, "0"}, {41, "0"}, {42, "1"}, {43, "1"}}));
  OpenFor<AcDbBlockReference> ref(in.id);
  EXPECT_EQ(ref->scaleFactors().sx, 0.0);
  AcGeMatrix3d m = ref->blockTransform();
  EXPECT_TRUE(finite(m));
  EXPECT_TRUE(m.isSingular());
  EXPECT_TRUE((m * AcGeVector3d::kXAxis).isZeroLength());
  expectPoint(m * AcGePoint3d(9, 0, 0), 3, 4, 0);
}

TEST(AcDbBlockReferenceTransform, OverflowCollapsesToTheInsertionPoint) {
  Insert in = readInsert(block("B", 0, "", "", 1e300, 1e300),
                         insertOf("B", {{10, "3"}, {20, "4"}, {30, "5"}, {41, "1e300"}, {42, "1e300"}, {43, "1"}}));
  OpenFor<AcDbBlockReference> ref(in.id);
  AcGeMatrix3d m = ref->blockTransform();
  EXPECT_TRUE(finite(m));
  expectPoint(m * AcGePoint3d(1, 2, 3), 3, 4, 5);
}

TEST(AcDbBlockReference, AttributesFollowTheInsert) {
  std::string entities = insertOf("B", {{66, "1"}}) +
                         dxfText({{0, "ATTRIB"}, {5, "A1"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"},
                                  {1, "one"}, {2, "TAG1"}, {70, "0"}, {0, "ATTRIB"}, {5, "A2"}, {8, "0"}, {10, "0"},
                                  {20, "0"}, {30, "0"}, {40, "1"}, {1, "two"}, {2, "TAG2"}, {70, "0"}, {0, "SEQEND"},
                                  {5, "A3"}, {8, "0"}}) +
                         insertOf("B", {});
  auto db = dbtest::readDrawing(drawing("", block("B"), entities));
  OpenFor<AcDbBlockTableRecord> model(db->currentSpaceId());
  ASSERT_EQ(model->entityIds().size(), 2u);
  OpenFor<AcDbBlockReference> withAttributes(model->entityIds()[0]);
  std::unique_ptr<AcDbObjectIterator> it(withAttributes->attributeIterator());
  ASSERT_FALSE(it->done());
  EXPECT_EQ(it->objectId(), blockstest::byHandle(*db, 0xA1));
  it->step();
  ASSERT_FALSE(it->done());
  EXPECT_EQ(it->objectId(), blockstest::byHandle(*db, 0xA2));
  it->step();
  EXPECT_TRUE(it->done());  // the SEQEND is no attribute
  OpenFor<AcDbBlockReference> bare(model->entityIds()[1]);
  std::unique_ptr<AcDbObjectIterator> none(bare->attributeIterator());
  EXPECT_TRUE(none->done());
}

TEST(AcDbMInsertBlock, ReadsItsGrid) {
  std::string minsert = dxfText({{0, "INSERT"}, {8, "0"}, {100, "AcDbMInsertBlock"}, {66, "0"}, {2, "B"}, {10, "1"},
                                 {20, "2"}, {30, "0"}, {50, "15"}, {70, "5"}, {71, "4"}, {44, "10"}, {45, "20.5"}});
  Insert in = readInsert(block("B"), minsert);
  OpenFor<AcDbMInsertBlock> grid(in.id);
  ASSERT_NE(grid.get(), nullptr);
  EXPECT_EQ(grid->columns(), 5);
  EXPECT_EQ(grid->rows(), 4);
  EXPECT_DOUBLE_EQ(grid->columnSpacing(), 10.0);
  EXPECT_DOUBLE_EQ(grid->rowSpacing(), 20.5);
  EXPECT_EQ(grid->blockTableRecord(), blockstest::blockNamed(*in.db, u"B"));
  EXPECT_NEAR(grid->rotation(), 15 * M_PI / 180, 1e-12);
  expectPoint(grid->position(), 1, 2, 0);
}

TEST(AcDbMInsertBlock, CountsBelowOneReadAsOne) {
  Insert in = readInsert(block("B"), insertOf("B", {{70, "3"}, {71, "-2"}, {44, "nan"}}));
  OpenFor<AcDbMInsertBlock> grid(in.id);
  ASSERT_NE(grid.get(), nullptr);
  EXPECT_EQ(grid->columns(), 3);
  EXPECT_EQ(grid->rows(), 1);
  EXPECT_EQ(grid->columnSpacing(), 0.0);
}

// The path as the new buffer of the R17 form, freed as the caller must.
std::u16string pathOf(const AcDbBlockTableRecord* block) {
  ACHAR* path = nullptr;
  EXPECT_EQ(block->pathName(path), Acad::eOk);
  std::u16string text = path ? path : u"(null)";
  acutDelBuffer(path);
  EXPECT_EQ(path, nullptr);
  return text;
}

TEST(AcDbBlockTableRecordXref, FlagsAndPath) {
  std::string blocks = block("SITE", 4, "C:\\xrefs\\site.dwg") + block("OVER", 12, "..\\over.dwg") + block("PLAIN");
  auto db = dbtest::readDrawing(drawing("", blocks, ""));
  OpenFor<AcDbBlockTableRecord> site(blockstest::blockNamed(*db, u"SITE"));
  EXPECT_TRUE(site->isFromExternalReference());
  EXPECT_FALSE(site->isFromOverlayReference());
  EXPECT_EQ(pathOf(site.get()), u"C:\\xrefs\\site.dwg");
  OpenFor<AcDbBlockTableRecord> over(blockstest::blockNamed(*db, u"OVER"));
  EXPECT_TRUE(over->isFromOverlayReference());
  const ACHAR* kept = nullptr;
  EXPECT_EQ(over->pathName(kept), Acad::eOk);
  EXPECT_EQ(std::u16string(kept), pathOf(over.get()));
  OpenFor<AcDbBlockTableRecord> plain(blockstest::blockNamed(*db, u"PLAIN"));
  EXPECT_FALSE(plain->isFromExternalReference());
  EXPECT_FALSE(plain->isFromOverlayReference());
  EXPECT_EQ(pathOf(plain.get()), u"");
}

}  // namespace
