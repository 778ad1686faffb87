// The module in whole host sessions: acadsim runs scripts with the real quillview.arx, and the tests read the
// transcripts and what the sessions left in the machine's registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SessionMachine.h"

namespace acadsim::testing {
namespace {

const std::string kLoad = "(arxload \"quillview.arx\")\n";
const std::string kBanner = "Quillview(tm) 3.0.0.1 已加载(使用命令 QUILLVIEW 可更改设置)\n";
const std::string kFullPrompt = "Quillview 选项 [自动启动(A)/Icon/保存(P)/字体(F)/计时器(T)/嵌入对象(N)/激活(E)/<禁用(D)>]: ";
const std::string kLtPrompt = "Quillview 选项 [Icon/保存(P)/字体(F)/计时器(T)/嵌入对象(N)/激活(E)/<禁用(D)>]: ";

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

class QuillviewSessionTest : public ::testing::Test {
 protected:
  SessionResult Run(const std::string& script, const std::vector<std::string>& flags = {}) {
    SessionResult result = machine.Run(script, flags);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result;
  }
  std::optional<DWORD> Setting(const char16_t* name) {
    return machine.ReadDWord(HKEY_CURRENT_USER, kQuillviewSettingsKey, name);
  }
  std::optional<DWORD> LoadCtrls() { return machine.ReadDWord(HKEY_CURRENT_USER, QuillviewDemandLoadKey(), u"LoadCtrls"); }

  SessionMachine machine;
};

TEST_F(QuillviewSessionTest, LoadingPrintsTheBannerAndWritesSettingsAndTheDemandLoadRegistration) {
  const SessionResult session = Run(kLoad);
  EXPECT_EQ(Count(session.out, kBanner), 1u) << session.out;
  EXPECT_EQ(Count(session.out, "Failed to register COM server.\n"), 1u) << session.out;

  EXPECT_EQ(Setting(u"Enabled"), 1u);
  EXPECT_EQ(Setting(u"ShowButton"), 1u);
  EXPECT_EQ(Setting(u"ButtonPosition"), 0xFFFFFFFFu);
  EXPECT_EQ(Setting(u"Invasive"), 1u);
  EXPECT_EQ(Setting(u"DefaultShowNested"), 0u);
  EXPECT_EQ(Setting(u"AutoLoad"), 1u);
  EXPECT_EQ(Setting(u"TimerInterval"), std::nullopt);
  EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"FontTypeface"), u"Arial");

  const std::u16string key = QuillviewDemandLoadKey();
  EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, key, u"Loader"), u"" QV_BIN_DIR "/quillview.arx");
  EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, key, u"Description"), u"Quillview");
  EXPECT_EQ(LoadCtrls(), 14u);
  for (const char16_t* command : {u"Quillview", u"-Quillview", u"Peek", u"QuillviewStart"}) {
    EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, key + u"\\Commands", command), command);
  }
  EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, key + u"\\Commands", u"QuillviewUninstall"), std::nullopt);
}

TEST_F(QuillviewSessionTest, TheSettingsCommandAsksWithTheCurrentStateAndTheLispFunctionReportsIt) {
  const SessionResult session = Run(kLoad + "-QUILLVIEW T 700\n(quillview)\n");
  EXPECT_NE(session.out.find("Command: -QUILLVIEW\n" + kFullPrompt +
                             "T\n请输入新的时间间隔 (以毫秒为单位) <500>: 700\nCommand: (quillview)\n(700 1 0 1 1 0 -1)\n"),
            std::string::npos)
      << session.out;
  EXPECT_EQ(Setting(u"TimerInterval"), 700u);
}

TEST_F(QuillviewSessionTest, EnterTogglesEnabledAndThePromptThenOffersEnabling) {
  const SessionResult session = Run(kLoad + "-QUILLVIEW\n\n-QUILLVIEW\n^C\n");
  EXPECT_EQ(Setting(u"Enabled"), 0u);
  EXPECT_NE(session.out.find("[自动启动(A)/Icon/保存(P)/字体(F)/计时器(T)/嵌入对象(N)/<激活(E)>/禁用(D)]: "),
            std::string::npos)
      << session.out;
}

TEST_F(QuillviewSessionTest, KeywordsMatchByTheirCapitalsAndFollowUpsSetWhatTheyAsk) {
  // "Y" is no answer to "是": a keyword without capitals matches only whole.
  const SessionResult session = Run(kLoad + "-QUILLVIEW OF\n-QUILLVIEW I OFF\n-QUILLVIEW N Y 是\n-QUILLVIEW P\n\n-QUILLVIEW A d\n");
  EXPECT_NE(session.out.find("[<是>/否]: Y\nInvalid option keyword.\n按默认显示嵌入对象信息吗? [<是>/否]: 是\n"), std::string::npos)
      << session.out;
  EXPECT_EQ(Setting(u"Enabled"), 0u);
  EXPECT_EQ(Setting(u"ShowButton"), 0u);
  EXPECT_EQ(Setting(u"DefaultShowNested"), 1u);
  EXPECT_EQ(Setting(u"Invasive"), 0u);
  EXPECT_EQ(Setting(u"AutoLoad"), 0u);
  EXPECT_EQ(LoadCtrls(), 12u);
}

TEST_F(QuillviewSessionTest, FollowUpQuestionsShowTheirDefaultsInAngleBrackets) {
  const SessionResult session = Run(kLoad + "-QUILLVIEW A\n^C\n-QUILLVIEW P\n^C\n-QUILLVIEW N\n^C\n-QUILLVIEW I\n^C\n");
  EXPECT_NE(session.out.find("Quillview 自动启动 (激活(E)/<禁用(D)>): "), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("保存\"上一个\"选择集吗? [<是>/否]: "), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("按默认显示嵌入对象信息吗? [<是>/否]: "), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("Quillview 状态栏图标 [显示(S)/<隐藏(H)>]: "), std::string::npos) << session.out;
  EXPECT_EQ(Setting(u"AutoLoad"), 1u);
  EXPECT_EQ(Setting(u"Invasive"), 1u);
}

TEST_F(QuillviewSessionTest, TheHostRefusesANegativeIntervalAndAsksAgain) {
  const SessionResult session = Run(kLoad + "-QUILLVIEW T -5 300\n");
  EXPECT_NE(session.out.find("Value must be positive."), std::string::npos) << session.out;
  EXPECT_EQ(Setting(u"TimerInterval"), 300u);
}

TEST_F(QuillviewSessionTest, OnAutoCadLtThereIsNoAutostartAndNoDemandLoadRegistration) {
  const SessionResult session = Run(kLoad + "-QUILLVIEW A\n^C\n", {"--product", "AutoCAD LT"});
  EXPECT_NE(session.out.find(kLtPrompt + "A\nInvalid option keyword."), std::string::npos) << session.out;
  EXPECT_EQ(Setting(u"Enabled"), 1u);
  EXPECT_FALSE(machine.KeyExists(HKEY_CURRENT_USER, QuillviewDemandLoadKey()));
}

TEST_F(QuillviewSessionTest, TheLispFunctionReturnsTheValuesFromBeforeItsChanges) {
  const SessionResult session = Run(kLoad +
                                    "(quillview)\n"
                                    "(quillview 250 nil)\n"
                                    "(quillview nil T)\n"
                                    "(quillview nil 1 0)\n"
                                    "(quillview -1)\n"
                                    "(quillview 40000.7 nil nil nil nil nil 3)\n"
                                    "(quillview)\n");
  EXPECT_NE(session.out.find("(quillview)\n(500 1 0 1 1 0 -1)\n"), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("(quillview 250 nil)\n(500 1 0 1 1 0 -1)\n"), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("(quillview nil T)\n(250 1 0 1 1 0 -1)\n"), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("(quillview nil 1 0)\n(250 0 0 1 1 0 -1)\n"), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("(quillview -1)\n(250 1 0 1 1 0 -1)\n"), std::string::npos) << session.out;
  EXPECT_NE(session.out.find("(quillview)\n(-25536 1 0 1 1 0 3)\n"), std::string::npos) << session.out;
  EXPECT_EQ(Setting(u"TimerInterval"), 40000u);
  EXPECT_EQ(Setting(u"Invasive"), 1u);
}

TEST_F(QuillviewSessionTest, AHugeIntervalFromTheLispFunctionIsStoredSoThatItLoadsAgain) {
  Run(kLoad + "(quillview 5e10)\n");
  EXPECT_EQ(Setting(u"TimerInterval"), 0xFFFFFFFEu);
  const SessionResult next = Run(kLoad + "(quillview)\n");
  EXPECT_NE(next.out.find("(quillview)\n(-2 1 0 1 1 0 -1)\n"), std::string::npos) << next.out;
}

TEST_F(QuillviewSessionTest, AfterUnloadingTheFunctionIsGoneAndTheCommandLoadsTheModuleAgain) {
  const SessionResult session =
      Run(kLoad + "(arxunload \"quillview.arx\")\n(quillview)\n-QUILLVIEW ON\n(quillview)\n");
  EXPECT_NE(session.out.find("; error: no function definition: QUILLVIEW"), std::string::npos) << session.out;
  EXPECT_EQ(Count(session.out, kBanner), 2u) << session.out;
  EXPECT_NE(session.out.find("(quillview)\n(500 1 0 1 1 0 -1)\n"), std::string::npos) << session.out;
}

TEST_F(QuillviewSessionTest, SettingsAndTheStartupRegistrationCarryOverToTheNextSession) {
  Run(kLoad + "-QUILLVIEW T 700\n");
  const SessionResult next = Run("(quillview)\n");
  EXPECT_EQ(next.out.find(kBanner) < next.out.find("Command: (quillview)"), true) << next.out;
  EXPECT_NE(next.out.find("(700 1 0 1 1 0 -1)"), std::string::npos) << next.out;

  Run("-QUILLVIEW A D\n");
  EXPECT_EQ(LoadCtrls(), 12u);
  const SessionResult without = Run("(quillview)\n-QUILLVIEW ON\n");
  EXPECT_NE(without.out.find("; error: no function definition: QUILLVIEW"), std::string::npos) << without.out;
  EXPECT_EQ(Count(without.out, kBanner), 1u) << without.out;
}

TEST_F(QuillviewSessionTest, UninstallRemovesTheRegistrationKeepsTheSettingsAndLeavesTheProcess) {
  const SessionResult session = Run(kLoad + "-QUILLVIEW T 900\nQUILLVIEWUNINSTALL\n(quillview)\n");
  EXPECT_NE(session.out.find("; error: no function definition: QUILLVIEW"), std::string::npos) << session.out;
  EXPECT_FALSE(machine.KeyExists(HKEY_CURRENT_USER, QuillviewDemandLoadKey()));
  const std::u16string applications = QuillviewDemandLoadKey().substr(0, QuillviewDemandLoadKey().rfind(u'\\'));
  EXPECT_FALSE(machine.KeyExists(HKEY_CURRENT_USER, applications));
  EXPECT_EQ(Setting(u"TimerInterval"), 900u);

  const SessionResult next = Run("(quillview)\n" + kLoad + "(quillview)\n");
  EXPECT_EQ(Count(next.out, kBanner), 1u) << next.out;
  EXPECT_NE(next.out.find("(900 1 0 1 1 0 -1)"), std::string::npos) << next.out;
  EXPECT_EQ(LoadCtrls(), 14u);
}

TEST_F(QuillviewSessionTest, UninstallTypedInsideAnotherOfTheModulesCommandsLeavesTheModuleInPlace) {
  const SessionResult session =
      Run(kLoad + "-QUILLVIEW\n'QUILLVIEWUNINSTALL\nD\n(quillview)\n-QUILLVIEW A\n'QUILLVIEWUNINSTALL\n\n(quillview)\n");
  EXPECT_NE(session.out.find("Resuming -QUILLVIEW command.\n" + kFullPrompt + "D\nCommand: (quillview)\n(500 0 0 1 1 0 -1)\n"),
            std::string::npos)
      << session.out;
  EXPECT_NE(session.out.find("(quillview)\n(500 0 0 0 1 0 -1)\n"), std::string::npos) << session.out;
  EXPECT_EQ(LoadCtrls(), 12u);
  EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, QuillviewDemandLoadKey() + u"\\Commands", u"Peek"), u"Peek");

  // Outside the module's own commands, transparently too, it goes on to unload.
  const SessionResult alone = Run(kLoad + "ARX\n'QUILLVIEWUNINSTALL\n?\n(quillview)\n");
  EXPECT_NE(alone.out.find("; error: no function definition: QUILLVIEW"), std::string::npos) << alone.out;
  EXPECT_FALSE(machine.KeyExists(HKEY_CURRENT_USER, QuillviewDemandLoadKey()));
}

TEST_F(QuillviewSessionTest, OnAutoCadLtUninstallHandsTheWorkToTheSiblingLibraryAndUnloads) {
  const SessionResult session = Run(kLoad + "QUILLVIEWUNINSTALL\n(quillview)\n", {"--product", "AutoCAD LT"});
  EXPECT_NE(session.out.find("; error: no function definition: QUILLVIEW"), std::string::npos) << session.out;
  std::ifstream log(machine.HdqInstallLog());
  std::string call;
  ASSERT_TRUE(std::getline(log, call)) << "HDQ.dll's Install was not called";
  EXPECT_EQ(call, "Install(9, Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409, 0, 0)");
  EXPECT_FALSE(std::getline(log, call)) << call;
}

TEST_F(QuillviewSessionTest, OnAutoCadLtWithoutTheSiblingLibraryUninstallOnlyUnloads) {
  const std::filesystem::path alone = machine.Folder() / "alone";
  std::filesystem::create_directories(alone);
  // The module with the run-time library the host does not load itself, and no HDQ.dll.
  for (const std::string file : {"quillview.arx", "libmfc.so"}) {
    std::filesystem::copy_file(QV_BIN_DIR "/" + file, alone / file);
  }
  const SessionResult session = Run("(arxload \"" + (alone / "quillview.arx").string() +
                                        "\")\nQUILLVIEWUNINSTALL\n(quillview)\n",
                                    {"--product", "AutoCAD LT"});
  EXPECT_EQ(Count(session.out, kBanner), 1u) << session.out;
  EXPECT_NE(session.out.find("; error: no function definition: QUILLVIEW"), std::string::npos) << session.out;
  EXPECT_FALSE(std::filesystem::exists(machine.HdqInstallLog()));
  EXPECT_FALSE(machine.KeyExists(HKEY_CURRENT_USER, QuillviewDemandLoadKey()));
}

TEST_F(QuillviewSessionTest, StoredValuesOutsideTheRulesFallBackWithoutHarm) {
  machine.WriteText(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"FontTypeface", std::u16string(1000, u'F'));
  machine.WriteDWord(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"TimerInterval", 0xFFFFFFFF);
  machine.WriteText(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"ButtonPosition", u"7");
  const SessionResult session = Run(kLoad + "(quillview)\n");
  EXPECT_NE(session.out.find("(500 1 0 1 1 0 -1)"), std::string::npos) << session.out;
  EXPECT_EQ(machine.ReadText(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"FontTypeface"), u"Arial");
  EXPECT_EQ(Setting(u"ButtonPosition"), 0xFFFFFFFFu);
}

TEST_F(QuillviewSessionTest, ADamagedRegistryFileIsReportedKeptAsideAndTheModuleStartsWithDefaults) {
  std::filesystem::create_directories(machine.RegistryFile().parent_path());
  std::ofstream(machine.RegistryFile()) << "this is not a registry\n[HKEY_CURRENT_USER\\Software\n\"x\"=dword:zz\n";
  const SessionResult session = Run(kLoad + "(quillview)\n");
  EXPECT_NE(session.err.find("registry.reg:"), std::string::npos) << session.err;
  EXPECT_NE(session.out.find("(500 1 0 1 1 0 -1)"), std::string::npos) << session.out;
  EXPECT_EQ(Setting(u"Enabled"), 1u);
}

}  // namespace
}  // namespace acadsim::testing
