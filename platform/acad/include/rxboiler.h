// The boilerplate that gives a host class its run-time class object (desc, cast, isA, rxInit).
#pragma once
#include "rxobject.h"

class AcRxClass;

typedef void (*AppNameChangeFuncPtr)(const AcRxClass* classObj, ACHAR*& newAppName, int saveVer);

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer,
                        int proxyFlags = 0, AcRxObject* (*pseudoConstructor)() = nullptr,
                        const ACHAR* dxfName = nullptr, const ACHAR* appName = nullptr,
                        AppNameChangeFuncPtr func = nullptr);

namespace acadsim {
// rxInit of the boilerplate: keeps a class already made, stops the host on a clash ("Class mismatch").
void InitClass(AcRxClass*& gpDesc, const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer,
               int proxyFlags, AcRxObject* (*pseudoConstructor)(), const ACHAR* dxfName, const ACHAR* appName);
// Runs the rxInit of every host class once; the system registry does it when first used.
void EnsureHostClasses();
// A host class of libacad.so registers its rxInit with a static object of this type.
struct HostClassRegistration {
  explicit HostClassRegistration(void (*rxInit)());
};
}  // namespace acadsim

#define ACRX_DECLARE_MEMBERS(CLASS_NAME)            \
  static AcRxClass* desc();                         \
  static CLASS_NAME* cast(const AcRxObject* inPtr); \
  AcRxClass* isA() const override;                  \
  static void rxInit();                             \
  static void rxInit(AppNameChangeFuncPtr)

#define ACRX_DEFINE_MEMBERS_(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINT_VERSION, PROXY_FLAGS, CONS, DXF_NAME,     \
                             APP_NAME)                                                                              \
  static AcRxClass* CLASS_NAME##_gpDesc = nullptr;                                                                  \
  AcRxClass* CLASS_NAME::desc() {                                                                                   \
    if (CLASS_NAME##_gpDesc == nullptr) acadsim::EnsureHostClasses();                                               \
    return CLASS_NAME##_gpDesc;                                                                                     \
  }                                                                                                                 \
  CLASS_NAME* CLASS_NAME::cast(const AcRxObject* inPtr) {                                                           \
    return (inPtr == nullptr || !inPtr->isKindOf(CLASS_NAME::desc()))                                               \
               ? nullptr                                                                                            \
               : static_cast<CLASS_NAME*>(const_cast<AcRxObject*>(inPtr));                                          \
  }                                                                                                                 \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                                                 \
  void CLASS_NAME::rxInit() {                                                                                       \
    acadsim::InitClass(CLASS_NAME##_gpDesc, ACRX_T(#CLASS_NAME), ACRX_T(#PARENT_CLASS), DWG_VERSION, MAINT_VERSION, \
                       PROXY_FLAGS, CONS, DXF_NAME, APP_NAME);                                                      \
  }                                                                                                                 \
  void CLASS_NAME::rxInit(AppNameChangeFuncPtr) { CLASS_NAME::rxInit(); }

#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS) \
  ACRX_DEFINE_MEMBERS_(CLASS_NAME, PARENT_CLASS, 0, 0, 0, nullptr, nullptr, nullptr)

#define ACRX_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, VERNO)    \
  static AcRxObject* make##CLASS_NAME() { return new CLASS_NAME(); } \
  ACRX_DEFINE_MEMBERS_(CLASS_NAME, PARENT_CLASS, VERNO, 0, 0, make##CLASS_NAME, nullptr, nullptr)

#define ACRX_DXF_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION, PROXY_FLAGS, DXF_NAME, \
                                APP)                                                                               \
  static AcRxObject* make##CLASS_NAME() { return new CLASS_NAME(); }                                               \
  ACRX_DEFINE_MEMBERS_(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION, PROXY_FLAGS, make##CLASS_NAME,  \
                       ACRX_T(#DXF_NAME), ACRX_T(#APP))

// Beside the DEFINE macro of a class of libacad.so itself: the system registry creates it at start.
#define ACADSIM_HOST_CLASS_REGISTRATION(CLASS_NAME) \
  static acadsim::HostClassRegistration CLASS_NAME##_gRegistration(&CLASS_NAME::rxInit)

// Calls protocol extension PROTOCOL_CLASS of object OBJECT (the host aborts when there is none).
#define ACRX_X_CALL(OBJECT, PROTOCOL_CLASS) PROTOCOL_CLASS::cast((OBJECT)->x(PROTOCOL_CLASS::desc()))
