// Handles at the top of their range: objects the reader numbers itself never get the null handle.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "../db/DbTestDrawing.h"

namespace {

using dbtest::dxfText;

constexpr Adesk::UInt64 kTopHandle = 0xFFFFFFFFFFFFFFFFull;

TEST(DxfHandleLimits, TopmostHandlesLeaveNoObjectWithTheNullHandle) {
  std::string text = dxfText({{0, "SECTION"}, {2, "HEADER"}, {9, "$HANDSEED"}, {5, "FFFFFFFFFFFFFFFF"},
                              {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {5, "FFFFFFFFFFFFFFFF"},
                              {8, "0"}, {0, "LINE"}, {8, "0"}, {0, "LINE"}, {5, "1"}, {8, "0"}, {0, "ENDSEC"},
                              {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  AcDbBlockTableRecord* model = nullptr;
  ASSERT_EQ(acdbOpenObject(model, acadsim::modelSpaceBlockId(*db), AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_EQ(Adesk::UInt64(ids[0].handle()), kTopHandle);
  EXPECT_EQ(Adesk::UInt64(ids[2].handle()), 1u);
  EXPECT_FALSE(ids[1].handle().isNull());  // numbered by the reader, past the top
  std::set<Adesk::UInt64> handles;
  for (AcDbObjectId id : ids) handles.insert(Adesk::UInt64(id.handle()));
  for (AcDbObjectId id : {db->namedObjectsDictionaryId(), db->layerTableId(), db->blockTableId(),
                          db->layerZero(), acadsim::modelSpaceBlockId(*db)}) {
    EXPECT_FALSE(id.handle().isNull());
    handles.insert(Adesk::UInt64(id.handle()));
  }
  EXPECT_EQ(handles.size(), 8u);  // all distinct
}

}  // namespace
