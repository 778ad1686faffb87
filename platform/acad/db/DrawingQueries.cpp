#include <acadsim/DrawingQueries.h>
#include <dbproxy.h>
#include <rxclass.h>

#include "DatabaseImpl.h"
#include "DatabaseSetup.h"

namespace acadsim {

std::u16string dxfTypeName(const AcDbObject* object) {
  if (object == nullptr) return {};
  ACHAR* original = nullptr;
  if (auto* proxy = AcDbProxyEntity::cast(object)) original = proxy->originalDxfName();
  else if (auto* proxyObject = AcDbProxyObject::cast(object)) original = proxyObject->originalDxfName();
  if (original != nullptr) {
    std::u16string name = original;
    delete[] original;
    return name;
  }
  if (AcDbDatabase* db = object->database()) {
    const auto& written = db->impl().writtenTypeNames;
    auto it = written.find(static_cast<AcDbStub*>(object->objectId()));
    if (it != written.end()) return it->second;
  }
  const ACHAR* name = object->isA() ? object->isA()->dxfName() : nullptr;
  return name ? name : u"";
}

AcDbObjectId modelSpaceBlockId(AcDbDatabase& db) { return db.impl().modelSpace; }

std::vector<AcDbObjectId> paperSpaceBlocksInTabOrder(AcDbDatabase& db) {
  return paperSpaceBlocksInTabOrder(db.impl());
}

}  // namespace acadsim
