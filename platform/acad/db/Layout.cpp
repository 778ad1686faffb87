#include <dbfiler.h>
#include <dblayout.h>
#include <qvwide.h>

#include "DatabaseImpl.h"
#include "DxfResbuf.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbPlotSettings, AcDbObject, 0, 0, 0, PLOTSETTINGS, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPlotSettings);
ACRX_DXF_DEFINE_MEMBERS(AcDbLayout, AcDbPlotSettings, 0, 0, 0, LAYOUT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLayout);

AcDbPlotSettings::AcDbPlotSettings() = default;
AcDbPlotSettings::~AcDbPlotSettings() = default;
AcDbLayout::AcDbLayout() = default;
AcDbLayout::~AcDbLayout() = default;

Acad::ErrorStatus AcDbLayout::getLayoutName(const ACHAR*& layoutName) const {
  layoutName = mName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::setLayoutName(const ACHAR* layoutName) {
  if (layoutName == nullptr || *layoutName == 0) return Acad::eInvalidInput;
  mName = layoutName;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::setBlockTableRecordId(const AcDbObjectId& blockTableRecordId) {
  mBlockId = blockTableRecordId;
  return Acad::eOk;
}

// The plot settings come first; the layout's own groups follow its subclass marker.
Acad::ErrorStatus AcDbLayout::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  acadsim::DxfGroupView g;
  bool inLayout = false;
  while (filer->readGroup(g)) {
    if (g.code == 100) {
      inLayout = g.text == "AcDbLayout";
    } else if (inLayout && g.code == 1) {
      mName = Utf8ToWide(g.text);
    } else if (inLayout && g.code == 71) {
      mTabOrder = static_cast<int>(g.integer);
    } else if (inLayout && g.code == 330) {
      mBlockId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text)));
    }
  }
  return filer->filerStatus();
}
