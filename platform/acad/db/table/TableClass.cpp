// AcDbTable: a table, drawn through its anonymous block.
#include <dbtable.h>

#include "../blocks/DxfGroupValues.h"

namespace groups = acadsim::blockgroups;

ACRX_DXF_DEFINE_MEMBERS(AcDbTable, AcDbBlockReference, 0, 0, 0, ACAD_TABLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbTable);
AcDbTable::AcDbTable() = default;
AcDbTable::~AcDbTable() = default;

namespace {

Adesk::UInt32 count(const acadsim::DxfGroupView& g) {
  return g.integer < 0 ? 0 : g.integer > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<Adesk::UInt32>(g.integer);
}

}  // namespace

// Only the table's header is read: its cells repeat codes (91, 92...) that mean other things there.
Acad::ErrorStatus AcDbTable::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbBlockReference::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbTable");
  acadsim::DxfGroupView g;
  bool haveStyle = false, haveRows = false, haveColumns = false;
  while (filer->readGroup(g)) {
    if (g.code == 100 || g.code == 141 || g.code == 142 || g.code == 171) break;  // row heights, widths, cells
    if (g.code == 342 && !haveStyle) {
      mStyleId = groups::handleReference(filer, g);
      haveStyle = true;
    } else if (g.code == 91 && !haveRows) {
      mRows = count(g);
      haveRows = true;
    } else if (g.code == 92 && !haveColumns) {
      mColumns = count(g);
      haveColumns = true;
    }
  }
  return filer->filerStatus();
}
