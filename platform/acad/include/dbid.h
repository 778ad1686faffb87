// AcDbObjectId: names an object of an open database; stable for as long as that database lives.
#pragma once
#include "adesk.h"
#include "dbhandle.h"

class AcDbDatabase;
class AcDbStub;

class AcDbObjectId {
 public:
  AcDbObjectId() = default;
  explicit AcDbObjectId(AcDbStub* stub) : mId(stub) {}

  static const AcDbObjectId kNull;

  bool isNull() const { return mId == nullptr; }
  void setNull() { mId = nullptr; }
  // Names an object that exists in its database (erased or not).
  bool isValid() const;
  bool isErased() const;
  AcDbDatabase* database() const;
  AcDbHandle handle() const;
  Adesk::IntDbId asOldId() const { return Adesk::IntDbId(reinterpret_cast<Adesk::IntPtr>(mId)); }
  AcDbObjectId& setFromOldId(Adesk::IntDbId oldId) {
    mId = reinterpret_cast<AcDbStub*>(Adesk::IntPtr(oldId));
    return *this;
  }

  operator AcDbStub*() const { return mId; }
  bool operator==(const AcDbObjectId& id) const { return mId == id.mId; }
  bool operator!=(const AcDbObjectId& id) const { return mId != id.mId; }
  bool operator<(const AcDbObjectId& id) const { return mId < id.mId; }
  bool operator>(const AcDbObjectId& id) const { return mId > id.mId; }
  bool operator<=(const AcDbObjectId& id) const { return mId <= id.mId; }
  bool operator>=(const AcDbObjectId& id) const { return mId >= id.mId; }

 private:
  AcDbStub* mId = nullptr;
};

typedef AcDbObjectId AcDbHardOwnershipId;
typedef AcDbObjectId AcDbSoftOwnershipId;
typedef AcDbObjectId AcDbHardPointerId;
typedef AcDbObjectId AcDbSoftPointerId;
