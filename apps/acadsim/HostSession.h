// One run of the host: its machine (registry, product, user rights), its drawings, its modules and its
// command line, from start-up to exit.
#pragma once
#include <iosfwd>
#include <memory>

#include "SessionOptions.h"
#include "acadsim/CommandProcessor.h"

namespace acadsim {

class DocumentInterpreters;

class HostSession {
 public:
  HostSession();
  // At exit: every drawing closes and every module unloads, as the host does when it quits.
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Binds the registry file of the home folder, sets the product and the user's rights, registers the host's
  // commands and functions, opens the drawing (or a new one) and loads the applications registered for
  // start-up. Problems go to err; false when the session cannot start (the drawing cannot be read).
  bool start(const SessionOptions& options, std::ostream& err);
  // The command line over input until it ends.
  void run(InputSource& input);
  // Evaluates AutoLISP in the current document, as typed at the command line but without its echo.
  LispOutcome evaluateLisp(std::u16string_view source);

 private:
  std::unique_ptr<DocumentInterpreters> m_interpreters;
  bool m_registryBound = false;
};

}  // namespace acadsim
