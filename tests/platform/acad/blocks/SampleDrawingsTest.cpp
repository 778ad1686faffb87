// Block references, tables, viewports and images of the shared sample drawings read with plausible values.
#include <acadsim/DxfReader.h>
#include <acutmem.h>
#include <dbents.h>
#include <dbtablestyle.h>
#include <gtest/gtest.h>
#include <imgdef.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "BlocksTestDrawing.h"

namespace {

using blockstest::OpenFor;

// Without the shared samples folder these tests have nothing to read.
#define SKIP_WITHOUT_SAMPLES() \
  if (!std::filesystem::is_directory(QV_SHARED_SAMPLES)) GTEST_SKIP() << "no shared samples at " << QV_SHARED_SAMPLES

std::unique_ptr<AcDbDatabase> readSample(const std::string& relativePath) {
  std::string path = std::string(QV_SHARED_SAMPLES) + "/" + relativePath;
  auto db = std::make_unique<AcDbDatabase>(false);
  acadsim::DxfError err;
  EXPECT_TRUE(acadsim::readDxf(path, *db, err)) << acadsim::formatDxfError(path, err);
  return db;
}

// The entities of class T directly in the block.
template <class T>
std::vector<AcDbObjectId> entitiesOf(AcDbObjectId blockId) {
  std::vector<AcDbObjectId> found;
  OpenFor<AcDbBlockTableRecord> block(blockId);
  if (block.get() == nullptr) return found;
  for (AcDbObjectId id : block->entityIds()) {
    AcDbObject* obj = nullptr;
    if (acdbOpenAcDbObject(obj, id, AcDb::kForRead) != Acad::eOk) continue;
    if (T::cast(obj) != nullptr) found.push_back(id);
    obj->close();
  }
  return found;
}

bool finite(const AcGeMatrix3d& m) {
  for (const auto& row : m.entry)
    for (double e : row)
      if (!std::isfinite(e)) return false;
  return true;
}

TEST(BlockSamples, MultipleInsertWithAttributes) {
  SKIP_WITHOUT_SAMPLES();
  auto db = readSample("ezdxf/multi_insert_with_attribs.dxf");
  auto grids = entitiesOf<AcDbMInsertBlock>(blockstest::blockNamed(*db, ACDB_MODEL_SPACE));
  ASSERT_EQ(grids.size(), 1u);
  OpenFor<AcDbMInsertBlock> grid(grids[0]);
  EXPECT_EQ(grid->blockTableRecord(), blockstest::blockNamed(*db, u"FLAG"));
  EXPECT_EQ(grid->columns(), 5);
  EXPECT_EQ(grid->rows(), 5);
  EXPECT_DOUBLE_EQ(grid->columnSpacing(), 10.0);
  EXPECT_DOUBLE_EQ(grid->rowSpacing(), 10.0);
  EXPECT_NEAR(grid->rotation(), 15.0 * M_PI / 180.0, 1e-12);
  std::unique_ptr<AcDbObjectIterator> attributes(grid->attributeIterator());
  int count = 0;
  for (; !attributes->done(); attributes->step()) ++count;
  EXPECT_EQ(count, 3);
}

TEST(BlockSamples, InsertWithColumnCountZeroIsOneInsert) {
  SKIP_WITHOUT_SAMPLES();
  auto db = readSample("gdal/insert_only_col_count_zero.dxf");
  auto inserts = entitiesOf<AcDbBlockReference>(blockstest::blockNamed(*db, ACDB_MODEL_SPACE));
  ASSERT_EQ(inserts.size(), 1u);
  OpenFor<AcDbBlockReference> insert(inserts[0]);
  EXPECT_EQ(AcDbMInsertBlock::cast(insert.get()), nullptr);
  EXPECT_EQ(insert->blockTableRecord(), blockstest::blockNamed(*db, u"STAR"));
  EXPECT_TRUE(insert->position().isEqualTo(AcGePoint3d(79.0976537766561876, 119.9621950624433424, 0)));
}

TEST(TableSamples, SimpleTable) {
  SKIP_WITHOUT_SAMPLES();
  auto db = readSample("ezdxf/acad_table_simple.dxf");
  auto tables = entitiesOf<AcDbTable>(blockstest::blockNamed(*db, ACDB_MODEL_SPACE));
  ASSERT_EQ(tables.size(), 1u);
  OpenFor<AcDbTable> table(tables[0]);
  EXPECT_EQ(table->numRows(), 3u);
  EXPECT_EQ(table->numColumns(), 3u);
  EXPECT_EQ(table->blockTableRecord(), blockstest::blockNamed(*db, u"*T1"));
  EXPECT_TRUE(table->position().isEqualTo(AcGePoint3d(105, 145, 0)));
  OpenFor<AcDbTableStyle> style(table->tableStyle());
  ASSERT_NE(style.get(), nullptr);
  ACHAR* name = nullptr;
  EXPECT_EQ(style->getName(name), Acad::eOk);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::u16string(name), u"Standard");
  acutDelBuffer(name);
}

TEST(ViewportSamples, OverallPaperViewportIsOneToOne) {
  SKIP_WITHOUT_SAMPLES();
  auto db = readSample("ezdxf/viewports.dxf");
  auto viewports = entitiesOf<AcDbViewport>(blockstest::blockNamed(*db, ACDB_PAPER_SPACE));
  ASSERT_FALSE(viewports.empty());
  OpenFor<AcDbViewport> first(viewports[0]);
  EXPECT_EQ(first->number(), 1);
  EXPECT_DOUBLE_EQ(first->height(), 16.138673042439);
  EXPECT_DOUBLE_EQ(first->viewHeight(), 16.138673042439);
  EXPECT_DOUBLE_EQ(first->width(), 29.089460051803);
}

TEST(ImageSamples, MissingImageFilesKeepTheirSavedNames) {
  SKIP_WITHOUT_SAMPLES();
  auto db = readSample("ezdxf/viewports.dxf");
  auto images = entitiesOf<AcDbRasterImage>(blockstest::blockNamed(*db, ACDB_MODEL_SPACE));
  EXPECT_EQ(images.size(), 5u);
  for (AcDbObjectId id : images) {
    OpenFor<AcDbRasterImage> image(id);
    OpenFor<AcDbRasterImageDef> def(image->imageDefId());
    ASSERT_NE(def.get(), nullptr);
    EXPECT_EQ(std::u16string(def->activeFileName()), std::u16string(def->sourceFileName()));
    AcGePoint3d origin;
    AcGeVector3d u, v;
    EXPECT_EQ(image->getOrientation(origin, u, v), Acad::eOk);
    EXPECT_GT(u.length(), 0.0);
    EXPECT_GT(v.length(), 0.0);
  }
}

TEST(BlockSamples, EveryInsertHasAFiniteTransform) {
  SKIP_WITHOUT_SAMPLES();
  for (const char* sample : {"ezdxf/colors.dxf", "ezdxf/insert_bricscad_level_1.dxf", "gdal/text-block-transform.dxf",
                             "gdal/attrib-nested.dxf", "ezdxf/transform_hatch_pattern.dxf"}) {
    auto db = readSample(sample);
    auto inserts = entitiesOf<AcDbBlockReference>(blockstest::blockNamed(*db, ACDB_MODEL_SPACE));
    EXPECT_FALSE(inserts.empty()) << sample;
    for (AcDbObjectId id : inserts) {
      OpenFor<AcDbBlockReference> insert(id);
      EXPECT_FALSE(insert->blockTableRecord().isNull()) << sample;
      EXPECT_TRUE(finite(insert->blockTransform())) << sample;
    }
  }
}

}  // namespace
