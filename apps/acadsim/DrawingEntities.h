// Which entities of a drawing a listing covers, in drawing order.
#pragma once
#include <vector>

#include "DescribeOptions.h"
#include "dbmain.h"

namespace acadsim {

// Model space, the paper-space layouts in tab order, or both (model space first).
std::vector<AcDbObjectId> EntitiesOfSpaces(AcDbDatabase& db, SpaceSelection space);

}  // namespace acadsim
