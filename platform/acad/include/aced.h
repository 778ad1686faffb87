// The editor: command and AutoLISP events, the command stack and the prompts.
#pragma once
#include "accmd.h"
#include "acedads.h"
#include "rxevent.h"
#include "rxregsvc.h"

#define ACED_EDITOR_OBJ ACRX_T("AcEditor")

// Command names are the host's upper-case global names ("-QUILLVIEW", "ARX", "LINE").
class AcEditorReactor : public AcRxEventReactor {
 public:
  ACRX_DECLARE_MEMBERS(AcEditorReactor);
  virtual void commandWillStart(const ACHAR* cmdStr);
  virtual void commandEnded(const ACHAR* cmdStr);
  virtual void commandCancelled(const ACHAR* cmdStr);
  virtual void commandFailed(const ACHAR* cmdStr);
  virtual void unknownCommand(const ACHAR* cmdStr);
  virtual void lispWillStart(const ACHAR* firstLine);
  virtual void lispEnded();
  virtual void lispCancelled();
};

class AcEditor : public AcRxEvent {
 public:
  ACRX_DECLARE_MEMBERS(AcEditor);
};

#define acedEditor AcEditor::cast(acrxSysRegistry()->at(ACED_EDITOR_OBJ))
