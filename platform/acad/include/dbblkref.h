// Block references: INSERT and MINSERT.
#pragma once
#include <string>

#include "dbmain.h"
#include "gemat3d.h"
#include "gescl3d.h"

namespace acadsim {
struct DxfGroupView;
}  // namespace acadsim

// DXF "INSERT"
class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  ~AcDbBlockReference() override;

  // The block inserted. A file may name a block before defining it: the name is looked up on first use.
  AcDbObjectId blockTableRecord() const;
  // The insertion point in world coordinates.
  AcGePoint3d position() const { return mPosition; }
  AcGeScale3d scaleFactors() const { return mScale; }
  // Radians about the normal, in the block's own plane.
  double rotation() const { return mRotation; }
  AcGeVector3d normal() const { return mNormal; }
  // Block coordinates to world: from the block's base point, scaled, rotated about Z, taken from the plane of
  // the normal (DXF's arbitrary axis algorithm) to world and moved to the insertion point. A zero scale factor
  // gives a singular matrix that flattens that axis; factors so large that the product overflows give the
  // translation to the insertion point alone (the block collapses to that point). Never a NaN or an infinity.
  AcGeMatrix3d blockTransform() const;
  // The ATTRIBs that follow the insert, in file order; the caller deletes the iterator.
  AcDbObjectIterator* attributeIterator() const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 protected:
  // Host: a group of the reference's subclass that a derived class keeps (MINSERT's grid); true when taken.
  virtual bool dxfInGridGroup(const acadsim::DxfGroupView& group);

 private:
  mutable AcDbObjectId mBlockId;
  std::u16string mBlockName;  // group 2, until the block is found
  AcGePoint3d mPosition;
  AcGeScale3d mScale;
  double mRotation = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};

// DXF "INSERT" with rows and columns (written under the subclass AcDbMInsertBlock).
class AcDbMInsertBlock : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMInsertBlock);
  AcDbMInsertBlock();
  ~AcDbMInsertBlock() override;

  // At least 1: a file's count below 1 reads as 1, since one copy is always drawn.
  Adesk::UInt16 columns() const { return mColumns; }
  Adesk::UInt16 rows() const { return mRows; }
  double columnSpacing() const { return mColumnSpacing; }
  double rowSpacing() const { return mRowSpacing; }

 protected:
  bool dxfInGridGroup(const acadsim::DxfGroupView& group) override;

 private:
  Adesk::UInt16 mColumns = 1;
  Adesk::UInt16 mRows = 1;
  double mColumnSpacing = 0.0;
  double mRowSpacing = 0.0;
};
