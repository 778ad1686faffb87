// The image base class and wipeouts, which read as raster images.
#include <imgent.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbImage, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbImage);
AcDbImage::AcDbImage() = default;
AcDbImage::~AcDbImage() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbWipeout, AcDbRasterImage, 0, 0, 0, WIPEOUT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbWipeout);
AcDbWipeout::AcDbWipeout() = default;
AcDbWipeout::~AcDbWipeout() = default;
