#include "describe/ClassTable.h"

#include <acutads.h>

#include <gtest/gtest.h>

#include <set>

#include "QuillviewTestSupport.h"
#include "describe/DescribeObject.h"
#include "describe/ExtenderRegistry.h"
#include "describe/HostClass.h"

namespace {

// The rows whose classes the host itself defines; the others come with vertical-product modules.
const ACHAR* const kHostRows[] = {
    u"AcDbEntity",    u"AcDbCurve",      u"AcDbPoint",          u"AcDbLine",
    u"AcDbCircle",    u"AcDbArc",        u"AcDbPolyline",       u"AcDb2dPolyline",
    u"AcDb3dSolid",   u"AcDbRegion",     u"AcDbHatch",          u"AcDbBlockReference",
    u"AcDbRasterImage", u"AcDbText",     u"AcDbShape",          u"AcDbAttributeDefinition",
    u"AcDbAttribute", u"AcDbViewport",   u"AcDbDimension",      u"AcDbTable",
};

class ClassTableTest : public DrawingTest {
 protected:
  ClassTableTest() { created = CreateClassTable(); }
  ~ClassTableTest() override { DestroyClassTable(); }

  // The assembled description of a new entity in model space.
  std::u16string Describe(AcDbObjectId id) {
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
    ScopeText text;
    DescribeObject(text, entity->isA(), entity, -1);
    entity->close();
    return AssembleScopeText(text);
  }

  ScopedQuillviewPXClass pxClass;
  bool created = false;
};

size_t Count(const std::u16string& text, std::u16string_view what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST_F(ClassTableTest, EveryHostRowHasADescriberOfItsOwnUntilTheTableGoes) {
  ASSERT_TRUE(created);
  EXPECT_TRUE(CreateClassTable());
  std::set<QuillviewPX*> describers;
  for (const ACHAR* name : kHostRows) {
    ASSERT_NE(FindHostClass(name), nullptr) << WideToUtf8(name);
    describers.insert(DescriberOf(FindHostClass(name)));
  }
  EXPECT_EQ(describers.count(nullptr), 0u);
  EXPECT_EQ(describers.size(), std::size(kHostRows));
  DestroyClassTable();
  for (const ACHAR* name : kHostRows) EXPECT_EQ(DescriberOf(FindHostClass(name)), nullptr) << WideToUtf8(name);
}

TEST_F(ClassTableTest, EveryEntityGetsTheHeaderExactlyOnce) {
  AcDbEntity* entities[] = {
      new AcDbPoint(),   new AcDbLine(),          new AcDbCircle(),          new AcDbArc(),
      new AcDbPolyline(), new AcDb2dPolyline(),   new AcDb3dSolid(),         new AcDbRegion(),
      new AcDbHatch(),   new AcDbBlockReference(), new AcDbRasterImage(),    new AcDbText(),
      new AcDbShape(),   new AcDbAttributeDefinition(), new AcDbAttribute(), new AcDbViewport(),
      new AcDbAlignedDimension(), new AcDbTable(), new AcDbEllipse(),        new AcDbMText(),
      new AcDbMInsertBlock(), new AcDbWipeout(),  new AcDbFace(),
  };
  for (AcDbEntity* entity : entities) {
    std::u16string dxfName = entity->isA()->dxfName();
    std::u16string text = Describe(AddEntity(entity, [](AcDbEntity*) {}));
    SCOPED_TRACE(WideToUtf8(dxfName));
    EXPECT_EQ(text.rfind(u"<h4>" + dxfName + u"</h4>\n图层: 0, ", 0), 0u);
    EXPECT_EQ(Count(text, u"<h4>") + Count(text, u"线宽: ") + Count(text, u"材质: "), 3u);
  }
}

TEST_F(ClassTableTest, HyperlinkComesAfterTheTextOfAnExtender) {
  TestBridge bridge(u"[extender]");
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&bridge, u"AcDbLine"));
  std::u16string text = Describe(LineWithExtendedData(acutBuildList(1001, u"PE_URL", 1000, u"https://example.com", 0)));
  EXPECT_EQ(text.substr(text.find(u"[extender]")), u"[extender]\n附加超级链接: https://example.com");
}

}  // namespace
