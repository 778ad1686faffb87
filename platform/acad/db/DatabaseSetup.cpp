#include "DatabaseSetup.h"

#include <dbdict.h>
#include <dbents.h>
#include <dblayout.h>
#include <dbmaterial.h>
#include <dbobjects.h>
#include <dbsymtb.h>

#include <algorithm>
#include <set>

#include "DatabaseImpl.h"

namespace acadsim {
namespace {

template <class Record>
AcDbObjectId addRecord(DatabaseImpl& db, AcDbSymbolTable* table, std::u16string_view name, Record* rec) {
  rec->setNameUnchecked(std::u16string(name));
  AcDbObjectId id = db.adopt(rec, 0, table->objectId());
  table->appendRecordUnchecked(id, name);
  return id;
}

template <class Record>
AcDbObjectId ensureRecord(DatabaseImpl& db, AcDbSymbolTable* table, std::u16string_view name) {
  AcDbObjectId id = table->findRecord(name);
  return id.isNull() ? addRecord(db, table, name, new Record()) : id;
}

AcDbDictionary* ensureDictionaryEntry(DatabaseImpl& db, AcDbDictionary* parent, std::u16string_view name,
                                      AcDbDictionary* (*make)()) {
  for (const auto& entry : parent->entries())
    if (equalNoCase(entry.name, name))
      if (auto* dict = peek<AcDbDictionary>(entry.id)) return dict;
  AcDbDictionary* dict = make();
  AcDbObjectId id = db.adopt(dict, 0, parent->objectId());
  parent->addEntryUnchecked(std::u16string(name), id);
  return dict;
}

AcDbDictionary* makeDictionary() { return new AcDbDictionary(); }
AcDbDictionary* makeDictionaryWithDefault() { return new AcDbDictionaryWithDefault(); }

template <class T>
AcDbObjectId ensureNamedEntry(DatabaseImpl& db, AcDbDictionary* dict, std::u16string_view name, T* (*make)()) {
  for (const auto& entry : dict->entries())
    if (equalNoCase(entry.name, name) && peek<AcDbObject>(entry.id)) return entry.id;
  AcDbObjectId id = db.adopt(make(), 0, dict->objectId());
  dict->addEntryUnchecked(std::u16string(name), id);
  return id;
}

AcDbBlockTableRecord* ensureBlock(DatabaseImpl& db, AcDbBlockTable* table, std::u16string_view name) {
  AcDbObjectId id = table->findRecord(name);
  if (!id.isNull()) return peek<AcDbBlockTableRecord>(id);
  auto* rec = new AcDbBlockTableRecord();
  addRecord(db, table, name, rec);
  return rec;
}

}  // namespace

template <class Table>
Table* tableIn(DatabaseImpl& db, AcDbObjectId& slot) {
  if (auto* table = peek<Table>(slot)) return table;
  auto* table = new Table();
  slot = db.adopt(table, 0, AcDbObjectId::kNull);
  return table;
}

template AcDbBlockTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbLayerTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbLinetypeTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbTextStyleTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbDimStyleTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbRegAppTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbViewportTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbViewTable* tableIn(DatabaseImpl&, AcDbObjectId&);
template AcDbUCSTable* tableIn(DatabaseImpl&, AcDbObjectId&);

AcDbObjectId linetypeNamed(DatabaseImpl& db, std::u16string_view name) {
  auto* table = peek<AcDbLinetypeTable>(db.linetypeTable);
  return table ? table->findRecord(name) : AcDbObjectId::kNull;
}

AcDbObjectId layerNamed(DatabaseImpl& db, std::u16string_view name) {
  auto* table = tableIn<AcDbLayerTable>(db, db.layerTable);
  AcDbObjectId id = table->findRecord(name);
  if (!id.isNull()) return id;
  auto* layer = new AcDbLayerTableRecord();
  auto* linetypes = tableIn<AcDbLinetypeTable>(db, db.linetypeTable);
  layer->setLinetypeObjectId(ensureRecord<AcDbLinetypeTableRecord>(db, linetypes, u"Continuous"));
  return addRecord(db, table, name.empty() ? u"0" : name, layer);
}

void resolveLayerLinetypes(DatabaseImpl& db) {
  for (const auto& [layerId, name] : db.layerLinetypeNames) {
    auto* layer = peek<AcDbLayerTableRecord>(layerId);
    if (layer == nullptr) continue;
    AcDbObjectId linetype = linetypeNamed(db, name);
    if (linetype.isNull()) linetype = db.continuousLinetype;
    layer->setLinetypeObjectId(linetype);
  }
  db.layerLinetypeNames.clear();
}

AcDbBlockTableRecord* blockForDefinition(DatabaseImpl& db, std::u16string_view name) {
  return ensureBlock(db, tableIn<AcDbBlockTable>(db, db.blockTable), name);
}

void completeTables(DatabaseImpl& db) {
  auto* linetypes = tableIn<AcDbLinetypeTable>(db, db.linetypeTable);
  db.byBlockLinetype = ensureRecord<AcDbLinetypeTableRecord>(db, linetypes, u"ByBlock");
  db.byLayerLinetype = ensureRecord<AcDbLinetypeTableRecord>(db, linetypes, u"ByLayer");
  db.continuousLinetype = ensureRecord<AcDbLinetypeTableRecord>(db, linetypes, u"Continuous");
  if (auto* continuous = peek<AcDbLinetypeTableRecord>(db.continuousLinetype)) {
    const ACHAR* comments = nullptr;
    if (continuous->comments(comments) == Acad::eOk && *comments == 0) continuous->setComments(u"Solid line");
  }
  db.layerZero = layerNamed(db, u"0");
  // Layers read before any linetype (or naming one the drawing lacks) draw Continuous.
  for (AcDbObjectId id : peek<AcDbLayerTable>(db.layerTable)->recordIds())
    if (auto* layer = peek<AcDbLayerTableRecord>(id); layer && peek<AcDbObject>(layer->linetypeObjectId()) == nullptr)
      layer->setLinetypeObjectId(db.continuousLinetype);
  ensureRecord<AcDbTextStyleTableRecord>(db, tableIn<AcDbTextStyleTable>(db, db.textStyleTable), u"Standard");
  ensureRecord<AcDbDimStyleTableRecord>(db, tableIn<AcDbDimStyleTable>(db, db.dimStyleTable), u"Standard");
  ensureRecord<AcDbRegAppTableRecord>(db, tableIn<AcDbRegAppTable>(db, db.regAppTable), u"ACAD");
  ensureRecord<AcDbViewportTableRecord>(db, tableIn<AcDbViewportTable>(db, db.viewportTable), u"*Active");
  tableIn<AcDbViewTable>(db, db.viewTable);
  tableIn<AcDbUCSTable>(db, db.ucsTable);

  auto* blocks = tableIn<AcDbBlockTable>(db, db.blockTable);
  db.modelSpace = ensureBlock(db, blocks, u"*Model_Space")->objectId();
  db.paperSpace = ensureBlock(db, blocks, u"*Paper_Space")->objectId();
}

void completeDatabase(DatabaseImpl& db) {
  completeTables(db);
  for (AcDbObjectId id : peek<AcDbBlockTable>(db.blockTable)->recordIds()) {
    auto* rec = peek<AcDbBlockTableRecord>(id);
    if (rec == nullptr) continue;
    if (peek<AcDbObject>(rec->blockBeginId()) == nullptr) rec->setBlockBeginId(db.adopt(new AcDbBlockBegin(), 0, id));
    if (peek<AcDbObject>(rec->blockEndId()) == nullptr) rec->setBlockEndId(db.adopt(new AcDbBlockEnd(), 0, id));
  }

  auto* nod = peek<AcDbDictionary>(db.namedObjects);
  if (nod == nullptr) {
    nod = new AcDbDictionary();
    db.namedObjects = db.adopt(nod, 0, AcDbObjectId::kNull);
  }
  ensureDictionaryEntry(db, nod, u"ACAD_GROUP", makeDictionary);
  AcDbDictionary* layouts = ensureDictionaryEntry(db, nod, u"ACAD_LAYOUT", makeDictionary);
  if (layouts->numEntries() == 0) {
    const std::pair<const char16_t*, AcDbObjectId> kTabs[] = {{u"Model", db.modelSpace}, {u"Layout1", db.paperSpace}};
    int tab = 0;
    for (const auto& [name, block] : kTabs) {
      auto* layout = new AcDbLayout();
      layout->setLayoutName(name);
      layout->setTabOrder(tab++);
      AcDbObjectId id = db.adopt(layout, 0, layouts->objectId());
      layouts->addEntryUnchecked(name, id);
      layout->setBlockTableRecordId(block);
      if (auto* rec = peek<AcDbBlockTableRecord>(block)) rec->setLayoutId(id);
    }
  }
  AcDbDictionary* styles = ensureDictionaryEntry(db, nod, u"ACAD_PLOTSTYLENAME", makeDictionaryWithDefault);
  AcDbObjectId normal = ensureNamedEntry<AcDbPlaceHolder>(db, styles, u"Normal", [] { return new AcDbPlaceHolder(); });
  if (auto* withDefault = AcDbDictionaryWithDefault::cast(styles); withDefault && withDefault->defaultId().isNull())
    withDefault->setDefaultId(normal);
  AcDbDictionary* materials = ensureDictionaryEntry(db, nod, u"ACAD_MATERIAL", makeDictionary);
  for (const char16_t* name : {u"ByBlock", u"ByLayer", u"Global"}) {
    ensureNamedEntry<AcDbMaterial>(db, materials, name, [] { return new AcDbMaterial(); });
    AcDbObjectId id;
    materials->getAt(name, id);
    if (auto* mat = peek<AcDbMaterial>(id); mat && *mat->name() == 0) mat->setName(name);
  }
}

std::vector<AcDbObjectId> paperSpaceBlocksInTabOrder(DatabaseImpl& db) {
  std::vector<std::pair<int, AcDbObjectId>> tabs;
  auto* nod = peek<AcDbDictionary>(db.namedObjects);
  AcDbDictionary* layouts = nullptr;
  if (nod != nullptr)
    for (const auto& entry : nod->entries())
      if (equalNoCase(entry.name, u"ACAD_LAYOUT")) layouts = peek<AcDbDictionary>(entry.id);
  if (layouts != nullptr) {
    for (const auto& entry : layouts->entries()) {
      auto* layout = peek<AcDbLayout>(entry.id);
      if (layout == nullptr || layout->isErased()) continue;
      AcDbObjectId block = layout->getBlockTableRecordId();
      if (block == db.modelSpace || peek<AcDbBlockTableRecord>(block) == nullptr) continue;
      tabs.emplace_back(layout->getTabOrder(), block);
    }
  }
  std::stable_sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<AcDbObjectId> result;
  std::set<AcDbObjectId> listed;
  for (const auto& tab : tabs)
    if (listed.insert(tab.second).second) result.push_back(tab.second);
  if (!result.empty()) return result;
  // Without layouts: *Paper_Space, then the other paper-space blocks in name order.
  auto* blocks = peek<AcDbBlockTable>(db.blockTable);
  if (blocks == nullptr) return result;
  std::vector<std::pair<std::u16string, AcDbObjectId>> named;
  for (AcDbObjectId id : blocks->recordIds()) {
    auto* rec = peek<AcDbBlockTableRecord>(id);
    if (rec == nullptr || id == db.paperSpace) continue;
    std::u16string upper = upperCase(rec->name());
    if (upper.rfind(u"*PAPER_SPACE", 0) == 0) named.emplace_back(upper, id);
  }
  std::sort(named.begin(), named.end());
  if (!db.paperSpace.isNull()) result.push_back(db.paperSpace);
  for (const auto& entry : named) result.push_back(entry.second);
  return result;
}

}  // namespace acadsim
