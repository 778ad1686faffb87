// TEXT: the groups of AcDbText, read around those of the attribute classes that share its records.
#include <dbtext.h>

#include "../DatabaseImpl.h"
#include "GroupValues.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbText, AcDbEntity, 0, 0, 0, TEXT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbText);

AcDbText::AcDbText() = default;
AcDbText::~AcDbText() = default;

ACHAR* AcDbText::textString() const { return acadsim::newHostString(mText); }

acadsim::OwnGroup AcDbText::dxfInOwnGroup(const acadsim::DxfGroupView&) { return acadsim::OwnGroup::kNotOwn; }

bool AcDbText::dxfInTextGroup(const acadsim::DxfGroupView& g, acadsim::DatabaseImpl& db) {
  using namespace acadsim;
  using namespace acadsim::annotation;
  switch (g.code) {
    case 1: return takeString(g, mText);
    case 7: {
      std::u16string name;
      if (!takeString(g, name)) return false;
      mStyleId = textStyleNamed(db, name);
      return true;
    }
    case 10: case 20: case 30: return takePoint(g, 10, mPosition);
    case 11: case 21: case 31:
      if (!takePoint(g, 11, mAlignmentPoint)) return false;
      mHasAlignmentPoint = true;
      return true;
    case 39: return takeReal(g, mThickness);
    case 40: return takeReal(g, mHeight);
    case 41: {
      double factor = mWidthFactor;
      if (!takeReal(g, factor)) return false;
      if (factor > 0.0) mWidthFactor = factor;  // AutoCAD has no text of width 0 or less
      return true;
    }
    case 50: return takeDegrees(g, mRotation);
    case 51: return takeDegrees(g, mOblique);
    case 72:
      if (g.type != DxfGroupView::Type::Integer) return false;
      if (g.integer >= AcDb::kTextLeft && g.integer <= AcDb::kTextFit) mHorizontalMode = AcDb::TextHorzMode(g.integer);
      return true;
    case 73:  // TEXT's own subclass
    case 74:  // the attribute subclasses
      if (g.type != DxfGroupView::Type::Integer) return false;
      if (g.integer >= AcDb::kTextBase && g.integer <= AcDb::kTextTop) mVerticalMode = AcDb::TextVertMode(g.integer);
      return true;
    case 210: case 220: case 230: return takeVector(g, 210, mNormal);
    default: return false;
  }
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  mStyleId = acadsim::annotation::textStyleNamed(db, u"");  // text without group 7 is in "Standard"
  // Files without subclass markers mix every group in one list; a subclass then reads its own first, so that
  // an attribute's 73 (field length) is not taken for TEXT's 73 (vertical mode).
  enum class Section { kUnmarked, kText, kOwn } section = Section::kUnmarked;
  bool textEnded = false;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 101) break;  // an embedded object (a multiline attribute's MTEXT) ends the record's own groups
    if (g.code == 100) {
      section = g.text == "AcDbText" ? Section::kText : Section::kOwn;
      continue;
    }
    if (section == Section::kText && !textEnded && dxfInTextGroup(g, db)) continue;
    acadsim::OwnGroup own = dxfInOwnGroup(g);
    if (own == acadsim::OwnGroup::kTakenEndsText) textEnded = true;
    if (own == acadsim::OwnGroup::kNotOwn && section != Section::kText && !textEnded) dxfInTextGroup(g, db);
  }
  mNormal = acadsim::annotation::unitNormal(mNormal);
  mPosition = acadsim::annotation::ocsToWcs(mPosition, mNormal);
  mAlignmentPoint = acadsim::annotation::ocsToWcs(mAlignmentPoint, mNormal);
  return filer->filerStatus();
}
