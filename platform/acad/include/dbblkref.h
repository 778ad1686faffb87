// Block references: INSERT and MINSERT.
#pragma once
#include "dbmain.h"

// DXF "INSERT"
class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  ~AcDbBlockReference() override;
};

// DXF "INSERT"
class AcDbMInsertBlock : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMInsertBlock);
  AcDbMInsertBlock();
  ~AcDbMInsertBlock() override;
};
