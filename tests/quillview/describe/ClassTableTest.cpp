#include "describe/ClassTable.h"

#include <acutads.h>
#include <rxdlinkr.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "QuillviewTestSupport.h"
#include "describe/DescribeObject.h"
#include "describe/ExtenderRegistry.h"
#include "describe/HostClass.h"

namespace {

const ACHAR* const kRows[] = {
    u"AcDbEntity", u"AcDbCurve", u"AcDbPoint", u"AcDbLine", u"AcDbCircle", u"AcDbArc", u"AcDbPolyline",
    u"AcDb2dPolyline", u"AecDbEntity", u"AecDbWall", u"AecDbRoof", u"AecDbStair", u"AecDbRailing",
    u"AecDbOpeningBase", u"AecDbOpenFiller", u"AecDbDoor", u"AecDbWindow", u"AeccDbPoint", u"AcDb3dSolid",
    u"AcDbRegion", u"AcDbHatch", u"AcDbBlockReference", u"AcDbRasterImage", u"AcDbText", u"AcDbShape",
    u"AcDbAttributeDefinition", u"AcDbAttribute", u"AcDbViewport", u"AcDbDimension", u"AcDbTable"};

struct ScopedClassTable {
  ScopedClassTable() { EXPECT_TRUE(CreateClassTable()); }
  ~ScopedClassTable() { DestroyClassTable(); }
};

// The classes of vertical products, as their modules define them; the civil point's parent is one
// with a describer of its own so that its parent form shows.
struct VerticalProductClasses {
  ScopedHostClass aecEntity{u"AecDbEntity", u"AcDbEntity"};
  ScopedHostClass wall{u"AecDbWall", u"AecDbEntity"}, roof{u"AecDbRoof", u"AecDbEntity"};
  ScopedHostClass stair{u"AecDbStair", u"AecDbEntity"}, railing{u"AecDbRailing", u"AecDbEntity"};
  ScopedHostClass opening{u"AecDbOpeningBase", u"AecDbEntity"}, filler{u"AecDbOpenFiller", u"AecDbEntity"};
  ScopedHostClass door{u"AecDbDoor", u"AecDbEntity"}, window{u"AecDbWindow", u"AecDbEntity"};
  ScopedHostClass civilPoint{u"AeccDbPoint", u"AcDbPoint"};
};

// An object of the civil point class: a host point whose run-time class is the product's.
class TestCivilPoint : public AcDbPoint {
 public:
  explicit TestCivilPoint(AcRxClass* cls) : m_class(cls) {}
  AcRxClass* isA() const override { return m_class; }

 private:
  AcRxClass* m_class;
};

class ClassTableTest : protected VerticalProductClasses, public DrawingTest {
 protected:
  ScopedQuillviewPXClass pxClass;
  ScopedClassTable table;
};

size_t Count(const std::u16string& text, std::u16string_view what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

std::u16string DescribeOpen(AcDbEntity* entity, AcRxClass* cls = nullptr) {
  ScopeText text;
  DescribeObject(text, cls != nullptr ? cls : entity->isA(), entity, 7);
  return AssembleScopeText(text);
}

TEST_F(ClassTableTest, EveryRowHasADescriberOfItsOwnUntilTheTableGoes) {
  EXPECT_TRUE(CreateClassTable());
  std::set<QuillviewPX*> describers;
  for (const ACHAR* name : kRows) {
    ASSERT_NE(FindHostClass(name), nullptr) << WideToUtf8(name);
    describers.insert(DescriberOf(FindHostClass(name)));
  }
  EXPECT_EQ(describers.count(nullptr), 0u);
  EXPECT_EQ(describers.size(), std::size(kRows));
  DestroyClassTable();
  for (const ACHAR* name : kRows) EXPECT_EQ(DescriberOf(FindHostClass(name)), nullptr) << WideToUtf8(name);
}

// Extenders on the parents that some rows pass through show which form each row chains in.
TEST_F(ClassTableTest, EveryEntityGetsTheHeaderOnceThroughTheFormItsRowNames) {
  const char16_t* const markers[] = {u"[curve]", u"[text]", u"[block]", u"[aec]", u"[point]"};
  TestBridge curve(markers[0]), text(markers[1]), block(markers[2]), aec(markers[3]), point(markers[4]);
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&curve, u"AcDbCurve") && registry.Register(&text, u"AcDbText") &&
              registry.Register(&block, u"AcDbBlockReference") && registry.Register(&aec, u"AecDbEntity") &&
              registry.Register(&point, u"AcDbPoint"));
  auto check = [&](AcDbEntity* entity, const char16_t* expected) {
    std::u16string description = DescribeOpen(entity);
    SCOPED_TRACE(WideToUtf8(entity->isA()->name()));
    EXPECT_EQ(Count(description, u"<h4>") + Count(description, u"线宽: ") + Count(description, u"材质: "), 3u);
    std::u16string found;
    for (const char16_t* marker : markers) {
      if (description.find(marker) != std::u16string::npos) found += marker;
    }
    EXPECT_EQ(found, expected);
  };
  const std::pair<const char16_t*, std::vector<AcDbEntity*>> hostEntities[] = {
      {u"[point]", {new AcDbPoint()}},
      {u"[curve]", {new AcDbLine(), new AcDbCircle(), new AcDbArc(), new AcDbPolyline(), new AcDb2dPolyline(),
                    new AcDbEllipse()}},
      {u"[block]", {new AcDbBlockReference(), new AcDbMInsertBlock(), new AcDbTable()}},
      {u"[text]", {new AcDbText(), new AcDbAttributeDefinition(), new AcDbAttribute()}},
      {u"", {new AcDb3dSolid(), new AcDbRegion(), new AcDbHatch(), new AcDbRasterImage(), new AcDbWipeout(),
             new AcDbMText(), new AcDbShape(), new AcDbViewport(), new AcDbAlignedDimension(), new AcDbFace()}},
  };
  for (const auto& [expected, entities] : hostEntities) {
    for (AcDbEntity* entity : entities) {
      AcDbObjectId id = AddEntity(entity, [](AcDbEntity*) {});
      AcDbEntity* opened = nullptr;
      ASSERT_EQ(acdbOpenAcDbEntity(opened, id, AcDb::kForRead), Acad::eOk);
      check(opened, expected);
      opened->close();
    }
  }
  const std::pair<const char16_t*, std::vector<AcRxClass*>> verticalClasses[] = {
      {u"[aec]", {aecEntity.get(), wall.get(), roof.get(), door.get(), window.get()}},
      {u"", {stair.get(), railing.get(), opening.get(), filler.get()}},
  };
  for (const auto& [expected, classes] : verticalClasses) {
    for (AcRxClass* cls : classes) {
      TestShape shape(cls);
      check(&shape, expected);
    }
  }
  // The civil point derives from AcDbPoint, so its objects are points.
  TestCivilPoint civil(civilPoint.get());
  check(&civil, u"[point]");
  for (const TestBridge* bridge : {&curve, &text, &block, &aec, &point}) EXPECT_EQ(bridge->lastMarker, 7);
}

TEST_F(ClassTableTest, HyperlinkComesAfterTheTextOfAnExtenderAndNoClassDescribesWhatItIsNot) {
  TestBridge bridge(u"[extender]");
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&bridge, u"AcDbLine"));
  AcDbObjectId id = LineWithExtendedData(acutBuildList(1001, u"PE_URL", 1000, u"https://example.com", 0));
  AcDbEntity* line = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(line, id, AcDb::kForRead), Acad::eOk);
  std::u16string text = DescribeOpen(line);
  EXPECT_EQ(DescribeOpen(line, AcDbCircle::desc()), u"");
  line->close();
  EXPECT_EQ(text.substr(text.find(u"[extender]")), u"[extender]\n附加超级链接: https://example.com");
}

typedef AcDbEntity* (*CreateTestWallFn)();

// A vertical-product module that defines AecDbEntity and AecDbWall, loaded while the describers exist.
using LateBindingTest = QuillviewPXTest;

TEST_F(LateBindingTest, WallDescribersBindOnLoadUnbindOnUnloadAndBindAgainOnReload) {
  ScopedClassTable table;
  TestBridge bridge(u"[extender]");
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&bridge, u"AecDbWall"));
  std::u16string module = ModulePath("QvTestAecWall.arx");
  ASSERT_EQ(FindHostClass(u"AecDbWall"), nullptr);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(acrxDynamicLinker->loadModule(module.c_str(), false));
    AcRxClass* wall = FindHostClass(u"AecDbWall");
    AcRxClass* aecEntity = FindHostClass(u"AecDbEntity");
    EXPECT_NE(DescriberOf(wall), DescriberOf(aecEntity));
    EXPECT_NE(DescriberOf(aecEntity), DescriberOf(AcDbEntity::desc()));
    auto create =
        reinterpret_cast<CreateTestWallFn>(acrxDynamicLinker->getSymbolAddress(module.c_str(), u"CreateTestWall"));
    ASSERT_NE(create, nullptr);
    AcDbEntity* entity = create();
    ScopeText text;
    DescribeObject(text, entity->isA(), entity, -1);
    delete entity;
    EXPECT_EQ(text.Body.rfind(u"<h4>AEC_WALL</h4>\n", 0), 0u);
    EXPECT_TRUE(text.Body.ends_with(u"\n[extender]"));
    ASSERT_TRUE(acrxDynamicLinker->unloadModule(module.c_str()));
    EXPECT_EQ(FindHostClass(u"AecDbWall"), nullptr);
  }
  EXPECT_NE(DescriberOf(AcDbEntity::desc()), nullptr);
}

}  // namespace
