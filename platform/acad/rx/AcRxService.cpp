#include <rxsrvice.h>
#include <rxregsvc.h>
#include "SystemRegistry.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxService, AcRxObject);

AcRxService::~AcRxService() { delete m_sysInfo; }

void AcRxService::setSysInfo(AcRxObject* sysInfo) {
  if (sysInfo == m_sysInfo) return;
  delete m_sysInfo;
  m_sysInfo = sysInfo;
}

void AcRxService::removeDependency() {
  if (m_dependencies > 0) --m_dependencies;
}

AcRxObject* acrxRegisterService(const ACHAR* serviceName) {
  if (serviceName == nullptr || *serviceName == 0) return nullptr;
  acadsim::EnsureHostClasses();
  AcRxDictionary& services = *acadsim::rx::Roots().services;
  if (AcRxObject* existing = services.at(serviceName)) return existing;
  auto* service = new AcRxService();
  services.atPut(serviceName, service);
  return service;
}

bool acrxServiceIsRegistered(const ACHAR* serviceName) {
  return serviceName != nullptr && acadsim::rx::Roots().services->has(serviceName);
}
