// Follows the host's commands: a command starting hides the scope, one ending re-arms it.
#pragma once
#include <aced.h>

class CommandReactor : public AcEditorReactor {
 public:
  // Adds itself to the host's editor, when there is one.
  CommandReactor();
  ~CommandReactor() override;
  CommandReactor(const CommandReactor&) = delete;
  CommandReactor& operator=(const CommandReactor&) = delete;

  void commandWillStart(const ACHAR* cmdStr) override;
  void commandEnded(const ACHAR* cmdStr) override;
  void commandCancelled(const ACHAR* cmdStr) override;
  void commandFailed(const ACHAR* cmdStr) override;
};
