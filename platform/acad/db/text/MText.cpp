// MTEXT: its text chunks, frame and direction; the columns the reader folded into it add their text.
#include <dbtext.h>
#include <qvwide.h>

#include "../DatabaseImpl.h"
#include "GroupValues.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbMText, AcDbEntity, 0, 0, 0, MTEXT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMText);

AcDbMText::AcDbMText() = default;
AcDbMText::~AcDbMText() = default;

ACHAR* AcDbMText::contents() const {
  std::u16string text = mText;
  for (AcDbObjectId partId : subentityIds())
    if (auto* column = acadsim::peek<AcDbMText>(partId)) text += column->mText;
  return acadsim::newHostString(text);
}

Acad::ErrorStatus AcDbMText::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  mStyleId = acadsim::annotation::textStyleNamed(db, u"");  // text without group 7 is in "Standard"
  std::string text;
  AcGeVector3d xDirection;
  bool rotationFromDirection = false;  // of 50 and 11 the one written last holds, as AutoCAD reads them
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 101) break;  // an embedded object (the column data of R2018): its points and sizes are not the text's
    switch (g.code) {
      case 1:
      case 3:
        if (g.type == acadsim::DxfGroupView::Type::String) text += g.text;
        break;
      case 7: {
        std::u16string name;
        if (acadsim::annotation::takeString(g, name)) mStyleId = acadsim::annotation::textStyleNamed(db, name);
        break;
      }
      case 10: case 20: case 30: acadsim::annotation::takePoint(g, 10, mLocation); break;
      case 11: case 21: case 31: rotationFromDirection = acadsim::annotation::takeVector(g, 11, xDirection); break;
      case 40: acadsim::annotation::takeReal(g, mTextHeight); break;
      case 41: acadsim::annotation::takeReal(g, mWidth); break;
      case 50: {
        double radians = mRotation;
        if (acadsim::annotation::takeReal(g, radians)) {
          mRotation = acadsim::annotation::normalizedAngle(radians);
          rotationFromDirection = false;
        }
        break;
      }
      case 210: case 220: case 230: acadsim::annotation::takeVector(g, 210, mNormal); break;
      default: break;
    }
  }
  mText = Utf8ToWide(text);
  mNormal = acadsim::annotation::unitNormal(mNormal);
  if (rotationFromDirection && !xDirection.isZeroLength()) mRotation = acadsim::annotation::ocsAngleOf(xDirection, mNormal);
  return filer->filerStatus();
}
