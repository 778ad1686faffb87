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

  bool sendMessage(const ACHAR* moduleName, AcRx::AppMsgCode msg);
  void broadcast(AcRx::AppMsgCode msg);
  void unloadAll();
  // Full paths of the loaded modules, in load order.
  std::vector<std::u16string> modulePaths() const;

 private:
  // The record's address is the module's app id (the pkt of its messages).
  struct Module {
    std::u16string path;
    HMODULE handle = nullptr;
    AcRxEntryPointFn entryPoint = nullptr;
    int references = 1;
    bool locked = true;
    bool mdiAware = false;
  };

  Module* find(const ACHAR* name) const;
  Module* findById(void* appId) const;
  void unmap(Module* module);
  template <typename Notify>
  void tellReactors(Notify notify);

  std::vector<std::unique_ptr<Module>> m_modules;
  std::vector<AcRxDLinkerReactor*> m_reactors;
};

}  // namespace acadsim::rx
