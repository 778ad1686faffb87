#include <acadsim/Modules.h>
#include <aced.h>
#include <arxHeaders.h>

#include "DocumentTestSupport.h"

namespace {

const std::u16string kSelfUnloading = InBin("doc_test_self_unload.arx");
const std::u16string kForgetful = InBin("doc_test_forgetful.arx");

class BusyModules : public HostTest {
 protected:
  // Runs a registered command as the command line does: what it needs is copied first, since the command
  // may remove itself, and the module counts as running meanwhile.
  static bool runCommand(const char16_t* name) {
    AcEdCommand* command = acedRegCmds->lookupGlobalCmd(name);
    if (command == nullptr) return false;
    const AcRxFunctionPtr function = command->functionAddr();
    acadsim::ScopedModuleCall running(command->commandApp());
    function();
    return true;
  }
  static void* appOfCommand(const char16_t* name) {
    AcEdCommand* command = acedRegCmds->lookupGlobalCmd(name);
    return command == nullptr ? nullptr : command->commandApp();
  }
};

}  // namespace

TEST_F(BusyModules, AModuleIsCurrentAndBusyOnlyWhileTheHostRunsItsCode) {
  ASSERT_TRUE(acrxLoadModule(kForgetful.c_str(), true));
  void* app = appOfCommand(u"FORGETFUL");
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(acadsim::ModulePathOf(app), kForgetful);
  EXPECT_EQ(acadsim::CurrentModuleAppId(), nullptr);
  EXPECT_FALSE(acrxDynamicLinker->isAppBusy(u"doc_test_forgetful.arx"));
  {
    acadsim::ScopedModuleCall running(app);
    EXPECT_EQ(acadsim::CurrentModuleAppId(), app);
    EXPECT_TRUE(acrxDynamicLinker->isAppBusy(u"doc_test_forgetful.arx"));
    {
      acadsim::ScopedModuleCall host(nullptr);
      EXPECT_EQ(acadsim::CurrentModuleAppId(), app);
    }
    EXPECT_FALSE(acrxUnloadModule(u"doc_test_forgetful.arx"));
    EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kForgetful.c_str()));
  }
  EXPECT_EQ(acadsim::CurrentModuleAppId(), nullptr);
  EXPECT_FALSE(acrxDynamicLinker->isAppBusy(u"doc_test_forgetful.arx"));
  EXPECT_TRUE(acrxUnloadModule(u"doc_test_forgetful.arx"));
  EXPECT_EQ(acadsim::ModulePathOf(app), u"");
}

TEST_F(BusyModules, ABusyModuleSaysWhyItStaysWhenUnloadedAsACommand) {
  ASSERT_TRUE(acrxLoadModule(kForgetful.c_str(), true));
  acrxDynamicLinker->setAppBusy(u"doc_test_forgetful.arx", true);
  EXPECT_TRUE(acrxDynamicLinker->isAppBusy(u"DOC_TEST_FORGETFUL.ARX"));
  EXPECT_FALSE(acrxUnloadModule(u"doc_test_forgetful.arx", true));
  EXPECT_EQ(commandLine.text(), u"\nUnable to unload " + kForgetful + u": the application is busy.\n");
  acrxDynamicLinker->setAppBusy(u"doc_test_forgetful.arx", false);
  EXPECT_TRUE(acrxUnloadModule(u"doc_test_forgetful.arx", true));
}

TEST_F(BusyModules, BusyQueriesOfModulesNotLoadedAnswerNo) {
  EXPECT_FALSE(acrxDynamicLinker->isAppBusy(u"doc_never_loaded.arx"));
  EXPECT_FALSE(acrxDynamicLinker->isAppBusy(nullptr));
  acrxDynamicLinker->setAppBusy(u"doc_never_loaded.arx", true);
  EXPECT_FALSE(acrxDynamicLinker->isAppBusy(u"doc_never_loaded.arx"));
  EXPECT_EQ(acadsim::ModulePathOf(nullptr), u"");
}

TEST_F(BusyModules, AModuleUnloadsItselfFromItsOwnCommandAndIsUnmappedOnlyAfterItReturns) {
  ASSERT_TRUE(acrxLoadModule(kSelfUnloading.c_str(), true));
  ASSERT_TRUE(runCommand(u"SELFUNLOAD"));
  EXPECT_EQ(commandLine.text(), u"[kUnloadAppMsg][unloaded itself][unmapped]");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kSelfUnloading.c_str()));
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u"SELFUNLOAD"), nullptr);
  EXPECT_EQ(acadsim::CurrentModuleAppId(), nullptr);
}

TEST_F(BusyModules, AModuleCannotUnloadItselfWithoutSayingItIsNotBusy) {
  ASSERT_TRUE(acrxLoadModule(kSelfUnloading.c_str(), true));
  ASSERT_TRUE(runCommand(u"SELFUNLOADBUSY"));
  EXPECT_EQ(commandLine.text(), u"\nUnable to unload " + kSelfUnloading + u": the application is busy.\n[unload refused]");
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kSelfUnloading.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isAppBusy(u"doc_test_self_unload.arx"));
  commandLine.clear();
  ASSERT_TRUE(runCommand(u"SELFUNLOAD"));
  EXPECT_EQ(commandLine.text(), u"[kUnloadAppMsg][unloaded itself][unmapped]");
}

TEST_F(BusyModules, TheCommandsAndFunctionsAModuleLeavesBehindGoWithIt) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kForgetful.c_str(), true));
  ASSERT_NE(acedRegCmds->lookupGlobalCmd(u"FORGETFUL"), nullptr);
  ASSERT_NE(acadsim::DocumentLispFunctions(curDoc())->find(u"doctest-forgetful"), nullptr);
  ASSERT_TRUE(acrxUnloadModule(kForgetful.c_str()));
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u"FORGETFUL"), nullptr);
  EXPECT_EQ(acadsim::DocumentLispFunctions(curDoc())->find(u"doctest-forgetful"), nullptr);
}
