// Dimensions of every kind.
#pragma once
#include "dbmain.h"

class AcDbDimension : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimension);
  ~AcDbDimension() override;

 protected:
  AcDbDimension();
};

// DXF "DIMENSION"
class AcDbAlignedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
  AcDbAlignedDimension();
  ~AcDbAlignedDimension() override;
};

// DXF "DIMENSION"
class AcDbRotatedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
  AcDbRotatedDimension();
  ~AcDbRotatedDimension() override;
};

// DXF "DIMENSION"
class AcDbRadialDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimension);
  AcDbRadialDimension();
  ~AcDbRadialDimension() override;
};

// DXF "DIMENSION"
class AcDbDiametricDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);
  AcDbDiametricDimension();
  ~AcDbDiametricDimension() override;
};

// DXF "DIMENSION"
class AcDb2LineAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2LineAngularDimension);
  AcDb2LineAngularDimension();
  ~AcDb2LineAngularDimension() override;
};

// DXF "DIMENSION"
class AcDb3PointAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3PointAngularDimension);
  AcDb3PointAngularDimension();
  ~AcDb3PointAngularDimension() override;
};

// DXF "DIMENSION"
class AcDbOrdinateDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbOrdinateDimension);
  AcDbOrdinateDimension();
  ~AcDbOrdinateDimension() override;
};

// DXF "ARC_DIMENSION"
class AcDbArcDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArcDimension);
  AcDbArcDimension();
  ~AcDbArcDimension() override;
};

// DXF "LARGE_RADIAL_DIMENSION"
class AcDbRadialDimensionLarge : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimensionLarge);
  AcDbRadialDimensionLarge();
  ~AcDbRadialDimensionLarge() override;
};
