#include <dbfiler.h>
#include <dbmaterial.h>
#include <qvwide.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbMaterial, AcDbObject, 0, 0, 0, MATERIAL, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMaterial);

AcDbMaterial::AcDbMaterial() = default;
AcDbMaterial::~AcDbMaterial() = default;

Acad::ErrorStatus AcDbMaterial::setName(const ACHAR* pName) {
  if (pName == nullptr || *pName == 0) return Acad::eInvalidInput;
  mName = pName;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMaterial::setDescription(const ACHAR* pDescription) {
  if (pDescription == nullptr) return Acad::eInvalidInput;
  mDescription = pDescription;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMaterial::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  bool haveName = false, haveDescription = false;
  while (filer->readGroup(g)) {
    if (g.code == 1 && !haveName) {
      mName = Utf8ToWide(g.text);
      haveName = true;
    } else if (g.code == 2 && !haveDescription) {
      mDescription = Utf8ToWide(g.text);
      haveDescription = true;
    }
  }
  return filer->filerStatus();
}
