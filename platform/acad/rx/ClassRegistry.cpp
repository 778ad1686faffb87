// Creating, finding and deleting run-time classes in the class dictionary.
#include <rxregsvc.h>
#include <memory>
#include <vector>
#include "AcRxClassFactory.h"
#include <rxdlinkr.h>
#include <rxsrvice.h>
#include "SystemRegistry.h"

namespace {

AcRxDictionary& Classes() { return *acadsim::rx::Roots().classes; }

AcRxClass* FindClass(const ACHAR* name) {
  if (name == nullptr || *name == 0) return nullptr;
  return static_cast<AcRxClass*>(Classes().at(name));
}

template <typename Visit>
void ForEachClass(Visit visit) {
  std::unique_ptr<AcRxDictionaryIterator> it(Classes().newIterator(AcRx::kDictCollated));
  for (; !it->done(); it->next()) visit(*static_cast<AcRxClass*>(it->object()));
}

std::vector<void (*)()>& HostRegistrations() {
  static std::vector<void (*)()> registrations;
  return registrations;
}

bool gHostClassesStarted = false;

}  // namespace

namespace acadsim {

void InitRootClass();

void InitClass(AcRxClass*& gpDesc, const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer,
               int proxyFlags, AcRxObject* (*pseudoConstructor)(), const ACHAR* dxfName, const ACHAR* appName) {
  if (gpDesc != nullptr) {
    AcRxClass* registered = FindClass(className);
    if (registered == gpDesc) return;
    if (registered != nullptr) acrx_abort(ACRX_T("Class mismatch"));
  }
  gpDesc = newAcRxClass(className, parentClassName, dwgVer, maintVer, proxyFlags, pseudoConstructor, dxfName, appName);
}

void EnsureHostClasses() {
  if (gHostClassesStarted) return;
  gHostClassesStarted = true;
  InitRootClass();
  AcRxClass::rxInit();
  AcRxDictionary::rxInit();
  AcRxService::rxInit();
  AcRxDynamicLinker::rxInit();
  AcRxDLinkerReactor::rxInit();
  for (void (*rxInit)() : HostRegistrations()) rxInit();
  acrxBuildClassHierarchy();
}

// A registration met after the registry started (static initialisation order) is made at once.
HostClassRegistration::HostClassRegistration(void (*rxInit)()) {
  HostRegistrations().push_back(rxInit);
  if (gHostClassesStarted) {
    rxInit();
    acrxBuildClassHierarchy();
  }
}

}  // namespace acadsim

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer, int proxyFlags,
                        AcRxObject* (*pseudoConstructor)(), const ACHAR* dxfName, const ACHAR* appName,
                        AppNameChangeFuncPtr) {
  if (className == nullptr || *className == 0) return nullptr;
  acadsim::EnsureHostClasses();
  if (FindClass(className) != nullptr) return nullptr;
  AcRxClass* cls = AcRxClassFactory::make(className, parentClassName, dwgVer, maintVer, proxyFlags, pseudoConstructor,
                                          dxfName, appName);
  AcRxClassFactory::setParent(*cls, FindClass(parentClassName));
  Classes().atPut(className, cls);
  return cls;
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags,
                        AcRxObject* (*pseudoConstructor)(), const ACHAR* dxfName, const ACHAR* appName) {
  return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoConstructor, dxfName, appName);
}

void deleteAcRxClass(AcRxClass* pClassObj) {
  if (pClassObj == nullptr) return;
  if (FindClass(pClassObj->name()) == pClassObj) Classes().remove(pClassObj->name());
  // Children and registrations keyed by this class must not keep its address.
  ForEachClass([&](AcRxClass& cls) {
    if (cls.myParent() == pClassObj) AcRxClassFactory::setParent(cls, nullptr);
    AcRxClassFactory::forgetProtocol(cls, pClassObj);
  });
  delete pClassObj;
}

void acrxBuildClassHierarchy() {
  ForEachClass(
      [](AcRxClass& cls) { AcRxClassFactory::setParent(cls, FindClass(AcRxClassFactory::parentName(cls).c_str())); });
}
