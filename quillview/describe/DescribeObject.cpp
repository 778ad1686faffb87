#include "describe/DescribeObject.h"

#include <dbmain.h>

#include "describe/HostClass.h"
#include "describe/QuillviewPX.h"

void DescribeObject(ScopeText& text, AcRxClass* cls, AcDbEntity* entity, int gsMarker) {
  AcRxClass* protocol = QuillviewPX::desc();
  if (cls == nullptr || entity == nullptr || protocol == nullptr) return;
  AcRxClass* entityClass = entity->isA();
  if (entityClass != cls && !entityClass->isDerivedFrom(cls)) return;
  if (QuillviewPX* describer = QuillviewPX::cast(cls->getX(protocol))) describer->Describe(text, entity, gsMarker);
}

void DescribeAsParentOf(const AcRxClass* ownClass, ScopeText& text, AcDbEntity* entity, int gsMarker) {
  if (ownClass != nullptr) DescribeObject(text, ownClass->myParent(), entity, gsMarker);
}

void DescribeAsParentOf(const ACHAR* ownClassName, ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(FindHostClass(ownClassName), text, entity, gsMarker);
}

void DescribeAsEntity(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeObject(text, AcDbEntity::desc(), entity, gsMarker);
}
