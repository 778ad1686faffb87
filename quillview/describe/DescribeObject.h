// The dispatcher and the two chaining forms through which each describer runs a more general one first.
#pragma once
#include <AdAChar.h>

#include "describe/ScopeText.h"

class AcDbEntity;
class AcRxClass;

// Runs the describer registered on cls or its nearest ancestor, when the entity is of cls or derived from it.
void DescribeObject(ScopeText& text, AcRxClass* cls, AcDbEntity* entity, int gsMarker);

// Parent form: the describer of ownClass's parent (nothing when ownClass is null).
void DescribeAsParentOf(const AcRxClass* ownClass, ScopeText& text, AcDbEntity* entity, int gsMarker);
// Parent form for a class known only by name in the class dictionary.
void DescribeAsParentOf(const ACHAR* ownClassName, ScopeText& text, AcDbEntity* entity, int gsMarker);
// Entity form: straight to the AcDbEntity describer.
void DescribeAsEntity(ScopeText& text, AcDbEntity* entity, int gsMarker);
