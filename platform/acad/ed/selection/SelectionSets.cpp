#include "SelectionSets.h"

#include <acadsim/SystemVariables.h>
#include <adscodes.h>

#include <unordered_map>

#include "../../db/DatabaseImpl.h"

namespace acadsim::selection {
namespace {

// Tells a selection-set name from a stray pair of numbers.
constexpr int64_t kSetTag = 0x5353;

struct SetTable {
  std::unordered_map<int64_t, SelectionSet> sets;
  int64_t nextNumber = 1;
};

SetTable& table() {
  static SetTable* sets = new SetTable();
  return *sets;
}

}  // namespace

bool SelectionSet::add(const Member& member) {
  if (!m_ids.insert(member.id).second) return false;
  m_members.push_back(member);
  return true;
}

bool SelectionSet::remove(AcDbObjectId id) {
  if (m_ids.erase(id) == 0) return false;
  for (auto it = m_members.begin(); it != m_members.end(); ++it) {
    if (it->id == id) {
      m_members.erase(it);
      break;
    }
  }
  return true;
}

std::vector<AcDbObjectId> SelectionSet::ids() const {
  std::vector<AcDbObjectId> out;
  out.reserve(m_members.size());
  for (const Member& m : m_members) out.push_back(m.id);
  return out;
}

bool createSet(SelectionSet contents, ads_name name) {
  name[0] = name[1] = 0;
  SetTable& sets = table();
  if (sets.sets.size() >= kMaxSelectionSets) return false;
  int64_t number = sets.nextNumber++;
  sets.sets.emplace(number, std::move(contents));
  name[0] = number;
  name[1] = kSetTag;
  return true;
}

SelectionSet* findSet(const ads_name name) {
  if (name == nullptr || name[1] != kSetTag) return nullptr;
  auto it = table().sets.find(name[0]);
  return it == table().sets.end() ? nullptr : &it->second;
}

bool freeSet(const ads_name name) {
  if (name == nullptr || name[1] != kSetTag) return false;
  return table().sets.erase(name[0]) > 0;
}

size_t liveSetCount() { return table().sets.size(); }

EditorSelection& editorSelection(const DatabaseImpl& db) {
  static auto* byDatabase = new std::unordered_map<uint64_t, EditorSelection>();
  // Serials are never reused, so a closed drawing's entry can only be forgotten, never inherited.
  for (auto it = byDatabase->begin(); it != byDatabase->end();) {
    if (it->first != db.serial() && databaseBySerial(it->first) == nullptr) it = byDatabase->erase(it);
    else ++it;
  }
  return (*byDatabase)[db.serial()];
}

int failWith(short errnoValue) {
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = errnoValue;
  setHostSystemVariable(u"ERRNO", value);
  return RTERROR;
}

}  // namespace acadsim::selection
