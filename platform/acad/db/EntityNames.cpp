// entmake, entlast, entnext, entdel and handent: main entities of the working database by entity name.
#include <acadsim/SystemVariables.h>
#include <acedads.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include <string>
#include <string_view>

#include "../dxf/DxfClassMap.h"
#include "../dxf/DxfReadFiler.h"
#include "DatabaseImpl.h"
#include "DxfResbuf.h"

namespace {

using acadsim::DatabaseImpl;
using acadsim::DxfData;

// AutoLISP's ERRNO values for the failures here.
constexpr short kErrInvalidName = 2;
constexpr short kErrEndOfEntities = 8;
constexpr short kErrNoLastEntity = 10;
constexpr short kErrInvalidHandle = 13;
constexpr short kErrBadEntityType = 36;
constexpr short kErrMandatoryFieldMissing = 47;

int fail(short errnoValue) {
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = errnoValue;
  acadsim::setHostSystemVariable(u"ERRNO", value);
  return RTERROR;
}

bool isLayoutBlock(const DatabaseImpl& db, AcDbObjectId owner) {
  if (owner.isNull()) return false;
  if (owner == db.modelSpace || owner == db.paperSpace) return true;
  auto* block = acadsim::peek<AcDbBlockTableRecord>(owner);
  return block != nullptr && !block->getLayoutId().isNull();
}

// A main entity: owned by model space or a layout; a sub-entity: owned by an entity (vertices, attributes).
enum class EntityKind { None, Main, Sub };

EntityKind kindOf(const DatabaseImpl& db, const AcDbStub* stub) {
  const AcDbEntity* entity = stub->object ? AcDbEntity::cast(stub->object) : nullptr;
  if (entity == nullptr || entity->isErased()) return EntityKind::None;
  if (isLayoutBlock(db, entity->ownerId())) {
    // The BLOCK and ENDBLK entities that frame a block's contents are not drawing entities.
    auto* block = acadsim::peek<AcDbBlockTableRecord>(entity->ownerId());
    const AcDbObjectId id(const_cast<AcDbStub*>(stub));
    return block != nullptr && (block->blockBeginId() == id || block->blockEndId() == id) ? EntityKind::None : EntityKind::Main;
  }
  return acadsim::peek<AcDbEntity>(entity->ownerId()) != nullptr ? EntityKind::Sub : EntityKind::None;
}

DatabaseImpl* workingDb() {
  AcDbDatabase* db = acadsim::workingDatabaseOrNull();
  return db ? &db->impl() : nullptr;
}

// The entity types entmake takes in one call: complex entities (POLYLINE with VERTEX, INSERT with
// attributes) and block definitions need sequences and are refused.
bool takesType(std::u16string_view type) {
  for (std::u16string_view refused : {u"POLYLINE", u"VERTEX", u"SEQEND", u"ATTRIB", u"BLOCK", u"ENDBLK"})
    if (acadsim::equalNoCase(type, refused)) return false;
  return true;
}

bool isCommonGroup(int code) {
  switch (code) {
    case 6: case 8: case 48: case 60: case 62: case 67: case 284: case 347: case 370: case 380: case 390:
    case 410: case 420: case 430: case 440: return true;
    default: return false;
  }
}

// Codes whose resbuf carries an entity name, stored in DXF as the named object's handle.
bool isNameCode(int code) { return (code >= 320 && code <= 369) || (code >= 390 && code <= 399); }

// The groups an entity type cannot do without.
bool hasMandatoryGroups(std::u16string_view type, const DxfData& data) {
  auto has = [&](int code) {
    for (size_t i = 0; i < data.size(); ++i)
      if (data.code(i) == code) return true;
    return false;
  };
  if (acadsim::equalNoCase(type, u"LINE")) return has(10) && has(11);
  if (acadsim::equalNoCase(type, u"CIRCLE") || acadsim::equalNoCase(type, u"ARC")) return has(10) && has(40);
  if (acadsim::equalNoCase(type, u"TEXT")) return has(10) && has(1);
  if (acadsim::equalNoCase(type, u"POINT")) return has(10);
  return true;
}

// One group of the list in DXF form; false for a code with no DXF meaning or a name that names nothing.
bool addGroup(const resbuf& rb, int code, DxfData& out) {
  if (isNameCode(code)) {
    AcDbObjectId id;
    ads_name name = {rb.resval.rlname[0], rb.resval.rlname[1]};
    if (acdbGetObjectId(id, name) != Acad::eOk) return false;
    ACHAR handle[17];
    id.handle().getIntoAsciiBuffer(handle, 17);
    out.addString(code, WideToUtf8(handle));
    return true;
  }
  const size_t before = out.size();
  resbuf group = rb;
  group.restype = static_cast<short>(code);
  acadsim::appendResbufGroup(group, out);
  return out.size() > before;
}

// The list's groups in the order AcDbEntity reads them: common groups first when the list has no
// subclass markers (entmake takes them anywhere); -1, 5 and 330 are not the caller's to give.
bool groupsOfList(const resbuf* list, std::u16string& type, DxfData& data, bool& hasLayer) {
  DxfData given;
  bool markers = false;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    const int code = rb->restype == RTDXF0 ? 0 : rb->restype;
    if (code == -1 || code == 5 || code == 330 || code == 105) continue;
    if (code == 0) {
      if (!type.empty() || rb->resval.rstring == nullptr) return false;
      type = rb->resval.rstring;
      continue;
    }
    if (code == 100) markers = true;
    if (code == 8) {
      if (rb->resval.rstring == nullptr || *rb->resval.rstring == 0) return false;
      hasLayer = true;
    }
    if (!addGroup(*rb, code, given)) return false;
  }
  if (type.empty()) return false;
  if (markers) {
    data.appendRange(given, 0, given.size());
    return true;
  }
  for (size_t i = 0; i < given.size(); ++i)
    if (isCommonGroup(given.code(i))) data.appendRange(given, i, i + 1);
  for (size_t i = 0; i < given.size(); ++i)
    if (!isCommonGroup(given.code(i))) data.appendRange(given, i, i + 1);
  return true;
}

}  // namespace

int acdbEntMake(const resbuf* entm) {
  DatabaseImpl* db = workingDb();
  if (db == nullptr || entm == nullptr) return fail(kErrBadEntityType);
  std::u16string type;
  DxfData data;
  bool hasLayer = false;
  if (!groupsOfList(entm, type, data, hasLayer)) return fail(kErrBadEntityType);
  if (!takesType(type)) return fail(kErrBadEntityType);
  if (!hasMandatoryGroups(type, data)) return fail(kErrMandatoryFieldMissing);
  std::string typeUtf8 = WideToUtf8(acadsim::upperCase(type));
  AcDbObject* obj = acadsim::newObjectForDxfType(typeUtf8, data, nullptr, true);
  auto* entity = obj ? AcDbEntity::cast(obj) : nullptr;
  if (entity == nullptr || entity->isAProxy()) {
    delete obj;
    return fail(kErrBadEntityType);
  }
  // INSERT with attributes following (66 = 1) needs the attribute sequence.
  for (size_t i = 0; i < data.size(); ++i) {
    if (data.code(i) == 66 && data.type(i) == DxfData::Type::Integer && data.integer(i) != 0) {
      delete obj;
      return fail(kErrBadEntityType);
    }
  }
  AcDbObjectId spaceId = db->owner->currentSpaceId();
  auto* space = acadsim::peek<AcDbBlockTableRecord>(spaceId);
  if (space == nullptr) {
    delete obj;
    return fail(kErrBadEntityType);
  }
  AcDbObjectId id = db->adopt(obj, 0, spaceId);
  acadsim::DxfReadFiler filer(db->owner, data, data.size());
  if (obj->dxfInFields(&filer) != Acad::eOk) {
    // The handle stays used, as an undone entmake leaves it in AutoCAD.
    static_cast<AcDbStub*>(id)->object = nullptr;
    delete obj;
    return fail(kErrBadEntityType);
  }
  DatabaseImpl::setOwner(obj, spaceId);
  obj->dxfSubclassData().assignRange(data, filer.subclassDataStart(), data.size());
  // No layer given: the current layer, as entmake does; a named layer that is missing was made by reading.
  if (!hasLayer) {
    DatabaseImpl::open(obj, AcDb::kForWrite, false);
    entity->setLayer(db->owner->clayer());
    obj->close();
  }
  space->appendResidentEntity(id);
  return RTNORM;
}

int acdbEntLast(ads_name result) {
  if (result == nullptr) return RTERROR;
  result[0] = result[1] = 0;
  DatabaseImpl* db = workingDb();
  if (db == nullptr) return fail(kErrNoLastEntity);
  for (size_t i = db->stubs.size(); i-- > 0;) {
    if (kindOf(*db, db->stubs[i].get()) == EntityKind::Main) {
      acadsim::setEntityName(result, db->stubs[i].get());
      return RTNORM;
    }
  }
  return fail(kErrNoLastEntity);
}

// Walks the drawing's entities in database order, sub-entities after the entity that owns them.
int acdbEntNext(const ads_name ent, ads_name result) {
  if (result == nullptr) return RTERROR;
  DatabaseImpl* db = workingDb();
  if (db == nullptr) return fail(kErrEndOfEntities);
  size_t start = 0;
  if (ent != nullptr && (ent[0] != 0 || ent[1] != 0)) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, ent) != Acad::eOk || static_cast<AcDbStub*>(id)->db != db) return fail(kErrInvalidName);
    start = static_cast<AcDbStub*>(id)->index + 1;
  }
  for (size_t i = start; i < db->stubs.size(); ++i) {
    EntityKind kind = kindOf(*db, db->stubs[i].get());
    if (kind == EntityKind::Main || (kind == EntityKind::Sub && start != 0)) {
      ads_name next;
      acadsim::setEntityName(next, db->stubs[i].get());
      result[0] = next[0];
      result[1] = next[1];
      return RTNORM;
    }
  }
  return fail(kErrEndOfEntities);
}

int acdbEntDel(const ads_name ent) {
  AcDbObjectId id;
  if (ent == nullptr || acdbGetObjectId(id, ent) != Acad::eOk) return fail(kErrInvalidName);
  AcDbStub* stub = id;
  auto* entity = AcDbEntity::cast(stub->object);
  if (entity == nullptr || !isLayoutBlock(*stub->db, entity->ownerId())) return fail(kErrInvalidName);
  if (DatabaseImpl::open(entity, AcDb::kForWrite, true) != Acad::eOk) return fail(kErrInvalidName);
  Acad::ErrorStatus es = entity->erase(!entity->isErased());
  entity->close();
  return es == Acad::eOk ? RTNORM : fail(kErrInvalidName);
}

// The name of any object of the working database the handle names, erased ones included, as handent.
int acdbHandEnt(const ACHAR* handle, ads_name entres) {
  if (entres == nullptr) return RTERROR;
  entres[0] = entres[1] = 0;
  DatabaseImpl* db = workingDb();
  if (db == nullptr || handle == nullptr) return fail(kErrInvalidHandle);
  AcDbStub* stub = db->findStub(acadsim::parseHandle(WideToUtf8(handle)));
  if (stub == nullptr || stub->object == nullptr) return fail(kErrInvalidHandle);
  acadsim::setEntityName(entres, stub);
  return RTNORM;
}
