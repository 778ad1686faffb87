#include <gtest/gtest.h>

#include <filesystem>

#include "QuillviewTestSupport.h"
#include "describe/ClassTable.h"
#include "describe/DescribeObject.h"

namespace {

class SharedSamplesTest : public DrawingTest {
 protected:
  SharedSamplesTest() { CreateClassTable(); }
  ~SharedSamplesTest() override { DestroyClassTable(); }
  ScopedQuillviewPXClass pxClass;
};

// Drawings nobody here wrote: every entity of every block gets a description that starts with its header.
TEST_F(SharedSamplesTest, EveryEntityOfEveryReadableDrawingIsDescribed) {
  if (!std::filesystem::is_directory(QV_SHARED_SAMPLES)) GTEST_SKIP() << "no shared samples at " << QV_SHARED_SAMPLES;
  size_t described = 0;
  for (const auto& file : std::filesystem::recursive_directory_iterator(QV_SHARED_SAMPLES)) {
    if (file.path().extension() != ".dxf") continue;
    AcDbDatabase drawing(false);
    if (drawing.dxfIn(Utf8ToWide(file.path().string()).c_str()) != Acad::eOk) continue;
    AcDbBlockTable* blocks = nullptr;
    if (drawing.getBlockTable(blocks, AcDb::kForRead) != Acad::eOk) continue;
    acdbHostApplicationServices()->setWorkingDatabase(&drawing);
    for (AcDbObjectId blockId : blocks->recordIds()) {
      AcDbBlockTableRecord* block = nullptr;
      if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) continue;
      for (AcDbObjectId id : block->entityIds()) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        ScopeText text;
        DescribeObject(text, entity->isA(), entity, -1);
        entity->close();
        EXPECT_EQ(AssembleScopeText(text).rfind(u"<h4>", 0), 0u) << file.path();
        ++described;
      }
      block->close();
    }
    blocks->close();
    acdbHostApplicationServices()->setWorkingDatabase(&db);
  }
  EXPECT_GT(described, 0u);
}

}  // namespace
