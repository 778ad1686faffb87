// The host's command line: every text the host and its modules print goes through one sink.
#include <acadsim/CommandLine.h>
#include <acedads.h>
#include <acutads.h>
#include <qvwide.h>
#include <cstdarg>
#include <cstdio>

namespace acadsim {
namespace {

void WriteToStandardOutput(std::u16string_view text) {
  const std::string utf8 = WideToUtf8(text);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

CommandLineSink& CurrentSink() {
  static CommandLineSink sink = WriteToStandardOutput;
  return sink;
}

}  // namespace

CommandLineSink SetCommandLineSink(CommandLineSink sink) {
  CommandLineSink previous = std::move(CurrentSink());
  CurrentSink() = sink ? std::move(sink) : CommandLineSink(WriteToStandardOutput);
  return previous;
}

void WriteCommandLine(std::u16string_view text) {
  if (!text.empty()) CurrentSink()(text);
}

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

// AutoCAD starts the prompt on a line of its own.
void acedPostCommandPrompt() { acadsim::WriteCommandLine(u"\n" + std::u16string(acadsim::kCommandPrompt)); }
