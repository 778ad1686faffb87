// The enabler's entry point: defines AecDbTextNote on load and removes it on unload.
#include <rxdefs.h>
#include <rxregsvc.h>

#include "AecDbTextNote.h"

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void*) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      // Left locked: objects of the class may live in any open drawing, so the enabler stays loaded.
      AecDbTextNote::rxInit();
      acrxBuildClassHierarchy();
      break;
    case AcRx::kUnloadAppMsg:
      deleteAcRxClass(AecDbTextNote::desc());
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}

extern "C" int acrxGetApiVersion() { return 17; }
