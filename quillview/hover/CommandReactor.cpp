#include "hover/CommandReactor.h"

#include <windows.h>

#include "hover/InputHooks.h"

namespace {

AcEditor* HostEditor() { return AcEditor::cast(acrxSysRegistry()->at(ACED_EDITOR_OBJ)); }

}  // namespace

CommandReactor::CommandReactor() {
  if (AcEditor* editor = HostEditor()) editor->addReactor(this);
}

CommandReactor::~CommandReactor() {
  if (AcEditor* editor = HostEditor()) editor->removeReactor(this);
}

void CommandReactor::commandWillStart(const ACHAR*) { HideScope(); }

// The description Peek showed stays up after the command.
void CommandReactor::commandEnded(const ACHAR* cmdStr) {
  if (lstrcmpW(cmdStr, u"PEEK") != 0) RestartScope();
}

void CommandReactor::commandCancelled(const ACHAR*) { RestartScope(); }

void CommandReactor::commandFailed(const ACHAR*) { RestartScope(); }
