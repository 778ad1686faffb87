#include <arxHeaders.h>

#include "DocumentTestSupport.h"

namespace {

const std::u16string kLogger = InBin("doc_test_logger.arx");
const std::u16string kSecond = InBin("doc_test_second.arx");

class ModuleMessages : public HostTest {
 protected:
  ScratchFolder folder{"messages"};
};

}  // namespace

TEST_F(ModuleMessages, AModuleLoadedWithoutDocumentsGetsOnlyItsStartAndEnd) {
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  ASSERT_TRUE(acrxUnloadModule(kLogger.c_str()));
  EXPECT_EQ(commandLine.text(), u"[init Drawing1.dwg][unload Drawing1.dwg]");
}

TEST_F(ModuleMessages, AModuleLoadedWhileDocumentsAreOpenHearsOfEachRightAfterItsStart) {
  open(WriteEmptyDrawing(folder, "a.dxf"));
  open(WriteEmptyDrawing(folder, "b.dxf"));
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  EXPECT_EQ(commandLine.text(), u"[init b.dxf][loaddwg a.dxf][loaddwg b.dxf]");
  EXPECT_EQ(StringVariable(u"DWGNAME"), u"b.dxf");
  EXPECT_EQ(std::u16string(curDoc()->docTitle()), u"b.dxf");
}

TEST_F(ModuleMessages, OpeningADocumentTellsEveryModuleInLoadOrderWhileItIsCurrent) {
  open(WriteEmptyDrawing(folder, "a.dxf"));
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  ASSERT_TRUE(acrxLoadModule(kSecond.c_str(), true));
  commandLine.clear();
  open(WriteEmptyDrawing(folder, "b.dxf"));
  acadsim::NewDocument();
  EXPECT_EQ(commandLine.text(),
            u"[loaddwg b.dxf][second:loaddwg b.dxf][loaddwg Drawing1.dwg][second:loaddwg Drawing1.dwg]");
}

TEST_F(ModuleMessages, ClosingADocumentTellsModulesWhileItIsStillCurrent) {
  AcApDocument* a = open(WriteEmptyDrawing(folder, "a.dxf"));
  open(WriteEmptyDrawing(folder, "b.dxf"));
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  commandLine.clear();
  ASSERT_TRUE(acadsim::CloseDocument(a));
  EXPECT_EQ(commandLine.text(), u"[unloaddwg a.dxf]");
  EXPECT_EQ(StringVariable(u"DWGNAME"), u"b.dxf");
}

TEST_F(ModuleMessages, UnloadingAModuleTellsItOfEachDocumentBeforeItsEnd) {
  open(WriteEmptyDrawing(folder, "a.dxf"));
  open(WriteEmptyDrawing(folder, "b.dxf"));
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  commandLine.clear();
  ASSERT_TRUE(acrxUnloadModule(kLogger.c_str()));
  EXPECT_EQ(commandLine.text(), u"[unloaddwg a.dxf][unloaddwg b.dxf][unload b.dxf]");
}

TEST_F(ModuleMessages, AtHostExitEveryModuleHearsOfEveryDocumentBeforeItsEnd) {
  open(WriteEmptyDrawing(folder, "a.dxf"));
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  ASSERT_TRUE(acrxLoadModule(kSecond.c_str(), true));
  commandLine.clear();
  acadsim::UnloadAllModules();
  EXPECT_EQ(commandLine.text(), u"[second:unloaddwg a.dxf][second:unload a.dxf][unloaddwg a.dxf][unload a.dxf]");
  commandLine.clear();
  acadsim::CloseAllDocuments();
  EXPECT_EQ(commandLine.text(), u"");
}

TEST_F(ModuleMessages, ClosingAllDocumentsFirstLeavesModulesOnlyTheirEnd) {
  open(WriteEmptyDrawing(folder, "a.dxf"));
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  commandLine.clear();
  acadsim::CloseAllDocuments();
  acadsim::UnloadAllModules();
  EXPECT_EQ(commandLine.text(), u"[unloaddwg Drawing1.dwg][unloaddwg a.dxf][unload a.dxf]");
}
