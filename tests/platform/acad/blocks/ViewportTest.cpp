// AcDbViewport read from VIEWPORT entities: sizes, view and status flags.
#include <dbvport.h>
#include <gtest/gtest.h>

#include <cmath>

#include "BlocksTestDrawing.h"

namespace {

using blockstest::OpenFor;
using dbtest::dxfText;

std::unique_ptr<AcDbDatabase> readViewport(std::initializer_list<dbtest::Group> groups) {
  std::string entity = dxfText({{0, "VIEWPORT"}, {8, "0"}, {67, "1"}, {100, "AcDbViewport"}}) + dxfText(groups);
  return dbtest::readDrawing(blockstest::drawing("", "", entity));
}

AcDbObjectId firstPaperSpaceEntity(AcDbDatabase& db) {
  OpenFor<AcDbBlockTableRecord> paper(blockstest::blockNamed(db, ACDB_PAPER_SPACE));
  return paper.get() && !paper->entityIds().empty() ? paper->entityIds().front() : AcDbObjectId::kNull;
}

TEST(AcDbViewport, ReadsSizesAndView) {
  auto db = readViewport({{10, "5.25"}, {20, "3.5"}, {30, "0"}, {40, "11.55"}, {41, "8.925"}, {68, "1"}, {69, "2"},
                          {12, "100"}, {22, "200"}, {45, "428.4"}, {90, "0"}});
  OpenFor<AcDbViewport> vp(firstPaperSpaceEntity(*db));
  ASSERT_NE(vp.get(), nullptr);
  EXPECT_TRUE(vp->centerPoint().isEqualTo(AcGePoint3d(5.25, 3.5, 0)));
  EXPECT_DOUBLE_EQ(vp->width(), 11.55);
  EXPECT_DOUBLE_EQ(vp->height(), 8.925);
  EXPECT_DOUBLE_EQ(vp->viewHeight(), 428.4);
  EXPECT_TRUE(vp->viewCenter().isEqualTo(AcGePoint2d(100, 200)));
  EXPECT_EQ(vp->number(), 2);
  EXPECT_FALSE(vp->isPerspectiveOn());
  EXPECT_FALSE(vp->isLocked());
  EXPECT_FALSE(vp->hiddenLinesRemoved());
}

TEST(AcDbViewport, StatusFlagBits) {
  struct Case {
    const char* flags;
    bool perspective, locked, hidden;
  };
  for (const Case& c : {Case{"1", true, false, false}, Case{"2048", false, false, true},
                        Case{"16384", false, true, false}, Case{"18433", true, true, true},
                        Case{"557152", false, false, false},  // 0x88060: others set, none of the three
                        Case{"-1", true, true, true}}) {
    auto db = readViewport({{41, "1"}, {45, "1"}, {90, c.flags}});
    OpenFor<AcDbViewport> vp(firstPaperSpaceEntity(*db));
    ASSERT_NE(vp.get(), nullptr);
    EXPECT_EQ(vp->isPerspectiveOn(), c.perspective) << c.flags;
    EXPECT_EQ(vp->isLocked(), c.locked) << c.flags;
    EXPECT_EQ(vp->hiddenLinesRemoved(), c.hidden) << c.flags;
  }
}

// A view height the file does not give as a positive number reads as 0: no scale is invented for it.
TEST(AcDbViewport, ViewHeightIsPositiveOrZero) {
  struct Case {
    const char* paperHeight;
    const char* viewHeight;
    double expected;
  };
  for (const Case& c : {Case{"2", "0", 0.0}, Case{"2", "-48", 0.0}, Case{"2", "nan", 0.0}, Case{"0", "0", 0.0},
                        Case{"-1", "0", 0.0}, Case{"2", "1e-300", 1e-300}}) {
    auto db = readViewport({{41, c.paperHeight}, {45, c.viewHeight}});
    OpenFor<AcDbViewport> vp(firstPaperSpaceEntity(*db));
    ASSERT_NE(vp.get(), nullptr);
    EXPECT_EQ(vp->viewHeight(), c.expected) << c.paperHeight << " " << c.viewHeight;
  }
  auto missing = readViewport({{41, "3"}});
  OpenFor<AcDbViewport> vp(firstPaperSpaceEntity(*missing));
  EXPECT_EQ(vp->viewHeight(), 0.0);
}

}  // namespace
