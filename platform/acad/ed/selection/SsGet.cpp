// acedSSGet: the selection methods scripts and modules use without a user at the prompt.
//
// Rules, as AutoCAD's ssget:
// - Picks, windows and the implied set take only model space of the current document; entities on layers
//   that are off or frozen draw nothing there and are never found. "_X" takes every main entity of model
//   and paper space, whatever its layer.
// - Entities on locked layers are selected unless the mode carries ":L" (unlocked layers only).
// - A pick takes the entity nearest to the point within the PICKBOX aperture; with PICKSTYLE 1 or 3 the
//   members of every selectable group it belongs to come with it.
// - Every successful selection but "_P" and "_X" becomes the Previous set (a copy); "_P" fails when there
//   is none or all its entities are erased.
// - "_I" (only with PICKFIRST 1) hands back the very set given to acedSSSetFirst while the pick-first set
//   is still what that set held, so a caller selecting into that name does not leave a set behind.
#include <acedads.h>
#include <dbsymtb.h>
#include <gemat3d.h>

#include <algorithm>
#include <string>
#include <string_view>

#include <acadsim/EntityGraphics.h>

#include "../../db/DatabaseImpl.h"
#include "GroupMembers.h"
#include "PickIndex.h"
#include "Picking.h"
#include "SelectionFilter.h"
#include "SelectionSets.h"
#include "WindowSelection.h"

namespace acadsim::selection {
namespace {

struct Mode {
  enum class Method { Pick, Previous, Implied, All, Window, Crossing } method = Method::Pick;
  bool nested = false;
  bool unlockedOnly = false;
};

// "_X", "X", "_:N", ":N", "_W:L"...: the method letters, then ":" modifiers; false for what ssget refuses.
bool parseMode(const ACHAR* str, Mode& mode) {
  if (str == nullptr) return true;
  std::u16string_view text = str;
  if (!text.empty() && text[0] == u'_') text.remove_prefix(1);
  size_t colon = text.find(u':');
  std::u16string method = upperCase(text.substr(0, colon));
  if (method.empty()) mode.method = Mode::Method::Pick;
  else if (method == u"P") mode.method = Mode::Method::Previous;
  else if (method == u"I") mode.method = Mode::Method::Implied;
  else if (method == u"X") mode.method = Mode::Method::All;
  else if (method == u"W") mode.method = Mode::Method::Window;
  else if (method == u"C") mode.method = Mode::Method::Crossing;
  else return false;
  while (colon != std::u16string_view::npos) {
    size_t next = text.find(u':', colon + 1);
    std::u16string flag = upperCase(text.substr(colon + 1, next == std::u16string_view::npos ? next : next - colon - 1));
    if (flag == u"N") mode.nested = true;
    else if (flag == u"L") mode.unlockedOnly = true;
    else if (flag != u"S" && flag != u"D") return false;  // single and duplicate change nothing without a user
    colon = next;
  }
  return true;
}

AcGePoint3d ucsToWorld(DatabaseImpl& db, const void* pt) {
  const double* p = static_cast<const double*>(pt);
  AcGeMatrix3d ucs;
  acdbUcsMatrix(ucs, db.owner);
  return ucs * AcGePoint3d(p[0], p[1], p[2]);
}

bool onLockedLayer(AcDbObjectId id) {
  auto* entity = peek<AcDbEntity>(id);
  auto* layer = entity ? peek<AcDbLayerTableRecord>(entity->layerId()) : nullptr;
  return layer != nullptr && layer->isLocked();
}

struct Selector {
  DatabaseImpl& db;
  const Mode& mode;
  const SelectionFilter& filter;
  SelectionSet set;

  bool admits(AcDbObjectId id) const {
    auto* entity = peek<AcDbEntity>(id);
    return entity != nullptr && !entity->isErased() && !(mode.unlockedOnly && onLockedLayer(id)) && filter.matches(id);
  }
  void offer(const Member& member) {
    if (admits(member.id)) set.add(member);
  }
};

int groupStyle() {
  resbuf value{};
  return acedGetVar(u"PICKSTYLE", &value) == RTNORM && value.restype == RTSHORT ? value.resval.rint : 0;
}

bool pickAt(Selector& s, const void* pt1) {
  AcApDocument* doc = currentDocument();
  if (doc == nullptr || pt1 == nullptr) return false;
  const AcGePoint3d world = ucsToWorld(s.db, pt1);
  for (const PickHit& hit : hitsAt(s.db, AcGePoint2d(world.x, world.y), pickAperture(doc))) {
    if (!s.admits(hit.entity)) continue;
    Member picked{hit.entity, Selection{Selection::Method::Pick, hit.gsMarker, world, {}}};
    if (s.mode.nested) picked.how.nestedPath = hit.nestedPath;
    s.set.add(picked);
    const int style = groupStyle();
    if (style == 1 || style == 3)
      for (AcDbObjectId member : selectableGroupMembers(s.db, hit.entity))
        s.offer(Member{member, Selection{Selection::Method::Pick, 0, world, {}}});
    return true;
  }
  return false;
}

void selectAll(Selector& s) {
  for (AcDbObjectId spaceId : {s.db.modelSpace, s.db.paperSpace}) {
    auto* space = peek<AcDbBlockTableRecord>(spaceId);
    if (space == nullptr) continue;
    for (AcDbObjectId id : space->entityIds()) s.offer(Member{id, Selection{}});
  }
}

void selectInWindow(Selector& s, const void* pt1, const void* pt2, bool crossing) {
  const AcGePoint3d a = ucsToWorld(s.db, pt1), b = ucsToWorld(s.db, pt2);
  const Rectangle2d window{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  const AcGePoint2d center((window.minX + window.maxX) / 2, (window.minY + window.maxY) / 2);
  const double half = std::max(window.maxX - window.minX, window.maxY - window.minY) / 2;
  std::vector<AcDbStub*> candidates;
  pickIndex(s.db).candidates(center, half, candidates);
  // In drawing order, as a window gathers them.
  std::sort(candidates.begin(), candidates.end(), [](AcDbStub* x, AcDbStub* y) { return x->index < y->index; });
  const Selection how{crossing ? Selection::Method::Crossing : Selection::Method::Window, 0, AcGePoint3d(), {}};
  for (AcDbStub* stub : candidates) {
    const AcDbEntity* entity = stub->object ? AcDbEntity::cast(stub->object) : nullptr;
    if (entity == nullptr || entity->isErased()) continue;
    const EntityGraphics graphics = entityGraphics(*entity);
    if (crossing ? crossesWindow(graphics, window) : insideWindow(graphics, window)) s.offer(Member{AcDbObjectId(stub), how});
  }
}

void selectIds(Selector& s, const std::vector<Member>& members) {
  for (const Member& m : members) s.offer(m);
}

bool pickFirstOn() {
  resbuf value{};
  return acedGetVar(u"PICKFIRST", &value) == RTNORM && value.restype == RTSHORT && value.resval.rint == 1;
}

}  // namespace
}  // namespace acadsim::selection

int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss) {
  using namespace acadsim::selection;
  if (ss == nullptr) return RTERROR;
  Mode mode;
  SelectionFilter filterList;
  acadsim::DatabaseImpl* db = currentDatabase();
  if (db == nullptr || !parseMode(str, mode) || !filterList.parse(filter)) return failWith(kErrInvalidSet);
  EditorSelection& editor = editorSelection(*db);
  Selector selector{*db, mode, filterList, {}};
  bool setsPrevious = true;
  switch (mode.method) {
    case Mode::Method::Pick:
      if (!pickAt(selector, pt1)) return failWith(kErrPickFailed);
      break;
    case Mode::Method::Previous:
      if (!editor.hasPrevious) return failWith(kErrInvalidSet);
      selectIds(selector, editor.previous);
      setsPrevious = false;
      break;
    case Mode::Method::Implied: {
      if (!pickFirstOn()) return failWith(kErrInvalidSet);
      std::vector<Member> implied;
      for (AcDbObjectId id : editor.pickFirst) implied.push_back(Member{id, Selection{}});
      selectIds(selector, implied);
      SelectionSet* source = findSet(editor.pickFirstSource);
      if (source != nullptr && selector.set.size() > 0 && source->ids() == selector.set.ids()) {
        ss[0] = editor.pickFirstSource[0];
        ss[1] = editor.pickFirstSource[1];
        editor.previous = source->members();
        editor.hasPrevious = true;
        return RTNORM;
      }
      break;
    }
    case Mode::Method::All:
      selectAll(selector);
      setsPrevious = false;
      break;
    case Mode::Method::Window:
    case Mode::Method::Crossing:
      if (pt1 == nullptr || pt2 == nullptr) return failWith(kErrInvalidSet);
      selectInWindow(selector, pt1, pt2, mode.method == Mode::Method::Crossing);
      break;
  }
  if (selector.set.size() == 0) return failWith(mode.method == Mode::Method::Pick ? kErrPickFailed : kErrInvalidSet);
  std::vector<Member> members = selector.set.members();
  if (!createSet(std::move(selector.set), ss)) return failWith(kErrTooManySets);
  if (setsPrevious) {
    editor.previous = std::move(members);
    editor.hasPrevious = true;
  }
  return RTNORM;
}
