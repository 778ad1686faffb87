// One entity as the listings show it: "=== HANDLE TYPE", the module's description, an empty line.
#pragma once
#include <string>

#include "dbmain.h"
#include "quillview/QuillviewApi.h"

namespace acadsim {

// The entity's handle in hexadecimal, as the drawing file writes it.
std::u16string HandleText(AcDbObjectId id);
// The entry for an entity open for read; the description is empty when the module cannot build it.
std::u16string ListingEntry(QuillviewDescribeEntityFn describe, AcDbEntity* entity);

}  // namespace acadsim
