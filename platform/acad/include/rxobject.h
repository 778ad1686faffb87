// AcRxObject: the root of the host's run-time class system.
#pragma once
#include "acadstrc.h"
#include "rxdefs.h"

class AcRxClass;

class AcRxObject {
 public:
  virtual ~AcRxObject();

  static AcRxClass* desc();
  static AcRxObject* cast(const AcRxObject* inPtr) { return const_cast<AcRxObject*>(inPtr); }
  virtual AcRxClass* isA() const;

  bool isKindOf(const AcRxClass* aClass) const;

  // The protocol extension of protocolClass registered on this object's class or its nearest ancestor.
  virtual AcRxObject* queryX(const AcRxClass* protocolClass) const;
  // As queryX, but a missing extension stops the host with acrx_abort, as AutoCAD does.
  AcRxObject* x(const AcRxClass* protocolClass) const;

  virtual AcRxObject* clone() const;
  virtual Acad::ErrorStatus copyFrom(const AcRxObject* other);
  virtual Adesk::Boolean isEqualTo(const AcRxObject* other) const;
  virtual AcRx::Ordering comparedTo(const AcRxObject* other) const;

 protected:
  AcRxObject() = default;
  AcRxObject(const AcRxObject&) = default;
  AcRxObject& operator=(const AcRxObject&) = default;
};
