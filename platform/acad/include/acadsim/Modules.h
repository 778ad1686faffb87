// What the host knows about the module it is running (host-internal, not an ObjectARX name).
#pragma once
#include <AdAChar.h>

#include <string>

namespace acadsim {

// The app id (the packet of its messages) of the module whose code the host is running now: inside its
// acrxEntryPoint and its commands and AutoLISP functions; null when the host runs its own code.
void* CurrentModuleAppId();
// The full path of the loaded module with that app id; empty when none.
std::u16string ModulePathOf(void* appId);

// While it lives the host runs code of the module appId (one of its commands): the module counts as current
// and busy, and the dynamic linker refuses to unload a busy module unless it said setAppBusy(name, false).
// Null appId: nothing happens.
class ScopedModuleCall {
 public:
  explicit ScopedModuleCall(void* appId);
  ~ScopedModuleCall();
  ScopedModuleCall(const ScopedModuleCall&) = delete;
  ScopedModuleCall& operator=(const ScopedModuleCall&) = delete;

 private:
  void* m_appId;
  void* m_previous;
  bool m_wasBusy;
};

}  // namespace acadsim
