// The host's entry points into the module.
#include <rxdefs.h>


#include "host/ModuleLifecycle.h"
#include "quillview/QuillviewApi.h"

namespace {

// Release 17 of the host's interface.
constexpr int kApiVersion = 0x110000;

}  // namespace

QUILLVIEW_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  try {
    switch (message) {
      case AcRx::kInitAppMsg: return InitModule(appId);
      case AcRx::kUnloadAppMsg: return UnloadModule();
      default: return AcRx::kRetOK;
    }
  } catch (...) {
    return AcRx::kRetError;  // nothing is thrown into the host
  }
}

QUILLVIEW_EXPORT int acrxGetApiVersion() { return kApiVersion; }
