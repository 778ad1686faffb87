// Which host class a DXF type name makes: the host's own classes, then the drawing's CLASSES, else a proxy.
#pragma once
#include <string_view>
#include <vector>

#include <acadsim/DxfData.h>
#include <dbmain.h>

#include "../db/DatabaseImpl.h"

namespace acadsim {

// A new object for a record of type `type` whose groups are `groups`. POLYLINE, VERTEX, INSERT and DIMENSION
// choose their class from their flags as AutoCAD does. A type that no loaded class defines becomes a proxy
// entity (in the ENTITIES and BLOCKS sections) or a proxy object (in OBJECTS) keeping the type name.
AcDbObject* newObjectForDxfType(std::string_view type, const DxfData& groups, const std::vector<DxfClassEntry>& classes,
                                bool entitySection);

}  // namespace acadsim
