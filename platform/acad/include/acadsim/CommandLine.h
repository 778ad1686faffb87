// The host's command line: where acutPrintf and the prompts go (host-internal, not an ObjectARX name).
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace acadsim {

using CommandLineSink = std::function<void(std::u16string_view text)>;

// The prompt AutoCAD shows when it waits for a command.
inline constexpr std::u16string_view kCommandPrompt = u"Command: ";

// Replaces where command-line output goes and returns the sink it replaces; an empty sink
// restores the default, which writes UTF-8 to standard output. The new sink starts at a line start.
CommandLineSink SetCommandLineSink(CommandLineSink sink);
void WriteCommandLine(std::u16string_view text);

// Writes "\n" unless the output is at a line start.
void StartCommandLineLine();
// Writes a prompt as AutoCAD shows one: on a line of its own unless it starts with "\n" (then as it is).
void WriteCommandLinePrompt(std::u16string_view prompt);
// Shows kCommandPrompt as a prompt, unless it is the last thing shown and nothing has answered it yet.
void ShowCommandPrompt();
// Records what was typed in answer to the prompt last shown: written after it, or, when the terminal
// showed the typing itself, nothing is written and the line has ended there.
void EchoCommandLineInput(std::u16string_view typed, bool shownByTerminal);
// The end of the current output line (the pending prompt); empty at a line start.
std::u16string_view CommandLineCurrentLine();
// The prompt written last, while nothing has been written or typed after it; nullopt otherwise.
std::optional<std::u16string> StandingPrompt();
// The last count lines shown, oldest first, the current (unfinished) line last: what the command-line
// window shows.
std::vector<std::u16string> CommandLineRecentLines(size_t count);
// Called after every change of what the command line shows (the command-line window repaints).
void SetCommandLineChangedHandler(std::function<void()> handler);

// Sends command-line output to sink while it lives.
class ScopedCommandLineSink {
 public:
  explicit ScopedCommandLineSink(CommandLineSink sink) : m_previous(SetCommandLineSink(std::move(sink))) {}
  ~ScopedCommandLineSink() { SetCommandLineSink(std::move(m_previous)); }
  ScopedCommandLineSink(const ScopedCommandLineSink&) = delete;
  ScopedCommandLineSink& operator=(const ScopedCommandLineSink&) = delete;

 private:
  CommandLineSink m_previous;
};

}  // namespace acadsim
