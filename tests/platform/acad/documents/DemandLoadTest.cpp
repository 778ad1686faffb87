#include <acadsim/DemandLoad.h>
#include <aced.h>
#include <arxHeaders.h>
#include <qvregistry.h>
#include <winreg.h>

#include "DocumentTestSupport.h"

namespace {

using acadsim::kLoadOnCommand;
using acadsim::kLoadOnStartup;

const std::u16string kLogger = InBin("doc_test_logger.arx");
const std::u16string kSecond = InBin("doc_test_second.arx");
const std::u16string kForgetful = InBin("doc_test_forgetful.arx");

// Writes the registration AutoCAD reads under root + product key + "\Applications\" + name.
class Registration {
 public:
  Registration(HKEY root, const std::u16string& name) : m_root(root), m_path(path(name)) {}
  Registration& loadCtrls(DWORD value) {
    set(m_path, u"LoadCtrls", REG_DWORD, &value, sizeof(value));
    return *this;
  }
  Registration& loader(const std::u16string& file) { return text(m_path, u"Loader", file); }
  Registration& command(const std::u16string& name, const std::u16string& data) {
    return text(m_path + u"\\Commands", name.c_str(), data);
  }

 private:
  static std::u16string path(const std::u16string& name) {
    return std::u16string(acrxProductKey()) + u"\\Applications\\" + name;
  }
  Registration& text(const std::u16string& key, const char16_t* name, const std::u16string& value) {
    set(key, name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(char16_t)));
    return *this;
  }
  void set(const std::u16string& key, const char16_t* name, DWORD type, const void* data, DWORD size) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(m_root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(opened, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(opened);
  }
  HKEY m_root;
  std::u16string m_path;
};

class DemandLoading : public HostTest {
 protected:
  void SetUp() override {
    win32sim::ResetRegistry();
    win32sim::SetRegistryAdministrator(true);
  }
  void TearDown() override {
    HostTest::TearDown();
    win32sim::SetRegistryAdministrator(false);
    win32sim::ResetRegistry();
  }
  static bool loaded(const std::u16string& path) { return acrxDynamicLinker->isModuleLoaded(path.c_str()); }
};

}  // namespace

TEST_F(DemandLoading, StartUpLoadsTheApplicationsMarkedForIt) {
  Registration(HKEY_CURRENT_USER, u"DocTestLogger").loadCtrls(kLoadOnStartup).loader(kLogger);
  Registration(HKEY_CURRENT_USER, u"DocTestSecond").loadCtrls(kLoadOnCommand | 0x8).loader(kSecond);
  Registration(HKEY_LOCAL_MACHINE, u"DocTestForgetful").loadCtrls(14).loader(kForgetful);
  acadsim::DemandLoadOnStartup();
  EXPECT_TRUE(loaded(kLogger));
  EXPECT_FALSE(loaded(kSecond));
  EXPECT_TRUE(loaded(kForgetful));
}

TEST_F(DemandLoading, ANameUnderBothRootsCountsOnceWithTheUsersValuesFirst) {
  Registration(HKEY_CURRENT_USER, u"DocTestLogger").loadCtrls(kLoadOnCommand).loader(kLogger);
  Registration(HKEY_LOCAL_MACHINE, u"DOCTESTLOGGER").loadCtrls(kLoadOnStartup).loader(kLogger);
  Registration(HKEY_CURRENT_USER, u"DocTestSecond").loader(kSecond);
  Registration(HKEY_LOCAL_MACHINE, u"DocTestSecond").loadCtrls(kLoadOnStartup).loader(u"/nowhere/second.arx");
  acadsim::DemandLoadOnStartup();
  EXPECT_FALSE(loaded(kLogger));
  EXPECT_TRUE(loaded(kSecond));
  EXPECT_EQ(commandLine.text().find(u"nowhere"), std::u16string::npos);
}

TEST_F(DemandLoading, AMissingLoaderIsReportedAndTheOthersStillLoad) {
  Registration(HKEY_CURRENT_USER, u"DocTestGone").loadCtrls(kLoadOnStartup).loader(u"/nowhere/gone.arx");
  Registration(HKEY_CURRENT_USER, u"DocTestNoLoader").loadCtrls(kLoadOnStartup);
  Registration(HKEY_CURRENT_USER, u"DocTestLogger").loadCtrls(kLoadOnStartup).loader(kLogger);
  acadsim::DemandLoadOnStartup();
  EXPECT_TRUE(loaded(kLogger));
  EXPECT_NE(commandLine.text().find(u"\nAcRxDynamicLinker failed to load '/nowhere/gone.arx': file not found\n"),
            std::u16string::npos)
      << WideToUtf8(commandLine.text());
  EXPECT_NE(commandLine.text().find(u"DocTestNoLoader"), std::u16string::npos);
}

TEST_F(DemandLoading, StartUpLeavesAnApplicationLoadedAlreadyAsItIs) {
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  Registration(HKEY_CURRENT_USER, u"DocTestLogger").loadCtrls(kLoadOnStartup).loader(kLogger);
  commandLine.clear();
  acadsim::DemandLoadOnStartup();
  EXPECT_EQ(commandLine.text(), u"");
  ASSERT_TRUE(acrxUnloadModule(kLogger.c_str()));
  EXPECT_FALSE(loaded(kLogger));
}

TEST_F(DemandLoading, AnUnknownCommandLoadsTheApplicationThatNamesIt) {
  Registration(HKEY_CURRENT_USER, u"DocTestForgetful").loadCtrls(kLoadOnCommand).loader(kForgetful)
      .command(u"FORGETFUL", u"FORGETFUL");
  Registration(HKEY_CURRENT_USER, u"DocTestLogger").loadCtrls(kLoadOnCommand).loader(kLogger)
      .command(u"OTHER", u"OTHER");
  EXPECT_TRUE(acadsim::DemandLoadCommand(u"forgetful"));
  EXPECT_TRUE(loaded(kForgetful));
  EXPECT_FALSE(loaded(kLogger));
  EXPECT_NE(acedRegCmds->lookupGlobalCmd(u"FORGETFUL"), nullptr);
}

TEST_F(DemandLoading, TheCommandMayBeTheValuesDataAndTypedWithPrefixes) {
  Registration(HKEY_LOCAL_MACHINE, u"DocTestForgetful").loadCtrls(kLoadOnCommand).loader(kForgetful)
      .command(u"cmd1", u"Forgetful");
  EXPECT_TRUE(acadsim::DemandLoadCommand(u"'_.FORGETFUL"));
  EXPECT_TRUE(loaded(kForgetful));
}

TEST_F(DemandLoading, OnlyApplicationsMarkedForCommandsLoadOnACommand) {
  Registration(HKEY_CURRENT_USER, u"DocTestForgetful").loadCtrls(kLoadOnStartup).loader(kForgetful)
      .command(u"FORGETFUL", u"FORGETFUL");
  EXPECT_FALSE(acadsim::DemandLoadCommand(u"FORGETFUL"));
  EXPECT_FALSE(loaded(kForgetful));
  EXPECT_FALSE(acadsim::DemandLoadCommand(u"NOSUCHCOMMAND"));
  EXPECT_FALSE(acadsim::DemandLoadCommand(u"_"));
}

TEST_F(DemandLoading, AnApplicationThatDoesNotDefineItsCommandLoadsButTheCommandStaysUnknown) {
  Registration(HKEY_CURRENT_USER, u"DocTestLogger").loadCtrls(kLoadOnCommand).loader(kLogger)
      .command(u"LOGGERCMD", u"LOGGERCMD");
  EXPECT_FALSE(acadsim::DemandLoadCommand(u"LOGGERCMD"));
  EXPECT_TRUE(loaded(kLogger));
}

TEST_F(DemandLoading, NoRegistrationLoadsNothing) {
  acadsim::DemandLoadOnStartup();
  EXPECT_FALSE(acadsim::DemandLoadCommand(u"FORGETFUL"));
  EXPECT_EQ(acedArxLoaded(), nullptr);
}
