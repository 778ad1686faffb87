// The demand-load registration: first registration, the start-up flag, uninstall on full AutoCAD and elsewhere.
#include "host/DemandLoad.h"

#include <qvwide.h>
#include <unistd.h>
#include <winbase.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "RegistryTestSupport.h"

namespace {

constexpr const WCHAR* kProductKey = u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804";
constexpr const WCHAR* kApplications = u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804\\Applications";
constexpr const WCHAR* kAppKey = u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804\\Applications\\Quillview";
constexpr const WCHAR* kCommandsKey =
    u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804\\Applications\\Quillview\\Commands";
constexpr const WCHAR* kModulePath = u"C:\\Program Files\\Tessaray\\Quillview\\quillview.arx";

DemandLoadTexts Texts() {
  return {u"Quillview", u"Quillview", u"Quillview", u"Peek", u"Peek", u"QuillviewStart", u"QuillviewStart"};
}

class DemandLoadTest : public RegistryTest {
 protected:
  std::optional<DWORD> UserLoadCtrls() { return ReadDWord(HKEY_CURRENT_USER, kAppKey, u"LoadCtrls"); }
};

TEST_F(DemandLoadTest, FirstRegistrationWritesLoaderDescriptionFlagsAndCommands) {
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kAppKey, u"Loader"), kModulePath);
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kAppKey, u"Description"), u"Quillview");
  EXPECT_EQ(UserLoadCtrls(), 14u);
  std::vector<std::u16string> commands = {u"Quillview", u"-Quillview", u"Peek", u"QuillviewStart"};
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kCommandsKey), commands);
  for (const std::u16string& name : commands) EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kCommandsKey, name.c_str()), name);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppKey));
}

TEST_F(DemandLoadTest, CommandsAreWrittenGlobalThenLocalNameOfEachCommand) {
  DemandLoadTexts texts{u"Quillview", u"QvG", u"QvL", u"PeekG", u"PeekL", u"StartG", u"StartL"};
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, texts));
  std::vector<std::u16string> commands = {u"QvG", u"QvL", u"-QvG", u"-QvL", u"PeekG", u"PeekL", u"StartG", u"StartL"};
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kCommandsKey), commands);
  EXPECT_FALSE(ReadText(HKEY_CURRENT_USER, kCommandsKey, u"QuillviewUninstall"));
}

TEST_F(DemandLoadTest, ExistingLoadCtrlsIsKeptAndTheStartupFlagFollowsAutoLoad) {
  PutDWord(HKEY_CURRENT_USER, kAppKey, u"LoadCtrls", 4);
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  EXPECT_EQ(UserLoadCtrls(), 4u);
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, false));
  EXPECT_EQ(UserLoadCtrls(), 4u);
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, true));
  EXPECT_EQ(UserLoadCtrls(), 6u);
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  EXPECT_EQ(UserLoadCtrls(), 6u);
}

TEST_F(DemandLoadTest, StartupFlagClearsAndSetsOnlyBitTwo) {
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, false));
  EXPECT_EQ(UserLoadCtrls(), 12u);
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, false));
  EXPECT_EQ(UserLoadCtrls(), 12u);
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, true));
  EXPECT_EQ(UserLoadCtrls(), 14u);
  PutDWord(HKEY_CURRENT_USER, kAppKey, u"LoadCtrls", 0xFFFFFFF0);
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, true));
  EXPECT_EQ(UserLoadCtrls(), 0xFFFFFFF2u);
}

TEST_F(DemandLoadTest, StartupFlagStartsFromZeroWhenNoNumberIsRegistered) {
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, true));
  EXPECT_EQ(UserLoadCtrls(), 2u);
  PutText(HKEY_CURRENT_USER, kAppKey, u"LoadCtrls", u"14");
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, false));
  EXPECT_EQ(UserLoadCtrls(), 0u);
}

TEST_F(DemandLoadTest, LoadCtrlsOnlyUnderLocalMachineIsReadThereAndWrittenToTheUser) {
  PutDWord(HKEY_LOCAL_MACHINE, kAppKey, u"LoadCtrls", 4);
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  EXPECT_FALSE(UserLoadCtrls());
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, true));
  EXPECT_EQ(UserLoadCtrls(), 6u);
  EXPECT_EQ(ReadDWord(HKEY_LOCAL_MACHINE, kAppKey, u"LoadCtrls"), 4u);
  PutDWord(HKEY_LOCAL_MACHINE, kAppKey, u"LoadCtrls", 14);
  EXPECT_TRUE(UpdateStartupFlag(kAppKey, false));
  EXPECT_EQ(UserLoadCtrls(), 4u);
}

TEST_F(DemandLoadTest, PathThatNamesNoKeyWritesNothing) {
  EXPECT_FALSE(RegisterDemandLoad(nullptr, kModulePath, Texts()));
  EXPECT_FALSE(RegisterDemandLoad(u"", kModulePath, Texts()));
  EXPECT_FALSE(UpdateStartupFlag(nullptr, true));
  EXPECT_FALSE(UpdateStartupFlag(u"", true));
  UnregisterDemandLoad(u"", true, kModulePath, kProductKey);
  EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, nullptr).empty());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"Commands"));
}

class UninstallTest : public DemandLoadTest {
 protected:
  void SetUp() override {
    DemandLoadTest::SetUp();
    PutText(HKEY_CURRENT_USER, kProductKey, u"ProductName", u"AutoCAD 2007");
    PutDWord(HKEY_CURRENT_USER, u"Software\\Tessaray\\Quillview\\3.0\\Settings", u"Enabled", 0);
    ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  }
};

TEST_F(UninstallTest, FullAutoCADRemovesTheKeyAndApplicationsLeftEmpty) {
  UnregisterDemandLoad(kAppKey, true, kModulePath, kProductKey);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kApplications));
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kProductKey, u"ProductName"), u"AutoCAD 2007");
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, u"Software\\Tessaray\\Quillview\\3.0\\Settings", u"Enabled"), 0u);
}

TEST_F(UninstallTest, ApplicationsWithAnotherModuleStays) {
  PutText(HKEY_CURRENT_USER, u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804\\Applications\\Other", u"Loader",
          u"other.arx");
  UnregisterDemandLoad(kAppKey, true, kModulePath, kProductKey);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAppKey));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kApplications));
}

TEST_F(UninstallTest, LocalMachineRegistrationGoesOnlyForAnAdministrator) {
  PutText(HKEY_LOCAL_MACHINE, kAppKey, u"Loader", kModulePath);
  PutText(HKEY_LOCAL_MACHINE, kProductKey, u"ProductName", u"AutoCAD 2007");
  UnregisterDemandLoad(kAppKey, true, kModulePath, kProductKey);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAppKey));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kAppKey));
  ASSERT_TRUE(RegisterDemandLoad(kAppKey, kModulePath, Texts()));
  win32sim::SetRegistryAdministrator(true);
  UnregisterDemandLoad(kAppKey, true, kModulePath, kProductKey);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kApplications));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kApplications));
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kProductKey, u"ProductName"), u"AutoCAD 2007");
}

// The sibling library built beside the tests, held by the test so that its record outlives the call.
class HdqTest : public UninstallTest {
 protected:
  static std::u16string BinFile(const char* name) { return Utf8ToWide(std::string(QV_BIN_DIR) + "/" + name); }
  void TearDown() override {
    for (const std::filesystem::path& folder : m_folders) std::filesystem::remove_all(folder);
    UninstallTest::TearDown();
  }
  // A folder of this process's own for a module without a usable HDQ.dll beside it.
  std::u16string LonelyModule(const char* folderName) {
    std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / (std::string(folderName) + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    m_folders.push_back(folder);
    return Utf8ToWide((folder / "quillview.arx").string());
  }
  static std::u16string FolderOf(const std::u16string& modulePath) {
    return modulePath.substr(0, modulePath.find_last_of(u"\\/") + 1);
  }
  struct HdqInstallCall {
    int count = 0;
    int code = 0;
    std::u16string productKey;
    int third = 0;
    int fourth = 0;
  };
  // What the library recorded of its last Install call.
  static HdqInstallCall LastInstall(HMODULE hdq) {
    using LastInstallFn = int (*)(int*, const WCHAR**, int*, int*);
    auto lastInstall =
        reinterpret_cast<LastInstallFn>(reinterpret_cast<void (*)()>(GetProcAddress(hdq, "HdqLastInstall")));
    HdqInstallCall call;
    if (lastInstall == nullptr) {
      ADD_FAILURE() << "HDQ.dll exports no HdqLastInstall";
      return call;
    }
    const WCHAR* productKey = nullptr;
    call.count = lastInstall(&call.code, &productKey, &call.third, &call.fourth);
    call.productKey = productKey != nullptr ? productKey : u"";
    return call;
  }

 private:
  std::vector<std::filesystem::path> m_folders;
};

TEST_F(HdqTest, OtherHostsCallInstallOfTheLibraryBesideTheModuleAndFreeIt) {
  HMODULE held = LoadLibraryW(BinFile("HDQ.dll").c_str());
  ASSERT_NE(held, nullptr);
  UnregisterDemandLoad(kAppKey, false, BinFile("quillview.arx").c_str(), kProductKey);
  HdqInstallCall call = LastInstall(held);
  EXPECT_EQ(call.count, 1);
  EXPECT_EQ(call.code, 9);
  EXPECT_EQ(call.productKey, kProductKey);
  EXPECT_EQ(call.third, 0);
  EXPECT_EQ(call.fourth, 0);
  EXPECT_TRUE(FreeLibrary(held));
  EXPECT_EQ(GetModuleHandleW(BinFile("HDQ.dll").c_str()), nullptr);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kAppKey));
}

TEST_F(HdqTest, OtherHostsWithoutAUsableLibraryBesideTheModuleChangeNothing) {
  // Held from the tests' own folder, where a search by bare name would find it.
  HMODULE held = LoadLibraryW(BinFile("HDQ.dll").c_str());
  ASSERT_NE(held, nullptr);
  UnregisterDemandLoad(kAppKey, false, LonelyModule("qv-hdq-none").c_str(), kProductKey);
  std::u16string notALibrary = LonelyModule("qv-hdq-text");
  std::ofstream(WideToUtf8(FolderOf(notALibrary) + u"HDQ.dll")) << "not a library\n";
  UnregisterDemandLoad(kAppKey, false, notALibrary.c_str(), kProductKey);
  std::u16string noInstall = LonelyModule("qv-hdq-noinstall");
  std::filesystem::copy_file(WideToUtf8(BinFile("QvTestAecWall.arx")), WideToUtf8(FolderOf(noInstall) + u"HDQ.dll"));
  UnregisterDemandLoad(kAppKey, false, noInstall.c_str(), kProductKey);
  EXPECT_EQ(GetModuleHandleW((FolderOf(noInstall) + u"HDQ.dll").c_str()), nullptr);
  UnregisterDemandLoad(kAppKey, false, u"quillview.arx", kProductKey);
  UnregisterDemandLoad(kAppKey, false, nullptr, kProductKey);
  EXPECT_EQ(LastInstall(held).count, 0);
  FreeLibrary(held);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kAppKey));
}

}  // namespace
