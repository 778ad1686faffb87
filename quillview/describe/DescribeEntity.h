// The describer of AcDbEntity, which every description runs first: header and common properties.
#pragma once
#include "describe/ScopeText.h"

class AcDbEntity;

void DescribeEntity(ScopeText& text, AcDbEntity* entity, int gsMarker);
