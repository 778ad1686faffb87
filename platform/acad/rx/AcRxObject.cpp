#include <rxobject.h>
#include <rxclass.h>
#include <rxregsvc.h>

static AcRxClass* AcRxObject_gpDesc = nullptr;

AcRxClass* AcRxObject::desc() {
  if (AcRxObject_gpDesc == nullptr) acadsim::EnsureHostClasses();
  return AcRxObject_gpDesc;
}

namespace acadsim {
// The root class has no parent, so the boilerplate cannot make it.
void InitRootClass() {
  InitClass(AcRxObject_gpDesc, ACRX_T("AcRxObject"), nullptr, 0, 0, 0, nullptr, nullptr, nullptr);
}
}  // namespace acadsim

AcRxObject::~AcRxObject() = default;

AcRxClass* AcRxObject::isA() const { return AcRxObject::desc(); }

bool AcRxObject::isKindOf(const AcRxClass* aClass) const {
  const AcRxClass* mine = isA();
  return mine != nullptr && mine->isDerivedFrom(aClass);
}

AcRxObject* AcRxObject::queryX(const AcRxClass* protocolClass) const {
  AcRxClass* mine = isA();
  return mine ? mine->getX(protocolClass) : nullptr;
}

AcRxObject* AcRxObject::x(const AcRxClass* protocolClass) const {
  AcRxObject* extension = queryX(protocolClass);
  if (extension == nullptr) {
    acrx_abort(ACRX_T("No protocol extension %s for class %s"), protocolClass ? protocolClass->name() : u"(null)",
               isA() ? isA()->name() : u"(unregistered)");
  }
  return extension;
}

AcRxObject* AcRxObject::clone() const {
  AcRxClass* mine = isA();
  AcRxObject* copy = mine ? mine->create() : nullptr;
  if (copy != nullptr && copy->copyFrom(this) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  return copy;
}

// A class that holds data overrides this; the root has nothing to copy.
Acad::ErrorStatus AcRxObject::copyFrom(const AcRxObject* other) { return Acad::eNotApplicable; }

Adesk::Boolean AcRxObject::isEqualTo(const AcRxObject* other) const { return other == this; }

AcRx::Ordering AcRxObject::comparedTo(const AcRxObject* other) const { return AcRx::kNotOrderable; }
