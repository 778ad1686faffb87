// Host-side questions about a drawing that ObjectARX answers only in pieces.
#pragma once
#include <string>
#include <vector>

#include <dbmain.h>

namespace acadsim {

// The type name as the file wrote it: the DXF name of the object's class, or a proxy's original DXF name.
std::u16string dxfTypeName(const AcDbObject* object);

// *Model_Space of the drawing.
AcDbObjectId modelSpaceBlockId(AcDbDatabase& db);
// The paper-space blocks of the layouts in tab order; without LAYOUT objects, *Paper_Space and then the other
// *Paper_Space blocks in name order.
std::vector<AcDbObjectId> paperSpaceBlocksInTabOrder(AcDbDatabase& db);

}  // namespace acadsim
