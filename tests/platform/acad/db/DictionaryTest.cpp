// Dictionaries: entries by name without regard to case, iteration orders, extension dictionaries.
#include <acutads.h>
#include <dbdict.h>
#include <dbents.h>
#include <dbobjects.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbTestDrawing.h"

namespace {

TEST(Dictionary, NamedObjectsDictionaryHoldsTheStandardEntries) {
  AcDbDatabase db;
  AcDbDictionary* nod = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(nod), Acad::eOk);
  EXPECT_TRUE(nod->has(u"ACAD_GROUP"));
  EXPECT_TRUE(nod->has(u"acad_layout"));
  EXPECT_TRUE(nod->has(u"ACAD_PLOTSTYLENAME"));
  EXPECT_TRUE(nod->has(u"ACAD_MATERIAL"));
  AcDbObject* layouts = nullptr;
  ASSERT_EQ(nod->getAt(u"ACAD_LAYOUT", layouts, AcDb::kForRead), Acad::eOk);
  EXPECT_NE(AcDbDictionary::cast(layouts), nullptr);
  layouts->close();
  nod->close();
}

TEST(Dictionary, SetsGetsAndRemovesEntries) {
  AcDbDatabase db;
  AcDbDictionary* nod = nullptr;
  db.getNamedObjectsDictionary(nod, AcDb::kForWrite);
  auto* record = new AcDbXrecord();
  AcDbObjectId id;
  ASSERT_EQ(nod->setAt(u"My Entry", record, id), Acad::eOk);
  EXPECT_EQ(record->ownerId(), nod->objectId());
  record->close();
  AcDbObjectId found;
  EXPECT_EQ(nod->getAt(u"MY ENTRY", found), Acad::eOk);
  EXPECT_EQ(found, id);
  ACHAR* name = nullptr;
  EXPECT_EQ(nod->nameAt(id, name), Acad::eOk);
  EXPECT_EQ(std::u16string(name), u"My Entry");
  acutDelString(name);
  EXPECT_EQ(nod->getAt(u"missing", found), Acad::eKeyNotFound);
  AcDbXrecord unnamed;
  EXPECT_EQ(nod->setAt(u"", &unnamed, id), Acad::eInvalidKey);
  Adesk::UInt32 before = nod->numEntries();
  EXPECT_EQ(nod->remove(u"my entry"), Acad::eOk);
  EXPECT_EQ(nod->numEntries(), before - 1);
  EXPECT_EQ(nod->remove(u"my entry"), Acad::eKeyNotFound);
  nod->close();
}

TEST(Dictionary, SetAtReplacesAnEntryOfTheSameName) {
  AcDbDatabase db;
  AcDbDictionary* nod = nullptr;
  db.getNamedObjectsDictionary(nod, AcDb::kForWrite);
  AcDbObjectId a, b;
  auto* first = new AcDbXrecord();
  nod->setAt(u"X", first, a);
  first->close();
  auto* second = new AcDbXrecord();
  nod->setAt(u"x", second, b);
  second->close();
  AcDbObjectId found;
  nod->getAt(u"X", found);
  EXPECT_EQ(found, b);
  nod->close();
}

TEST(DictionaryIterator, SortedByNameOrInInsertionOrder) {
  AcDbDatabase db;
  AcDbDictionary* nod = nullptr;
  db.getNamedObjectsDictionary(nod, AcDb::kForWrite);
  AcDbObjectId id;
  for (const char16_t* n : {u"ZZZ", u"aaa"}) {
    auto* x = new AcDbXrecord();
    nod->setAt(n, x, id);
    x->close();
  }
  std::vector<std::u16string> sorted, collated;
  AcDbDictionaryIterator* it = nod->newIterator();
  for (; !it->done(); it->next()) sorted.push_back(it->name());
  delete it;
  it = nod->newIterator(AcRx::kDictCollated);
  for (; !it->done(); it->next()) collated.push_back(it->name());
  delete it;
  EXPECT_EQ(sorted.front(), u"aaa");
  EXPECT_EQ(sorted.back(), u"ZZZ");
  EXPECT_EQ(collated.back(), u"aaa");
  nod->close();
}

TEST(ExtensionDictionary, IsMadeOnceAndOwnedByItsObject) {
  AcDbDatabase db;
  AcDbObjectId lineId = dbtest::addToModelSpace(db, new AcDbLine());
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, lineId, AcDb::kForRead);
  EXPECT_TRUE(ent->extensionDictionary().isNull());
  EXPECT_EQ(ent->createExtensionDictionary(), Acad::eNotOpenForWrite);
  ent->upgradeOpen();
  EXPECT_EQ(ent->createExtensionDictionary(), Acad::eOk);
  EXPECT_EQ(ent->createExtensionDictionary(), Acad::eAlreadyInDb);
  AcDbObjectId xdict = ent->extensionDictionary();
  ent->close();
  AcDbDictionary* dict = nullptr;
  ASSERT_EQ(acdbOpenObject(dict, xdict, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dict->ownerId(), lineId);
  EXPECT_EQ(dict->numEntries(), 0u);
  dict->close();
  AcDbLine loose;
  EXPECT_EQ(loose.createExtensionDictionary(), Acad::eNoDatabase);
}

}  // namespace
