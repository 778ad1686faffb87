// The real quillview.arx, loaded by the host's dynamic linker and asked through its published entry point.
#include <rxdefs.h>
#include <rxdlinkr.h>

#include <gtest/gtest.h>

#include <vector>

#include "QuillviewTestSupport.h"
#include "describe/HostClass.h"
#include "quillview/QuillviewApi.h"

namespace {

class QuillviewModuleTest : public DrawingTest {
 protected:
  QuillviewModuleTest() { Load(); }
  ~QuillviewModuleTest() override { acrxDynamicLinker->unloadModule(module.c_str()); }

  void Load() {
    loaded = acrxDynamicLinker->loadModule(module.c_str(), false);
    describe = reinterpret_cast<QuillviewDescribeEntityFn>(
        acrxDynamicLinker->getSymbolAddress(module.c_str(), u"" QUILLVIEW_DESCRIBE_ENTITY_EXPORT));
  }
  // Calls the entry point with the entity open for read, as a caller has it.
  int Describe(AcDbObjectId id, WCHAR* buffer, int bufferChars) {
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
    int length = describe(entity, -1, buffer, bufferChars);
    EXPECT_TRUE(entity->isReadEnabled());
    entity->close();
    return length;
  }
  std::u16string DescribeWhole(AcDbObjectId id) {
    int length = Describe(id, nullptr, 0);
    if (length < 0) return u"<failed>";
    std::vector<WCHAR> buffer(length + 1, u'#');
    EXPECT_EQ(Describe(id, buffer.data(), length + 1), length);
    return buffer.data();
  }

  std::u16string module = ModulePath("quillview.arx");
  bool loaded = false;
  QuillviewDescribeEntityFn describe = nullptr;
};

TEST_F(QuillviewModuleTest, LoadsAsAnUnlockedMdiAwareArxModuleUnloadsCompletelyAndDescribesAfterReload) {
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(module.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(module.c_str()));
  auto version =
      reinterpret_cast<AcRxGetApiVersionFn>(acrxDynamicLinker->getSymbolAddress(module.c_str(), u"acrxGetApiVersion"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version(), 0x110000);
  EXPECT_NE(FindHostClass(u"QuillviewPX"), nullptr);
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(module.c_str()));
  EXPECT_EQ(FindHostClass(u"QuillviewPX"), nullptr);
  Load();
  ASSERT_NE(describe, nullptr);
  AddLayer(u"Walls", 1);
  AcDbObjectId id = AddLine([](AcDbEntity* line) {
    line->setLayer(u"Walls");
    line->setLineWeight(AcDb::kLnWt025);
    line->setCastShadows(false);
    line->setReceiveShadows(false);
  });
  EXPECT_EQ(
      DescribeWhole(id),
      u"<h4>LINE</h4>\n图层: Walls, 线型: 随层, 颜色: 随层 (红色)\n线宽: 0.25mm,  打印样式: ByColor\n材质: ByLayer\n长度: 0.0000  角度: 0");
}

TEST_F(QuillviewModuleTest, TruncatesToTheBufferWithoutSplittingASurrogatePair) {
  ASSERT_NE(describe, nullptr);
  AddLayer(u"\U0001F600", 1);
  AcDbObjectId id = AddLine([](AcDbEntity* line) { line->setLayer(u"\U0001F600"); });
  std::u16string whole = DescribeWhole(id);
  ASSERT_EQ(whole.substr(14, 6), u"图层: \U0001F600");
  WCHAR buffer[21];
  for (int size : {1, 14, 20, 21}) {
    EXPECT_EQ(Describe(id, buffer, size), static_cast<int>(whole.size()));
    EXPECT_EQ(std::u16string(buffer), whole.substr(0, size == 20 ? 18 : size - 1)) << size;
  }
}

// The copy of the entry point linked into the tests belongs to a module that was never initialised.
TEST_F(QuillviewModuleTest, RefusesBadArgumentsAndAnswersMinusOneBeforeInitialisation) {
  ASSERT_NE(describe, nullptr);
  AcDbObjectId id = AddLine([](AcDbEntity*) {});
  WCHAR buffer[8];
  EXPECT_EQ(describe(nullptr, -1, buffer, 8), -1);
  EXPECT_EQ(Describe(id, buffer, -1), -1);
  EXPECT_EQ(Describe(id, nullptr, 8), -1);
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(QuillviewDescribeEntity(entity, -1, nullptr, 0), -1);
  entity->close();
}

}  // namespace
