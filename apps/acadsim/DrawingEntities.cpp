#include "DrawingEntities.h"

#include "acadsim/DrawingQueries.h"
#include "dbsymtb.h"

namespace acadsim {
namespace {

void appendEntitiesOf(AcDbObjectId blockId, std::vector<AcDbObjectId>& ids) {
  AcDbBlockTableRecord* block = nullptr;
  if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return;
  ids.insert(ids.end(), block->entityIds().begin(), block->entityIds().end());
  block->close();
}

}  // namespace

std::vector<AcDbObjectId> EntitiesOfSpaces(AcDbDatabase& db, SpaceSelection space) {
  std::vector<AcDbObjectId> ids;
  if (space != SpaceSelection::Paper) appendEntitiesOf(modelSpaceBlockId(db), ids);
  if (space != SpaceSelection::Model)
    for (AcDbObjectId block : paperSpaceBlocksInTabOrder(db)) appendEntitiesOf(block, ids);
  return ids;
}

}  // namespace acadsim
