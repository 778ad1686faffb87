#include "DynamicLinker.h"
#include <acadsim/AppMessages.h>
#include <acadsim/Modules.h>
#include <acdocman.h>
#include <acutads.h>
#include <qvwide.h>
#include <algorithm>
#include <memory>
#include "ModulePath.h"
#include "SystemRegistry.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxDynamicLinker, AcRxObject);

namespace acadsim::rx {
namespace {

void ReportLoadFailure(bool printit, const ACHAR* fileName, const ACHAR* reason) {
  if (printit) acutPrintf(u"\nAcRxDynamicLinker failed to load '%s': %s\n", fileName, reason);
}

// The folder of the current drawing's file; empty when no drawing is open or it was never saved.
std::u16string CurrentDrawingFolder() {
  AcApDocument* doc = acDocManagerPtr()->curDocument();
  if (doc == nullptr) return {};
  const std::u16string fileName = doc->fileName();
  const size_t slash = fileName.find_last_of(u"/\\");
  return slash == std::u16string::npos ? std::u16string() : fileName.substr(0, slash);
}

DynamicLinker::UnmapListener gUnmapListener = nullptr;

}  // namespace

void DynamicLinker::setUnmapListener(UnmapListener listener) { gUnmapListener = listener; }

// Reactors added while being told hear from the next event on; one removed meanwhile is not called.
template <typename Notify>
void DynamicLinker::tellReactors(Notify notify) {
  const std::vector<AcRxDLinkerReactor*> snapshot = m_reactors;
  for (AcRxDLinkerReactor* reactor : snapshot) {
    if (std::find(m_reactors.begin(), m_reactors.end(), reactor) != m_reactors.end()) notify(*reactor);
  }
}

// The module must export acrxEntryPoint and, as every ObjectARX module does, acrxGetApiVersion;
// the version it answers is not compared, since every module loaded here is built for this host.
// A module whose kInitAppMsg answers kRetError cleaned up itself: it is unmapped without kUnloadAppMsg.
bool DynamicLinker::loadModule(const ACHAR* fileName, bool printit, bool asCmd) {
  if (fileName == nullptr || *fileName == 0) return false;
  if (Module* loaded = find(fileName)) {
    ++loaded->references;
    return true;
  }
  const std::u16string path = ResolveModulePath(fileName, CurrentDrawingFolder());
  if (path.empty()) {
    ReportLoadFailure(printit, fileName, u"file not found");
    return false;
  }
  tellReactors([&](AcRxDLinkerReactor& r) { r.rxAppWillBeLoaded(path.c_str()); });
  auto aborted = [&](const ACHAR* reason) {
    tellReactors([&](AcRxDLinkerReactor& r) { r.rxAppLoadAborted(path.c_str()); });
    ReportLoadFailure(printit, fileName, reason);
    return false;
  };

  HMODULE handle = LoadLibraryW(path.c_str());
  if (handle == nullptr) return aborted(u"the library cannot be mapped");
  auto entryPoint =
      reinterpret_cast<AcRxEntryPointFn>(reinterpret_cast<void*>(GetProcAddress(handle, "acrxEntryPoint")));
  if (entryPoint == nullptr || GetProcAddress(handle, "acrxGetApiVersion") == nullptr) {
    FreeLibrary(handle);
    return aborted(u"not an ObjectARX module");
  }

  auto module = std::make_unique<Module>();
  module->path = path;
  module->handle = handle;
  module->entryPoint = entryPoint;
  Module* record = module.get();
  m_modules.push_back(std::move(module));
  if (call(record, AcRx::kInitAppMsg) == AcRx::kRetError) {
    unmap(record);
    return aborted(u"its initialization failed");
  }
  tellDocuments(record, AcRx::kLoadDwgMsg);
  if (findById(record) == nullptr) return aborted(u"it unloaded itself while starting");
  tellReactors([&](AcRxDLinkerReactor& r) { r.rxAppLoaded(path.c_str()); });
  return true;
}

// A module that answers kRetError to kUnloadAppMsg stays loaded and reactors hear rxAppUnloadAborted.
bool DynamicLinker::unloadModule(const ACHAR* fileName, bool asCmd) {
  Module* module = find(fileName);
  if (module == nullptr) return false;
  if (module->references > 1) {
    --module->references;
    return true;
  }
  if (module->locked) {
    if (asCmd) acutPrintf(u"\nUnable to unload %s: the application is locked.\n", module->path.c_str());
    return false;
  }
  if (module->busy) {
    if (asCmd) acutPrintf(u"\nUnable to unload %s: the application is busy.\n", module->path.c_str());
    return false;
  }
  return end(module, true);
}

bool DynamicLinker::end(Module* module, bool mayRefuse) {
  const std::u16string path = module->path;
  tellReactors([&](AcRxDLinkerReactor& r) { r.rxAppWillBeUnloaded(path.c_str()); });
  tellDocuments(module, AcRx::kUnloadDwgMsg);
  if (findById(module) == nullptr) return true;
  if (call(module, AcRx::kUnloadAppMsg) == AcRx::kRetError && mayRefuse) {
    tellReactors([&](AcRxDLinkerReactor& r) { r.rxAppUnloadAborted(path.c_str()); });
    return false;
  }
  if (findById(module) != nullptr) unmap(module);
  tellReactors([&](AcRxDLinkerReactor& r) { r.rxAppUnloaded(path.c_str()); });
  return true;
}

AcRx::AppRetCode DynamicLinker::call(Module* module, AcRx::AppMsgCode msg) {
  const AcRxEntryPointFn entryPoint = module->entryPoint;
  acadsim::ScopedModuleCall running(module);
  return entryPoint(msg, module);
}

// The current document is put back afterwards, so the user's drawing stays the one commands act on.
void DynamicLinker::tellDocuments(Module* module, AcRx::AppMsgCode msg) {
  AcApDocManager* documents = acDocManagerPtr();
  AcApDocument* current = documents->curDocument();
  if (current == nullptr) return;
  std::unique_ptr<AcApDocumentIterator> it(documents->newAcApDocumentIterator());
  for (; !it->done() && findById(module) != nullptr; it->step()) {
    documents->setCurDocument(it->document());
    call(module, msg);
  }
  documents->setCurDocument(current);
}

bool DynamicLinker::isModuleLoaded(const ACHAR* fileName) const { return find(fileName) != nullptr; }

void* DynamicLinker::getSymbolAddress(const ACHAR* moduleName, const ACHAR* symbol) const {
  Module* module = find(moduleName);
  if (module == nullptr || symbol == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(module->handle, WideToUtf8(symbol).c_str()));
}

void DynamicLinker::addReactor(AcRxDLinkerReactor* newObj) {
  if (newObj != nullptr && std::find(m_reactors.begin(), m_reactors.end(), newObj) == m_reactors.end()) {
    m_reactors.push_back(newObj);
  }
}

void DynamicLinker::removeReactor(AcRxDLinkerReactor* delObj) { std::erase(m_reactors, delObj); }

bool DynamicLinker::lockApplication(void* appId) const {
  Module* module = findById(appId);
  if (module != nullptr) module->locked = true;
  return module != nullptr;
}

bool DynamicLinker::unlockApplication(void* appId) const {
  Module* module = findById(appId);
  if (module != nullptr) module->locked = false;
  return module != nullptr;
}

bool DynamicLinker::isApplicationLocked(const ACHAR* name) const {
  Module* module = find(name);
  return module != nullptr && module->locked;
}

bool DynamicLinker::registerAppMDIAware(void* appId) const {
  Module* module = findById(appId);
  if (module != nullptr) module->mdiAware = true;
  return module != nullptr;
}

bool DynamicLinker::registerAppNotMDIAware(void* appId) const {
  Module* module = findById(appId);
  if (module != nullptr) module->mdiAware = false;
  return module != nullptr;
}

bool DynamicLinker::isAppMDIAware(const ACHAR* moduleName) const {
  Module* module = find(moduleName);
  return module != nullptr && module->mdiAware;
}

bool DynamicLinker::isAppBusy(const ACHAR* pAppName) const {
  Module* module = find(pAppName);
  return module != nullptr && module->busy;
}

void DynamicLinker::setAppBusy(const ACHAR* pAppName, bool bBusyFlag) const {
  if (Module* module = find(pAppName)) module->busy = bBusyFlag;
}

bool DynamicLinker::sendMessage(const ACHAR* moduleName, AcRx::AppMsgCode msg) {
  Module* module = find(moduleName);
  if (module == nullptr) return false;
  call(module, msg);
  return true;
}

void DynamicLinker::broadcast(AcRx::AppMsgCode msg) {
  std::vector<Module*> snapshot;
  for (const auto& module : m_modules) snapshot.push_back(module.get());
  for (Module* module : snapshot) {
    if (findById(module) != nullptr) call(module, msg);
  }
}

// At host exit nothing may refuse: locked and busy modules end too, whatever kUnloadAppMsg answers.
void DynamicLinker::unloadAll() {
  while (!m_modules.empty()) end(m_modules.back().get(), false);
}

std::vector<std::u16string> DynamicLinker::modulePaths() const {
  std::vector<std::u16string> paths;
  for (const auto& module : m_modules) paths.push_back(module->path);
  return paths;
}

std::u16string DynamicLinker::pathOf(void* appId) const {
  Module* module = findById(appId);
  return module == nullptr ? std::u16string() : module->path;
}

DynamicLinker::CallState DynamicLinker::enter(void* appId) {
  Module* module = findById(appId);
  CallState state{m_current, module != nullptr && module->busy};
  m_current = appId;
  if (module != nullptr) module->busy = true;
  return state;
}

// A module that unloaded itself meanwhile is not touched; a previous module gone meanwhile is not restored.
void DynamicLinker::leave(void* appId, const CallState& state) {
  if (Module* module = findById(appId)) module->busy = state.wasBusy;
  m_current = state.previous == nullptr || findById(state.previous) != nullptr ? state.previous : nullptr;
}

DynamicLinker::Module* DynamicLinker::find(const ACHAR* name) const {
  if (name == nullptr || *name == 0) return nullptr;
  for (const auto& module : m_modules) {
    if (NamesModule(name, module->path)) return module.get();
  }
  return nullptr;
}

DynamicLinker::Module* DynamicLinker::findById(void* appId) const {
  for (const auto& module : m_modules) {
    if (module.get() == appId) return module.get();
  }
  return nullptr;
}

void DynamicLinker::unmap(Module* module) {
  if (gUnmapListener != nullptr) gUnmapListener(module);
  if (m_current == module) m_current = nullptr;
  HMODULE handle = module->handle;
  std::erase_if(m_modules, [&](const auto& held) { return held.get() == module; });
  FreeLibrary(handle);
}

}  // namespace acadsim::rx

namespace {
acadsim::rx::DynamicLinker& Linker() {
  acadsim::EnsureHostClasses();
  return *acadsim::rx::Roots().linker;
}
}  // namespace

bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd) {
  return Linker().loadModule(moduleName, printit, asCmd);
}
bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd) { return Linker().unloadModule(moduleName, asCmd); }
bool acrxLockApplication(void* appId) { return Linker().lockApplication(appId); }
bool acrxUnlockApplication(void* appId) { return Linker().unlockApplication(appId); }
bool acrxApplicationIsLocked(const ACHAR* modulename) { return Linker().isApplicationLocked(modulename); }
bool acrxRegisterAppMDIAware(void* appId) { return Linker().registerAppMDIAware(appId); }
bool acrxRegisterAppNotMDIAware(void* appId) { return Linker().registerAppNotMDIAware(appId); }

namespace acadsim {
bool SendAppMessage(const ACHAR* moduleName, AcRx::AppMsgCode msg) { return Linker().sendMessage(moduleName, msg); }
void BroadcastAppMessage(AcRx::AppMsgCode msg) { Linker().broadcast(msg); }
void UnloadAllModules() { Linker().unloadAll(); }

void* CurrentModuleAppId() { return Linker().currentModule(); }
std::u16string ModulePathOf(void* appId) { return Linker().pathOf(appId); }

ScopedModuleCall::ScopedModuleCall(void* appId) : m_appId(appId), m_previous(nullptr), m_wasBusy(false) {
  if (m_appId == nullptr) return;
  const rx::DynamicLinker::CallState state = Linker().enter(m_appId);
  m_previous = state.previous;
  m_wasBusy = state.wasBusy;
}

ScopedModuleCall::~ScopedModuleCall() {
  if (m_appId != nullptr) Linker().leave(m_appId, {m_previous, m_wasBusy});
}
}  // namespace acadsim
