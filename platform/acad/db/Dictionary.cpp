#include <acutads.h>
#include <dbdict.h>
#include <dbfiler.h>
#include <qvwide.h>

#include <algorithm>

#include "DatabaseImpl.h"
#include "DxfResbuf.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbDictionary, AcDbObject, 0, 0, 0, DICTIONARY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDictionary);
ACRX_DXF_DEFINE_MEMBERS(AcDbDictionaryWithDefault, AcDbDictionary, 0, 0, 0, ACDBDICTIONARYWDFLT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDictionaryWithDefault);

AcDbDictionary::AcDbDictionary() = default;
AcDbDictionary::~AcDbDictionary() = default;

long long AcDbDictionary::findIndex(std::u16string_view name) const {
  for (size_t i = 0; i < mEntries.size(); ++i)
    if (acadsim::equalNoCase(mEntries[i].name, name)) return static_cast<long long>(i);
  return -1;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const {
  entryObj = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(entryName, id);
  if (es != Acad::eOk) return es;
  return acdbOpenAcDbObject(entryObj, id, mode);
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObjectId& entryObj) const {
  entryObj.setNull();
  if (entryName == nullptr) return Acad::eInvalidKey;
  long long i = findIndex(entryName);
  if (i < 0) return Acad::eKeyNotFound;
  const AcDbObjectId& id = mEntries[static_cast<size_t>(i)].id;
  if (!id.isValid()) return Acad::eKeyNotFound;
  if (id.isErased()) return Acad::eWasErased;
  entryObj = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objId, ACHAR*& name) const {
  name = nullptr;
  for (const Entry& e : mEntries) {
    if (e.id == objId) {
      name = acadsim::newHostString(e.name);
      return Acad::eOk;
    }
  }
  return Acad::eKeyNotFound;
}

bool AcDbDictionary::has(const ACHAR* entryName) const {
  AcDbObjectId id;
  return getAt(entryName, id) == Acad::eOk;
}

bool AcDbDictionary::has(AcDbObjectId objId) const {
  return std::any_of(mEntries.begin(), mEntries.end(), [&](const Entry& e) { return e.id == objId; });
}

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId) {
  retObjId.setNull();
  if (srchKey == nullptr || *srchKey == 0) return Acad::eInvalidKey;
  if (newValue == nullptr) return Acad::eNullObjectPointer;
  if (objectId().isNull()) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  acadsim::DatabaseImpl& db = database()->impl();
  if (newValue->objectId().isNull()) {
    retObjId = db.adopt(newValue, 0, objectId());
    acadsim::DatabaseImpl::open(newValue, AcDb::kForWrite, false);
  } else {
    retObjId = newValue->objectId();
    acadsim::DatabaseImpl::setOwner(newValue, objectId());
  }
  long long i = findIndex(srchKey);
  if (i >= 0) mEntries[static_cast<size_t>(i)].id = retObjId;
  else mEntries.push_back(Entry{srchKey, retObjId});
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key) {
  AcDbObjectId id;
  return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& returnId) {
  returnId.setNull();
  if (key == nullptr) return Acad::eInvalidKey;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  long long i = findIndex(key);
  if (i < 0) return Acad::eKeyNotFound;
  returnId = mEntries[static_cast<size_t>(i)].id;
  mEntries.erase(mEntries.begin() + i);
  return Acad::eOk;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator(AcRx::DictIterType iterType) const {
  std::vector<Entry> entries;
  for (const Entry& e : mEntries)
    if (e.id.isValid() && !e.id.isErased()) entries.push_back(e);
  if (iterType == AcRx::kDictSorted)
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return acadsim::upperCase(a.name) < acadsim::upperCase(b.name); });
  return new AcDbDictionaryIterator(std::move(entries));
}

void AcDbDictionary::addEntryUnchecked(std::u16string name, AcDbObjectId id) {
  mEntries.push_back(Entry{std::move(name), id});
}

Acad::ErrorStatus AcDbDictionary::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  acadsim::DxfGroupView g;
  std::u16string name;
  bool haveName = false;
  while (filer->readGroup(g)) {
    if (g.code == 280) {
      mHardOwner = g.integer != 0;
    } else if (g.code == 3) {
      name = Utf8ToWide(g.text);
      haveName = true;
    } else if ((g.code == 350 || g.code == 360) && haveName) {
      addEntryUnchecked(std::move(name), AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text))));
      haveName = false;
    } else if (g.code == 100 && g.text == "AcDbDictionaryWithDefault") {
      filer->pushBackItem();
      break;
    }
  }
  return filer->filerStatus();
}

AcDbDictionaryWithDefault::AcDbDictionaryWithDefault() = default;
AcDbDictionaryWithDefault::~AcDbDictionaryWithDefault() = default;

Acad::ErrorStatus AcDbDictionaryWithDefault::setDefaultId(const AcDbObjectId& newId) {
  mDefaultId = newId;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionaryWithDefault::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbDictionary::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  acadsim::DxfGroupView g;
  while (filer->readGroup(g))
    if (g.code == 340) mDefaultId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text)));
  return filer->filerStatus();
}

AcDbDictionaryIterator::AcDbDictionaryIterator(std::vector<AcDbDictionary::Entry> entries)
    : mEntries(std::move(entries)) {}
AcDbDictionaryIterator::~AcDbDictionaryIterator() = default;

const ACHAR* AcDbDictionaryIterator::name() const { return done() ? nullptr : mEntries[mPos].name.c_str(); }

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& pObject, AcDb::OpenMode openMode) {
  pObject = nullptr;
  if (done()) return Acad::eInvalidIndex;
  return acdbOpenAcDbObject(pObject, mEntries[mPos].id, openMode);
}

AcDbObjectId AcDbDictionaryIterator::objectId() const { return done() ? AcDbObjectId::kNull : mEntries[mPos].id; }
bool AcDbDictionaryIterator::done() const { return mPos >= mEntries.size(); }
bool AcDbDictionaryIterator::next() {
  if (!done()) ++mPos;
  return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId objId) {
  for (size_t i = 0; i < mEntries.size(); ++i) {
    if (mEntries[i].id == objId) {
      mPos = i;
      return true;
    }
  }
  return false;
}
