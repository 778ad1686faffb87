#include <rxclass.h>
#include <rxregsvc.h>
#include <algorithm>
#include "AcRxClassFactory.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxClass, AcRxObject);

namespace {
std::u16string CopyOrEmpty(const ACHAR* text) { return text ? std::u16string(text) : std::u16string(); }
}  // namespace

AcRxClass* AcRxClassFactory::make(const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer,
                                  int proxyFlags, AcRxObject* (*pseudoConstructor)(), const ACHAR* dxfName,
                                  const ACHAR* appName) {
  auto* cls = new AcRxClass();
  cls->m_name = className;
  cls->m_parentName = CopyOrEmpty(parentClassName);
  cls->m_dxfName = CopyOrEmpty(dxfName);
  cls->m_appName = CopyOrEmpty(appName);
  cls->m_dwgVersion = dwgVer;
  cls->m_maintenanceVersion = maintVer;
  cls->m_proxyFlags = proxyFlags;
  cls->m_pseudoConstructor = pseudoConstructor;
  return cls;
}

void AcRxClassFactory::forgetProtocol(AcRxClass& cls, const AcRxClass* protocolClass) {
  std::erase_if(cls.m_extensions, [&](const auto& entry) { return entry.first == protocolClass; });
}

AcRxClass::~AcRxClass() = default;

const ACHAR* AcRxClass::name() const { return m_name.c_str(); }
const ACHAR* AcRxClass::dxfName() const { return m_dxfName.c_str(); }
const ACHAR* AcRxClass::appName() const { return m_appName.c_str(); }
int AcRxClass::proxyFlags() const { return m_proxyFlags; }

void AcRxClass::getClassVersion(int& dwgVersion, int& maintenanceVersion) const {
  dwgVersion = m_dwgVersion;
  maintenanceVersion = m_maintenanceVersion;
}

AcRxClass* AcRxClass::myParent() const { return m_parent; }

Adesk::Boolean AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  if (other == nullptr) return false;
  for (const AcRxClass* cls = this; cls != nullptr; cls = cls->m_parent) {
    if (cls == other) return true;
  }
  return false;
}

AcRxObject* AcRxClass::create() { return m_pseudoConstructor ? m_pseudoConstructor() : nullptr; }

AcRxObject* AcRxClass::addX(AcRxClass* pProtocolClass, AcRxObject* pProtocolObject) {
  if (pProtocolClass == nullptr) return nullptr;
  if (pProtocolObject == nullptr) return delX(pProtocolClass);
  for (auto& entry : m_extensions) {
    if (entry.first == pProtocolClass) return std::exchange(entry.second, pProtocolObject);
  }
  m_extensions.emplace_back(pProtocolClass, pProtocolObject);
  return nullptr;
}

AcRxObject* AcRxClass::getX(const AcRxClass* pProtocolClass) {
  if (pProtocolClass == nullptr) return nullptr;
  for (const AcRxClass* cls = this; cls != nullptr; cls = cls->m_parent) {
    for (const auto& entry : cls->m_extensions) {
      if (entry.first == pProtocolClass) return entry.second;
    }
  }
  return nullptr;
}

AcRxObject* AcRxClass::delX(AcRxClass* pProtocolClass) {
  auto found = std::find_if(m_extensions.begin(), m_extensions.end(),
                            [&](const auto& entry) { return entry.first == pProtocolClass; });
  if (found == m_extensions.end()) return nullptr;
  AcRxObject* removed = found->second;
  m_extensions.erase(found);
  return removed;
}

AcRxObject* AcRxClass::queryX(const AcRxClass* pProtocolClass) const {
  if (AcRxObject* onClassObject = AcRxObject::queryX(pProtocolClass)) return onClassObject;
  return const_cast<AcRxClass*>(this)->getX(pProtocolClass);
}
