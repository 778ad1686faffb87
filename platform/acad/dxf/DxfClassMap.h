// Which host class a DXF type name makes: the host's own classes, then the drawing's CLASSES, else a proxy.
#pragma once
#include <string_view>

#include <acadsim/DxfData.h>
#include <dbmain.h>

#include "../db/DatabaseImpl.h"

namespace acadsim {

// A new object for a record of type `type` whose groups are `groups`; classEntry is the drawing's CLASSES
// entry of that DXF name, or null. POLYLINE, VERTEX, INSERT and DIMENSION choose their class from their flags
// as AutoCAD does. A type that no loaded class defines becomes a proxy entity (in the ENTITIES and BLOCKS
// sections) or a proxy object (in OBJECTS) keeping the type name.
AcDbObject* newObjectForDxfType(std::string_view type, const DxfData& groups, const DxfClassEntry* classEntry,
                                bool entitySection);

}  // namespace acadsim
