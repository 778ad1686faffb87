#include "describe/DescriberTest.h"

#include <acadsim/DrawingQueries.h>
#include <dbapserv.h>

#include "describe/ClassTable.h"
#include "describe/DescribeEntity.h"
#include "describe/DescribeObject.h"

namespace {

void AppendSection(std::string& out, const char* name, const DxfGroups& groups) {
  if (groups.empty()) return;
  out += "0\nSECTION\n2\n" + std::string(name) + "\n";
  for (const DxfGroup& g : groups) out += std::to_string(g.code) + "\n" + g.value + "\n";
  out += "0\nENDSEC\n";
}

}  // namespace

DescriberTest::DescriberTest() : m_previous(acdbHostApplicationServices()->workingDatabase()) {
  EXPECT_TRUE(CreateClassTable());
}

DescriberTest::~DescriberTest() {
  DestroyClassTable();
  acdbHostApplicationServices()->setWorkingDatabase(m_previous);
}

void DescriberTest::Read(const DxfGroups& entities, const DxfGroups& header, const DxfGroups& tables,
                         const DxfGroups& blocks, const DxfGroups& objects) {
  std::string text;
  AppendSection(text, "HEADER", header);
  AppendSection(text, "TABLES", tables);
  AppendSection(text, "BLOCKS", blocks);
  AppendSection(text, "ENTITIES", entities.empty() ? DxfGroups{{999, "none"}} : entities);
  AppendSection(text, "OBJECTS", objects);
  text += "0\nEOF\n";
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxfFromMemory(text.data(), text.size(), db, err)) << err.line << ": " << err.message;
  acdbHostApplicationServices()->setWorkingDatabase(&db);
}

void DescriberTest::ReadEntities(std::initializer_list<DxfGroups> entities, const DxfGroups& tables,
                                 const DxfGroups& blocks, const DxfGroups& objects) {
  DxfGroups all;
  for (const DxfGroups& e : entities) all.insert(all.end(), e.begin(), e.end());
  Read(all, {}, tables, blocks, objects);
}

AcDbObjectId DescriberTest::EntityAt(size_t index) {
  AcDbBlockTableRecord* model = nullptr;
  EXPECT_EQ(acdbOpenObject(model, acadsim::modelSpaceBlockId(db), AcDb::kForRead), Acad::eOk);
  if (model == nullptr) return AcDbObjectId::kNull;
  AcDbObjectId id = index < model->entityIds().size() ? model->entityIds()[index] : AcDbObjectId::kNull;
  model->close();
  return id;
}

AcDbObjectId DescriberTest::Append(AcDbEntity* entity) {
  AcDbBlockTableRecord* model = nullptr;
  EXPECT_EQ(acdbOpenObject(model, acadsim::modelSpaceBlockId(db), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  if (model == nullptr) {
    delete entity;
    return id;
  }
  EXPECT_EQ(model->appendAcDbEntity(id, entity), Acad::eOk);
  model->close();
  entity->close();
  return id;
}

ScopeText DescriberTest::Describe(size_t index) {
  ScopeText text;
  AcDbEntity* entity = nullptr;
  EXPECT_EQ(acdbOpenAcDbEntity(entity, EntityAt(index), AcDb::kForRead), Acad::eOk);
  if (entity == nullptr) return text;
  DescribeObject(text, entity->isA(), entity, -1);
  entity->close();
  return text;
}

std::u16string DescriberTest::Own(size_t index) {
  ScopeText full = Describe(index);
  ScopeText header;
  AcDbEntity* entity = nullptr;
  EXPECT_EQ(acdbOpenAcDbEntity(entity, EntityAt(index), AcDb::kForRead), Acad::eOk);
  if (entity == nullptr) return u"";
  DescribeEntity(header, entity, -1);
  entity->close();
  EXPECT_EQ(full.Body.substr(0, header.Body.size()), header.Body);
  std::u16string own = full.Body.substr(header.Body.size());
  if (!full.Suffix.empty()) own += u"|" + full.Suffix;
  return own;
}
