// Dimensions of every kind.
#include <dbdim.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbDimension, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDimension);
AcDbDimension::AcDbDimension() = default;
AcDbDimension::~AcDbDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbAlignedDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAlignedDimension);
AcDbAlignedDimension::AcDbAlignedDimension() = default;
AcDbAlignedDimension::~AcDbAlignedDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRotatedDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRotatedDimension);
AcDbRotatedDimension::AcDbRotatedDimension() = default;
AcDbRotatedDimension::~AcDbRotatedDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRadialDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRadialDimension);
AcDbRadialDimension::AcDbRadialDimension() = default;
AcDbRadialDimension::~AcDbRadialDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDiametricDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDiametricDimension);
AcDbDiametricDimension::AcDbDiametricDimension() = default;
AcDbDiametricDimension::~AcDbDiametricDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb2LineAngularDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2LineAngularDimension);
AcDb2LineAngularDimension::AcDb2LineAngularDimension() = default;
AcDb2LineAngularDimension::~AcDb2LineAngularDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3PointAngularDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3PointAngularDimension);
AcDb3PointAngularDimension::AcDb3PointAngularDimension() = default;
AcDb3PointAngularDimension::~AcDb3PointAngularDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbOrdinateDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbOrdinateDimension);
AcDbOrdinateDimension::AcDbOrdinateDimension() = default;
AcDbOrdinateDimension::~AcDbOrdinateDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbArcDimension, AcDbDimension, 0, 0, 0, ARC_DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbArcDimension);
AcDbArcDimension::AcDbArcDimension() = default;
AcDbArcDimension::~AcDbArcDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRadialDimensionLarge, AcDbDimension, 0, 0, 0, LARGE_RADIAL_DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRadialDimensionLarge);
AcDbRadialDimensionLarge::AcDbRadialDimensionLarge() = default;
AcDbRadialDimensionLarge::~AcDbRadialDimensionLarge() = default;
