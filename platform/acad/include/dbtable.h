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

  Adesk::UInt32 numRows() const { return mRows; }
  Adesk::UInt32 numColumns() const { return mColumns; }
  AcDbObjectId tableStyle() const { return mStyleId; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcDbObjectId mStyleId;
  Adesk::UInt32 mRows = 0;
  Adesk::UInt32 mColumns = 0;
};
