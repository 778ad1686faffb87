// A command line to drive in tests: commands whose bodies are lambdas, a fake AutoLISP, the transcript and
// the editor events.
#pragma once
#include <acadsim/CommandLine.h>
#include <acadsim/CommandProcessor.h>
#include <aced.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

inline constexpr const ACHAR* kTestGroup = u"COMMAND_LINE_TESTS";

// Records every editor event as "event:NAME".
class EventRecorder : public AcEditorReactor {
 public:
  void commandWillStart(const ACHAR* cmd) override { m_events.push_back(u"willStart:" + std::u16string(cmd)); }
  void commandEnded(const ACHAR* cmd) override { m_events.push_back(u"ended:" + std::u16string(cmd)); }
  void commandCancelled(const ACHAR* cmd) override { m_events.push_back(u"cancelled:" + std::u16string(cmd)); }
  void commandFailed(const ACHAR* cmd) override { m_events.push_back(u"failed:" + std::u16string(cmd)); }
  void unknownCommand(const ACHAR* cmd) override { m_events.push_back(u"unknown:" + std::u16string(cmd)); }
  void lispWillStart(const ACHAR* line) override { m_events.push_back(u"lispWillStart:" + std::u16string(line)); }
  void lispEnded() override { m_events.push_back(u"lispEnded"); }
  void lispCancelled() override { m_events.push_back(u"lispCancelled"); }
  const std::vector<std::u16string>& events() const { return m_events; }
  void clear() { m_events.clear(); }

 private:
  std::vector<std::u16string> m_events;
};

// Parentheses balance outside strings: enough AutoLISP reading for the command line to know an input's end.
bool BalancedLisp(std::u16string_view source);
// The command line's hook for starting AutoLISP input, answered by BalancedLisp.
std::function<std::function<bool(std::u16string_view)>()> BalancedLispInput();

class CommandLineTest : public ::testing::Test {
 public:
  static constexpr size_t kSlots = 6;

 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds a command whose body is a lambda; each test has kSlots of them.
  Acad::ErrorStatus addCommand(const ACHAR* global, const ACHAR* local, Adesk::Int32 flags,
                               std::function<void()> body, const ACHAR* group = kTestGroup);
  // Runs the command line over script and gives what it printed.
  std::u16string run(std::u16string script);

  // Answers of the fake AutoLISP: source -> printed value; any other source is an error naming it.
  std::vector<std::pair<std::u16string, std::u16string>> lispValues;
  // Where a prompt takes a value otherwise than as printed (a string raw): source -> answer.
  std::map<std::u16string, std::u16string> lispAnswers;
  std::vector<std::u16string> lispSources;
  // Names (as typed) for which the fake AutoLISP defines a "C:" function.
  std::vector<std::u16string> lispCommands;
  std::vector<std::u16string> demandLoadRequests;
  std::function<bool(std::u16string_view)> onDemandLoad;
  EventRecorder events;
  std::u16string transcript;

 private:
  size_t m_nextSlot = 0;
};
