// The interactive command line through libedit.
#include <acadsim/CommandLine.h>
#include <acadsim/CommandProcessor.h>
#include <editline/readline.h>
#include <qvwide.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

namespace acadsim {

TerminalInputSource::TerminalInputSource() : m_atTerminal(isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
  // The line editor handles multibyte text (Chinese prompts and replies) only under the user's locale.
  std::setlocale(LC_CTYPE, "");
  using_history();
}

TerminalInputSource::~TerminalInputSource() { clear_history(); }

std::optional<std::u16string> TerminalInputSource::readLine() {
  if (!m_atTerminal) {
    std::string piped;
    if (!std::getline(std::cin, piped)) return std::nullopt;
    if (!piped.empty() && piped.back() == '\r') piped.pop_back();
    return Utf8ToWide(piped);
  }
  const std::string prompt = WideToUtf8(CommandLineCurrentLine());
  // The line editor draws the pending prompt again from the line start, over the copy already shown.
  std::fputs("\r", stdout);
  std::fflush(stdout);
  std::unique_ptr<char, decltype(&std::free)> line(readline(prompt.c_str()), &std::free);
  if (line == nullptr) return std::nullopt;
  if (*line != 0) add_history(line.get());
  return Utf8ToWide(line.get());
}

}  // namespace acadsim
