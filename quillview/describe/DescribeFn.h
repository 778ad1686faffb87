// The signature of every describe function: the text to fill, the entity open for read, its GS marker.
#pragma once
#include "describe/ScopeText.h"

class AcDbEntity;

typedef void (*DescribeFn)(ScopeText& text, AcDbEntity* entity, int gsMarker);
