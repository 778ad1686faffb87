#include "CommandSession.h"

#include <acadsim/CommandLine.h>
#include <acadsim/Modules.h>
#include <aced.h>
#include <qvwide.h>

#include <exception>

#include "HostEditor.h"
#include "NameCompare.h"
#include "ReplyValues.h"

namespace acadsim::command {
namespace {

CommandSession*& Current() {
  static CommandSession* current = nullptr;
  return current;
}

// Prompts of a transparent command carry AutoCAD's mark in front.
constexpr std::u16string_view kTransparentMark = u">>";
constexpr std::u16string_view kCancelled = u"*Cancel*";
constexpr std::u16string_view kNotTransparent = u"** That command may not be invoked transparently **";

void Notify(const std::function<void(AcEditorReactor&)>& event) {
  if (HostEditor* editor = HostEditor::instance()) editor->notify(event);
}

// How a typed command name asks to be looked up: "'" transparent, "_" by its global name only, "." the
// command itself even when undefined; "-" belongs to the name.
struct TypedName {
  std::u16string name;
  bool transparent = false;
  bool globalOnly = false;
  bool evenUndefined = false;
};

TypedName ParseTypedName(std::u16string_view typed) {
  TypedName parsed;
  size_t at = 0;
  for (; at < typed.size(); ++at) {
    if (typed[at] == u'\'') {
      parsed.transparent = true;
    } else if (typed[at] == u'_') {
      parsed.globalOnly = true;
    } else if (typed[at] == u'.') {
      parsed.evenUndefined = true;
    } else {
      break;
    }
  }
  parsed.name = typed.substr(at);
  return parsed;
}

AcEdCommand* FindCommand(const TypedName& typed) {
  AcEdCommandStack* stack = acedRegCmds;
  if (stack == nullptr || typed.name.empty()) return nullptr;
  AcEdCommand* command = typed.globalOnly ? nullptr : stack->lookupLocalCmd(typed.name.c_str());
  if (command == nullptr) command = stack->lookupGlobalCmd(typed.name.c_str());
  if (command != nullptr && (command->commandFlags() & ACRX_CMD_UNDEFINED) && !typed.evenUndefined) return nullptr;
  return command;
}

std::u16string ExceptionText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return Utf8ToWide(e.what());
  } catch (...) {
    return u"unknown exception";
  }
}

}  // namespace

CommandSession::CommandSession(InputSource& input, const CommandLineHooks& hooks)
    : m_reader(input, hooks.startLispInput), m_hooks(hooks), m_previous(Current()) {
  Current() = this;
}

CommandSession::~CommandSession() { Current() = m_previous; }

CommandSession* CommandSession::current() { return Current(); }

void CommandSession::run() {
  while (!m_reader.ended()) {
    ShowCommandPrompt();
    const Input input = m_reader.next(InputReader::Mode::Word);
    echo(input);
    if (input.kind == Input::Kind::End) break;
    if (input.kind == Input::Kind::Cancel) {
      WriteCommandLine(kCancelled);
      continue;
    }
    const std::u16string& typed = input.text;
    if (typed.empty()) {
      // Enter repeats the command that ran last, if it still exists.
      if (AcEdCommand* previous = FindCommand(TypedName{m_lastCommand, false, true, false})) {
        runCommand(*previous, false);
      } else {
        runLispCommand(m_lastCommand);
      }
    } else if (typed.front() == u'(' || (typed.front() == u'!' && typed.size() > 1)) {
      evaluateAtCommandPrompt(typed);
    } else {
      runTyped(typed, false);
    }
  }
  m_inputEnded = true;
  StartCommandLineLine();
}

Answer CommandSession::ask(std::u16string_view prompt, InputReader::Mode mode) {
  if (m_inputEnded) return inputEnded();
  for (;;) {
    WriteCommandLinePrompt(displayed(prompt));
    const Input input = m_reader.next(mode);
    echo(input);
    if (input.kind == Input::Kind::End) {
      m_inputEnded = true;
      return inputEnded();
    }
    if (input.kind == Input::Kind::Cancel) {
      WriteCommandLine(kCancelled);
      if (!m_frames.empty()) m_frames.back().cancelled = true;
      return Answer{Answer::Kind::Cancel, {}};
    }
    const std::u16string& typed = input.text;
    if (mode != InputReader::Mode::Word || typed.size() < 2) return Answer{Answer::Kind::Text, typed};
    if (typed.front() == u'\'') {
      runTyped(typed, true);
      if (m_inputEnded) return inputEnded();
      continue;
    }
    if (typed.front() == u'(' || typed.front() == u'!') {
      const LispOutcome outcome = evaluateTyped(typed, false);
      if (outcome.ok) return Answer{Answer::Kind::Text, outcome.answer};
      continue;
    }
    return Answer{Answer::Kind::Text, typed};
  }
}

Answer CommandSession::inputEnded() {
  if (!m_frames.empty()) m_frames.back().failed = true;
  return Answer{Answer::Kind::End, {}};
}

void CommandSession::complain(std::u16string_view message) {
  StartCommandLineLine();
  WriteCommandLine(message);
}

void CommandSession::echo(const Input& input) {
  // At the end nothing was typed, and Ctrl-D leaves the terminal's line open.
  if (input.kind == Input::Kind::End) return;
  const bool shownByTerminal = m_reader.isInteractive() && input.freshLine;
  if (input.kind == Input::Kind::Text || shownByTerminal) EchoCommandLineInput(input.text, shownByTerminal);
}

std::u16string CommandSession::displayed(std::u16string_view prompt) const {
  if (!insideTransparentCommand()) return std::u16string(prompt);
  const size_t textStart = prompt.find_first_not_of(u'\n');
  std::u16string marked(prompt.substr(0, textStart == std::u16string_view::npos ? prompt.size() : textStart));
  marked += kTransparentMark;
  if (textStart != std::u16string_view::npos) marked += prompt.substr(textStart);
  return marked;
}

bool CommandSession::insideTransparentCommand() const {
  for (const CommandFrame& frame : m_frames) {
    if (frame.transparent) return true;
  }
  return false;
}

void CommandSession::runTyped(std::u16string_view typed, bool transparent) {
  const TypedName name = ParseTypedName(typed);
  AcEdCommand* command = FindCommand(name);
  if (command == nullptr && !transparent && runLispCommand(name.name)) {
    m_lastCommand = UpperCase(name.name);
    return;
  }
  if (command == nullptr && !name.name.empty() && m_hooks.demandLoadCommand &&
      m_hooks.demandLoadCommand(name.name)) {
    command = FindCommand(name);
  }
  if (command == nullptr) {
    const std::u16string upper = UpperCase(name.name);
    complain(u"Unknown command \"" + upper + u"\".  Press F1 for help.");
    Notify([&](AcEditorReactor& reactor) { reactor.unknownCommand(upper.c_str()); });
    return;
  }
  if (!transparent) {
    m_lastCommand = command->globalName();
    runCommand(*command, false);
    return;
  }
  // One transparent command at a time, as AutoCAD allows.
  if (!(command->commandFlags() & ACRX_CMD_TRANSPARENT) || insideTransparentCommand()) {
    complain(kNotTransparent);
    return;
  }
  runCommand(*command, true);
  if (!m_frames.empty() && !m_inputEnded) complain(u"Resuming " + m_frames.back().name + u" command.");
}

bool CommandSession::runLispCommand(std::u16string_view name) {
  if (name.empty() || !m_hooks.lispCommandDefined || !m_hooks.lispCommandDefined(name)) return false;
  evaluateAtCommandPrompt(u"(C:" + UpperCase(name) + u")");
  return true;
}

void CommandSession::runCommand(const AcEdCommand& command, bool transparent) {
  // The command may unload its own module, which deletes the command object: keep what is needed.
  const std::u16string name = UpperCase(command.globalName());
  const AcRxFunctionPtr function = command.functionAddr();
  void* const app = command.commandApp();
  m_frames.push_back(CommandFrame{name, transparent});
  Notify([&](AcEditorReactor& reactor) { reactor.commandWillStart(name.c_str()); });
  std::exception_ptr escaped;
  {
    ScopedModuleCall call(app);
    try {
      function();
    } catch (...) {
      escaped = std::current_exception();
    }
  }
  const CommandFrame frame = m_frames.back();
  m_frames.pop_back();
  if (escaped) complain(u"Unhandled exception in command " + name + u": " + ExceptionText(escaped));
  if (escaped || frame.failed) {
    Notify([&](AcEditorReactor& reactor) { reactor.commandFailed(name.c_str()); });
  } else if (frame.cancelled) {
    Notify([&](AcEditorReactor& reactor) { reactor.commandCancelled(name.c_str()); });
  } else {
    Notify([&](AcEditorReactor& reactor) { reactor.commandEnded(name.c_str()); });
  }
}

void CommandSession::evaluateAtCommandPrompt(std::u16string_view typed) { evaluateTyped(typed, true); }

LispOutcome CommandSession::evaluateTyped(std::u16string_view typed, bool echoValue) {
  const std::u16string firstLine(typed.substr(0, typed.find(u'\n')));
  Notify([&](AcEditorReactor& reactor) { reactor.lispWillStart(firstLine.c_str()); });
  if (echoValue) StartCommandLineLine();
  const LispOutcome outcome = evaluate(typed.front() == u'!' ? typed.substr(1) : typed);
  if (outcome.ok) {
    if (echoValue) WriteCommandLine(outcome.printed);
    Notify([](AcEditorReactor& reactor) { reactor.lispEnded(); });
  } else {
    complain(u"; error: " + outcome.error);
    Notify([](AcEditorReactor& reactor) { reactor.lispCancelled(); });
  }
  return outcome;
}

LispOutcome CommandSession::evaluate(std::u16string_view source) {
  if (!m_hooks.evaluateLisp) return LispOutcome{false, {}, u"AutoLISP is not available", {}};
  try {
    return m_hooks.evaluateLisp(source);
  } catch (...) {
    return LispOutcome{false, {}, ExceptionText(std::current_exception()), {}};
  }
}

}  // namespace acadsim::command
