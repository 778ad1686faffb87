// Symbol tables and records: the default drawing, lookups without regard to case, adding, iterating.
#include <acutads.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <string>

#include "DbTestDrawing.h"

namespace {

TEST(DefaultDrawing, HoldsWhatANewDrawingHolds) {
  AcDbDatabase db;
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db.getLayerTable(layers), Acad::eOk);
  EXPECT_TRUE(layers->has(u"0"));
  layers->close();
  AcDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(db.getLinetypeTable(linetypes), Acad::eOk);
  EXPECT_TRUE(linetypes->has(u"ByLayer"));
  EXPECT_TRUE(linetypes->has(u"ByBlock"));
  EXPECT_TRUE(linetypes->has(u"Continuous"));
  linetypes->close();
  AcDbTextStyleTable* styles = nullptr;
  ASSERT_EQ(db.getTextStyleTable(styles), Acad::eOk);
  EXPECT_TRUE(styles->has(u"Standard"));
  styles->close();
  AcDbRegAppTable* apps = nullptr;
  ASSERT_EQ(db.getRegAppTable(apps), Acad::eOk);
  EXPECT_TRUE(apps->has(u"ACAD"));
  apps->close();
  AcDbBlockTable* blocks = nullptr;
  ASSERT_EQ(db.getBlockTable(blocks), Acad::eOk);
  EXPECT_TRUE(blocks->has(ACDB_MODEL_SPACE));
  EXPECT_TRUE(blocks->has(ACDB_PAPER_SPACE));
  blocks->close();
  EXPECT_FALSE(db.namedObjectsDictionaryId().isNull());
  EXPECT_FALSE(db.layoutDictionaryId().isNull());
}

TEST(DefaultDrawing, LayerZeroIsWhiteContinuousDefaultWeight) {
  AcDbDatabase db;
  AcDbLayerTableRecord* zero = nullptr;
  ASSERT_EQ(acdbOpenObject(zero, db.layerZero(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(zero->color().colorIndex(), 7);
  EXPECT_EQ(zero->linetypeObjectId(), db.continuousLinetype());
  EXPECT_EQ(zero->lineWeight(), AcDb::kLnWtByLwDefault);
  EXPECT_FALSE(zero->isFrozen());
  EXPECT_FALSE(zero->isOff());
  EXPECT_FALSE(zero->isLocked());
  ACHAR* style = zero->plotStyleName();
  EXPECT_EQ(std::u16string(style), u"Normal");
  acutDelString(style);
  zero->close();
}

TEST(SymbolTable, LooksUpNamesWithoutRegardToCase) {
  AcDbDatabase db;
  AcDbLinetypeTable* linetypes = nullptr;
  db.getLinetypeTable(linetypes);
  AcDbObjectId id;
  EXPECT_EQ(linetypes->getAt(u"CONTINUOUS", id), Acad::eOk);
  EXPECT_EQ(id, db.continuousLinetype());
  EXPECT_EQ(linetypes->getAt(u"DASHED", id), Acad::eKeyNotFound);
  EXPECT_TRUE(id.isNull());
  EXPECT_EQ(linetypes->getAt(nullptr, id), Acad::eInvalidInput);
  linetypes->close();
}

TEST(SymbolTable, AddsRecordsWithItsRules) {
  AcDbDatabase db;
  AcDbLayerTable* layers = nullptr;
  db.getLayerTable(layers, AcDb::kForRead);
  auto* walls = new AcDbLayerTableRecord();
  ASSERT_EQ(walls->setName(u"Walls"), Acad::eOk);
  EXPECT_EQ(layers->add(walls), Acad::eNotOpenForWrite);
  EXPECT_EQ(layers->upgradeOpen(), Acad::eOk);
  AcDbObjectId id;
  ASSERT_EQ(layers->add(id, walls), Acad::eOk);
  EXPECT_EQ(walls->ownerId(), layers->objectId());
  walls->close();
  auto* again = new AcDbLayerTableRecord();
  again->setName(u"WALLS");
  EXPECT_EQ(layers->add(again), Acad::eDuplicateRecordName);
  auto* unnamed = new AcDbLayerTableRecord();
  EXPECT_EQ(layers->add(unnamed), Acad::eInvalidSymbolTableName);
  auto* wrongKind = new AcDbLinetypeTableRecord();
  wrongKind->setName(u"Dashed");
  EXPECT_EQ(layers->add(wrongKind), Acad::eWrongObjectType);
  layers->close();
  delete again;
  delete unnamed;
  delete wrongKind;
  AcDbLayerTableRecord* found = nullptr;
  db.getLayerTable(layers);
  EXPECT_EQ(layers->getAt(u"walls", found, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(found->objectId(), id);
  found->close();
  layers->close();
}

TEST(SymbolTableRecord, RefusesNamesAutoCADRefuses) {
  AcDbLayerTableRecord rec;
  EXPECT_EQ(rec.setName(u""), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(rec.setName(u"a<b"), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(rec.setName(u"a|b"), Acad::eInvalidSymbolTableName);
  EXPECT_EQ(rec.setName(u"Layer with spaces and 中文"), Acad::eOk);
  ACHAR* copy = nullptr;
  rec.getName(copy);
  EXPECT_EQ(std::u16string(copy), u"Layer with spaces and 中文");
  acutDelString(copy);
}

TEST(SymbolTableIterator, SkipsErasedRecordsUnlessAsked) {
  AcDbDatabase db;
  AcDbLayerTable* layers = nullptr;
  db.getLayerTable(layers, AcDb::kForWrite);
  auto* temp = new AcDbLayerTableRecord();
  temp->setName(u"Temp");
  AcDbObjectId tempId;
  layers->add(tempId, temp);
  temp->erase();
  temp->close();
  int live = 0, all = 0;
  AcDbLayerTableIterator* it = nullptr;
  layers->newIterator(it);
  for (; !it->done(); it->step()) ++live;
  it->start(true, false);
  for (; !it->done(); it->step(true, false)) ++all;
  delete it;
  EXPECT_EQ(live, 1);
  EXPECT_EQ(all, 2);
  EXPECT_FALSE(layers->has(u"Temp"));
  layers->close();
}

TEST(BlockTableRecord, AppendsEntitiesAndIteratesThemInOrder) {
  AcDbDatabase db;
  AcDbObjectId first = dbtest::addToModelSpace(db, new AcDbLine());
  AcDbObjectId second = dbtest::addToModelSpace(db, new AcDbCircle());
  AcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks);
  AcDbBlockTableRecord* model = nullptr;
  blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForRead);
  blocks->close();
  AcDbBlockTableRecordIterator* it = nullptr;
  model->newIterator(it);
  AcDbObjectId id;
  ASSERT_FALSE(it->done());
  it->getEntityId(id);
  EXPECT_EQ(id, first);
  it->step();
  AcDbEntity* ent = nullptr;
  ASSERT_EQ(it->getEntity(ent, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(ent->objectId(), second);
  EXPECT_EQ(ent->blockId(), model->objectId());
  ent->close();
  it->step();
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->getEntityId(id), Acad::eInvalidIndex);
  delete it;
  AcDbLine line;
  EXPECT_EQ(model->appendAcDbEntity(&line), Acad::eNotOpenForWrite);
  model->close();
}

TEST(BlockTableRecord, NewEntityTakesTheCurrentLayerAndByLayerLinetype) {
  AcDbDatabase db;
  AcDbEntity* ent = nullptr;
  AcDbObjectId id = dbtest::addToModelSpace(db, new AcDbLine());
  acdbOpenAcDbEntity(ent, id, AcDb::kForRead);
  EXPECT_EQ(ent->layerId(), db.layerZero());
  ACHAR* lt = ent->linetype();
  EXPECT_EQ(std::u16string(lt), u"ByLayer");
  acutDelString(lt);
  ent->close();
}

}  // namespace
