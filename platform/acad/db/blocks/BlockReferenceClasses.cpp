// Block references: INSERT and MINSERT.
#include <dbblkref.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity, 0, 0, 0, INSERT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBlockReference);
AcDbBlockReference::AcDbBlockReference() = default;
AcDbBlockReference::~AcDbBlockReference() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMInsertBlock, AcDbBlockReference, 0, 0, 0, INSERT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMInsertBlock);
AcDbMInsertBlock::AcDbMInsertBlock() = default;
AcDbMInsertBlock::~AcDbMInsertBlock() = default;
