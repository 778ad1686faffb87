// What the module starts at kInitAppMsg and stops at kUnloadAppMsg.
#pragma once
#include <rxdefs.h>

class ExtenderRegistry;

// appId is the packet of kInitAppMsg. Refuses the load when the module's string table cannot be read.
AcRx::AppRetCode InitModule(void* appId);
AcRx::AppRetCode UnloadModule();
bool ModuleIsInitialised();
// The extender bindings, created on first use and emptied at unload.
ExtenderRegistry& ModuleExtenderRegistry();
