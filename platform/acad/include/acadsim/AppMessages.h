// Messages the host sends its loaded modules outside loading and unloading (host-internal).
#pragma once
#include <rxdefs.h>

namespace acadsim {

// Sends msg to one loaded module's acrxEntryPoint with its app id as pkt, the module counting as running
// meanwhile (acadsim/Modules.h). False when it is not loaded.
bool SendAppMessage(const ACHAR* moduleName, AcRx::AppMsgCode msg);
// Sends msg to every loaded module, in load order.
void BroadcastAppMessage(AcRx::AppMsgCode msg);
// At host exit: unloads every module, newest first, locked or busy alike, with the usual messages: kUnloadDwgMsg
// for each open document, then kUnloadAppMsg.
void UnloadAllModules();

}  // namespace acadsim
