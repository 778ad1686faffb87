#include <dbents.h>
#include <dbfiler.h>
#include <dbsymtb.h>

#include <algorithm>
#include <set>

#include "DatabaseImpl.h"
#include "DxfResbuf.h"

AcDbBlockTableRecord::AcDbBlockTableRecord() = default;
AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* pEntity) {
  AcDbObjectId id;
  return appendAcDbEntity(id, pEntity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity) {
  pOutputId.setNull();
  if (pEntity == nullptr) return Acad::eNullEntityPointer;
  if (objectId().isNull()) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (!pEntity->objectId().isNull()) return Acad::eAlreadyInDb;
  acadsim::DatabaseImpl& db = database()->impl();
  // An entity made in memory without a layer goes on the current layer, as AutoCAD's defaults do.
  if (pEntity->layerId().isNull()) pEntity->setLayer(database()->clayer());
  if (pEntity->linetypeId().isNull()) pEntity->setLinetype(database()->byLayerLinetype());
  pOutputId = db.adopt(pEntity, 0, objectId());
  mEntities.push_back(pOutputId);
  return acadsim::DatabaseImpl::open(pEntity, AcDb::kForWrite, false);
}

void AcDbBlockTableRecord::removeResidentEntities(const std::vector<AcDbObjectId>& ids) {
  std::set<AcDbObjectId> gone(ids.begin(), ids.end());
  mEntities.erase(std::remove_if(mEntities.begin(), mEntities.end(), [&](AcDbObjectId id) { return gone.count(id); }),
                  mEntities.end());
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning,
                                                    bool skipDeleted) const {
  pIterator = new AcDbBlockTableRecordIterator(mEntities);
  pIterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(const ACHAR*& pPath) const {
  pPath = mPathName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(ACHAR*& pPath) const {
  pPath = acadsim::newHostString(mPathName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setPathName(const ACHAR* pathStr) {
  if (pathStr == nullptr) return Acad::eInvalidInput;
  mPathName = pathStr;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(const ACHAR*& pComment) const {
  pComment = mComments.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& pt) {
  mOrigin = pt;
  return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const {
  std::u16string upper;
  for (char16_t c : name()) upper += (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
  return upper == u"*MODEL_SPACE" || upper.rfind(u"*PAPER_SPACE", 0) == 0 || !mLayoutId.isNull();
}

Acad::ErrorStatus AcDbBlockTableRecord::setLayoutId(AcDbObjectId id) {
  mLayoutId = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 340) mLayoutId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text)));
  }
  return filer->filerStatus();
}


AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(const std::vector<AcDbObjectId>& ids) : mIds(&ids) {}
AcDbBlockTableRecordIterator::~AcDbBlockTableRecordIterator() = default;

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
  mSkipDeleted = skipDeleted;
  mPos = atBeginning ? 0 : static_cast<long long>(mIds->size()) - 1;
  skipErased(atBeginning);
}

bool AcDbBlockTableRecordIterator::done() const {
  return mPos < 0 || mPos >= static_cast<long long>(mIds->size());
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
  mSkipDeleted = skipDeleted;
  mPos += forward ? 1 : -1;
  skipErased(forward);
}

void AcDbBlockTableRecordIterator::skipErased(bool forward) {
  while (mSkipDeleted && !done() && (*mIds)[static_cast<size_t>(mPos)].isErased()) mPos += forward ? 1 : -1;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& entityId) const {
  if (done()) return Acad::eInvalidIndex;
  entityId = (*mIds)[static_cast<size_t>(mPos)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode,
                                                          bool openErasedEntity) const {
  pEntity = nullptr;
  AcDbObjectId id;
  if (getEntityId(id) != Acad::eOk) return Acad::eInvalidIndex;
  return acdbOpenAcDbEntity(pEntity, id, openMode, openErasedEntity);
}
