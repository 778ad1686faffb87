#include <acutads.h>
#include <dbdict.h>
#include <dbfiler.h>
#include <dbmain.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include "DatabaseImpl.h"
#include "DxfResbuf.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbObject, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbObject);

AcDbObject::AcDbObject() = default;
AcDbObject::~AcDbObject() = default;

AcDbDatabase* AcDbObject::database() const { return mId.database(); }

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const { handle = mId.handle(); }

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId objId) {
  if (!mId.isNull() && !mWriteOpen) return Acad::eNotOpenForWrite;
  mOwnerId = objId;
  return Acad::eOk;
}

void AcDbObject::noteDatabaseChange() const {
  if (AcDbStub* stub = mId; stub != nullptr && stub->db != nullptr) stub->db->noteChange(stub);
}

Acad::ErrorStatus AcDbObject::openAs(AcDb::OpenMode mode, bool openErased) {
  constexpr Adesk::UInt16 kMaxReaders = 256;
  if (mErased && !openErased) return Acad::eWasErased;
  switch (mode) {
    case AcDb::kForRead:
      if (mWriteOpen) return Acad::eWasOpenedForWrite;
      if (mNotifyOpen) return Acad::eWasOpenedForNotify;
      if (mReaders >= kMaxReaders) return Acad::eAtMaxReaders;
      ++mReaders;
      return Acad::eOk;
    case AcDb::kForWrite:
      if (mWriteOpen) return Acad::eWasOpenedForWrite;
      if (mNotifyOpen) return Acad::eWasOpenedForNotify;
      if (mReaders > 0) return Acad::eWasOpenedForRead;
      mWriteOpen = true;
      noteDatabaseChange();
      return Acad::eOk;
    case AcDb::kForNotify:
      if (mNotifyOpen) return Acad::eWasOpenedForNotify;
      mNotifyOpen = true;
      return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus AcDbObject::close() {
  if (mId.isNull()) return Acad::eOk;  // a new object outside a database has nothing to close
  if (mNotifyOpen) {
    mNotifyOpen = false;
  } else if (mWriteOpen) {
    mWriteOpen = false;
  } else if (mReaders > 0) {
    --mReaders;
  } else {
    return Acad::eNotOpenForRead;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
  if (mWriteOpen) return Acad::eWasOpenedForWrite;
  if (mReaders == 0) return Acad::eNotOpenForRead;
  if (mReaders > 1) return Acad::eHadMultipleReaders;
  mReaders = 0;
  mWriteOpen = true;
  noteDatabaseChange();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
  if (!mWriteOpen) return Acad::eNotOpenForWrite;
  mWriteOpen = false;
  mReaders = 1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing) {
  if (!mId.isNull() && !mWriteOpen) return Acad::eNotOpenForWrite;
  if (mErased == erasing) return erasing ? Acad::eWasErased : Acad::eWasNotErased;
  mErased = erasing;
  noteDatabaseChange();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
  if (mId.isNull()) return Acad::eNoDatabase;
  if (!mWriteOpen) return Acad::eNotOpenForWrite;
  if (!mXDictId.isNull()) return Acad::eAlreadyInDb;
  auto* dict = new AcDbDictionary();
  dict->setTreatElementsAsHard(true);
  mXDictId = database()->impl().addObject(dict);
  dict->mId = mXDictId;
  dict->mOwnerId = mId;
  return Acad::eOk;
}

resbuf* AcDbObject::xData(const ACHAR* regappName) const {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  const acadsim::DatabaseImpl* db = mId.isNull() ? nullptr : &database()->impl();
  bool copying = false;
  for (size_t i = 0; i < mXData.size(); ++i) {
    if (mXData.code(i) == 1001) {
      copying = regappName == nullptr ||
                acadsim::equalNoCase(Utf8ToWide(mXData.string(i)), std::u16string_view(regappName));
    }
    if (!copying) continue;
    if (resbuf* rb = acadsim::groupToResbuf(mXData, i, db)) {
      *tail = rb;
      tail = &rb->rbnext;
    }
  }
  return head;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
  if (!mId.isNull() && !mWriteOpen) return Acad::eNotOpenForWrite;
  // Check every application first so a refused chain changes nothing.
  for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 1001) {
      if (rb->resval.rstring == nullptr) return Acad::eInvalidInput;
      if (!mId.isNull()) {
        auto* apps = acadsim::peek<AcDbRegAppTable>(database()->regAppTableId());
        if (apps == nullptr || !apps->has(rb->resval.rstring)) return Acad::eRegappIdNotFound;
      }
    } else if (rb->restype < 1000 || rb->restype > 1071) {
      return Acad::eInvalidResBuf;
    } else if (rb == xdata) {
      return Acad::eInvalidResBuf;  // groups must follow an application name
    }
  }
  acadsim::DxfData replaced;
  // Keep the applications the chain does not name.
  for (size_t i = 0; i < mXData.size();) {
    size_t end = i + 1;
    while (end < mXData.size() && mXData.code(end) != 1001) ++end;
    std::u16string app = Utf8ToWide(mXData.string(i));
    bool named = false;
    for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext)
      if (rb->restype == 1001 && acadsim::equalNoCase(app, rb->resval.rstring)) named = true;
    if (!named) replaced.appendRange(mXData, i, end);
    i = end;
  }
  for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
    // An application name with nothing after it removes that application's data.
    if (rb->restype == 1001 && (rb->rbnext == nullptr || rb->rbnext->restype == 1001)) continue;
    acadsim::appendResbufGroup(*rb, replaced);
  }
  mXData.assignCompact(replaced);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
  acadsim::DatabaseImpl& db = filer->database()->impl();
  acadsim::DxfGroupView g;
  enum class Group { None, Reactors, XDictionary, Other } group = Group::None;
  bool ownerSeen = false;
  while (filer->readGroup(g)) {
    if (g.code == 102) {
      if (g.text == "}") {
        group = Group::None;
      } else if (g.text == "{ACAD_REACTORS") {
        group = Group::Reactors;
      } else if (g.text == "{ACAD_XDICTIONARY") {
        group = Group::XDictionary;
      } else {
        group = Group::Other;  // an application's own group: not kept
      }
      continue;
    }
    if (group == Group::Reactors) {
      if (g.code == 330) mReactors.push_back(AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text))));
      continue;
    }
    if (group == Group::XDictionary) {
      if (g.code == 360) mXDictId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text)));
      continue;
    }
    if (group == Group::Other) continue;
    if (g.code == 5 || g.code == 105) continue;  // the reader registered the handle already
    if (g.code == 330 && !ownerSeen) {
      ownerSeen = true;
      mOwnerId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text)));
      continue;
    }
    filer->pushBackItem();
    break;
  }
  filer->markSubclassDataStart();
  return filer->filerStatus();
}
