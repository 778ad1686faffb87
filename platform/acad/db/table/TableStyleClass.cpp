// AcDbTableStyle: the look of a table.
#include <dbdict.h>
#include <dbfiler.h>
#include <dbtablestyle.h>
#include <qvwide.h>

#include "../DatabaseImpl.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbTableStyle, AcDbObject, 0, 0, 0, TABLESTYLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbTableStyle);
AcDbTableStyle::AcDbTableStyle() = default;
AcDbTableStyle::~AcDbTableStyle() = default;

// The owning dictionary first; a style whose owner is not one is looked for in ACAD_TABLESTYLE.
Acad::ErrorStatus AcDbTableStyle::getName(ACHAR*& name) const {
  name = nullptr;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  auto* dict = acadsim::peek<AcDbDictionary>(ownerId());
  if (dict == nullptr || !dict->has(objectId()))
    if (auto* named = acadsim::peek<AcDbDictionary>(db->namedObjectsDictionaryId())) {
      AcDbObjectId stylesId;
      named->getAt(u"ACAD_TABLESTYLE", stylesId);
      dict = acadsim::peek<AcDbDictionary>(stylesId);
    }
  if (dict == nullptr) return Acad::eKeyNotFound;
  return dict->nameAt(objectId(), name);
}

// The description is the style's first group 3; the cell styles that follow use codes of their own.
Acad::ErrorStatus AcDbTableStyle::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbTableStyle");
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 3) {
      mDescription = Utf8ToWide(g.text);
      break;
    }
    if (g.code == 7 || g.code == 100) break;
  }
  return filer->filerStatus();
}
