// AcDbTableStyle: the look of a table.
#include <dbtablestyle.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbTableStyle, AcDbObject, 0, 0, 0, TABLESTYLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbTableStyle);
AcDbTableStyle::AcDbTableStyle() = default;
AcDbTableStyle::~AcDbTableStyle() = default;
