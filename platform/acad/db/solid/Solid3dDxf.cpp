// AcDb3dSolid from DXF: the ACIS body of the AcDbModelerGeometry subclass.
#include <acadsim/AcisModel.h>
#include <dbfiler.h>
#include <dbsol3d.h>

#include <string>

#include "AcisSolid.h"
#include "SolidBody.h"

// From R2013 the body is binary (SAB) in the ACDSDATA section, which the host does not read: such a solid
// reports eNotImplementedYet. Text the host cannot read or interpret is kept as the reason, never guessed at.
Acad::ErrorStatus AcDb3dSolid::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbModelerGeometry");
  std::string sat;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g))
    if (g.code == 1 || g.code == 3) acadsim::appendAcisDxfGroup(sat, g.code, g.text);

  mBody.reset();
  mUninterpreted = Acad::eNotImplementedYet;
  if (sat.empty()) return filer->filerStatus();
  acadsim::AcisModel model;
  mUninterpreted = acadsim::readAcisModel(sat, model);
  if (mUninterpreted == Acad::eOk) mUninterpreted = acadsim::solidFromAcis(model, mBody);
  return filer->filerStatus();
}
