// The columns of a multi-column MTEXT, written as MTEXT entities of their own, become parts of the main one.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <dbents.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../db/DbTestDrawing.h"

namespace {

using dbtest::dxfText;

// An MTEXT of handle `handle` whose ACAD xdata lists the columns `columns`.
std::string mtextListing(const std::string& handle, const std::vector<std::string>& columns) {
  std::string text = dxfText({{0, "MTEXT"}, {5, handle}, {8, "0"}, {100, "AcDbMText"}, {1, "text " + handle},
                              {1001, "ACAD"}, {1000, "ACAD_MTEXT_COLUMNS_BEGIN"}});
  for (const std::string& column : columns) text += dxfText({{1005, column}});
  return text + dxfText({{1000, "ACAD_MTEXT_COLUMNS_END"}});
}

struct Read {
  std::unique_ptr<AcDbDatabase> db;
  std::vector<AcDbObjectId> modelSpace;
  AcDbObjectId byHandle(Adesk::UInt64 handle) {
    AcDbObjectId id;
    EXPECT_EQ(db->getAcDbObjectId(id, false, AcDbHandle(handle)), Acad::eOk);
    return id;
  }
};

Read readEntities(const std::string& body) {
  Read r;
  r.db = dbtest::readDrawing(dxfText({{0, "SECTION"}, {2, "ENTITIES"}}) + body + dxfText({{0, "ENDSEC"}, {0, "EOF"}}));
  AcDbBlockTableRecord* model = nullptr;
  EXPECT_EQ(acdbOpenObject(model, acadsim::modelSpaceBlockId(*r.db), AcDb::kForRead), Acad::eOk);
  r.modelSpace = model->entityIds();
  model->close();
  return r;
}

AcDbObjectId ownerOf(AcDbObjectId id) {
  AcDbObject* obj = nullptr;
  EXPECT_EQ(acdbOpenAcDbObject(obj, id, AcDb::kForRead), Acad::eOk);
  AcDbObjectId owner = obj->ownerId();
  obj->close();
  return owner;
}

TEST(DxfMTextColumns, ColumnsBecomePartsOfTheMainMText) {
  Read r = readEntities(mtextListing("40", {"41"}) + dxfText({{0, "MTEXT"}, {5, "41"}, {8, "0"}}) +
                        dxfText({{0, "LINE"}, {5, "42"}, {8, "0"}}));
  ASSERT_EQ(r.modelSpace.size(), 2u);
  EXPECT_EQ(r.modelSpace[0], r.byHandle(0x40));
  EXPECT_EQ(r.modelSpace[1], r.byHandle(0x42));
  EXPECT_EQ(ownerOf(r.byHandle(0x41)), r.byHandle(0x40));
}

TEST(DxfMTextColumns, MTextsListingEachOtherDoNotOwnEachOther) {
  Read r = readEntities(mtextListing("40", {"41"}) + mtextListing("41", {"40"}));
  ASSERT_EQ(r.modelSpace.size(), 1u);
  EXPECT_EQ(r.modelSpace[0], r.byHandle(0x40));
  EXPECT_EQ(ownerOf(r.byHandle(0x40)), acadsim::modelSpaceBlockId(*r.db));
  EXPECT_EQ(ownerOf(r.byHandle(0x41)), r.byHandle(0x40));
}

TEST(DxfMTextColumns, AnMTextListingItselfStaysInModelSpace) {
  Read r = readEntities(mtextListing("40", {"40"}));
  ASSERT_EQ(r.modelSpace.size(), 1u);
  EXPECT_EQ(ownerOf(r.modelSpace[0]), acadsim::modelSpaceBlockId(*r.db));
}

}  // namespace
