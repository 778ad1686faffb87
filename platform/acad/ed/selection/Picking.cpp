#include "Picking.h"

#include <acadsim/DrawingView.h>
#include <acadsim/EntityGraphics.h>
#include <acedads.h>

#include <algorithm>

#include "../../db/DatabaseImpl.h"
#include "PickIndex.h"

namespace acadsim::selection {

std::vector<PickHit> hitsAt(DatabaseImpl& db, const AcGePoint2d& point, double aperture) {
  std::vector<PickHit> hits;
  if (!(aperture >= 0)) return hits;
  thread_local std::vector<AcDbStub*> candidates;
  pickIndex(db).candidates(point, aperture, candidates);
  for (AcDbStub* stub : candidates) {
    const AcDbEntity* entity = stub->object ? AcDbEntity::cast(stub->object) : nullptr;
    if (entity == nullptr || entity->isErased()) continue;
    const EntityGraphics graphics = entityGraphics(*entity);
    const GraphicHit hit = hitTest(graphics, point, aperture);
    if (!hit.hit) continue;
    PickHit found;
    found.entity = AcDbObjectId(stub);
    found.gsMarker = hit.gsMarker;
    found.distance = hit.distance;
    if (hit.nestedPath >= 0 && static_cast<size_t>(hit.nestedPath) < graphics.nestedPaths.size())
      found.nestedPath = graphics.nestedPaths[static_cast<size_t>(hit.nestedPath)];
    hits.push_back(std::move(found));
  }
  std::sort(hits.begin(), hits.end(), [](const PickHit& a, const PickHit& b) {
    if (a.distance != b.distance) return a.distance < b.distance;
    return static_cast<AcDbStub*>(a.entity)->index > static_cast<AcDbStub*>(b.entity)->index;
  });
  return hits;
}

double pickAperture(AcApDocument* doc) {
  resbuf pickbox{};
  int pixels = acedGetVar(u"PICKBOX", &pickbox) == RTNORM && pickbox.restype == RTSHORT ? pickbox.resval.rint : 3;
  return doc ? pixels * documentView(doc).unitsPerPixel() : 0.0;
}

AcApDocument* currentDocument() {
  AcApDocManager* manager = acDocManagerPtr();
  return manager ? manager->curDocument() : nullptr;
}

DatabaseImpl* currentDatabase() {
  AcApDocument* doc = currentDocument();
  AcDbDatabase* db = doc ? doc->database() : workingDatabaseOrNull();
  return db ? &db->impl() : nullptr;
}

}  // namespace acadsim::selection
