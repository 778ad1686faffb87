// The person at the machine, in scripts and at the interactive command line: lines starting with "SIM"
// move the mouse, press keys, wait, switch applications and take screenshots. They are handled below the
// command processor, so they fire no command reactors and leave quiescence and the focus as they are
// (host-internal, not an ObjectARX name).
#pragma once
#include <acadsim/CommandProcessor.h>

#include <string>
#include <string_view>

namespace acadsim {

// Wraps what is typed: every line is read from typed; SIM lines are shown as typed and carried out, the
// others go on to the command processor. Before each line the host's message loop runs (posted messages
// and paints are dispatched). While it lives, a modal dialog that opens (the font chooser) takes the next
// line of typed as its answer.
class SimulatedInputSource : public InputSource {
 public:
  explicit SimulatedInputSource(InputSource& typed);
  ~SimulatedInputSource() override;
  SimulatedInputSource(const SimulatedInputSource&) = delete;
  SimulatedInputSource& operator=(const SimulatedInputSource&) = delete;

  std::optional<std::u16string> readLine() override;
  bool isInteractive() const override { return m_typed.isInteractive(); }

 private:
  std::optional<std::u16string> readTypedLine();

  InputSource& m_typed;
};

// True for a line that the person at the machine typed ("SIM" alone or followed by a space).
bool IsSimulatedInputLine(std::u16string_view line);
// Carries out one SIM line and returns what it prints (lines ending in "\n"; errors start with "SIM: ").
std::u16string RunSimulatedInput(std::u16string_view line);
// The scope window's state as SIM SCOPE prints it: "visible X Y W H TITLE" or "hidden".
std::u16string ScopeWindowState();

}  // namespace acadsim
