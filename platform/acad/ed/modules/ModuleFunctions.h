// What a module leaves behind in the host when it is unmapped, and its removal.
#pragma once

namespace acadsim {

// Its AutoLISP functions in every document and the functions it gave acedRegFunc.
void ForgetModuleLispFunctions(void* appId);
// The commands it registered and did not remove itself: calling one would run code no longer mapped.
void ForgetModuleCommands(void* appId);

}  // namespace acadsim
