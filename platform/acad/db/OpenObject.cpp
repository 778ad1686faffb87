#include <dbmain.h>

#include "DatabaseImpl.h"
#include "DxfResbuf.h"

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedObject) {
  pObj = nullptr;
  if (id.isNull()) return Acad::eNullObjectId;
  AcDbStub* stub = id;
  // A handle the file referred to but never defined names nothing.
  if (stub->object == nullptr) return Acad::eUnknownHandle;
  Acad::ErrorStatus es = acadsim::DatabaseImpl::open(stub->object, mode, openErasedObject);
  if (es == Acad::eOk) pObj = stub->object;
  return es;
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedEntity) {
  pEnt = nullptr;
  if (id.isNull()) return Acad::eNullObjectId;
  AcDbStub* stub = id;
  if (stub->object != nullptr && AcDbEntity::cast(stub->object) == nullptr) return Acad::eNotAnEntity;
  AcDbObject* obj = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(obj, id, mode, openErasedEntity);
  if (es == Acad::eOk) pEnt = static_cast<AcDbEntity*>(obj);
  return es;
}

Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId) {
  objName[0] = objName[1] = 0;
  if (objId.isNull()) return Acad::eNullObjectId;
  acadsim::setEntityName(objName, objId);
  return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName) {
  objId.setNull();
  if (objName == nullptr) return Acad::eInvalidAdsName;
  acadsim::DatabaseImpl* db = objName[0] < 0 ? nullptr : acadsim::databaseBySerial(static_cast<uint64_t>(objName[1]));
  AcDbStub* stub = db ? db->stubByIndex(static_cast<uint64_t>(objName[0])) : nullptr;
  if (stub == nullptr || stub->object == nullptr) return Acad::eInvalidAdsName;
  objId = AcDbObjectId(stub);
  return Acad::eOk;
}
