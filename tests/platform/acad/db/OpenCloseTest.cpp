// acdbOpenAcDbObject and close: the host's open rules and their statuses.
#include <dbdict.h>
#include <dbents.h>
#include <gtest/gtest.h>

#include <vector>

#include "DbTestDrawing.h"

namespace {

class OpenClose : public ::testing::Test {
 protected:
  void SetUp() override { lineId = dbtest::addToModelSpace(db, new AcDbLine()); }
  AcDbDatabase db;
  AcDbObjectId lineId;
};

TEST_F(OpenClose, ManyReadersTogether) {
  AcDbObject *a = nullptr, *b = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(a, lineId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(acdbOpenAcDbObject(b, lineId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(a, b);
  EXPECT_TRUE(a->isReadEnabled());
  EXPECT_FALSE(a->isWriteEnabled());
  EXPECT_EQ(a->close(), Acad::eOk);
  EXPECT_EQ(b->close(), Acad::eOk);
  EXPECT_EQ(b->close(), Acad::eNotOpenForRead);
}

TEST_F(OpenClose, AtMost256Readers) {
  std::vector<AcDbObject*> readers(256);
  for (auto& r : readers) ASSERT_EQ(acdbOpenAcDbObject(r, lineId, AcDb::kForRead), Acad::eOk);
  AcDbObject* extra = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(extra, lineId, AcDb::kForRead), Acad::eAtMaxReaders);
  EXPECT_EQ(extra, nullptr);
  readers.back()->close();
  EXPECT_EQ(acdbOpenAcDbObject(extra, lineId, AcDb::kForRead), Acad::eOk);
  extra->close();
  readers.pop_back();
  for (auto* r : readers) r->close();
}

TEST_F(OpenClose, OneWriterExcludesOthers) {
  AcDbObject *w = nullptr, *other = nullptr;
  ASSERT_EQ(acdbOpenAcDbObject(w, lineId, AcDb::kForWrite), Acad::eOk);
  EXPECT_TRUE(w->isWriteEnabled());
  EXPECT_EQ(acdbOpenAcDbObject(other, lineId, AcDb::kForRead), Acad::eWasOpenedForWrite);
  EXPECT_EQ(acdbOpenAcDbObject(other, lineId, AcDb::kForWrite), Acad::eWasOpenedForWrite);
  EXPECT_EQ(other, nullptr);
  w->close();
  ASSERT_EQ(acdbOpenAcDbObject(other, lineId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(acdbOpenAcDbObject(w, lineId, AcDb::kForWrite), Acad::eWasOpenedForRead);
  other->close();
}

TEST_F(OpenClose, NotifyOpensBesideReadersButOnlyOnce) {
  AcDbObject *r = nullptr, *n = nullptr, *n2 = nullptr;
  ASSERT_EQ(acdbOpenAcDbObject(r, lineId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(acdbOpenAcDbObject(n, lineId, AcDb::kForNotify), Acad::eOk);
  EXPECT_EQ(acdbOpenAcDbObject(n2, lineId, AcDb::kForNotify), Acad::eWasOpenedForNotify);
  n->close();
  r->close();
}

TEST_F(OpenClose, UpgradeAndDowngrade) {
  AcDbObject *a = nullptr, *b = nullptr;
  acdbOpenAcDbObject(a, lineId, AcDb::kForRead);
  acdbOpenAcDbObject(b, lineId, AcDb::kForRead);
  EXPECT_EQ(a->upgradeOpen(), Acad::eHadMultipleReaders);
  b->close();
  EXPECT_EQ(a->upgradeOpen(), Acad::eOk);
  EXPECT_TRUE(a->isWriteEnabled());
  EXPECT_EQ(a->downgradeOpen(), Acad::eOk);
  EXPECT_FALSE(a->isWriteEnabled());
  a->close();
}

TEST_F(OpenClose, ErasedObjectsOpenOnlyWhenAskedFor) {
  AcDbObject* obj = nullptr;
  acdbOpenAcDbObject(obj, lineId, AcDb::kForWrite);
  EXPECT_EQ(obj->erase(), Acad::eOk);
  obj->close();
  EXPECT_TRUE(lineId.isErased());
  EXPECT_EQ(acdbOpenAcDbObject(obj, lineId, AcDb::kForRead), Acad::eWasErased);
  EXPECT_EQ(obj, nullptr);
  ASSERT_EQ(acdbOpenAcDbObject(obj, lineId, AcDb::kForRead, true), Acad::eOk);
  EXPECT_TRUE(obj->isErased());
  obj->close();
}

TEST_F(OpenClose, NullIdsAndWrongKinds) {
  AcDbObject* obj = nullptr;
  AcDbEntity* ent = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(obj, AcDbObjectId::kNull, AcDb::kForRead), Acad::eNullObjectId);
  EXPECT_EQ(acdbOpenAcDbEntity(ent, db.layerZero(), AcDb::kForRead), Acad::eNotAnEntity);
  AcDbCircle* circle = nullptr;
  EXPECT_EQ(acdbOpenObject(circle, lineId, AcDb::kForRead), Acad::eNotThatKindOfClass);
  EXPECT_EQ(circle, nullptr);
  // A refused typed open leaves nothing open.
  EXPECT_EQ(acdbOpenAcDbObject(obj, lineId, AcDb::kForWrite), Acad::eOk);
  obj->close();
  AcDbLine* line = nullptr;
  EXPECT_EQ(acdbOpenObject(line, lineId, AcDb::kForRead), Acad::eOk);
  line->close();
}

TEST_F(OpenClose, ChangesNeedWriteAccess) {
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, lineId, AcDb::kForRead);
  EXPECT_EQ(ent->setColorIndex(1), Acad::eNotOpenForWrite);
  EXPECT_EQ(ent->erase(), Acad::eNotOpenForWrite);
  ent->close();
}

TEST(ObjectId, NullIdAndHandles) {
  AcDbObjectId id;
  EXPECT_TRUE(id.isNull());
  EXPECT_FALSE(id.isValid());
  EXPECT_EQ(id.database(), nullptr);
  EXPECT_TRUE(id.handle().isNull());
  EXPECT_EQ(id, AcDbObjectId::kNull);
  AcDbDatabase db;
  AcDbObjectId layer = db.layerZero();
  EXPECT_TRUE(layer.isValid());
  EXPECT_EQ(layer.database(), &db);
  EXPECT_FALSE(layer.handle().isNull());
  AcDbObjectId found;
  EXPECT_EQ(db.getAcDbObjectId(found, false, layer.handle()), Acad::eOk);
  EXPECT_EQ(found, layer);
  EXPECT_EQ(db.getAcDbObjectId(found, false, AcDbHandle(0xFFFFFF)), Acad::eUnknownHandle);
  EXPECT_EQ(db.getAcDbObjectId(found, false, AcDbHandle()), Acad::eNullHandle);
}

TEST(Handle, HexTextBothWays) {
  ACHAR buf[17];
  AcDbHandle(0x1F).getIntoAsciiBuffer(buf);
  EXPECT_EQ(std::u16string(buf), u"1F");
  AcDbHandle().getIntoAsciiBuffer(buf);
  EXPECT_EQ(std::u16string(buf), u"0");
  AcDbHandle(~0ULL).getIntoAsciiBuffer(buf);
  EXPECT_EQ(std::u16string(buf), u"FFFFFFFFFFFFFFFF");
  EXPECT_FALSE(AcDbHandle(0x123).getIntoAsciiBuffer(buf, 3));
  EXPECT_EQ(Adesk::UInt64(AcDbHandle(u"1a2B")), 0x1A2Bu);
  EXPECT_TRUE(AcDbHandle(u"xyz").isNull());
  EXPECT_TRUE(AcDbHandle(u"11112222333344445").isNull());  // 17 digits
  EXPECT_EQ(AcDbHandle(1, 2).high(), 2u);
}

}  // namespace
