// acedSSFree, acedSSLength, acedSSName, acedSSAdd, acedSSDel, acedSSMemb and acedSSNameX.
#include <acedads.h>
#include <acutads.h>

#include "../../db/DatabaseImpl.h"
#include "SelectionSets.h"

namespace acadsim::selection {
namespace {

bool liveEntity(const ads_name ename, AcDbObjectId& id) {
  if (ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk) return false;
  auto* entity = peek<AcDbEntity>(id);
  return entity != nullptr && !entity->isErased();
}

struct Chain {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  resbuf* add(int type) {
    resbuf* rb = acutNewRb(type);
    *tail = rb;
    tail = &rb->rbnext;
    return rb;
  }
  void addShort(int value) { add(RTSHORT)->resval.rint = static_cast<short>(value); }
  void addName(AcDbObjectId id) {
    resbuf* rb = add(RTENAME);
    acdbGetAdsName(rb->resval.rlname, id);
  }
  void addPoint(const AcGePoint3d& p) {
    resbuf* rb = add(RT3DPOINT);
    rb->resval.rpoint[0] = p.x;
    rb->resval.rpoint[1] = p.y;
    rb->resval.rpoint[2] = p.z;
  }
};

// One member as ssnamex describes it; as a flat chain, list brackets counting, positions from 0:
//   pick:     0 RTLB, 1 RTSHORT 1 (picked), 2 RTENAME the top-level entity, 3 RTSHORT its GS marker,
//             4 RTLB, 5 RTSHORT 0 (point descriptor: the line through the point along the view
//             direction), 6 RT3DPOINT the pick point (WCS), 7 RTLE,
//             and for a nested pick ("_:N") inside a block reference:
//             8 RTLB, 9 RTSHORT the depth (references from the top-level entity down to the innermost),
//             10 RTLB, 11 RTENAME the innermost entity, 12 RTSHORT its GS marker, then RTENAME of each
//             containing reference from the innermost out to the top-level entity, RTLE, RTLE;
//             then RTLE.
//   window:   RTLB, RTSHORT 2 (crossing: 3), RTENAME, RTSHORT 0, RTSHORT -1 (the first polygon), RTLE.
//   others:   RTLB, RTSHORT 0, RTENAME, RTLE ("_X", ssadd, the implied set).
void describe(Chain& chain, const Member& member) {
  chain.add(RTLB);
  chain.addShort(static_cast<int>(member.how.method));
  chain.addName(member.id);
  switch (member.how.method) {
    case Selection::Method::Pick:
      chain.addShort(member.how.gsMarker);
      chain.add(RTLB);
      chain.addShort(0);
      chain.addPoint(member.how.point);
      chain.add(RTLE);
      if (!member.how.nestedPath.empty()) {
        chain.add(RTLB);
        chain.addShort(static_cast<int>(member.how.nestedPath.size()));
        chain.add(RTLB);
        chain.addName(member.how.nestedPath.front());
        chain.addShort(member.how.gsMarker);
        for (size_t i = 1; i < member.how.nestedPath.size(); ++i) chain.addName(member.how.nestedPath[i]);
        chain.addName(member.id);
        chain.add(RTLE);
        chain.add(RTLE);
      }
      break;
    case Selection::Method::Window:
    case Selection::Method::Crossing:
      chain.addShort(0);
      chain.addShort(-1);
      break;
    case Selection::Method::None: break;
  }
  chain.add(RTLE);
}

}  // namespace
}  // namespace acadsim::selection

using namespace acadsim::selection;

int acedSSFree(const ads_name sname) { return freeSet(sname) ? RTNORM : failWith(kErrInvalidSet); }

int acedSSLength(const ads_name sname, Adesk::Int32* len) {
  SelectionSet* set = findSet(sname);
  if (set == nullptr || len == nullptr) return failWith(kErrInvalidSet);
  *len = static_cast<Adesk::Int32>(set->size());
  return RTNORM;
}

int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres) {
  SelectionSet* set = findSet(ss);
  if (set == nullptr || entres == nullptr) return failWith(kErrInvalidSet);
  if (i < 0 || static_cast<size_t>(i) >= set->size()) return RTERROR;
  ads_name name;
  if (acdbGetAdsName(name, set->members()[static_cast<size_t>(i)].id) != Acad::eOk) return RTERROR;
  entres[0] = name[0];
  entres[1] = name[1];
  return RTNORM;
}

// No entity and no set: a new empty set; an entity alone: a new set of it; both: the entity joins the set,
// which result then names (an entity already there changes nothing).
int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result) {
  if (result == nullptr) return RTERROR;
  AcDbObjectId id;
  const bool hasEntity = ename != nullptr && (ename[0] != 0 || ename[1] != 0);
  if (hasEntity && !liveEntity(ename, id)) return failWith(kErrInvalidName);
  if (sname == nullptr || (sname[0] == 0 && sname[1] == 0)) {
    SelectionSet fresh;
    if (hasEntity) fresh.add(Member{id, Selection{}});
    return createSet(std::move(fresh), result) ? RTNORM : failWith(kErrTooManySets);
  }
  SelectionSet* set = findSet(sname);
  if (set == nullptr) return failWith(kErrInvalidSet);
  if (hasEntity) set->add(Member{id, Selection{}});
  result[0] = sname[0];
  result[1] = sname[1];
  return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  SelectionSet* set = findSet(ss);
  AcDbObjectId id;
  if (set == nullptr) return failWith(kErrInvalidSet);
  if (ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk) return failWith(kErrInvalidName);
  return set->remove(id) ? RTNORM : RTERROR;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  SelectionSet* set = findSet(ss);
  AcDbObjectId id;
  if (set == nullptr || ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk) return RTERROR;
  return set->contains(id) ? RTNORM : RTERROR;
}

// i from 0 names one member; -1 gives every member's list, one after another.
int acedSSNameX(resbuf** rbpp, const ads_name ss, const Adesk::Int32 i) {
  if (rbpp == nullptr) return RTERROR;
  *rbpp = nullptr;
  SelectionSet* set = findSet(ss);
  if (set == nullptr) return failWith(kErrInvalidSet);
  if (i < -1 || i >= static_cast<Adesk::Int32>(set->size())) return RTERROR;
  Chain chain;
  if (i >= 0) {
    describe(chain, set->members()[static_cast<size_t>(i)]);
  } else {
    for (const Member& m : set->members()) describe(chain, m);
  }
  *rbpp = chain.head;
  return RTNORM;
}
