// The host's command line: where acutPrintf and the prompts go (host-internal, not an ObjectARX name).
#pragma once
#include <functional>
#include <string_view>

namespace acadsim {

using CommandLineSink = std::function<void(std::u16string_view text)>;

// The prompt AutoCAD shows when it waits for a command.
inline constexpr std::u16string_view kCommandPrompt = u"Command: ";

// Replaces where command-line output goes and returns the sink it replaces; an empty sink
// restores the default, which writes UTF-8 to standard output.
CommandLineSink SetCommandLineSink(CommandLineSink sink);
void WriteCommandLine(std::u16string_view text);

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
