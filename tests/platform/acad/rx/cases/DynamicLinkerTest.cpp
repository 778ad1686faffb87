#include <gtest/gtest.h>
#include <acadsim/AppMessages.h>
#include <arxHeaders.h>
#include <qvwide.h>
#include <functional>
#include <string>
#include "CommandLineCapture.h"

namespace {

std::u16string InBin(const char* fileName) { return Utf8ToWide(std::string(QV_BIN_DIR) + "/" + fileName); }

const std::u16string kModule = InBin("rx_test_module.arx");
const std::u16string kRefusing = InBin("rx_test_refusing.arx");
const std::u16string kLocked = InBin("rx_test_locked.arx");
const std::u16string kNotArx = InBin("rx_test_not_arx.arx");

// Prints each event it hears, so it lands between the module's own messages on the command line.
class RecordingReactor : public AcRxDLinkerReactor {
 public:
  explicit RecordingReactor(std::u16string label = u"") : m_label(std::move(label)) {}
  void rxAppWillBeLoaded(const ACHAR* name) override { tell(u"rxAppWillBeLoaded", name); }
  void rxAppLoaded(const ACHAR* name) override { tell(u"rxAppLoaded", name); }
  void rxAppLoadAborted(const ACHAR* name) override { tell(u"rxAppLoadAborted", name); }
  void rxAppWillBeUnloaded(const ACHAR* name) override { tell(u"rxAppWillBeUnloaded", name); }
  void rxAppUnloaded(const ACHAR* name) override { tell(u"rxAppUnloaded", name); }
  void rxAppUnloadAborted(const ACHAR* name) override { tell(u"rxAppUnloadAborted", name); }

  std::u16string lastName;
  std::function<void()> onLoaded;

 private:
  void tell(const char16_t* event, const ACHAR* name) {
    lastName = name;
    acutPrintf(u"[%s%s]", m_label.c_str(), event);
    if (onLoaded && std::u16string_view(event) == u"rxAppLoaded") onLoaded();
  }
  std::u16string m_label;
};

class DynamicLinker : public testing::Test {
 protected:
  void SetUp() override { acrxDynamicLinker->addReactor(&reactor); }
  void TearDown() override {
    acrxDynamicLinker->removeReactor(&reactor);
    acadsim::UnloadAllModules();
  }
  RecordingReactor reactor;
  CommandLineCapture commandLine;
};

}  // namespace

TEST_F(DynamicLinker, LoadTellsReactorsAroundTheModulesStart) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  EXPECT_EQ(commandLine.text(), u"[rxAppWillBeLoaded][kInitAppMsg][rxAppLoaded]");
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kModule.c_str()));
  EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(kModule.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(kModule.c_str()));
  AcRxClass* registered = AcRxClass::cast(acrxClassDictionary->at(u"RxTestThing"));
  ASSERT_NE(registered, nullptr);
  EXPECT_EQ(registered->myParent(), AcRxObject::desc());
}

TEST_F(DynamicLinker, UnloadTellsReactorsAroundTheModulesEndAndUnmapsIt) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  commandLine.clear();
  EXPECT_TRUE(acrxDynamicLinker->unloadModule(kModule.c_str()));
  EXPECT_EQ(commandLine.text(), u"[rxAppWillBeUnloaded][kUnloadAppMsg][unmapped][rxAppUnloaded]");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kModule.c_str()));
  EXPECT_FALSE(acrxClassDictionary->has(u"RxTestThing"));
}

TEST_F(DynamicLinker, AModuleLoadedAgainStartsAfresh) {
  ASSERT_TRUE(acrxLoadModule(kModule.c_str(), true));
  ASSERT_TRUE(acrxUnloadModule(kModule.c_str()));
  commandLine.clear();
  ASSERT_TRUE(acrxLoadModule(kModule.c_str(), true));
  EXPECT_EQ(commandLine.text(), u"[rxAppWillBeLoaded][kInitAppMsg][rxAppLoaded]");
  EXPECT_TRUE(acrxClassDictionary->has(u"RxTestThing"));
}

TEST_F(DynamicLinker, ReactorsGetTheFullPathOfTheModule) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(u"rx_test_module.arx", false));
  EXPECT_EQ(reactor.lastName, kModule);
  EXPECT_TRUE(acrxDynamicLinker->unloadModule(u"rx_test_module.arx"));
  EXPECT_EQ(reactor.lastName, kModule);
}

TEST_F(DynamicLinker, ABareNameIsFoundBesideTheHostAndMatchedWithoutCase) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(u"rx_test_module.arx", true));
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(u"RX_TEST_MODULE.ARX"));
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kModule.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(u"rx_test_module"));
  EXPECT_TRUE(acrxDynamicLinker->unloadModule(kModule.c_str()));
}

TEST_F(DynamicLinker, LoadingTwiceCountsAndOnlyTheLastUnloadEndsTheModule) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  commandLine.clear();
  EXPECT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  EXPECT_TRUE(acrxDynamicLinker->unloadModule(kModule.c_str()));
  EXPECT_EQ(commandLine.text(), u"");
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kModule.c_str()));
  EXPECT_TRUE(acrxDynamicLinker->unloadModule(kModule.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kModule.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(kModule.c_str()));
}

TEST_F(DynamicLinker, AModuleRefusingItsStartIsUnmappedAgain) {
  EXPECT_FALSE(acrxDynamicLinker->loadModule(kRefusing.c_str(), false));
  EXPECT_EQ(commandLine.text(), u"[rxAppWillBeLoaded][kInitAppMsg][unmapped][rxAppLoadAborted]");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kRefusing.c_str()));
}

TEST_F(DynamicLinker, PrintitReportsWhyALoadFailed) {
  EXPECT_FALSE(acrxDynamicLinker->loadModule(kRefusing.c_str(), true));
  EXPECT_NE(commandLine.text().find(u"failed to load"), std::u16string::npos);
  commandLine.clear();
  EXPECT_FALSE(acrxDynamicLinker->loadModule(u"rx_test_no_such_module.arx", true));
  EXPECT_EQ(commandLine.text(), u"\nAcRxDynamicLinker failed to load 'rx_test_no_such_module.arx': file not found\n");
  commandLine.clear();
  EXPECT_FALSE(acrxDynamicLinker->loadModule(kNotArx.c_str(), true));
  EXPECT_NE(commandLine.text().find(u"not an ObjectARX module"), std::u16string::npos);
  EXPECT_EQ(commandLine.text().find(u"[rxAppWillBeLoaded][rxAppLoadAborted]"), 0u);
  commandLine.clear();
  EXPECT_FALSE(acrxDynamicLinker->loadModule(kRefusing.c_str(), false));
  EXPECT_EQ(commandLine.text().find(u"failed"), std::u16string::npos);
}

TEST_F(DynamicLinker, RefusesEmptyAndUnknownNames) {
  EXPECT_FALSE(acrxDynamicLinker->loadModule(nullptr, false));
  EXPECT_FALSE(acrxDynamicLinker->loadModule(u"", false));
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(nullptr));
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(u"rx_test_never_loaded.arx"));
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(nullptr));
  EXPECT_EQ(commandLine.text(), u"");
}

TEST_F(DynamicLinker, ALockedModuleStaysLoaded) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kLocked.c_str(), true));
  EXPECT_TRUE(acrxDynamicLinker->isApplicationLocked(kLocked.c_str()));
  EXPECT_TRUE(acrxApplicationIsLocked(u"rx_test_locked.arx"));
  commandLine.clear();
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(kLocked.c_str()));
  EXPECT_EQ(commandLine.text(), u"");
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(kLocked.c_str(), true));
  EXPECT_NE(commandLine.text().find(u"locked"), std::u16string::npos);
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kLocked.c_str()));
}

TEST_F(DynamicLinker, LockingTakesTheModulesAppId) {
  EXPECT_FALSE(acrxDynamicLinker->unlockApplication(nullptr));
  EXPECT_FALSE(acrxDynamicLinker->lockApplication(&reactor));
  EXPECT_FALSE(acrxDynamicLinker->registerAppMDIAware(&reactor));
  EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(u"rx_test_never_loaded.arx"));
}

// Both modules define RxTestThing: the class stays the first module's, and only it deletes the class.
TEST_F(DynamicLinker, UnloadAllModulesEndsLockedModulesToo) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kLocked.c_str(), true));
  commandLine.clear();
  acadsim::UnloadAllModules();
  EXPECT_EQ(commandLine.text(),
            u"[rxAppWillBeUnloaded][kUnloadAppMsg][unmapped][rxAppUnloaded]"
            u"[rxAppWillBeUnloaded][kUnloadAppMsg][unmapped][rxAppUnloaded]");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kModule.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kLocked.c_str()));
}

TEST_F(DynamicLinker, ReactorsChangedWhileBeingToldHearFromTheNextEventOn) {
  RecordingReactor removed(u"removed:");
  RecordingReactor added(u"added:");
  acrxDynamicLinker->removeReactor(&reactor);
  RecordingReactor changer(u"changer:");
  changer.onLoaded = [&] {
    acrxDynamicLinker->removeReactor(&removed);
    acrxDynamicLinker->addReactor(&added);
  };
  acrxDynamicLinker->addReactor(&changer);
  acrxDynamicLinker->addReactor(&removed);
  acrxDynamicLinker->addReactor(&changer);
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  EXPECT_EQ(commandLine.text(),
            u"[changer:rxAppWillBeLoaded][removed:rxAppWillBeLoaded][kInitAppMsg][changer:rxAppLoaded]");
  commandLine.clear();
  changer.onLoaded = nullptr;
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(kModule.c_str()));
  EXPECT_EQ(commandLine.text(),
            u"[changer:rxAppWillBeUnloaded][added:rxAppWillBeUnloaded][kUnloadAppMsg][unmapped]"
            u"[changer:rxAppUnloaded][added:rxAppUnloaded]");
  acrxDynamicLinker->removeReactor(&changer);
  acrxDynamicLinker->removeReactor(&added);
  acrxDynamicLinker->removeReactor(nullptr);
}

TEST_F(DynamicLinker, GetSymbolAddressFindsAnExportOfALoadedModule) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(kModule.c_str(), true));
  auto version =
      reinterpret_cast<AcRxGetApiVersionFn>(acrxDynamicLinker->getSymbolAddress(kModule.c_str(), u"acrxGetApiVersion"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version(), 17);
  EXPECT_EQ(acrxDynamicLinker->getSymbolAddress(kModule.c_str(), u"noSuchExport"), nullptr);
  EXPECT_EQ(acrxDynamicLinker->getSymbolAddress(u"rx_test_never_loaded.arx", u"acrxGetApiVersion"), nullptr);
}

TEST_F(DynamicLinker, AcedArxLoadedListsTheFileNamesInLoadOrder) {
  EXPECT_EQ(acedArxLoaded(), nullptr);
  ASSERT_TRUE(acrxLoadModule(kModule.c_str(), true));
  ASSERT_TRUE(acrxLoadModule(kLocked.c_str(), true));
  resbuf* loaded = acedArxLoaded();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->restype, RTSTR);
  EXPECT_EQ(std::u16string(loaded->resval.rstring), u"rx_test_module.arx");
  ASSERT_NE(loaded->rbnext, nullptr);
  EXPECT_EQ(std::u16string(loaded->rbnext->resval.rstring), u"rx_test_locked.arx");
  EXPECT_EQ(loaded->rbnext->rbnext, nullptr);
  acutRelRb(loaded);
}

TEST_F(DynamicLinker, TheHostSendsFurtherMessagesWithTheModulesAppId) {
  ASSERT_TRUE(acrxLoadModule(kModule.c_str(), true));
  ASSERT_TRUE(acrxLoadModule(kLocked.c_str(), true));
  commandLine.clear();
  EXPECT_TRUE(acadsim::SendAppMessage(u"rx_test_locked.arx", AcRx::kLoadDwgMsg));
  EXPECT_EQ(commandLine.text(), u"[message 2]");
  EXPECT_FALSE(acadsim::SendAppMessage(u"rx_test_never_loaded.arx", AcRx::kLoadDwgMsg));
  commandLine.clear();
  acadsim::BroadcastAppMessage(AcRx::kUnloadDwgMsg);
  EXPECT_EQ(commandLine.text(), u"[message 3][message 3]");
}
