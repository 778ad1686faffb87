// Which entities of a drawing a listing covers, in drawing order.
#pragma once
#include <vector>

#include "DescribeOptions.h"
#include "dbmain.h"

namespace acadsim {

// Model space, the paper-space layouts in tab order, or both (model space first).
std::vector<AcDbObjectId> EntitiesOfSpaces(AcDbDatabase& db, SpaceSelection space);

// The type name the drawing file gives the entity (a proxy keeps its original one).
std::u16string FileTypeName(const AcDbEntity* entity);

}  // namespace acadsim
