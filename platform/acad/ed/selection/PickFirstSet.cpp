// The pick-first set: acedSSGetFirst, acedSSSetFirst, the view's click and what the view draws of it.
#include <acadsim/Selection.h>
#include <acedads.h>
#include <acutads.h>
#include <dbsymtb.h>

#include <algorithm>

#include "../../db/DatabaseImpl.h"
#include "GroupMembers.h"
#include "Picking.h"
#include "SelectionSets.h"

namespace acadsim {
namespace {

std::function<void(AcApDocument*)>& changedHandler() {
  static auto* handler = new std::function<void(AcApDocument*)>();
  return *handler;
}

void notifyChanged(AcApDocument* doc) {
  if (changedHandler() && doc != nullptr) changedHandler()(doc);
}

int intVariable(const ACHAR* name, int fallback) {
  resbuf value{};
  return acedGetVar(name, &value) == RTNORM && value.restype == RTSHORT ? value.resval.rint : fallback;
}

AcApDocument* documentOf(const DatabaseImpl& db) {
  AcApDocument* doc = selection::currentDocument();
  return doc && doc->database() && &doc->database()->impl() == &db ? doc : nullptr;
}

bool liveEntity(AcDbObjectId id) {
  auto* entity = peek<AcDbEntity>(id);
  return entity != nullptr && !entity->isErased();
}

bool onLockedLayer(AcDbObjectId id) {
  auto* entity = peek<AcDbEntity>(id);
  auto* layer = entity ? peek<AcDbLayerTableRecord>(entity->layerId()) : nullptr;
  return layer != nullptr && layer->isLocked();
}

}  // namespace

void entitiesInAperture(AcApDocument* doc, const AcGePoint3d& worldPoint, double aperture, ApertureContents& contents) {
  contents.entities.setLogicalLength(0);
  contents.nestedEntities.setLogicalLength(0);
  contents.gsMarkers.setLogicalLength(0);
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  if (db == nullptr) return;
  for (const selection::PickHit& hit : selection::hitsAt(db->impl(), AcGePoint2d(worldPoint.x, worldPoint.y), aperture)) {
    contents.entities.append(hit.entity);
    // The innermost entity first, out to the top-level entity last.
    AcDbObjectIdArray path;
    for (AcDbObjectId id : hit.nestedPath) path.append(id);
    path.append(hit.entity);
    contents.nestedEntities.append(path);
    contents.gsMarkers.append(hit.gsMarker);
  }
}

void clickSelect(AcApDocument* doc, const AcGePoint3d& worldPoint) {
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  if (db == nullptr) return;
  const int grips = intVariable(u"GRIPS", 1);
  if (intVariable(u"PICKFIRST", 1) == 0 && grips == 0) return;
  selection::EditorSelection& editor = selection::editorSelection(db->impl());
  std::vector<AcDbObjectId> picked;
  // Objects on locked layers cannot be selected by clicking.
  for (const selection::PickHit& hit :
       selection::hitsAt(db->impl(), AcGePoint2d(worldPoint.x, worldPoint.y), selection::pickAperture(doc))) {
    if (onLockedLayer(hit.entity)) continue;
    picked.push_back(hit.entity);
    const int style = intVariable(u"PICKSTYLE", 1);
    if (style == 1 || style == 3)
      for (AcDbObjectId member : selection::selectableGroupMembers(db->impl(), hit.entity))
        if (member != hit.entity && !onLockedLayer(member)) picked.push_back(member);
    break;
  }
  if (picked.empty()) {
    editor.pickFirst.clear();
  } else {
    if (intVariable(u"PICKADD", 1) == 0) editor.pickFirst.clear();
    for (AcDbObjectId id : picked)
      if (std::find(editor.pickFirst.begin(), editor.pickFirst.end(), id) == editor.pickFirst.end())
        editor.pickFirst.push_back(id);
  }
  editor.gripped = grips != 0;
  editor.pickFirstSource[0] = editor.pickFirstSource[1] = 0;
  notifyChanged(doc);
}

std::vector<AcDbObjectId> pickFirstEntities(AcApDocument* doc) {
  std::vector<AcDbObjectId> live;
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  if (db == nullptr) return live;
  for (AcDbObjectId id : selection::editorSelection(db->impl()).pickFirst)
    if (liveEntity(id)) live.push_back(id);
  return live;
}

bool pickFirstGripped(AcApDocument* doc) {
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  return db != nullptr && selection::editorSelection(db->impl()).gripped && !pickFirstEntities(doc).empty();
}

void setPickFirstChangedHandler(std::function<void(AcApDocument* doc)> handler) { changedHandler() = std::move(handler); }

}  // namespace acadsim

// The gripped set is always empty (RTNONE), as AutoCAD keeps grips only on selected objects; the pick-first
// set comes as a new selection set the caller frees.
int acedSSGetFirst(resbuf** gset, resbuf** pset) {
  using namespace acadsim;
  if (gset == nullptr || pset == nullptr) return RTERROR;
  *gset = acutNewRb(RTNONE);
  *pset = acutNewRb(RTNONE);
  DatabaseImpl* db = selection::currentDatabase();
  if (db == nullptr) return RTNORM;
  selection::SelectionSet set;
  for (AcDbObjectId id : selection::editorSelection(*db).pickFirst)
    if (liveEntity(id)) set.add(selection::Member{id, selection::Selection{}});
  if (set.size() == 0) return RTNORM;
  ads_name name;
  if (!selection::createSet(std::move(set), name)) {
    acutRelRb(*gset);
    acutRelRb(*pset);
    *gset = *pset = nullptr;
    return selection::failWith(selection::kErrTooManySets);
  }
  (*pset)->restype = RTPICKS;
  (*pset)->resval.rlname[0] = name[0];
  (*pset)->resval.rlname[1] = name[1];
  return RTNORM;
}

int acedSSSetFirst(const ads_name pset, const ads_name) {
  using namespace acadsim;
  DatabaseImpl* db = selection::currentDatabase();
  if (db == nullptr) return RTERROR;
  std::vector<AcDbObjectId> ids;
  const bool clearing = pset == nullptr || (pset[0] == 0 && pset[1] == 0);
  if (!clearing) {
    selection::SelectionSet* set = selection::findSet(pset);
    if (set == nullptr) return selection::failWith(selection::kErrInvalidSet);
    for (AcDbObjectId id : set->ids())
      if (liveEntity(id)) ids.push_back(id);
  }
  selection::EditorSelection& editor = selection::editorSelection(*db);
  editor.pickFirst = std::move(ids);
  editor.gripped = intVariable(u"GRIPS", 1) != 0;
  editor.pickFirstSource[0] = clearing ? 0 : pset[0];
  editor.pickFirstSource[1] = clearing ? 0 : pset[1];
  notifyChanged(documentOf(*db));
  return RTNORM;
}
