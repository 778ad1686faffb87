// Raster image definitions and their reactors.
#pragma once
#include "dbmain.h"

// DXF "IMAGEDEF"
class AcDbRasterImageDef : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImageDef);
  AcDbRasterImageDef();
  ~AcDbRasterImageDef() override;
};

// DXF "IMAGEDEF_REACTOR"
class AcDbRasterImageDefReactor : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImageDefReactor);
  AcDbRasterImageDefReactor();
  ~AcDbRasterImageDefReactor() override;
};
