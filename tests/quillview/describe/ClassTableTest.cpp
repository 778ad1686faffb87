#include "describe/ClassTable.h"

#include <acutads.h>

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "QuillviewTestSupport.h"
#include "describe/DescribeObject.h"
#include "describe/ExtenderRegistry.h"
#include "describe/TextBuilding.h"
#include "describe/HostClass.h"

namespace {

// The rows whose classes the host itself defines; the others come with vertical-product modules.
const ACHAR* const kHostRows[] = {
    u"AcDbEntity",     u"AcDbCurve",          u"AcDbPoint",       u"AcDbLine",        u"AcDbCircle",
    u"AcDbArc",        u"AcDbPolyline",       u"AcDb2dPolyline",  u"AcDb3dSolid",     u"AcDbRegion",
    u"AcDbHatch",      u"AcDbBlockReference", u"AcDbRasterImage", u"AcDbText",        u"AcDbShape",
    u"AcDbAttributeDefinition", u"AcDbAttribute", u"AcDbViewport", u"AcDbDimension",  u"AcDbTable",
};

class ClassTableTest : public QuillviewPXTest {
 protected:
  ClassTableTest() { created = CreateClassTable(); }
  ~ClassTableTest() override { DestroyClassTable(); }
  bool created;
};

TEST_F(ClassTableTest, EveryHostRowHasADescriberOfItsOwn) {
  ASSERT_TRUE(created);
  std::set<QuillviewPX*> describers;
  for (const ACHAR* name : kHostRows) {
    AcRxClass* cls = FindHostClass(name);
    ASSERT_NE(cls, nullptr) << WideToUtf8(name);
    QuillviewPX* describer = DescriberOf(cls);
    ASSERT_NE(describer, nullptr) << WideToUtf8(name);
    describers.insert(describer);
  }
  EXPECT_EQ(describers.size(), std::size(kHostRows));
}

TEST_F(ClassTableTest, CreatingAgainKeepsTheTable) {
  QuillviewPX* entityDescriber = DescriberOf(AcDbEntity::desc());
  EXPECT_TRUE(CreateClassTable());
  EXPECT_EQ(DescriberOf(AcDbEntity::desc()), entityDescriber);
}

TEST_F(ClassTableTest, DestroyingRemovesEveryDescriber) {
  DestroyClassTable();
  for (const ACHAR* name : kHostRows) EXPECT_EQ(DescriberOf(FindHostClass(name)), nullptr) << WideToUtf8(name);
  DestroyClassTable();
}

class ClassTableDescriptionTest : public DrawingTest {
 protected:
  ClassTableDescriptionTest() { CreateClassTable(); }
  ~ClassTableDescriptionTest() override { DestroyClassTable(); }

  // The assembled description and the DXF name of the entity's class.
  std::pair<std::u16string, std::u16string> Describe(AcDbEntity* newEntity) {
    AcDbObjectId id = AddEntity(newEntity, [](AcDbEntity*) {});
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
    ScopeText text;
    DescribeObject(text, entity->isA(), entity, -1);
    std::u16string dxfName = entity->isA()->dxfName();
    entity->close();
    return {AssembleScopeText(text), dxfName};
  }

  ScopedQuillviewPXClass pxClass;
};

size_t Count(const std::u16string& text, std::u16string_view what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST_F(ClassTableDescriptionTest, EveryClassGetsTheHeaderExactlyOnce) {
  AcDbEntity* entities[] = {
      new AcDbPoint(),         new AcDbLine(),       new AcDbCircle(),         new AcDbArc(),
      new AcDbPolyline(),      new AcDb2dPolyline(), new AcDb3dSolid(),        new AcDbRegion(),
      new AcDbHatch(),         new AcDbBlockReference(), new AcDbRasterImage(), new AcDbText(),
      new AcDbShape(),         new AcDbAttributeDefinition(), new AcDbAttribute(), new AcDbViewport(),
      new AcDbAlignedDimension(), new AcDbTable(),  new AcDbEllipse(),        new AcDbSpline(),
      new AcDbMText(),         new AcDbMInsertBlock(), new AcDbWipeout(),     new AcDbFace(),
  };
  for (AcDbEntity* entity : entities) {
    auto [text, dxfName] = Describe(entity);
    SCOPED_TRACE(WideToUtf8(dxfName));
    EXPECT_EQ(text.rfind(u"<h4>" + dxfName + u"</h4>\n图层: 0, ", 0), 0u);
    EXPECT_EQ(Count(text, u"<h4>"), 1u);
    EXPECT_EQ(Count(text, u"线宽: "), 1u);
  }
}

class TestBridge : public CExtenderBridge {
 public:
  void Describe(ScopeText& text, AcDbEntity*, int) override { AppendFormat(text.Body, u"  %s", u"[extender]"); }
};

TEST_F(ClassTableDescriptionTest, HyperlinkComesAfterTheTextOfAnExtender) {
  TestBridge bridge;
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&bridge, u"AcDbLine"));
  AcDbObjectId id = LineWithExtendedData(acutBuildList(1001, u"PE_URL", 1000, u"https://example.com", 0));
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
  ScopeText text;
  DescribeObject(text, entity->isA(), entity, -1);
  entity->close();
  std::u16string assembled = AssembleScopeText(text);
  EXPECT_EQ(assembled.substr(assembled.rfind(u"[extender]")), u"[extender]\n附加超级链接: https://example.com");
}

}  // namespace
