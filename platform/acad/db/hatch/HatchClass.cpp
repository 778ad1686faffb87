// AcDbHatch: a filled area bounded by loops.
#include <dbhatch.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbHatch, AcDbEntity, 0, 0, 0, HATCH, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbHatch);
AcDbHatch::AcDbHatch() = default;
AcDbHatch::~AcDbHatch() = default;
