// Raster image definitions and their reactors.
#include <imgdef.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterImageDef, AcDbObject, 0, 0, 0, IMAGEDEF, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterImageDef);
AcDbRasterImageDef::AcDbRasterImageDef() = default;
AcDbRasterImageDef::~AcDbRasterImageDef() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterImageDefReactor, AcDbObject, 0, 0, 0, IMAGEDEF_REACTOR, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterImageDefReactor);
AcDbRasterImageDefReactor::AcDbRasterImageDefReactor() = default;
AcDbRasterImageDefReactor::~AcDbRasterImageDefReactor() = default;
