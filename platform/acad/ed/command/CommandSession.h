// A running command line: the "Command: " loop, the commands it runs with their reactor events, and the
// answers to the prompts those commands ask.
#pragma once
#include <acadsim/CommandProcessor.h>
#include <accmd.h>

#include <string>
#include <string_view>
#include <vector>

#include "InputReader.h"

namespace acadsim::command {

struct Answer {
  enum class Kind { Text, Cancel, End };
  Kind kind = Kind::End;
  // Empty for Enter.
  std::u16string text;
};

class CommandSession {
 public:
  CommandSession(InputSource& input, const CommandLineHooks& hooks);
  ~CommandSession();
  CommandSession(const CommandSession&) = delete;
  CommandSession& operator=(const CommandSession&) = delete;

  // The session whose input answers prompts now; null when none runs.
  static CommandSession* current();

  // Reads commands at "Command: " until the input ends.
  void run();

  // Shows prompt and reads the answer. In Word mode an answer starting with "'" runs a transparent command
  // and one starting with "(" or "!" is evaluated as AutoLISP, whose value is the answer; other modes take
  // the text as it is. Cancel marks the running command cancelled, End marks it failed; once the input has
  // ended every prompt gets End at once.
  Answer ask(std::u16string_view prompt, InputReader::Mode mode);
  // A message about the last answer, on a line of its own, before the prompt is asked again.
  void complain(std::u16string_view message);

 private:
  struct CommandFrame {
    std::u16string name;
    bool transparent = false;
    bool cancelled = false;
    bool failed = false;
  };

  // The answer once the input has ended: the running command fails.
  Answer inputEnded();
  void echo(const Input& input);
  std::u16string displayed(std::u16string_view prompt) const;
  bool insideTransparentCommand() const;
  void runTyped(std::u16string_view typed, bool transparent);
  // Runs the AutoLISP function "C:" + name as a command; false when the current document defines none.
  bool runLispCommand(std::u16string_view name);
  void runCommand(const AcEdCommand& command, bool transparent);
  void evaluateAtCommandPrompt(std::u16string_view typed);
  // AutoLISP typed at the command prompt or a prompt ("(...)" or "!name"), between the editor's LISP events;
  // an error is shown, and the value too when echoValue.
  LispOutcome evaluateTyped(std::u16string_view typed, bool echoValue);
  LispOutcome evaluate(std::u16string_view source);

  InputReader m_reader;
  const CommandLineHooks& m_hooks;
  std::vector<CommandFrame> m_frames;
  std::u16string m_lastCommand;
  bool m_inputEnded = false;
  CommandSession* m_previous;
};

}  // namespace acadsim::command
