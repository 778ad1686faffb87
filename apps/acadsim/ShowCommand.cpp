#include "ShowCommand.h"

#include <qvwide.h>

#include <ostream>
#include <string>

#include "HostSession.h"
#include "LoadedModule.h"
#include "acadsim/CommandLine.h"
#include "acadsim/SimulatedInput.h"

namespace acadsim {
namespace {

// The rest interval when the module's settings cannot be asked.
constexpr long kDefaultRestInterval = 500;

// A UTF-8 path as an AutoLISP string literal.
std::string LispString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The module's TimerInterval, through its AutoLISP function (its first value).
long RestInterval(HostSession& session) {
  const LispOutcome outcome = session.evaluateLisp(u"(car (quillview))");
  if (!outcome.ok) return kDefaultRestInterval;
  try {
    const long value = std::stol(WideToUtf8(outcome.printed));
    return value >= 0 ? value : kDefaultRestInterval;
  } catch (const std::exception&) {
    return kDefaultRestInterval;
  }
}

bool Succeeded(const std::u16string& printed) { return printed.find(u"SIM: ") == std::u16string::npos; }

}  // namespace

int RunShow(const ShowOptions& options, std::ostream& out, std::ostream& err) {
  ScopedCommandLineSink toStderr([&err](std::u16string_view text) { err << WideToUtf8(text); });
  HostSession session;
  if (!session.start(options.session, err)) return 1;

  const std::string modulePath =
      options.modulePath.empty() ? WideToUtf8(DefaultModulePath()) : options.modulePath;
  ScriptInputSource load("(arxload " + LispString(modulePath) + " nil)\n");
  session.run(load);
  const LispOutcome loaded = session.evaluateLisp(u"(quillview)");
  if (!loaded.ok) {
    err << "acadsim show: cannot load the module " << modulePath << "\n";
    return 1;
  }

  std::u16string printed;
  if (options.ctrl) printed += RunSimulatedInput(u"SIM KEY CTRL DOWN");
  printed += RunSimulatedInput(options.at.empty() ? u"SIM CURSORW " + Utf8ToWide(options.atWorld)
                                                  : u"SIM CURSOR " + Utf8ToWide(options.at));
  printed += RunSimulatedInput(u"SIM WAIT " + Utf8ToWide(std::to_string(RestInterval(session))));
  err << WideToUtf8(printed);
  if (!Succeeded(printed)) return 1;
  out << WideToUtf8(ScopeWindowState()) << "\n";
  out.flush();
  if (!options.output.empty() && !Succeeded(RunSimulatedInput(u"SIM SNAPSHOT " + Utf8ToWide(options.output)))) {
    err << "acadsim show: cannot write " << options.output << "\n";
    return 1;
  }
  return 0;
}

}  // namespace acadsim
