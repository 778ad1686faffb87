// AcDbTableStyle: the look of a table.
#pragma once
#include "dbmain.h"

// DXF "TABLESTYLE"
class AcDbTableStyle : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTableStyle);
  AcDbTableStyle();
  ~AcDbTableStyle() override;
};
