// Groups (the ACAD_GROUP dictionary's AcDbGroup objects) as picking sees them under PICKSTYLE 1 and 3.
#pragma once
#include <dbid.h>

#include <vector>

namespace acadsim {
struct DatabaseImpl;
}

namespace acadsim::selection {

// The members of every selectable group that holds entity (a group lists itself among its members'
// reactors, as AutoCAD keeps them), erased members left out; empty when it is in none.
std::vector<AcDbObjectId> selectableGroupMembers(const DatabaseImpl& db, AcDbObjectId entity);

}  // namespace acadsim::selection
