#include "QuillviewTestSupport.h"

#include <acutads.h>
#include <windows.h>

#include "describe/DescribeObject.h"
#include "host/ModuleStrings.h"

std::u16string ModulePath(const char* fileName) { return Utf8ToWide(std::string(QV_BIN_DIR) + "/" + fileName); }

std::u16string DescribeAs(AcRxClass* entityClass, AcRxClass* dispatchClass, int marker) {
  TestShape shape(entityClass);
  ScopeText text;
  DescribeObject(text, dispatchClass, &shape, marker);
  return text.Body;
}

QuillviewPX* DescriberOf(AcRxClass* cls) { return QuillviewPX::cast(cls->getX(QuillviewPX::desc())); }

AcDbObjectId DrawingTest::AddLayer(const ACHAR* name, Adesk::UInt16 colorIndex) {
  AcDbLayerTable* table = nullptr;
  EXPECT_EQ(db.getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  auto* layer = new AcDbLayerTableRecord();
  EXPECT_EQ(layer->setName(name), Acad::eOk);
  layer->setColor(IndexColor(colorIndex));
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, layer), Acad::eOk);
  layer->close();
  table->close();
  return id;
}

AcDbObjectId DrawingTest::AddLinetype(const ACHAR* name) {
  AcDbLinetypeTable* table = nullptr;
  EXPECT_EQ(db.getLinetypeTable(table, AcDb::kForWrite), Acad::eOk);
  auto* linetype = new AcDbLinetypeTableRecord();
  EXPECT_EQ(linetype->setName(name), Acad::eOk);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, linetype), Acad::eOk);
  linetype->close();
  table->close();
  return id;
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

void DrawingTest::SetVariable(const ACHAR* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << WideToUtf8(name);
}

void DrawingTest::SetVariable(const ACHAR* name, double value) {
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

const ::testing::Environment* const g_moduleStrings =
    ::testing::AddGlobalTestEnvironment(new ModuleStringsEnvironment);

}  // namespace
