// AcRxClass: the run-time description of one host class, with its protocol extensions.
#pragma once
#include <string>
#include <utility>
#include <vector>
#include "rxboiler.h"
#include "rxobject.h"

class AcRxClass : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxClass);
  ~AcRxClass() override;

  const ACHAR* name() const;
  const ACHAR* dxfName() const;
  const ACHAR* appName() const;
  int proxyFlags() const;
  void getClassVersion(int& dwgVersion, int& maintenanceVersion) const;

  AcRxClass* myParent() const;
  Adesk::Boolean isDerivedFrom(const AcRxClass* other) const;

  // A new object of this class through its pseudo-constructor, or null for a class without one.
  AcRxObject* create();

  // Registers pProtocolObject for pProtocolClass on exactly this class; returns the one it replaces, or null.
  // A null pProtocolObject removes the registration, as delX does.
  AcRxObject* addX(AcRxClass* pProtocolClass, AcRxObject* pProtocolObject);
  // The extension registered on this class or, failing that, on its nearest ancestor that has one.
  AcRxObject* getX(const AcRxClass* pProtocolClass);
  // Removes the extension registered on exactly this class and returns it; the caller owns it again.
  AcRxObject* delX(AcRxClass* pProtocolClass);
  // An extension on the class object itself (as an instance of AcRxClass) first, then getX.
  AcRxObject* queryX(const AcRxClass* pProtocolClass) const override;

 private:
  friend struct AcRxClassFactory;  // host-internal: the only maker of class objects
  AcRxClass() = default;

  std::u16string m_name;
  std::u16string m_parentName;
  std::u16string m_dxfName;
  std::u16string m_appName;
  AcRxClass* m_parent = nullptr;
  int m_dwgVersion = 0;
  int m_maintenanceVersion = 0;
  int m_proxyFlags = 0;
  AcRxObject* (*m_pseudoConstructor)() = nullptr;
  std::vector<std::pair<const AcRxClass*, AcRxObject*>> m_extensions;
};
