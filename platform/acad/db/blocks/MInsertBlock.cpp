// AcDbMInsertBlock: an INSERT repeated in rows and columns.
#include <dbblkref.h>
#include <dbfiler.h>

#include "DxfGroupValues.h"

namespace groups = acadsim::blockgroups;

ACRX_DXF_DEFINE_MEMBERS(AcDbMInsertBlock, AcDbBlockReference, 0, 0, 0, INSERT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMInsertBlock);
AcDbMInsertBlock::AcDbMInsertBlock() = default;
AcDbMInsertBlock::~AcDbMInsertBlock() = default;

namespace {

Adesk::UInt16 gridCount(long long fileValue) {
  if (fileValue < 1) return 1;
  return fileValue > 32767 ? 32767 : static_cast<Adesk::UInt16>(fileValue);
}

}  // namespace

bool AcDbMInsertBlock::dxfInGridGroup(const acadsim::DxfGroupView& g) {
  double value = 0.0;
  switch (g.code) {
    case 70: mColumns = gridCount(g.integer); return true;
    case 71: mRows = gridCount(g.integer); return true;
    case 44: if (groups::finiteReal(g, value)) mColumnSpacing = value; return true;
    case 45: if (groups::finiteReal(g, value)) mRowSpacing = value; return true;
    default: return false;
  }
}
