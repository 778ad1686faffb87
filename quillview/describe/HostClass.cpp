#include "describe/HostClass.h"

#include <rxregsvc.h>

AcRxClass* FindHostClass(const ACHAR* className) {
  AcRxDictionary* classes = acrxClassDictionary;
  return classes == nullptr ? nullptr : AcRxClass::cast(classes->at(className));
}
