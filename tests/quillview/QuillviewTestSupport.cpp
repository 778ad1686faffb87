#include "QuillviewTestSupport.h"

#include <acutads.h>
#include <windows.h>

#include "describe/DescribeObject.h"
#include "host/ModuleStrings.h"

std::u16string ModulePath(const char* fileName) { return Utf8ToWide(std::string(QV_BIN_DIR) + "/" + fileName); }

std::u16string DescribeAs(AcRxClass* cls) {
  TestShape shape(cls);
  ScopeText text;
  DescribeObject(text, cls, &shape, -1);
  return text.Body;
}

QuillviewPX* DescriberOf(AcRxClass* cls) { return QuillviewPX::cast(cls->getX(QuillviewPX::desc())); }

namespace {

// Adds a named record to one of the drawing's symbol tables.
template <class Table, class Record>
AcDbObjectId AddRecord(AcDbDatabase& db, Acad::ErrorStatus (AcDbDatabase::*getTable)(Table*&, AcDb::OpenMode),
                       Record* record, const ACHAR* name) {
  Table* table = nullptr;
  EXPECT_EQ((db.*getTable)(table, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(record->setName(name), Acad::eOk);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, record), Acad::eOk);
  record->close();
  table->close();
  return id;
}

}  // namespace

AcDbObjectId DrawingTest::AddLayer(const ACHAR* name, Adesk::UInt16 colorIndex) {
  auto* layer = new AcDbLayerTableRecord();
  layer->setColor(IndexColor(colorIndex));
  return AddRecord(db, &AcDbDatabase::getLayerTable, layer, name);
}

void DrawingTest::AddLinetype(const ACHAR* name) {
  AddRecord(db, &AcDbDatabase::getLinetypeTable, new AcDbLinetypeTableRecord(), name);
}

AcDbObjectId DrawingTest::LineWithExtendedData(resbuf* data) {
  AcDbRegAppTable* table = nullptr;
  EXPECT_EQ(db.getRegAppTable(table, AcDb::kForWrite), Acad::eOk);
  for (const resbuf* group = data; group != nullptr; group = group->rbnext) {
    if (group->restype != 1001 || table->has(group->resval.rstring)) continue;
    auto* record = new AcDbRegAppTableRecord();
    EXPECT_EQ(record->setName(group->resval.rstring), Acad::eOk);
    EXPECT_EQ(table->add(record), Acad::eOk);
    record->close();
  }
  table->close();
  AcDbObjectId id = AddLine([&](AcDbEntity* line) { EXPECT_EQ(line->setXData(data), Acad::eOk); });
  acutRelRb(data);
  return id;
}

AcDbObjectId DrawingTest::AppendToModelSpace(AcDbEntity* entity) {
  AcDbBlockTable* blocks = nullptr;
  EXPECT_EQ(db.getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* modelSpace = nullptr;
  EXPECT_EQ(blocks->getAt(u"*Model_Space", modelSpace, AcDb::kForWrite), Acad::eOk);
  blocks->close();
  AcDbObjectId id;
  EXPECT_EQ(modelSpace->appendAcDbEntity(id, entity), Acad::eOk);
  modelSpace->close();
  return id;
}

void SetVariable(const ACHAR* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << WideToUtf8(name);
}

void SetVariable(const ACHAR* name, double value) {
  resbuf rb{};
  rb.restype = RTREAL;
  rb.resval.rreal = value;
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << WideToUtf8(name);
}

AcCmColor IndexColor(Adesk::UInt16 index) {
  AcCmColor color;
  color.setColorIndex(index);
  return color;
}

namespace {

// The texts come from the module's own string table, as the module loads them.
class ModuleStringsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    HMODULE module = LoadLibraryW(ModulePath("quillview.arx").c_str());
    ASSERT_NE(module, nullptr) << "quillview.arx is not beside the tests";
    bool loaded = LoadModuleStrings(module);
    FreeLibrary(module);
    ASSERT_TRUE(loaded) << "the string table of quillview.arx lacks an entry";
  }
  void TearDown() override { FreeModuleStrings(); }
};

const ::testing::Environment* const g_moduleStrings = ::testing::AddGlobalTestEnvironment(new ModuleStringsEnvironment);

}  // namespace
