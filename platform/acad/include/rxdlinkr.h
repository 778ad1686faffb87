// AcRxDynamicLinker: loads and unloads ObjectARX modules and tells its reactors.
#pragma once
#include "rxboiler.h"
#include "rxobject.h"
#include "rxregsvc.h"

class AcRxDLinkerReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDLinkerReactor);
  virtual void rxAppWillBeLoaded(const ACHAR* moduleName);
  virtual void rxAppLoaded(const ACHAR* moduleName);
  virtual void rxAppLoadAborted(const ACHAR* moduleName);
  virtual void rxAppWillBeUnloaded(const ACHAR* moduleName);
  virtual void rxAppUnloaded(const ACHAR* moduleName);
  virtual void rxAppUnloadAborted(const ACHAR* moduleName);
};

// Module names the linker passes and accepts are full paths of the loaded files; a query also
// accepts the file name alone (compared without regard to case, as Windows compares file names).
class AcRxDynamicLinker : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

  // Loads fileName and sends kInitAppMsg, then kLoadDwgMsg for each open document (current while it runs).
  // A bare name is looked for in the current drawing's folder, the current folder, the host executable's
  // folder, then the ";"-separated folders of the ACAD environment variable. A module already loaded gets
  // one more reference and no message. printit reports failures on the command line.
  virtual bool loadModule(const ACHAR* fileName, bool printit, bool asCmd = false) = 0;
  // Drops one reference; the last one sends kUnloadDwgMsg for each open document, then kUnloadAppMsg, and
  // unmaps the module. A locked module refuses, and so does a busy one (see setAppBusy).
  virtual bool unloadModule(const ACHAR* fileName, bool asCmd = false) = 0;
  virtual bool isModuleLoaded(const ACHAR* fileName) const = 0;
  // The address of an export of a loaded module, or null.
  virtual void* getSymbolAddress(const ACHAR* moduleName, const ACHAR* symbol) const = 0;

  virtual void addReactor(AcRxDLinkerReactor* newObj) = 0;
  virtual void removeReactor(AcRxDLinkerReactor* delObj) = 0;

  // appId is the pkt a module receives with its messages. Modules start locked, as in AutoCAD:
  // only one that unlocked itself can be unloaded.
  virtual bool lockApplication(void* appId) const = 0;
  virtual bool unlockApplication(void* appId) const = 0;
  virtual bool isApplicationLocked(const ACHAR* name) const = 0;
  virtual bool registerAppMDIAware(void* appId) const = 0;
  virtual bool registerAppNotMDIAware(void* appId) const = 0;
  virtual bool isAppMDIAware(const ACHAR* moduleName) const = 0;

  // A module is busy while the host runs its entry point, its commands or its AutoLISP functions; a busy
  // module is not unloaded. setAppBusy(name, false) inside its own command lets it unload itself.
  virtual bool isAppBusy(const ACHAR* pAppName) const = 0;
  virtual void setAppBusy(const ACHAR* pAppName, bool bBusyFlag) const = 0;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))
