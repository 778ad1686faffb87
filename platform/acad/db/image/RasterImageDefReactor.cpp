// AcDbRasterImageDefReactor: ties an image to its definition; the host keeps nothing of it.
#include <imgdef.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterImageDefReactor, AcDbObject, 0, 0, 0, IMAGEDEF_REACTOR, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterImageDefReactor);
AcDbRasterImageDefReactor::AcDbRasterImageDefReactor() = default;
AcDbRasterImageDefReactor::~AcDbRasterImageDefReactor() = default;
