// AcDbTable: a table, drawn through its anonymous block.
#pragma once
#include "dbmain.h"
#include "dbblkref.h"

// DXF "ACAD_TABLE"
class AcDbTable : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTable);
  AcDbTable();
  ~AcDbTable() override;
};
