// Run-time classes of the editor's events and of the command stack, and the reactors' default answers.
#include <aced.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxEventReactor, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcRxEventReactor);
ACRX_NO_CONS_DEFINE_MEMBERS(AcRxEvent, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcRxEvent);
ACRX_NO_CONS_DEFINE_MEMBERS(AcEditorReactor, AcRxEventReactor);
ACADSIM_HOST_CLASS_REGISTRATION(AcEditorReactor);
ACRX_NO_CONS_DEFINE_MEMBERS(AcEditor, AcRxEvent);
ACADSIM_HOST_CLASS_REGISTRATION(AcEditor);
ACRX_NO_CONS_DEFINE_MEMBERS(AcEdCommand, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcEdCommand);
ACRX_NO_CONS_DEFINE_MEMBERS(AcEdCommandIterator, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcEdCommandIterator);
ACRX_NO_CONS_DEFINE_MEMBERS(AcEdCommandStack, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcEdCommandStack);

void AcEditorReactor::commandWillStart(const ACHAR*) {}
void AcEditorReactor::commandEnded(const ACHAR*) {}
void AcEditorReactor::commandCancelled(const ACHAR*) {}
void AcEditorReactor::commandFailed(const ACHAR*) {}
void AcEditorReactor::unknownCommand(const ACHAR*) {}
void AcEditorReactor::lispWillStart(const ACHAR*) {}
void AcEditorReactor::lispEnded() {}
void AcEditorReactor::lispCancelled() {}
