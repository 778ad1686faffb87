#include <acutads.h>
#include <dbdict.h>
#include <dbents.h>
#include <dbfiler.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include <unordered_map>

#include "DatabaseImpl.h"
#include "DatabaseSetup.h"
#include "DxfResbuf.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbSymbolTableRecord, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSymbolTableRecord);
ACRX_NO_CONS_DEFINE_MEMBERS(AcDbSymbolTable, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSymbolTable);
ACRX_NO_CONS_DEFINE_MEMBERS(AcDbAbstractViewTableRecord, AcDbSymbolTableRecord);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAbstractViewTableRecord);
ACRX_NO_CONS_DEFINE_MEMBERS(AcDbAbstractViewTable, AcDbSymbolTable);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAbstractViewTable);

#define ACADSIM_DEFINE_TABLE(TABLE, PARENT, RECORD, TABLE_DXF, RECORD_PARENT)                                   \
  ACRX_DXF_DEFINE_MEMBERS(TABLE, PARENT, 0, 0, 0, TABLE, AutoCAD);                                            \
  ACADSIM_HOST_CLASS_REGISTRATION(TABLE);                                                                     \
  ACRX_DXF_DEFINE_MEMBERS(RECORD, RECORD_PARENT, 0, 0, 0, TABLE_DXF, AutoCAD);                                \
  ACADSIM_HOST_CLASS_REGISTRATION(RECORD);                                                                    \
  TABLE::TABLE() = default;                                                                                   \
  TABLE::~TABLE() = default;                                                                                  \
  AcRxClass* TABLE::recordClass() const { return RECORD::desc(); }                                           \
  Acad::ErrorStatus TABLE::getAt(const ACHAR* entryName, RECORD*& pRec, AcDb::OpenMode openMode,              \
                                 bool openErasedRec) const {                                                  \
    pRec = nullptr;                                                                                           \
    AcDbSymbolTableRecord* rec = nullptr;                                                                     \
    Acad::ErrorStatus es = AcDbSymbolTable::getAt(entryName, rec, openMode, openErasedRec);                   \
    if (es == Acad::eOk) pRec = static_cast<RECORD*>(rec);                                                    \
    return es;                                                                                                \
  }                                                                                                           \
  Acad::ErrorStatus TABLE::newIterator(TABLE##Iterator*& pIterator, bool atBeginning, bool skipDeleted) const { \
    pIterator = new TABLE##Iterator(recordIds());                                                             \
    pIterator->start(atBeginning, skipDeleted);                                                               \
    return Acad::eOk;                                                                                         \
  }                                                                                                           \
  Acad::ErrorStatus TABLE##Iterator::getRecord(RECORD*& pRecord, AcDb::OpenMode openMode,                     \
                                               bool openErasedRec) const {                                    \
    pRecord = nullptr;                                                                                        \
    AcDbSymbolTableRecord* rec = nullptr;                                                                     \
    Acad::ErrorStatus es = AcDbSymbolTableIterator::getRecord(rec, openMode, openErasedRec);                  \
    if (es == Acad::eOk) pRecord = static_cast<RECORD*>(rec);                                                 \
    return es;                                                                                                \
  }

ACADSIM_DEFINE_TABLE(AcDbLayerTable, AcDbSymbolTable, AcDbLayerTableRecord, LAYER, AcDbSymbolTableRecord)
ACADSIM_DEFINE_TABLE(AcDbLinetypeTable, AcDbSymbolTable, AcDbLinetypeTableRecord, LTYPE, AcDbSymbolTableRecord)
ACADSIM_DEFINE_TABLE(AcDbTextStyleTable, AcDbSymbolTable, AcDbTextStyleTableRecord, STYLE, AcDbSymbolTableRecord)
ACADSIM_DEFINE_TABLE(AcDbDimStyleTable, AcDbSymbolTable, AcDbDimStyleTableRecord, DIMSTYLE, AcDbSymbolTableRecord)
ACADSIM_DEFINE_TABLE(AcDbRegAppTable, AcDbSymbolTable, AcDbRegAppTableRecord, APPID, AcDbSymbolTableRecord)
ACADSIM_DEFINE_TABLE(AcDbViewportTable, AcDbAbstractViewTable, AcDbViewportTableRecord, VPORT,
                     AcDbAbstractViewTableRecord)
ACADSIM_DEFINE_TABLE(AcDbViewTable, AcDbAbstractViewTable, AcDbViewTableRecord, VIEW, AcDbAbstractViewTableRecord)
ACADSIM_DEFINE_TABLE(AcDbUCSTable, AcDbSymbolTable, AcDbUCSTableRecord, UCS, AcDbSymbolTableRecord)
ACADSIM_DEFINE_TABLE(AcDbBlockTable, AcDbSymbolTable, AcDbBlockTableRecord, BLOCK_RECORD, AcDbSymbolTableRecord)

namespace {

bool isValidSymbolName(std::u16string_view name) {
  if (name.empty() || name.size() > 255) return false;
  for (char16_t c : name)
    if (c < 0x20 || std::u16string_view(u"<>/\\\":;?*|,=`").find(c) != std::u16string_view::npos) return false;
  return true;
}

bool writable(const AcDbObject* obj) { return obj->objectId().isNull() || obj->isWriteEnabled(); }

}  // namespace

// ---- records

AcDbSymbolTableRecord::AcDbSymbolTableRecord() = default;
AcDbSymbolTableRecord::~AcDbSymbolTableRecord() = default;

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& pName) const {
  pName = acadsim::newHostString(mName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& pName) const {
  pName = mName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* pName) {
  if (pName == nullptr || !isValidSymbolName(pName)) return Acad::eInvalidSymbolTableName;
  if (!writable(this)) return Acad::eNotOpenForWrite;
  mName = pName;
  return Acad::eOk;
}

bool AcDbSymbolTableRecord::isDependent() const { return mName.find(u'|') != std::u16string::npos; }

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  // Subclass markers (AcDbSymbolTableRecord, AcDbLayerTableRecord...) may sit between the name and flags.
  while (filer->readGroup(g)) {
    if (g.code == 100) continue;
    if (g.code == 2) {
      mName = Utf8ToWide(g.text);
    } else if (g.code == 70) {
      mFlags = static_cast<Adesk::Int16>(g.integer);
      break;
    } else {
      filer->pushBackItem();
      break;
    }
  }
  return filer->filerStatus();
}

// ---- tables

struct AcDbSymbolTable::NameIndex {
  std::unordered_map<std::u16string, AcDbObjectId> byUpperName;
};

AcDbSymbolTable::AcDbSymbolTable() : mIndex(std::make_unique<NameIndex>()) {}
AcDbSymbolTable::~AcDbSymbolTable() = default;

AcDbObjectId AcDbSymbolTable::findRecord(std::u16string_view name) const {
  auto it = mIndex->byUpperName.find(acadsim::upperCase(name));
  if (it == mIndex->byUpperName.end()) return AcDbObjectId::kNull;
  // A renamed record leaves a stale key behind; check the name still matches.
  AcDbStub* stub = it->second;
  auto* rec = stub && stub->object ? AcDbSymbolTableRecord::cast(stub->object) : nullptr;
  if (rec != nullptr && acadsim::equalNoCase(rec->name(), name)) return it->second;
  for (AcDbObjectId id : mRecords) {
    AcDbStub* s = id;
    auto* r = s && s->object ? AcDbSymbolTableRecord::cast(s->object) : nullptr;
    if (r != nullptr && !r->isErased() && acadsim::equalNoCase(r->name(), name)) return id;
  }
  return AcDbObjectId::kNull;
}

void AcDbSymbolTable::appendRecordUnchecked(AcDbObjectId id, std::u16string_view name) {
  mRecords.push_back(id);
  mIndex->byUpperName.try_emplace(acadsim::upperCase(name), id);
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* entryName, AcDbSymbolTableRecord*& pRec,
                                         AcDb::OpenMode openMode, bool openErasedRec) const {
  pRec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(entryName, id, openErasedRec);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pRec, id, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord) const {
  recordId.setNull();
  if (entryName == nullptr) return Acad::eInvalidInput;
  AcDbObjectId id = findRecord(entryName);
  if (id.isNull() || (!getErasedRecord && id.isErased())) return Acad::eKeyNotFound;
  recordId = id;
  return Acad::eOk;
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
  AcDbObjectId id;
  return name != nullptr && getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
  for (AcDbObjectId rec : mRecords)
    if (rec == id) return !id.isErased();
  return false;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* pRecord) {
  AcDbObjectId id;
  return add(id, pRecord);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord) {
  recordId.setNull();
  if (pRecord == nullptr) return Acad::eNullObjectPointer;
  if (objectId().isNull()) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (!pRecord->objectId().isNull()) return Acad::eAlreadyInDb;
  if (!pRecord->isKindOf(recordClass())) return Acad::eWrongObjectType;
  if (pRecord->name().empty()) return Acad::eInvalidSymbolTableName;
  if (!findRecord(pRecord->name()).isNull()) return Acad::eDuplicateRecordName;
  acadsim::DatabaseImpl& db = database()->impl();
  recordId = db.adopt(pRecord, 0, objectId());
  appendRecordUnchecked(recordId, pRecord->name());
  if (auto* block = AcDbBlockTableRecord::cast(pRecord)) {
    block->setBlockBeginId(db.adopt(new AcDbBlockBegin(), 0, recordId));
    block->setBlockEndId(db.adopt(new AcDbBlockEnd(), 0, recordId));
  }
  // The record stays open for write, as AutoCAD leaves it; the caller closes it.
  return acadsim::DatabaseImpl::open(pRecord, AcDb::kForWrite, false);
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& pIterator, bool atBeginning,
                                               bool skipDeleted) const {
  pIterator = new AcDbSymbolTableIterator(mRecords);
  pIterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

// ---- iterators

AcDbSymbolTableIterator::AcDbSymbolTableIterator(const std::vector<AcDbObjectId>& ids) : mIds(&ids) {}
AcDbSymbolTableIterator::~AcDbSymbolTableIterator() = default;

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
  mSkipDeleted = skipDeleted;
  mPos = atBeginning ? 0 : static_cast<long long>(mIds->size()) - 1;
  skipErased(atBeginning);
}

bool AcDbSymbolTableIterator::done() const { return mPos < 0 || mPos >= static_cast<long long>(mIds->size()); }

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
  mSkipDeleted = skipDeleted;
  mPos += forward ? 1 : -1;
  skipErased(forward);
}

void AcDbSymbolTableIterator::skipErased(bool forward) {
  while (mSkipDeleted && !done() && (*mIds)[static_cast<size_t>(mPos)].isErased()) mPos += forward ? 1 : -1;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
  if (done()) return Acad::eInvalidIndex;
  id = (*mIds)[static_cast<size_t>(mPos)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode,
                                                     bool openErasedRec) const {
  pRecord = nullptr;
  AcDbObjectId id;
  if (getRecordId(id) != Acad::eOk) return Acad::eInvalidIndex;
  return acdbOpenObject(pRecord, id, openMode, openErasedRec);
}

// ---- layers

AcDbLayerTableRecord::AcDbLayerTableRecord() { mColor.setColorIndex(7); }
AcDbLayerTableRecord::~AcDbLayerTableRecord() = default;

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) {
  if (!writable(this)) return Acad::eNotOpenForWrite;
  mFlags = static_cast<Adesk::Int16>(frozen ? (mFlags | 1) : (mFlags & ~1));
  return Acad::eOk;
}

void AcDbLayerTableRecord::setIsLocked(bool locked) {
  mFlags = static_cast<Adesk::Int16>(locked ? (mFlags | 4) : (mFlags & ~4));
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plot) {
  if (!writable(this)) return Acad::eNotOpenForWrite;
  mPlottable = plot;
  return Acad::eOk;
}

void AcDbLayerTableRecord::setColor(const AcCmColor& color) { mColor = color; }

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight) {
  if (weight == AcDb::kLnWtByLayer || weight == AcDb::kLnWtByBlock) return Acad::eInvalidInput;
  if (!writable(this)) return Acad::eNotOpenForWrite;
  mLineWeight = weight;
  return Acad::eOk;
}

ACHAR* AcDbLayerTableRecord::plotStyleName() const {
  std::u16string name = u"Normal";
  AcDbDatabase* db = database();
  if (db != nullptr && !mPlotStyleId.isNull())
    if (auto* dict = acadsim::peek<AcDbDictionary>(db->plotStyleNameDictionaryId()))
      for (const auto& entry : dict->entries())
        if (entry.id == mPlotStyleId) name = entry.name;
  return acadsim::newHostString(name);
}

Acad::ErrorStatus AcDbLayerTableRecord::setPlotStyleName(AcDbObjectId newId) {
  if (!writable(this)) return Acad::eNotOpenForWrite;
  mPlotStyleId = newId;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setMaterialId(AcDbObjectId id) {
  if (!writable(this)) return Acad::eNotOpenForWrite;
  mMaterialId = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  acadsim::DxfGroupView g;
  bool haveTrueColor = false;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 62: {
        mOff = g.integer < 0;  // a layer that is off stores its colour negated
        long long index = mOff ? -g.integer : g.integer;
        if (!haveTrueColor && index >= 1 && index <= 255) mColor.setColorIndex(static_cast<Adesk::UInt16>(index));
        break;
      }
      case 420:
        mColor.setRGB(static_cast<Adesk::UInt8>(g.integer >> 16), static_cast<Adesk::UInt8>(g.integer >> 8),
                      static_cast<Adesk::UInt8>(g.integer));
        haveTrueColor = true;
        break;
      case 430: {
        std::u16string text = Utf8ToWide(g.text);
        size_t dollar = text.find(u'$');
        if (dollar == std::u16string::npos) mColor.setNames(text.c_str());
        else mColor.setNames(text.substr(dollar + 1).c_str(), text.substr(0, dollar).c_str());
        break;
      }
      case 6: {
        std::u16string name = Utf8ToWide(g.text);
        mLinetypeId = acadsim::linetypeNamed(db, name);
        if (mLinetypeId.isNull()) db.layerLinetypeNames.emplace_back(objectId(), std::move(name));
        break;
      }
      case 290: mPlottable = g.integer != 0; break;
      case 370:
        if (g.integer >= -3 && g.integer <= 211) mLineWeight = AcDb::LineWeight(g.integer);
        break;
      case 390: mPlotStyleId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text))); break;
      case 347: mMaterialId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text))); break;
      default: break;
    }
  }
  return filer->filerStatus();
}

// ---- linetypes

AcDbLinetypeTableRecord::AcDbLinetypeTableRecord() = default;
AcDbLinetypeTableRecord::~AcDbLinetypeTableRecord() = default;

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(const ACHAR*& pComments) const {
  pComments = mComments.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const ACHAR* pComments) {
  if (pComments == nullptr) return Acad::eInvalidInput;
  mComments = pComments;
  return Acad::eOk;
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
  return index >= 0 && index < numDashes() ? mDashes[static_cast<size_t>(index)] : 0.0;
}

void AcDbLinetypeTableRecord::setNumDashes(int count) { mDashes.resize(count < 0 ? 0 : static_cast<size_t>(count)); }

void AcDbLinetypeTableRecord::setDashLengthAt(int index, double value) {
  if (index >= 0 && index < numDashes()) mDashes[static_cast<size_t>(index)] = value;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 3) mComments = Utf8ToWide(g.text);
    else if (g.code == 40) mPatternLength = g.real;
    else if (g.code == 49) mDashes.push_back(g.real);
  }
  return filer->filerStatus();
}

// ---- text styles

AcDbTextStyleTableRecord::AcDbTextStyleTableRecord() = default;
AcDbTextStyleTableRecord::~AcDbTextStyleTableRecord() = default;

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
  if (size < 0.0) return Acad::eInvalidInput;
  mTextSize = size;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double scale) {
  if (!(scale > 0.0)) return Acad::eInvalidInput;
  mXScale = scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle) {
  mObliquing = angle;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(const ACHAR*& name) const {
  name = mFileName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const ACHAR* name) {
  if (name == nullptr) return Acad::eInvalidInput;
  mFileName = name;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(const ACHAR*& name) const {
  name = mBigFontFileName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const ACHAR* name) {
  if (name == nullptr) return Acad::eInvalidInput;
  mBigFontFileName = name;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 40: mTextSize = g.real; break;
      case 41: if (g.real > 0.0) mXScale = g.real; break;
      case 50: mObliquing = g.real; break;
      case 3: mFileName = Utf8ToWide(g.text); break;
      case 4: mBigFontFileName = Utf8ToWide(g.text); break;
      default: break;
    }
  }
  return filer->filerStatus();
}

AcDbDimStyleTableRecord::AcDbDimStyleTableRecord() = default;
AcDbDimStyleTableRecord::~AcDbDimStyleTableRecord() = default;
AcDbRegAppTableRecord::AcDbRegAppTableRecord() = default;
AcDbRegAppTableRecord::~AcDbRegAppTableRecord() = default;
AcDbAbstractViewTableRecord::AcDbAbstractViewTableRecord() = default;
AcDbAbstractViewTableRecord::~AcDbAbstractViewTableRecord() = default;
AcDbViewportTableRecord::AcDbViewportTableRecord() = default;
AcDbViewportTableRecord::~AcDbViewportTableRecord() = default;
AcDbViewTableRecord::AcDbViewTableRecord() = default;
AcDbViewTableRecord::~AcDbViewTableRecord() = default;
AcDbUCSTableRecord::AcDbUCSTableRecord() = default;
AcDbUCSTableRecord::~AcDbUCSTableRecord() = default;
AcDbAbstractViewTable::AcDbAbstractViewTable() = default;
AcDbAbstractViewTable::~AcDbAbstractViewTable() = default;
