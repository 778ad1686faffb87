// Messages the host sends its loaded modules outside loading and unloading (host-internal).
#pragma once
#include <rxdefs.h>

namespace acadsim {

// Sends msg to one loaded module's acrxEntryPoint with its app id as pkt. False when it is not loaded.
bool SendAppMessage(const ACHAR* moduleName, AcRx::AppMsgCode msg);
// Sends msg to every loaded module, in load order.
void BroadcastAppMessage(AcRx::AppMsgCode msg);
// At host exit: unloads every module, newest first, locked or not, with the usual messages.
void UnloadAllModules();

}  // namespace acadsim
