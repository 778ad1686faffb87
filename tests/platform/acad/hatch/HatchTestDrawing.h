// Drawings for the hatch tests: DXF text read by the host, and the hatches of a drawing in file order.
#pragma once
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <dbhatch.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace hatchtest {

inline std::unique_ptr<AcDbDatabase> readDrawingText(const std::string& dxf) {
  auto db = std::make_unique<AcDbDatabase>(false, true);
  acadsim::DxfError err;
  EXPECT_TRUE(acadsim::readDxfFromMemory(dxf.data(), dxf.size(), *db, err)) << err.line << ": " << err.message;
  return db;
}

// Calls f with each hatch of every block (model space first), each opened for read and closed after.
inline void forEachHatch(AcDbDatabase& db, const std::function<void(const AcDbHatch&)>& f) {
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db.getBlockTable(table, AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> blocks{acadsim::modelSpaceBlockId(db)};
  AcDbBlockTableIterator* it = nullptr;
  if (table->newIterator(it) == Acad::eOk) {
    for (; !it->done(); it->step()) {
      AcDbObjectId id;
      it->getRecordId(id);
      if (id != blocks.front()) blocks.push_back(id);
    }
    delete it;
  }
  table->close();
  for (AcDbObjectId blockId : blocks) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) continue;
    std::vector<AcDbObjectId> ids = block->entityIds();
    block->close();
    for (AcDbObjectId id : ids) {
      AcDbHatch* hatch = nullptr;
      if (acdbOpenObject(hatch, id, AcDb::kForRead) != Acad::eOk) continue;
      f(*hatch);
      hatch->close();
    }
  }
}

}  // namespace hatchtest
