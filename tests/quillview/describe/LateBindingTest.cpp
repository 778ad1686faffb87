#include <rxdlinkr.h>

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"
#include "describe/ClassTable.h"
#include "describe/DescribeObject.h"
#include "describe/ExtenderRegistry.h"
#include "describe/HostClass.h"

namespace {

typedef AcDbEntity* (*CreateTestWallFn)();

// A vertical-product module that defines AecDbEntity and AecDbWall, loaded while the describers exist.
class LateBindingTest : public QuillviewPXTest {
 protected:
  LateBindingTest() { CreateClassTable(); }
  ~LateBindingTest() override { DestroyClassTable(); }

  // Loads the module, describes a wall it makes, checks the wall's own describers and unloads it.
  std::u16string DescribeWallWhileLoaded() {
    if (!acrxDynamicLinker->loadModule(wallModule.c_str(), false)) return u"<not loaded>";
    AcRxClass* wall = FindHostClass(u"AecDbWall");
    AcRxClass* aecEntity = FindHostClass(u"AecDbEntity");
    EXPECT_NE(DescriberOf(wall), DescriberOf(aecEntity));
    EXPECT_NE(DescriberOf(aecEntity), DescriberOf(AcDbEntity::desc()));
    auto create = reinterpret_cast<CreateTestWallFn>(
        acrxDynamicLinker->getSymbolAddress(wallModule.c_str(), u"CreateTestWall"));
    if (create == nullptr) return u"<no factory>";
    AcDbEntity* entity = create();
    ScopeText text;
    DescribeObject(text, entity->isA(), entity, -1);
    delete entity;
    EXPECT_TRUE(acrxDynamicLinker->unloadModule(wallModule.c_str()));
    EXPECT_EQ(FindHostClass(u"AecDbWall"), nullptr);
    return text.Body;
  }

  std::u16string wallModule = ModulePath("QvTestAecWall.arx");
};

TEST_F(LateBindingTest, DescribersBindOnLoadUnbindOnUnloadAndBindAgainOnReload) {
  ASSERT_EQ(FindHostClass(u"AecDbWall"), nullptr);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(DescribeWallWhileLoaded().rfind(u"<h4>AEC_WALL</h4>\n", 0), 0u);
  }
  EXPECT_NE(DescriberOf(AcDbEntity::desc()), nullptr);
}

TEST_F(LateBindingTest, ExtenderOfAClassNotYetLoadedWritesOnceItsModuleLoads) {
  TestBridge bridge(u"[extender]");
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&bridge, u"AecDbWall"));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    std::u16string body = DescribeWallWhileLoaded();
    EXPECT_EQ(body.rfind(u"<h4>AEC_WALL</h4>\n", 0), 0u);
    EXPECT_EQ(body.substr(body.size() - 11), u"\n[extender]");
  }
}

}  // namespace
