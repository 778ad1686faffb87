// AcRxService: a named service in the service dictionary; it can go only when nothing depends on it.
#pragma once
#include "rxboiler.h"
#include "rxobject.h"

class AcRxService : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxService);
  AcRxService() = default;
  ~AcRxService() override;

  AcRxObject* getSysInfo() const { return m_sysInfo; }
  // Takes ownership of sysInfo, deleting the one held before.
  void setSysInfo(AcRxObject* sysInfo);

  void addDependency() { ++m_dependencies; }
  void removeDependency();
  Adesk::Boolean unloadable() const { return m_dependencies == 0; }

 private:
  AcRxObject* m_sysInfo = nullptr;
  int m_dependencies = 0;
};
