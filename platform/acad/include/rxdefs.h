// AcRx: the messages a module's entry point receives and what it answers, and shared run-time enums.
#pragma once
#include "AdAChar.h"
#include "adesk.h"

struct AcRx {
  enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 0,
    kUnloadAppMsg = 1,
    kLoadDwgMsg = 2,
    kUnloadDwgMsg = 3,
    kInvkSubrMsg = 4,
    kCfgMsg = 5,
    kEndMsg = 6,
    kQuitMsg = 7,
    kSaveMsg = 8,
    kDependencyMsg = 9,
    kNoDependencyMsg = 10,
    kOleUnloadAppMsg = 11,
    kPreQuitMsg = 12,
    kInitDialogMsg = 13,
    kEndDialogMsg = 14,
    kSuspendMsg = 15,
  };

  enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
  };

  enum Ordering {
    kLessThan = -1,
    kEqual = 0,
    kGreaterThan = 1,
    kNotOrderable = 2,
  };

  enum DictIterType {
    kDictSorted = 0,
    kDictCollated = 1,
  };

  typedef void (*FcnPtr)();
};

// The signature of the entry point every ObjectARX module exports as "acrxEntryPoint".
typedef AcRx::AppRetCode (*AcRxEntryPointFn)(AcRx::AppMsgCode msg, void* pkt);
// The signature of the export "acrxGetApiVersion" that marks a library as an ObjectARX module.
typedef int (*AcRxGetApiVersionFn)();
