// The objects every drawing has: symbol tables, layer "0", the standard linetypes, styles, blocks, dictionaries.
#pragma once
#include <string_view>

#include <dbmain.h>
#include <vector>

class AcDbBlockTableRecord;

namespace acadsim {

struct DatabaseImpl;

// Adds whatever of a new drawing from acad.dwt the database lacks; used for new databases and after reading
// a file that leaves parts out (ENTITIES-only files, R12 files without block records or layouts).
void completeDatabase(DatabaseImpl& db);
// The part of completeDatabase that entities need while a file is read: tables, standard records and the
// *Model_Space and *Paper_Space blocks; dictionaries wait for the file's OBJECTS section.
void completeTables(DatabaseImpl& db);
// Gives the layers of layerLinetypeNames their linetypes, once every table of a file is read; a linetype the
// drawing does not define leaves the layer Continuous.
void resolveLayerLinetypes(DatabaseImpl& db);
// The block table record of a file's BLOCK entity: found by name or made (R12 files have no block records).
AcDbBlockTableRecord* blockForDefinition(DatabaseImpl& db, std::u16string_view name);

// The layer of that name; a name the drawing does not define is created (colour 7, linetype Continuous), as
// AutoCAD creates the layers a DXF file uses without defining them.
AcDbObjectId layerNamed(DatabaseImpl& db, std::u16string_view name);
// The linetype record of that name, or null.
AcDbObjectId linetypeNamed(DatabaseImpl& db, std::u16string_view name);

// The symbol table in slot, made (empty, owned by nothing) when missing.
template <class Table>
Table* tableIn(DatabaseImpl& db, AcDbObjectId& slot);

// Paper-space blocks in tab order: the LAYOUT objects' blocks sorted by tab, or (without layouts) *Paper_Space
// and then the other *Paper_Space blocks in name order.
std::vector<AcDbObjectId> paperSpaceBlocksInTabOrder(DatabaseImpl& db);

}  // namespace acadsim
