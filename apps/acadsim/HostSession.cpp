#include "HostSession.h"

#include <qvregistry.h>
#include <qvuser.h>
#include <qvwide.h>

#include <memory>
#include <ostream>

#include "DescribeEntitiesCommand.h"
#include "DocumentInterpreters.h"
#include "acadsim/AppMessages.h"
#include "acadsim/DemandLoad.h"
#include "acadsim/Documents.h"
#include "acadsim/HostArxFunctions.h"
#include "acadsim/HostProduct.h"
#include "acadsim/HostWindows.h"
#include "acadsim/SimulatedInput.h"
#include "acadsim/Lisp.h"

namespace acadsim {

HostSession::HostSession() = default;

HostSession::~HostSession() {
  CloseAllDocuments();
  UnloadAllModules();
  DestroyHostWindows();
  m_interpreters.reset();
  if (m_registryBound) win32sim::CloseRegistryFile();
}

bool HostSession::start(const SessionOptions& options, std::ostream& err) {
  std::vector<std::string> problems;
  m_registryBound = win32sim::OpenRegistryFile(HomeFolder(options) + "/registry.reg", problems);
  for (const std::string& problem : problems) err << "acadsim: " << problem << "\n";
  win32sim::SetRegistryAdministrator(options.administrator);
  SetProductName(options.product.empty() ? u"AutoCAD" : Utf8ToWide(options.product));
  RegisterArxFunctions();
  RegisterDescribeEntitiesCommand();
  m_interpreters = std::make_unique<DocumentInterpreters>();
  if (!options.monitors.empty()) {
    const std::optional<std::vector<RECT>> monitors = win32sim::ParseMonitors(options.monitors);
    if (!monitors || !win32sim::SetMonitors(*monitors)) {
      err << "acadsim: --monitors " << options.monitors << ": the primary monitor must come first, at +0+0\n";
      return false;
    }
  }
  CreateHostWindows();

  if (options.drawing.empty()) {
    NewDocument();
  } else {
    std::u16string error;
    if (OpenDocument(Utf8ToWide(options.drawing), error) == nullptr) {
      err << WideToUtf8(error) << "\n";
      return false;
    }
  }
  DemandLoadOnStartup();
  return true;
}

void HostSession::run(InputSource& input) {
  CommandLineHooks hooks;
  hooks.evaluateLisp = [this](std::u16string_view source) { return m_interpreters->evaluate(source); };
  hooks.startLispInput = [] {
    return [scanner = std::make_shared<lisp::InputScanner>()](std::u16string_view piece) {
      return scanner->feed(piece) != lisp::InputState::NeedMore;
    };
  };
  hooks.lispCommandDefined = [this](std::u16string_view name) { return m_interpreters->definesCommand(name); };
  hooks.demandLoadCommand = [](std::u16string_view name) { return DemandLoadCommand(name); };
  CommandProcessor processor(std::move(hooks));
  SimulatedInputSource person(input);
  processor.run(person);
}

LispOutcome HostSession::evaluateLisp(std::u16string_view source) { return m_interpreters->evaluate(source); }

}  // namespace acadsim
