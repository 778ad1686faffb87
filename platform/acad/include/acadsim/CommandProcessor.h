// The host's command line: where input comes from, and the loop that runs commands, prompts and AutoLISP
// (host-internal, not an ObjectARX name).
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace acadsim {

// The group of the host's own commands (ARX, OPEN...): they register through acedRegCmds like a module's.
inline constexpr std::u16string_view kHostCommandGroup = u"ACAD_MAIN";

// Where the command line's keystrokes come from, one line at a time.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // One line as typed, without its line end; nullopt when the input has ended.
  virtual std::optional<std::u16string> readLine() = 0;
  // True for a person at a terminal: the prompt is shown before reading, and the terminal itself shows what
  // was typed and ends the line when Enter is pressed.
  virtual bool isInteractive() const { return false; }
};

// Lines of a text held in memory; "\n" or "\r\n" ends a line, and a last line without one still counts.
class StringInputSource : public InputSource {
 public:
  explicit StringInputSource(std::u16string text);
  std::optional<std::u16string> readLine() override;

 private:
  std::u16string m_text;
  size_t m_position = 0;
};

// A script file's text in UTF-8 (an initial byte-order mark is skipped; invalid bytes become U+FFFD).
class ScriptInputSource : public StringInputSource {
 public:
  explicit ScriptInputSource(std::string_view utf8Text);
};

// The interactive command line on the terminal: line editing and an in-memory history; the text already on
// the current output line (the pending prompt) is what the line editor shows in front of the input. Input
// piped in from elsewhere is read plainly and echoed like a script's.
class TerminalInputSource : public InputSource {
 public:
  TerminalInputSource();
  ~TerminalInputSource() override;
  TerminalInputSource(const TerminalInputSource&) = delete;
  TerminalInputSource& operator=(const TerminalInputSource&) = delete;
  std::optional<std::u16string> readLine() override;
  bool isInteractive() const override { return m_atTerminal; }

 private:
  bool m_atTerminal;
};

// What AutoLISP gave for an input: ok with the text AutoCAD echoes for the value and the value as a prompt
// takes it for its reply (strings raw, reals to their full precision), or the error text that follows
// "; error: ".
struct LispOutcome {
  bool ok = false;
  std::u16string printed;
  std::u16string error;
  std::u16string answer;
};

// The other parts of the host that the command line reaches; an empty hook means the part is absent.
struct CommandLineHooks {
  // Evaluates AutoLISP source (every expression in it) in the current document.
  std::function<LispOutcome(std::u16string_view source)> evaluateLisp;
  // Starts reading one AutoLISP input: the function it gives takes each further piece of it (the pieces
  // joined are the source, which starts with "(") and tells whether the input is complete yet (a malformed
  // one counts as complete).
  std::function<std::function<bool(std::u16string_view piece)>()> startLispInput;
  // Whether AutoLISP in the current document defines the function "C:" + name, which the name then runs as
  // a command.
  std::function<bool(std::u16string_view name)> lispCommandDefined;
  // Demand loading: loads the module that registered the command name, if any; true when it did.
  std::function<bool(std::u16string_view name)> demandLoadCommand;
};

// Runs the command line over an input source: the "Command: " prompt, commands from acedRegCmds, AutoLISP
// input, and the answers to every prompt (acedGetKword, acedGetInt...) that commands and AutoLISP ask while
// it runs. A run started inside a run (a script run by a command) answers the prompts until it ends; prompts
// asked while none runs give RTERROR.
class CommandProcessor {
 public:
  explicit CommandProcessor(CommandLineHooks hooks);
  CommandProcessor(const CommandProcessor&) = delete;
  CommandProcessor& operator=(const CommandProcessor&) = delete;

  // Reads until the input ends; the transcript then ends at a line start.
  void run(InputSource& input);

 private:
  CommandLineHooks m_hooks;
};

}  // namespace acadsim
