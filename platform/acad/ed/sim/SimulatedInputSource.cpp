#include <acadsim/CommandLine.h>
#include <acadsim/SimulatedInput.h>
#include <qvuser.h>

namespace acadsim {

SimulatedInputSource::SimulatedInputSource(InputSource& typed) : m_typed(typed) {
  win32sim::SetDialogAnswerSource([this] { return readTypedLine(); });
}

SimulatedInputSource::~SimulatedInputSource() { win32sim::SetDialogAnswerSource({}); }

std::optional<std::u16string> SimulatedInputSource::readTypedLine() {
  // A dialog's answer stands on a line of its own.
  StartCommandLineLine();
  std::optional<std::u16string> line = m_typed.readLine();
  if (line) EchoCommandLineInput(*line, m_typed.isInteractive());
  StartCommandLineLine();
  return line;
}

std::optional<std::u16string> SimulatedInputSource::readLine() {
  for (;;) {
    win32sim::PumpMessages();
    std::optional<std::u16string> line = m_typed.readLine();
    if (!line || !IsSimulatedInputLine(*line)) return line;
    // The prompt standing before the SIM line stands again after what it printed; at the command prompt,
    // which is read ahead before it is shown, it is shown first.
    std::optional<std::u16string> standing = StandingPrompt();
    if (!standing) ShowCommandPrompt();
    const bool atCommandPrompt = !standing || *standing == kCommandPrompt;
    EchoCommandLineInput(*line, m_typed.isInteractive());
    StartCommandLineLine();
    WriteCommandLine(RunSimulatedInput(*line));
    win32sim::PumpMessages();
    if (atCommandPrompt) {
      ShowCommandPrompt();
    } else {
      WriteCommandLinePrompt(*standing);
    }
  }
}

}  // namespace acadsim
