// AcDb3dSolid and AcDbBody: bodies with their mass properties.
#include <dbsol3d.h>

#include "SolidBody.h"

ACRX_DXF_DEFINE_MEMBERS(AcDb3dSolid, AcDbEntity, 0, 0, 0, 3DSOLID, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3dSolid);
AcDb3dSolid::AcDb3dSolid() = default;
AcDb3dSolid::~AcDb3dSolid() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbBody, AcDbEntity, 0, 0, 0, BODY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBody);
AcDbBody::AcDbBody() = default;
AcDbBody::~AcDbBody() = default;
