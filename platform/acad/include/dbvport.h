// AcDbViewport: a paper-space view of model space.
#pragma once
#include "dbmain.h"

// DXF "VIEWPORT"
class AcDbViewport : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewport);
  AcDbViewport();
  ~AcDbViewport() override;
};
