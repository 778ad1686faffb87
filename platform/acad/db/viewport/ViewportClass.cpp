// AcDbViewport: a paper-space view of model space.
#include <dbvport.h>

#include "../blocks/DxfGroupValues.h"

namespace groups = acadsim::blockgroups;

ACRX_DXF_DEFINE_MEMBERS(AcDbViewport, AcDbEntity, 0, 0, 0, VIEWPORT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbViewport);
AcDbViewport::AcDbViewport() = default;
AcDbViewport::~AcDbViewport() = default;

double AcDbViewport::viewHeight() const { return mViewHeight; }

Acad::ErrorStatus AcDbViewport::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbViewport");
  acadsim::DxfGroupView g;
  double value = 0.0;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 10: groups::finitePoint(g, mCenter); break;
      case 12: groups::finitePoint2d(g, mViewCenter); break;
      case 40: if (groups::finiteReal(g, value)) mWidth = value; break;
      case 41: if (groups::finiteReal(g, value)) mHeight = value; break;
      case 45: if (groups::finiteReal(g, value) && value > 0.0) mViewHeight = value; break;
      case 69: mNumber = static_cast<Adesk::Int16>(g.integer); break;
      case 90: mStatus = static_cast<Adesk::Int32>(g.integer); break;
      default: break;
    }
  }
  return filer->filerStatus();
}
