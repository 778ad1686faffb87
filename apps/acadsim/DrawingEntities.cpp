#include "DrawingEntities.h"

#include <algorithm>
#include <utility>

#include "acutmem.h"
#include "dbdict.h"
#include "dblayout.h"
#include "dbproxy.h"
#include "dbsymtb.h"

namespace acadsim {
namespace {

void appendEntitiesOf(AcDbObjectId blockId, std::vector<AcDbObjectId>& ids) {
  AcDbBlockTableRecord* block = nullptr;
  if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return;
  ids.insert(ids.end(), block->entityIds().begin(), block->entityIds().end());
  block->close();
}

// Paper-space layout blocks, ordered by their tabs.
std::vector<AcDbObjectId> paperLayoutBlocks(AcDbDatabase& db) {
  std::vector<std::pair<int, AcDbObjectId>> tabs;
  AcDbDictionary* layouts = nullptr;
  if (acdbOpenObject(layouts, db.layoutDictionaryId(), AcDb::kForRead) != Acad::eOk) return {};
  AcDbDictionaryIterator* it = layouts->newIterator();
  for (; it && !it->done(); it->next()) {
    AcDbLayout* layout = nullptr;
    if (acdbOpenObject(layout, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    if (layout->getTabOrder() > 0) tabs.emplace_back(layout->getTabOrder(), layout->getBlockTableRecordId());
    layout->close();
  }
  delete it;
  layouts->close();
  std::stable_sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<AcDbObjectId> blocks;
  for (const auto& tab : tabs) blocks.push_back(tab.second);
  return blocks;
}

AcDbObjectId modelSpaceBlock(AcDbDatabase& db) {
  AcDbBlockTable* table = nullptr;
  AcDbObjectId id;
  if (db.getBlockTable(table, AcDb::kForRead) != Acad::eOk) return id;
  table->getAt(u"*Model_Space", id);
  table->close();
  return id;
}

}  // namespace

std::vector<AcDbObjectId> EntitiesOfSpaces(AcDbDatabase& db, SpaceSelection space) {
  std::vector<AcDbObjectId> ids;
  if (space != SpaceSelection::Paper) appendEntitiesOf(modelSpaceBlock(db), ids);
  if (space != SpaceSelection::Model)
    for (AcDbObjectId block : paperLayoutBlocks(db)) appendEntitiesOf(block, ids);
  return ids;
}

std::u16string FileTypeName(const AcDbEntity* entity) {
  if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(entity)) {
    ACHAR* name = proxy->originalDxfName();
    std::u16string result = name ? name : u"";
    acutDelString(name);
    return result;
  }
  const ACHAR* dxf = entity->isA()->dxfName();
  return dxf ? dxf : u"";
}

}  // namespace acadsim
