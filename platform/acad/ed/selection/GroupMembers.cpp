#include "GroupMembers.h"

#include <acutads.h>
#include <dbdict.h>
#include <dbobjects.h>

#include <algorithm>

#include "../../db/DatabaseImpl.h"
#include "../../db/DxfResbuf.h"

namespace acadsim::selection {
namespace {

bool inGroupDictionary(const DatabaseImpl& db, AcDbObjectId group) {
  auto* named = peek<AcDbDictionary>(db.namedObjects);
  AcDbObjectId groupsId;
  if (named == nullptr || named->getAt(u"ACAD_GROUP", groupsId) != Acad::eOk) return false;
  auto* groups = peek<AcDbDictionary>(groupsId);
  ACHAR* name = nullptr;
  if (groups == nullptr || groups->nameAt(group, name) != Acad::eOk) return false;
  acutDelString(name);
  return true;
}

// The group's groups as DXF gives them: 71 selectable (1 unless written), 340 each member's handle.
bool readGroup(const DatabaseImpl& db, const AcDbGroup& group, std::vector<AcDbObjectId>& members) {
  const DxfData& data = group.dxfSubclassData();
  bool selectable = true;
  for (size_t i = 0; i < data.size(); ++i) {
    if (data.code(i) == 71 && data.type(i) == DxfData::Type::Integer) selectable = data.integer(i) != 0;
    if (data.code(i) == 340 && data.type(i) == DxfData::Type::String) {
      AcDbStub* stub = db.findStub(parseHandle(data.string(i)));
      auto* member = stub && stub->object ? AcDbEntity::cast(stub->object) : nullptr;
      if (member != nullptr && !member->isErased()) members.push_back(AcDbObjectId(stub));
    }
  }
  return selectable;
}

}  // namespace

std::vector<AcDbObjectId> selectableGroupMembers(const DatabaseImpl& db, AcDbObjectId entity) {
  std::vector<AcDbObjectId> all;
  auto* ent = peek<AcDbEntity>(entity);
  if (ent == nullptr) return all;
  for (AcDbObjectId reactor : ent->persistentReactors()) {
    auto* group = peek<AcDbGroup>(reactor);
    if (group == nullptr || group->isErased() || !inGroupDictionary(db, reactor)) continue;
    std::vector<AcDbObjectId> members;
    if (!readGroup(db, *group, members) || std::find(members.begin(), members.end(), entity) == members.end()) continue;
    for (AcDbObjectId m : members)
      if (std::find(all.begin(), all.end(), m) == all.end()) all.push_back(m);
  }
  return all;
}

}  // namespace acadsim::selection
