#include <rxdlinkr.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxDLinkerReactor, AcRxObject);

void AcRxDLinkerReactor::rxAppWillBeLoaded(const ACHAR*) {}
void AcRxDLinkerReactor::rxAppLoaded(const ACHAR*) {}
void AcRxDLinkerReactor::rxAppLoadAborted(const ACHAR*) {}
void AcRxDLinkerReactor::rxAppWillBeUnloaded(const ACHAR*) {}
void AcRxDLinkerReactor::rxAppUnloaded(const ACHAR*) {}
void AcRxDLinkerReactor::rxAppUnloadAborted(const ACHAR*) {}
