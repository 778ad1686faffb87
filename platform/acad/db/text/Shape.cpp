// SHAPE: a shape of a shape file by name, placed like text.
#include <dbsymtb.h>
#include <dbtext.h>

#include "../DatabaseImpl.h"
#include "GroupValues.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbShape, AcDbEntity, 0, 0, 0, SHAPE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbShape);

namespace {

// The drawing's only shape-file style (flag 1), or null when it has none or several.
AcDbObjectId onlyShapeFileStyle(acadsim::DatabaseImpl& db) {
  auto* styles = acadsim::peek<AcDbTextStyleTable>(db.textStyleTable);
  if (styles == nullptr) return AcDbObjectId::kNull;
  AcDbObjectId found;
  for (AcDbObjectId id : styles->recordIds()) {
    auto* style = acadsim::peek<AcDbTextStyleTableRecord>(id);
    if (style == nullptr || style->isErased() || !style->isShapeFile()) continue;
    if (!found.isNull()) return AcDbObjectId::kNull;
    found = id;
  }
  return found;
}

}  // namespace

AcDbShape::AcDbShape() = default;
AcDbShape::~AcDbShape() = default;

ACHAR* AcDbShape::name() const { return acadsim::newHostString(mName); }

Acad::ErrorStatus AcDbShape::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 2: acadsim::annotation::takeString(g, mName); break;
      case 10: case 20: case 30: acadsim::annotation::takePoint(g, 10, mPosition); break;
      case 39: acadsim::annotation::takeReal(g, mThickness); break;
      case 40: acadsim::annotation::takeReal(g, mSize); break;
      case 41: {
        double factor = mWidthFactor;
        if (acadsim::annotation::takeReal(g, factor) && factor > 0.0) mWidthFactor = factor;  // as for text
        break;
      }
      case 50: acadsim::annotation::takeDegrees(g, mRotation); break;
      case 51: acadsim::annotation::takeDegrees(g, mOblique); break;
      case 210: case 220: case 230: acadsim::annotation::takeVector(g, 210, mNormal); break;
      default: break;
    }
  }
  mNormal = acadsim::annotation::unitNormal(mNormal);
  mPosition = acadsim::annotation::ocsToWcs(mPosition, mNormal);
  mStyleId = onlyShapeFileStyle(filer->database()->impl());
  return filer->filerStatus();
}
