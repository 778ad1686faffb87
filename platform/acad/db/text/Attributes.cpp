// ATTRIB and ATTDEF: the attribute groups that follow the text's.
#include <dbfiler.h>
#include <dbtext.h>
#include <qvwide.h>

#include "../DatabaseImpl.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbAttribute, AcDbText, 0, 0, 0, ATTRIB, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAttribute);
ACRX_DXF_DEFINE_MEMBERS(AcDbAttributeDefinition, AcDbText, 0, 0, 0, ATTDEF, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAttributeDefinition);

namespace acadsim {

OwnGroup AttributeGroups::read(const DxfGroupView& g) {
  switch (g.code) {
    case 2:
      if (g.type != DxfGroupView::Type::String) return OwnGroup::kNotOwn;
      tag = Utf8ToWide(g.text);
      tagSeen = true;
      return OwnGroup::kTaken;
    case 70:
      if (g.type != DxfGroupView::Type::Integer) return OwnGroup::kNotOwn;
      flags = static_cast<Adesk::UInt16>(g.integer);
      return OwnGroup::kTaken;
    case 73: return OwnGroup::kTaken;  // the field length, which AutoCAD no longer uses
    case 280:  // the version before the tag, the lock-position flag after it
      return tagSeen ? OwnGroup::kTakenEndsText : OwnGroup::kTaken;
    default: return OwnGroup::kNotOwn;
  }
}

}  // namespace acadsim

AcDbAttribute::AcDbAttribute() = default;
AcDbAttribute::~AcDbAttribute() = default;

ACHAR* AcDbAttribute::tag() const { return acadsim::newHostString(mGroups.tag); }

acadsim::OwnGroup AcDbAttribute::dxfInOwnGroup(const acadsim::DxfGroupView& g) { return mGroups.read(g); }

AcDbAttributeDefinition::AcDbAttributeDefinition() = default;
AcDbAttributeDefinition::~AcDbAttributeDefinition() = default;

ACHAR* AcDbAttributeDefinition::prompt() const { return acadsim::newHostString(mPrompt); }
ACHAR* AcDbAttributeDefinition::tag() const { return acadsim::newHostString(mGroups.tag); }

acadsim::OwnGroup AcDbAttributeDefinition::dxfInOwnGroup(const acadsim::DxfGroupView& g) {
  if (g.code == 3 && g.type == acadsim::DxfGroupView::Type::String) {
    mPrompt = Utf8ToWide(g.text);
    return acadsim::OwnGroup::kTaken;
  }
  return mGroups.read(g);
}
