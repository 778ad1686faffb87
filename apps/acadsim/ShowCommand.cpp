#include "ShowCommand.h"

#include <qvwide.h>
#include <rxdlinkr.h>

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

  const std::u16string modulePath = options.modulePath.empty() ? DefaultModulePath() : Utf8ToWide(options.modulePath);
  // Loaded as the host loads ARX modules (the registry may have loaded it at start-up already).
  acrxDynamicLinker->loadModule(modulePath.c_str(), true);
  if (!session.evaluateLisp(u"(quillview)").ok) {
    err << "acadsim show: cannot load the module " << WideToUtf8(modulePath) << "\n";
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
