// The host's dynamic linker: ObjectARX modules mapped with LoadLibraryW and driven through acrxEntryPoint.
#pragma once
#include <rxdlinkr.h>
#include <windows.h>
#include <memory>
#include <string>
#include <vector>

namespace acadsim::rx {

class DynamicLinker : public AcRxDynamicLinker {
 public:
  bool loadModule(const ACHAR* fileName, bool printit, bool asCmd) override;
  bool unloadModule(const ACHAR* fileName, bool asCmd) override;
  bool isModuleLoaded(const ACHAR* fileName) const override;
  void* getSymbolAddress(const ACHAR* moduleName, const ACHAR* symbol) const override;

  void addReactor(AcRxDLinkerReactor* newObj) override;
  void removeReactor(AcRxDLinkerReactor* delObj) override;

  bool lockApplication(void* appId) const override;
  bool unlockApplication(void* appId) const override;
  bool isApplicationLocked(const ACHAR* name) const override;
  bool registerAppMDIAware(void* appId) const override;
  bool registerAppNotMDIAware(void* appId) const override;
  bool isAppMDIAware(const ACHAR* moduleName) const override;
  bool isAppBusy(const ACHAR* pAppName) const override;
  void setAppBusy(const ACHAR* pAppName, bool bBusyFlag) const override;

  bool sendMessage(const ACHAR* moduleName, AcRx::AppMsgCode msg);
  void broadcast(AcRx::AppMsgCode msg);
  void unloadAll();
  // Full paths of the loaded modules, in load order.
  std::vector<std::u16string> modulePaths() const;

  // The module whose code runs now (see acadsim/Modules.h); null for the host's own code.
  void* currentModule() const { return m_current; }
  std::u16string pathOf(void* appId) const;
  // Makes appId current and busy; returns what enter's matching leave needs to put back.
  struct CallState {
    void* previous = nullptr;
    bool wasBusy = false;
  };
  CallState enter(void* appId);
  void leave(void* appId, const CallState& state);
  // Told with the module's app id just before a module is unmapped (its AutoLISP functions go with it).
  using UnmapListener = void (*)(void* appId);
  static void setUnmapListener(UnmapListener listener);

 private:
  // The record's address is the module's app id (the pkt of its messages).
  struct Module {
    std::u16string path;
    HMODULE handle = nullptr;
    AcRxEntryPointFn entryPoint = nullptr;
    int references = 1;
    bool locked = true;
    bool mdiAware = false;
    bool busy = false;
  };

  Module* find(const ACHAR* name) const;
  Module* findById(void* appId) const;
  void unmap(Module* module);
  // The module's entry point, run as a call of the module.
  AcRx::AppRetCode call(Module* module, AcRx::AppMsgCode msg);
  // kLoadDwgMsg or kUnloadDwgMsg to one module for each open document, that document current meanwhile.
  void tellDocuments(Module* module, AcRx::AppMsgCode msg);
  // Ends a module that is not wanted any more: per-document messages, kUnloadAppMsg, unmapping.
  bool end(Module* module, bool mayRefuse);
  template <typename Notify>
  void tellReactors(Notify notify);

  std::vector<std::unique_ptr<Module>> m_modules;
  std::vector<AcRxDLinkerReactor*> m_reactors;
  void* m_current = nullptr;
};

}  // namespace acadsim::rx
