// The host's AutoLISP functions and command for ObjectARX modules (host-internal, not an ObjectARX name).
#pragma once

namespace acadsim {

// Defines arxload and arxunload in HostLispFunctions() and the ARX command in the host's command group
// "ACAD_MAIN". Called once at start-up; calling it again changes nothing.
void RegisterArxFunctions();

}  // namespace acadsim
