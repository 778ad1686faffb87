#include "SessionCommand.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "HostSession.h"

namespace acadsim {

int RunSession(const SessionOptions& options, std::ostream& err) {
  std::string scriptText;
  if (!options.script.empty()) {
    std::ifstream file(options.script, std::ios::binary);
    if (!file) {
      err << "acadsim: cannot read the script " << options.script << "\n";
      return 1;
    }
    std::ostringstream text;
    text << file.rdbuf();
    scriptText = text.str();
  }
  HostSession session;
  if (!session.start(options, err)) return 1;
  if (options.script.empty()) {
    TerminalInputSource terminal;
    session.run(terminal);
  } else {
    ScriptInputSource script(scriptText);
    session.run(script);
  }
  return 0;
}

}  // namespace acadsim
