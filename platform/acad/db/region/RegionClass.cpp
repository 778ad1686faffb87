// AcDbRegion: a bounded planar area.
#include <dbregion.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbRegion, AcDbEntity, 0, 0, 0, REGION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRegion);
AcDbRegion::AcDbRegion() = default;
AcDbRegion::~AcDbRegion() = default;
