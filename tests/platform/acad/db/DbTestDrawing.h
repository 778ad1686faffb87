// Small drawings for the database tests: a default drawing and one read from DXF text.
#pragma once
#include <acadsim/DxfReader.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace dbtest {

struct Group {
  int code;
  std::string value;
};

// ASCII DXF text from groups, one code line and one value line each.
inline std::string dxfText(std::initializer_list<Group> groups) {
  std::string out;
  for (const Group& g : groups) out += std::to_string(g.code) + "\n" + g.value + "\n";
  return out;
}

// Reads DXF text into a new database; fails the test with the reader's message if it cannot.
inline std::unique_ptr<AcDbDatabase> readDrawing(const std::string& dxf) {
  auto db = std::make_unique<AcDbDatabase>(false);
  acadsim::DxfError err;
  EXPECT_TRUE(acadsim::readDxfFromMemory(dxf.data(), dxf.size(), *db, err)) << err.line << ": " << err.message;
  return db;
}

// Appends an entity to model space and returns its id (closed).
inline AcDbObjectId addToModelSpace(AcDbDatabase& db, AcDbEntity* entity) {
  AcDbBlockTable* blocks = nullptr;
  EXPECT_EQ(db.getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* model = nullptr;
  EXPECT_EQ(blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForWrite), Acad::eOk);
  blocks->close();
  AcDbObjectId id;
  EXPECT_EQ(model->appendAcDbEntity(id, entity), Acad::eOk);
  model->close();
  entity->close();
  return id;
}

// The first entity of model space.
inline AcDbObjectId firstModelSpaceEntity(AcDbDatabase& db) {
  AcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, AcDb::kForRead);
  AcDbBlockTableRecord* model = nullptr;
  blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForRead);
  blocks->close();
  AcDbObjectId id = model->entityIds().empty() ? AcDbObjectId::kNull : model->entityIds().front();
  model->close();
  return id;
}

}  // namespace dbtest
