// The run-time classes of the document manager's interfaces, and what a reactor does unless it overrides it.
#include <acdocman.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcApDocument, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcApDocument);
ACRX_NO_CONS_DEFINE_MEMBERS(AcApDocumentIterator, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcApDocumentIterator);
ACRX_NO_CONS_DEFINE_MEMBERS(AcApDocManagerReactor, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcApDocManagerReactor);
ACRX_NO_CONS_DEFINE_MEMBERS(AcApDocManager, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcApDocManager);

void AcApDocManagerReactor::documentCreateStarted(AcApDocument*) {}
void AcApDocManagerReactor::documentCreated(AcApDocument*) {}
void AcApDocManagerReactor::documentToBeDestroyed(AcApDocument*) {}
void AcApDocManagerReactor::documentDestroyed(const ACHAR*) {}
void AcApDocManagerReactor::documentCreateCanceled(AcApDocument*) {}
void AcApDocManagerReactor::documentLockModeWillChange(AcApDocument*, AcAp::DocLockMode, AcAp::DocLockMode,
                                                       AcAp::DocLockMode, const ACHAR*) {}
void AcApDocManagerReactor::documentLockModeChangeVetoed(AcApDocument*, const ACHAR*) {}
void AcApDocManagerReactor::documentLockModeChanged(AcApDocument*, AcAp::DocLockMode, AcAp::DocLockMode,
                                                    AcAp::DocLockMode, const ACHAR*) {}
void AcApDocManagerReactor::documentBecameCurrent(AcApDocument*) {}
void AcApDocManagerReactor::documentToBeActivated(AcApDocument*) {}
void AcApDocManagerReactor::documentToBeDeactivated(AcApDocument*) {}
void AcApDocManagerReactor::documentActivationModified(bool) {}
void AcApDocManagerReactor::documentActivated(AcApDocument*) {}

Acad::ErrorStatus AcApDocManagerReactor::veto() {
  if (!mAsking) return Acad::eNotApplicable;
  mVeto = true;
  return Acad::eOk;
}
