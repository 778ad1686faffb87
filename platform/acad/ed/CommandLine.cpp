// The host's command line: every text the host and its modules print goes through one sink, which knows
// where its current line stands.
#include <acadsim/CommandLine.h>
#include <acedads.h>
#include <acutads.h>
#include <qvwide.h>
#include <cstdarg>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>

namespace acadsim {
namespace {

// Enough of the current line for the line editor to show the prompt it waits at.
constexpr size_t kCurrentLineKept = 1024;
// The finished lines the command-line window can show.
constexpr size_t kFinishedLinesKept = 16;

void WriteToStandardOutput(std::u16string_view text) {
  const std::string utf8 = WideToUtf8(text);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

struct CommandLineState {
  CommandLineSink sink = WriteToStandardOutput;
  std::u16string currentLine;
  bool atLineStart = true;
  bool commandPromptStanding = false;
  // The terminal ended the line when Enter was pressed: that stands for the next line end written.
  bool lineEndedByTerminal = false;
  std::optional<std::u16string> standingPrompt;
  std::deque<std::u16string> finishedLines;
  std::function<void()> changed;
};

CommandLineState& State() {
  static CommandLineState state;
  return state;
}

void NoteWritten(std::u16string_view text) {
  CommandLineState& state = State();
  size_t start = 0;
  for (size_t lineEnd = text.find(u'\n'); lineEnd != std::u16string_view::npos;
       start = lineEnd + 1, lineEnd = text.find(u'\n', start)) {
    state.currentLine.append(text.substr(start, lineEnd - start));
    state.finishedLines.push_back(std::move(state.currentLine));
    state.currentLine.clear();
    if (state.finishedLines.size() > kFinishedLinesKept) state.finishedLines.pop_front();
  }
  state.currentLine.append(text.substr(start));
  if (state.currentLine.size() > kCurrentLineKept) {
    state.currentLine.erase(0, state.currentLine.size() - kCurrentLineKept);
  }
  state.atLineStart = text.back() == u'\n';
  state.commandPromptStanding = false;
  state.lineEndedByTerminal = false;
  state.standingPrompt.reset();
  if (state.changed) state.changed();
}

}  // namespace

CommandLineSink SetCommandLineSink(CommandLineSink sink) {
  CommandLineState& state = State();
  CommandLineSink previous = std::move(state.sink);
  state.sink = sink ? std::move(sink) : CommandLineSink(WriteToStandardOutput);
  state.currentLine.clear();
  state.atLineStart = true;
  state.commandPromptStanding = false;
  state.lineEndedByTerminal = false;
  return previous;
}

void WriteCommandLine(std::u16string_view text) {
  CommandLineState& state = State();
  if (state.lineEndedByTerminal && !text.empty() && text.front() == u'\n') {
    text.remove_prefix(1);
    state.lineEndedByTerminal = false;
  }
  if (text.empty()) return;
  NoteWritten(text);
  state.sink(text);
}

void StartCommandLineLine() {
  if (!State().atLineStart) WriteCommandLine(u"\n");
}

void WriteCommandLinePrompt(std::u16string_view prompt) {
  if (prompt.empty() || prompt.front() != u'\n') StartCommandLineLine();
  WriteCommandLine(prompt);
  State().standingPrompt = std::u16string(prompt);
}

void ShowCommandPrompt() {
  if (State().commandPromptStanding) return;
  WriteCommandLinePrompt(kCommandPrompt);
  State().commandPromptStanding = true;
}

void EchoCommandLineInput(std::u16string_view typed, bool shownByTerminal) {
  CommandLineState& state = State();
  if (shownByTerminal) {
    state.finishedLines.push_back(state.currentLine + std::u16string(typed));
    if (state.finishedLines.size() > kFinishedLinesKept) state.finishedLines.pop_front();
    state.currentLine.clear();
    state.atLineStart = true;
    state.lineEndedByTerminal = true;
  } else {
    WriteCommandLine(typed);
  }
  state.commandPromptStanding = false;
  state.standingPrompt.reset();
}

std::u16string_view CommandLineCurrentLine() { return State().currentLine; }

std::optional<std::u16string> StandingPrompt() { return State().standingPrompt; }

std::vector<std::u16string> CommandLineRecentLines(size_t count) {
  const CommandLineState& state = State();
  std::vector<std::u16string> lines;
  if (count == 0) return lines;
  const size_t finished = std::min(count - 1, state.finishedLines.size());
  lines.assign(state.finishedLines.end() - static_cast<std::ptrdiff_t>(finished), state.finishedLines.end());
  lines.push_back(state.currentLine);
  return lines;
}

void SetCommandLineChangedHandler(std::function<void()> handler) { State().changed = std::move(handler); }

}  // namespace acadsim

int acutPrintf(const ACHAR* format, ...) {
  if (format == nullptr) return 0;
  va_list args;
  va_start(args, format);
  const std::u16string text = VFormatW(format, args);
  va_end(args);
  acadsim::WriteCommandLine(text);
  return static_cast<int>(text.size());
}

// AutoCAD shows the prompt on a line of its own, once.
void acedPostCommandPrompt() { acadsim::ShowCommandPrompt(); }
