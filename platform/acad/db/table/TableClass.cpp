// AcDbTable: a table, drawn through its anonymous block.
#include <dbtable.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbTable, AcDbBlockReference, 0, 0, 0, ACAD_TABLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbTable);
AcDbTable::AcDbTable() = default;
AcDbTable::~AcDbTable() = default;
