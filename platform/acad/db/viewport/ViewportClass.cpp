// AcDbViewport: a paper-space view of model space.
#include <dbvport.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbViewport, AcDbEntity, 0, 0, 0, VIEWPORT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbViewport);
AcDbViewport::AcDbViewport() = default;
AcDbViewport::~AcDbViewport() = default;
