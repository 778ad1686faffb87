// The host's registry services: the system registry, class creation, services and module loading.
#pragma once
#include "AdAChar.h"
#include "rxboiler.h"
#include "rxclass.h"
#include "rxdict.h"

#define ACRX_CLASS_DICTIONARY ACRX_T("ClassDictionary")
#define ACRX_SERVICE_DICTIONARY ACRX_T("ServiceDictionary")
#define ACRX_DYNAMIC_LINKER ACRX_T("DynamicLinker")

// The system registry: "ClassDictionary", "ServiceDictionary" and "DynamicLinker".
AcRxDictionary* acrxSysRegistry();

#define acrxClassDictionary AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY))
#define acrxServiceDictionary AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY))

// Creates a class and adds it to the class dictionary; the parent is found by name (later by
// acrxBuildClassHierarchy if it is not there yet). A name already taken gives null: the class stays
// its first maker's, so two modules never both delete it.
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags = 0,
                        AcRxObject* (*pseudoConstructor)() = nullptr, const ACHAR* dxfName = nullptr,
                        const ACHAR* appName = nullptr);
// Removes the class from the class dictionary and deletes it; extensions on it stay their owners'.
void deleteAcRxClass(AcRxClass* pClassObj);
// Links every class to its parent by name.
void acrxBuildClassHierarchy();

// Registers a service named serviceName (the existing one when taken) in the service dictionary.
AcRxObject* acrxRegisterService(const ACHAR* serviceName);
bool acrxServiceIsRegistered(const ACHAR* serviceName);

bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd = false);
bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd = false);
bool acrxLockApplication(void* appId);
bool acrxUnlockApplication(void* appId);
bool acrxApplicationIsLocked(const ACHAR* modulename);
bool acrxRegisterAppMDIAware(void* appId);
bool acrxRegisterAppNotMDIAware(void* appId);

// The host's registry root under HKEY_CURRENT_USER / HKEY_LOCAL_MACHINE.
const ACHAR* acrxProductKey();
#define ACRX_PRODUCT_KEY ACRX_T("Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409")

// Prints the message on the command line and ends the host process.
[[noreturn]] void acrx_abort(const ACHAR* format, ...);
