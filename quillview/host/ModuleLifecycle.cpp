#include "host/ModuleLifecycle.h"

#include <rxdlinkr.h>
#include <rxregsvc.h>

#include <memory>

#include "describe/ClassTable.h"
#include "describe/ExtenderRegistry.h"
#include "describe/QuillviewPX.h"
#include "host/ModuleInstance.h"
#include "host/ModuleStrings.h"

namespace {

bool g_initialised = false;
std::unique_ptr<ExtenderRegistry> g_extenders;

}  // namespace

AcRx::AppRetCode InitModule(void* appId) {
  if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
    linker->unlockApplication(appId);
    linker->registerAppMDIAware(appId);
  }
  if (!LoadModuleStrings(ModuleInstance())) return AcRx::kRetError;
  QuillviewPX::rxInit();
  acrxBuildClassHierarchy();
  // Without the table no entity has a describer, but the module itself keeps working.
  CreateClassTable();
  g_initialised = true;
  return AcRx::kRetOK;
}

AcRx::AppRetCode UnloadModule() {
  g_initialised = false;
  // The describers unbind through the QuillviewPX class, so the class goes last.
  g_extenders.reset();
  DestroyClassTable();
  QuillviewPX::rxUninit();
  FreeModuleStrings();
  return AcRx::kRetOK;
}

bool ModuleIsInitialised() { return g_initialised; }

ExtenderRegistry& ModuleExtenderRegistry() {
  if (g_extenders == nullptr) g_extenders = std::make_unique<ExtenderRegistry>();
  return *g_extenders;
}
