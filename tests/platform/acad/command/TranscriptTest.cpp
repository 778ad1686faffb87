#include <acedads.h>
#include <acutads.h>

#include "CommandLineFixture.h"

namespace {

constexpr const ACHAR* kMainPrompt =
    u"Quillview 选项 [自动启动(A)/Icon/保存(P)/字体(F)/计时器(T)/嵌入对象(N)/激活(E)/<禁用(D)>]: ";
constexpr const ACHAR* kMainKeywords =
    u"保存(P) 字体(F) 激活(E) 禁用(D) 自动启动(A) ON OFf Icon 显示(S) 隐藏(H) 计时器(T) 嵌入对象(N) 是 否";

}  // namespace

using Transcript = CommandLineTest;

TEST_F(Transcript, ShowsEachInputAfterItsPromptAndLispResultsOnTheirOwnLine) {
  int interval = 500;
  addCommand(u"-Quillview", u"-Quillview", ACRX_CMD_TRANSPARENT, [&] {
    ACHAR reply[512];
    acedInitGet(0, kMainKeywords);
    if (acedGetKword(kMainPrompt, reply) != RTNORM || std::u16string(reply) != u"计时器(T)") return;
    acedInitGet(4, nullptr);
    int value = 0;
    if (acedGetInt(u"\n请输入新的时间间隔 (以毫秒为单位) <500>: ", &value) == RTNORM) interval = value;
  });
  lispValues = {{u"(quillview)", u"(700 1 0 1 1 0 -1)"}};
  EXPECT_EQ(run(u"-QUILLVIEW T 700\n(quillview)\n"),
            u"Command: -QUILLVIEW\n" + std::u16string(kMainPrompt) +
                u"T\n请输入新的时间间隔 (以毫秒为单位) <500>: 700\nCommand: (quillview)\n(700 1 0 1 1 0 -1)\n");
  EXPECT_EQ(interval, 700);
}

TEST_F(Transcript, APromptWithoutLeadingNewlineStartsOnANewLineOnlyWhenNeeded) {
  addCommand(u"SAY", u"SAY", 0, [] {
    acutPrintf(u"line\n");
    ACHAR text[133];
    acedGetString(0, u"First: ", text);
    acutPrintf(u"\n");
    acedGetString(0, u"Second: ", text);
    acedGetString(0, u"\nThird: ", text);
  });
  EXPECT_EQ(run(u"SAY a b c"), u"Command: SAYline\nFirst: a\nSecond: b\nThird: c\n");
}

TEST_F(Transcript, AnEndedInputPrintsNoFurtherCommandPrompt) {
  EXPECT_EQ(run(u""), u"");
  lispValues = {{u"(princ)", u""}};
  EXPECT_EQ(run(u"(princ)"), u"Command: (princ)\n");
}

TEST_F(Transcript, EnterWithNothingToRepeatShowsTheCommandPromptAgain) {
  EXPECT_EQ(run(u"\n\n"), u"Command: \nCommand: \n");
}

TEST_F(Transcript, LispErrorsFollowTheErrorPrefixOnTheirOwnLine) {
  EXPECT_EQ(run(u"(foo)"), u"Command: (foo)\n; error: no function definition: (foo)\n");
  EXPECT_EQ(events.events(), (std::vector<std::u16string>{u"lispWillStart:(foo)", u"lispCancelled"}));
}

TEST_F(Transcript, BangPrintsTheValueOfAVariable) {
  lispValues = {{u"pt", u"(1.0 2.0 0.0)"}};
  EXPECT_EQ(run(u"!pt"), u"Command: !pt\n(1.0 2.0 0.0)\n");
  EXPECT_EQ(lispSources, (std::vector<std::u16string>{u"pt"}));
}

TEST_F(Transcript, PostedCommandPromptIsShownOnce) {
  addCommand(u"POST", u"POST", 0, [] {
    acutPrintf(u"\nloaded.");
    acedPostCommandPrompt();
  });
  EXPECT_EQ(run(u"POST\nPOST"), u"Command: POST\nloaded.\nCommand: POST\nloaded.\nCommand: \n");
}

TEST(CommandLineOutput, TracksTheCurrentLine) {
  std::u16string text;
  acadsim::ScopedCommandLineSink sink([&](std::u16string_view t) { text += t; });
  EXPECT_EQ(acadsim::CommandLineCurrentLine(), u"");
  acadsim::WriteCommandLine(u"a\nbc");
  EXPECT_EQ(acadsim::CommandLineCurrentLine(), u"bc");
  acadsim::StartCommandLineLine();
  acadsim::StartCommandLineLine();
  EXPECT_EQ(text, u"a\nbc\n");
  acadsim::WriteCommandLinePrompt(u"\nX: ");
  acadsim::WriteCommandLinePrompt(u"Y: ");
  EXPECT_EQ(text, u"a\nbc\n\nX: \nY: ");
  acadsim::EchoCommandLineInput(u"typed", false);
  EXPECT_EQ(text, u"a\nbc\n\nX: \nY: typed");
}

TEST(CommandLineOutput, TheTerminalsLineEndStandsForTheNextOneWritten) {
  std::u16string text;
  acadsim::ScopedCommandLineSink sink([&](std::u16string_view t) { text += t; });
  acadsim::WriteCommandLinePrompt(u"Command: ");
  acadsim::EchoCommandLineInput(u"LINE", true);
  EXPECT_EQ(acadsim::CommandLineCurrentLine(), u"");
  acadsim::WriteCommandLinePrompt(u"\nFirst: ");
  acadsim::EchoCommandLineInput(u"", true);
  acadsim::WriteCommandLine(u"\n");
  acadsim::WriteCommandLine(u"\nnext");
  acadsim::EchoCommandLineInput(u"", true);
  acadsim::WriteCommandLinePrompt(u"Z: ");
  EXPECT_EQ(text, u"Command: First: \nnextZ: ");
}

namespace {

// Lines typed at a terminal, which shows them itself.
class TypedLines : public acadsim::InputSource {
 public:
  explicit TypedLines(std::vector<std::u16string> lines) : m_lines(std::move(lines)) {}
  std::optional<std::u16string> readLine() override {
    if (m_next == m_lines.size()) return std::nullopt;
    return m_lines[m_next++];
  }
  bool isInteractive() const override { return true; }

 private:
  std::vector<std::u16string> m_lines;
  size_t m_next = 0;
};

}  // namespace

TEST_F(Transcript, AtATerminalOnlyWhatWasNotTypedOnTheShownLineIsEchoed) {
  addCommand(u"ASK", u"ASK", 0, [] {
    int value = 0;
    acedGetInt(u"\nFirst: ", &value);
    acedGetInt(u"\nSecond: ", &value);
  });
  TypedLines typed({u"ASK 1", u"2", u"^C"});
  acadsim::CommandProcessor(acadsim::CommandLineHooks{}).run(typed);
  // The terminal shows "ASK 1", "2" and "^C" and ends each line itself.
  EXPECT_EQ(transcript, u"Command: First: 1\nSecond: Command: *Cancel*\nCommand: \n");
}
