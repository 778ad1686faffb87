// DIMENSION and its kin: the groups every dimension has, read around those of its kind.
#include <dbdim.h>
#include <dbfiler.h>

#include <cmath>

#include "../DatabaseImpl.h"
#include "../text/GroupValues.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbDimension, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDimension);

AcDbDimension::AcDbDimension() = default;
AcDbDimension::~AcDbDimension() = default;

ACHAR* AcDbDimension::dimensionText() const { return acadsim::newHostString(mText); }

AcDbObjectId AcDbDimension::dimBlockId() const {
  if (!mBlockId.isNull() || mBlockName.empty() || database() == nullptr) return mBlockId;
  // A block defined after the dimension that names it (in the BLOCKS section of R12 files) is found now.
  return acadsim::annotation::blockNamed(database()->impl(), mBlockName);
}

double AcDbDimension::elevation() const { return (mDefinitionPoint - AcGePoint3d::kOrigin).dotProduct(mNormal); }

Acad::ErrorStatus AcDbDimension::measurement(double& value) {
  if (!mHasStoredMeasurement) return measureFromPoints(value);
  value = mStoredMeasurement;
  return Acad::eOk;
}

bool AcDbDimension::dxfInKindGroup(const acadsim::DxfGroupView&) { return false; }

Acad::ErrorStatus AcDbDimension::measureFromPoints(double&) const { return Acad::eNotApplicable; }

bool AcDbDimension::dxfInCommonGroup(const acadsim::DxfGroupView& g, acadsim::DatabaseImpl& db) {
  using namespace acadsim;
  using namespace acadsim::annotation;
  switch (g.code) {
    case 1: return takeString(g, mText);
    case 2:
      if (!takeString(g, mBlockName)) return false;
      mBlockId = blockNamed(db, mBlockName);
      return true;
    case 3: {
      std::u16string name;
      if (!takeString(g, name)) return false;
      mStyleId = dimStyleNamed(db, name);
      return true;
    }
    case 10: case 20: case 30: return takePoint(g, 10, mDefinitionPoint);
    case 11: case 21: case 31: return takePoint(g, 11, mTextPosition);
    case 42: {
      double stored = std::nan("");
      if (!takeReal(g, stored)) return false;
      // Writers that do not work the value out store -1; no length or angle a dimension shows is negative.
      if (std::isfinite(stored) && stored >= 0.0) {
        mStoredMeasurement = stored;
        mHasStoredMeasurement = true;
      }
      return true;
    }
    case 70:
      if (g.type != DxfGroupView::Type::Integer) return false;
      mTypeFlags = static_cast<Adesk::UInt16>(g.integer);
      return true;
    case 210: case 220: case 230: return takeVector(g, 210, mNormal);
    // Text placement and version groups the host does not use; taken so that no kind reads them as its own.
    case 12: case 22: case 32: case 41: case 51: case 53: case 71: case 72: case 73: case 74: case 75: case 280:
      return true;
    default: return false;
  }
}

Acad::ErrorStatus AcDbDimension::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  mStyleId = acadsim::annotation::dimStyleNamed(db, u"");  // a dimension without group 3 is in "Standard"
  // The kinds reuse codes of the common groups (70, 71, 41 of ARC_DIMENSION) after their subclass marker;
  // files without markers mix both, where the common groups come first.
  enum class Section { kUnmarked, kCommon, kKind } section = Section::kUnmarked;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 100) {
      section = g.text == "AcDbDimension" ? Section::kCommon : Section::kKind;
      continue;
    }
    if (section == Section::kKind) {
      if (!dxfInKindGroup(g)) dxfInCommonGroup(g, db);
    } else if (!dxfInCommonGroup(g, db)) {
      dxfInKindGroup(g);
    }
  }
  mNormal = acadsim::annotation::unitNormal(mNormal);
  mTextPosition = acadsim::annotation::ocsToWcs(mTextPosition, mNormal);
  return filer->filerStatus();
}
