// AcDbBlockReference: an INSERT, its block, placement and attributes.
#include <dbblkref.h>
#include <dbsymtb.h>
#include <dbtext.h>
#include <qvwide.h>

#include <cmath>

#include "DxfGroupValues.h"

namespace groups = acadsim::blockgroups;

ACRX_DXF_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity, 0, 0, 0, INSERT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBlockReference);
AcDbBlockReference::AcDbBlockReference() = default;
AcDbBlockReference::~AcDbBlockReference() = default;

namespace {

bool allFinite(const AcGeMatrix3d& m) {
  for (const auto& row : m.entry)
    for (double e : row)
      if (!std::isfinite(e)) return false;
  return true;
}

// AutoCAD keeps a rotation between 0 and 2 pi.
double degreesToRadians(double degrees) {
  double turn = std::fmod(degrees, 360.0);
  if (turn < 0.0) turn += 360.0;
  return turn * M_PI / 180.0;
}

}  // namespace

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
  if (mBlockId.isNull() && !mBlockName.empty())
    if (AcDbDatabase* db = database())
      if (auto* blocks = acadsim::peek<AcDbBlockTable>(db->blockTableId())) mBlockId = blocks->findRecord(mBlockName);
  return mBlockId;
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
  AcGePoint3d base;
  if (auto* block = acadsim::peek<AcDbBlockTableRecord>(blockTableRecord())) base = block->origin();
  AcGeMatrix3d toPosition = AcGeMatrix3d::translation(mPosition - AcGePoint3d::kOrigin);
  AcGeMatrix3d m = toPosition * AcGeMatrix3d::planeToWorld(mNormal) *
                   AcGeMatrix3d::rotation(mRotation, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(mScale) *
                   AcGeMatrix3d::translation(AcGePoint3d::kOrigin - base);
  return allFinite(m) ? m : toPosition * AcGeMatrix3d::scaling(0.0);
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const {
  std::vector<AcDbObjectId> attributes;
  for (AcDbObjectId id : subentityIds())
    if (acadsim::peek<AcDbAttribute>(id) != nullptr) attributes.push_back(id);
  return new AcDbObjectIterator(std::move(attributes));
}

bool AcDbBlockReference::dxfInGridGroup(const acadsim::DxfGroupView&) { return false; }

// The insertion point is written in the plane of the normal, which follows it in the file.
Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  AcGePoint3d ocsPosition;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double value = 0.0;
  bool own = true;
  while (own && filer->readGroup(g)) {
    switch (g.code) {
      case 100:
        own = g.text == "AcDbBlockReference" || g.text == "AcDbMInsertBlock";
        if (!own) filer->pushBackItem();  // a derived class's subclass (AcDbTable) follows
        break;
      case 2: {
        mBlockName = Utf8ToWide(g.text);
        auto* blocks = acadsim::peek<AcDbBlockTable>(filer->database()->blockTableId());
        mBlockId = blocks ? blocks->findRecord(mBlockName) : AcDbObjectId::kNull;
        break;
      }
      case 10: groups::finitePoint(g, ocsPosition); break;
      case 41: if (groups::finiteReal(g, value)) mScale.sx = value; break;
      case 42: if (groups::finiteReal(g, value)) mScale.sy = value; break;
      case 43: if (groups::finiteReal(g, value)) mScale.sz = value; break;
      case 50: if (groups::finiteReal(g, value)) mRotation = degreesToRadians(value); break;
      case 210: {
        AcGePoint3d n;
        if (groups::finitePoint(g, n)) normal = n - AcGePoint3d::kOrigin;
        break;
      }
      default: dxfInGridGroup(g); break;
    }
  }
  mNormal = groups::unitVector(normal);
  mPosition = AcGeMatrix3d::planeToWorld(mNormal) * ocsPosition;
  return filer->filerStatus();
}
