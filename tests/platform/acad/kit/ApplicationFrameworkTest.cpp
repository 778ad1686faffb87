// The framework a module derives its application from: the message dispatch and the standard steps.
#include <accmd.h>
#include <acadsim/AppMessages.h>
#include <qvwide.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class ApplicationFrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(acrxDynamicLinker->loadModule(path.c_str(), false)); }
  void TearDown() override { acrxDynamicLinker->unloadModule(path.c_str()); }

  std::u16string Log() {
    auto log = reinterpret_cast<const char16_t* (*)()>(acrxDynamicLinker->getSymbolAddress(path.c_str(), u"KitLog"));
    return log != nullptr ? log() : u"<missing>";
  }

  const std::u16string path = Utf8ToWide(QV_BIN_DIR "/qvkitmod.arx");
};

TEST_F(ApplicationFrameworkTest, InitialisationRegistersServerClassesAndCommandsAndUnlocks) {
  EXPECT_EQ(Log().substr(0, 12), u"init;server;");
  EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(path.c_str()));
  EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(path.c_str()));
  AcRxClass* cls = AcRxClass::cast(acrxClassDictionary->at(u"QvKitThing"));
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->myParent(), AcRxObject::desc());

  AcEdCommand* command = acedRegCmds->lookupGlobalCmd(u"kithello");
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(std::u16string(command->localName()), u"HALLO");
  EXPECT_EQ(command->commandFlags(), ACRX_CMD_TRANSPARENT);
  auto instance = reinterpret_cast<HINSTANCE (*)()>(acrxDynamicLinker->getSymbolAddress(path.c_str(), u"KitInstance"));
  ASSERT_NE(instance, nullptr);
  EXPECT_EQ(command->resourceHandle(), instance());
}

TEST_F(ApplicationFrameworkTest, EachMessageReachesItsOperationAndOthersAnswerOk) {
  EXPECT_TRUE(acadsim::SendAppMessage(path.c_str(), AcRx::kSaveMsg));
  EXPECT_TRUE(acadsim::SendAppMessage(path.c_str(), AcRx::kEndDialogMsg));
  EXPECT_TRUE(acadsim::SendAppMessage(path.c_str(), static_cast<AcRx::AppMsgCode>(99)));
  EXPECT_EQ(Log().substr(Log().size() - 5), u"save;");
}

TEST_F(ApplicationFrameworkTest, UnloadingRemovesTheCommandsAndTheClasses) {
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(path.c_str()));
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u"KITHELLO"), nullptr);
  EXPECT_EQ(acrxClassDictionary->at(u"QvKitThing"), nullptr);
  ASSERT_TRUE(acrxDynamicLinker->loadModule(path.c_str(), false));
  EXPECT_NE(acedRegCmds->lookupGlobalCmd(u"KITHELLO"), nullptr);
  EXPECT_NE(acrxClassDictionary->at(u"QvKitThing"), nullptr);
}

}  // namespace
