// Raster images and wipeouts.
#pragma once
#include "dbmain.h"

class AcDbImage : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbImage);
  ~AcDbImage() override;

 protected:
  AcDbImage();
};

// DXF "IMAGE"
class AcDbRasterImage : public AcDbImage {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImage);
  AcDbRasterImage();
  ~AcDbRasterImage() override;
};

// DXF "WIPEOUT"
class AcDbWipeout : public AcDbRasterImage {
 public:
  ACRX_DECLARE_MEMBERS(AcDbWipeout);
  AcDbWipeout();
  ~AcDbWipeout() override;
};
