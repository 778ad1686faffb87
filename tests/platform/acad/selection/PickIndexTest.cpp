// The pick index: only the entities near the point are candidates, and changes are followed without
// rebuilding the grid until they change how other entities draw.
#include "SelectionTestSupport.h"
#include "ed/selection/PickIndex.h"

namespace {

using acadsim::selection::pickIndex;
using seltest::drawingText;
using seltest::line;
using seltest::Set;

class PickIndexTest : public seltest::SelectionTest {
 protected:
  // A square of n by n short lines, one unit long, ten units apart.
  AcApDocument* field(int n) {
    std::string lines;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) lines += line(i * 10, j * 10, i * 10 + 1, j * 10);
    return open(drawingText(lines));
  }
  static acadsim::DatabaseImpl& impl(AcApDocument* doc) { return doc->database()->impl(); }
  static size_t candidateCount(AcApDocument* doc, double x, double y, double r) {
    std::vector<AcDbStub*> out;
    pickIndex(impl(doc)).candidates(AcGePoint2d(x, y), r, out);
    return out.size();
  }
};

TEST_F(PickIndexTest, OnlyEntitiesNearThePointAreCandidates) {
  AcApDocument* doc = field(100);
  EXPECT_LE(candidateCount(doc, 500.5, 501, 3), 4u);
  EXPECT_GE(candidateCount(doc, 500.5, 501, 3), 1u);
  EXPECT_EQ(candidateCount(doc, 5000, 5000, 3), 0u);
}

TEST_F(PickIndexTest, EveryEntityIsACandidateOnceUnderAWideQuery) {
  AcApDocument* doc = field(10);
  EXPECT_EQ(candidateCount(doc, 50, 50, 1000), 100u);
}

TEST_F(PickIndexTest, ErasingMakingAndMovingDoNotRebuild) {
  AcApDocument* doc = field(10);
  Set a, b, c;
  ASSERT_EQ(pick(0.5, 0, a.name), RTNORM);
  const uint64_t builds = pickIndex(impl(doc)).builds();
  ads_name e;
  acdbGetAdsName(e, entities(doc)[0]);
  ASSERT_EQ(acdbEntDel(e), RTNORM);
  const double at[3] = {500, 500, 0};
  resbuf* point = acutBuildList(RTDXF0, u"POINT", 10, at, 0);
  ASSERT_EQ(acdbEntMake(point), RTNORM);
  acutRelRb(point);
  EXPECT_EQ(pick(0.5, 0, b.name), RTERROR);
  EXPECT_EQ(pick(500, 500, c.name), RTNORM);
  EXPECT_EQ(pickIndex(impl(doc)).builds(), builds);
}

TEST_F(PickIndexTest, ALayerChangeRebuilds) {
  AcApDocument* doc = open(drawingText(line(0, 0, 10, 0, "L"), "", seltest::layer("L", 1, 1)));
  Set frozen, thawed;
  EXPECT_EQ(pick(5, 0, frozen.name), RTERROR);
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(doc->database()->getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  AcDbLayerTableRecord* record = nullptr;
  ASSERT_EQ(layers->getAt(u"L", record, AcDb::kForWrite), Acad::eOk);
  layers->close();
  record->setIsFrozen(false);
  record->close();
  EXPECT_EQ(pick(5, 0, thawed.name), RTNORM);
}

TEST_F(PickIndexTest, ManyChangesRebuildOnce) {
  AcApDocument* doc = field(5);
  Set a, b;
  ASSERT_EQ(pick(0.5, 0, a.name), RTNORM);
  const uint64_t builds = pickIndex(impl(doc)).builds();
  const double at[3] = {1000, 1000, 0};
  for (int i = 0; i < 1100; ++i) {
    resbuf* point = acutBuildList(RTDXF0, u"POINT", 10, at, 0);
    ASSERT_EQ(acdbEntMake(point), RTNORM);
    acutRelRb(point);
  }
  EXPECT_EQ(pick(1000, 1000, b.name), RTNORM);
  EXPECT_EQ(pickIndex(impl(doc)).builds(), builds + 1);
}

}  // namespace
