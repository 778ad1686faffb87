#include <rxdlinkr.h>

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"
#include "describe/ClassTable.h"
#include "describe/DescribeObject.h"
#include "describe/ExtenderRegistry.h"
#include "describe/HostClass.h"

namespace {

typedef AcDbEntity* (*CreateTestWallFn)();

class TestBridge : public CExtenderBridge {
 public:
  void Describe(ScopeText& text, AcDbEntity*, int) override { text.Body += u"[extender]"; }
};

// A vertical-product module that defines AecDbEntity and AecDbWall, loaded while the describers exist.
class LateBindingTest : public QuillviewPXTest {
 protected:
  LateBindingTest() { CreateClassTable(); }
  ~LateBindingTest() override {
    if (acrxDynamicLinker->isModuleLoaded(wallModule.c_str())) acrxDynamicLinker->unloadModule(wallModule.c_str());
    DestroyClassTable();
  }

  // The wall's description as the dispatcher gives it, with the wall made by the module itself.
  std::u16string DescribeWall() {
    auto create = reinterpret_cast<CreateTestWallFn>(
        acrxDynamicLinker->getSymbolAddress(wallModule.c_str(), u"CreateTestWall"));
    EXPECT_NE(create, nullptr);
    if (create == nullptr) return std::u16string();
    AcDbEntity* wall = create();
    ScopeText text;
    DescribeObject(text, wall->isA(), wall, -1);
    delete wall;
    return text.Body;
  }
  void ExpectWallDescribersBound() {
    AcRxClass* wall = FindHostClass(u"AecDbWall");
    AcRxClass* aecEntity = FindHostClass(u"AecDbEntity");
    ASSERT_NE(wall, nullptr);
    ASSERT_NE(aecEntity, nullptr);
    EXPECT_NE(DescriberOf(wall), nullptr);
    EXPECT_NE(DescriberOf(wall), DescriberOf(aecEntity));
    EXPECT_NE(DescriberOf(aecEntity), DescriberOf(AcDbEntity::desc()));
  }

  std::u16string wallModule = ModulePath("QvTestAecWall.arx");
};

TEST_F(LateBindingTest, DescribersBindOnLoadUnbindOnUnloadAndBindAgainOnReload) {
  ASSERT_EQ(FindHostClass(u"AecDbWall"), nullptr);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(acrxDynamicLinker->loadModule(wallModule.c_str(), false));
    ExpectWallDescribersBound();
    EXPECT_EQ(DescribeWall().rfind(u"<h4>AEC_WALL</h4>\n", 0), 0u);
    ASSERT_TRUE(acrxDynamicLinker->unloadModule(wallModule.c_str()));
    EXPECT_EQ(FindHostClass(u"AecDbWall"), nullptr);
    EXPECT_NE(DescriberOf(AcDbEntity::desc()), nullptr);
  }
}

TEST_F(LateBindingTest, ExtenderOfAClassNotYetLoadedBindsWhenItsModuleLoads) {
  TestBridge bridge;
  ExtenderRegistry registry;
  ASSERT_TRUE(registry.Register(&bridge, u"AecDbWall"));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(acrxDynamicLinker->loadModule(wallModule.c_str(), false));
    std::u16string body = DescribeWall();
    EXPECT_EQ(body.rfind(u"<h4>AEC_WALL</h4>\n", 0), 0u);
    EXPECT_EQ(body.size() - body.rfind(u"[extender]"), 10u);
    ASSERT_TRUE(acrxDynamicLinker->unloadModule(wallModule.c_str()));
  }
}

TEST_F(LateBindingTest, DescribersOutlivingTheModuleLeaveTheHostIntact) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(wallModule.c_str(), false));
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(wallModule.c_str()));
  DestroyClassTable();
  EXPECT_EQ(DescriberOf(AcDbEntity::desc()), nullptr);
}

}  // namespace
