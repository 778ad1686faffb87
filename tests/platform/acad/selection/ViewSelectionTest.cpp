// The view's side of selection: what the aperture holds for point monitors, and the click that changes
// the pick-first set.
#include "SelectionTestSupport.h"

namespace {

using seltest::block;
using seltest::drawingText;
using seltest::insert;
using seltest::line;

class ViewSelection : public seltest::SelectionTest {
 protected:
  static void click(AcApDocument* doc, double x, double y) { acadsim::clickSelect(doc, AcGePoint3d(x, y, 0)); }
};

TEST_F(ViewSelection, TheApertureHoldsEveryEntityWithinItNearestFirst) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0) + line(0, 2, 100, 2) + line(0, 50, 100, 50)));
  acadsim::ApertureContents contents;
  acadsim::entitiesInAperture(doc, AcGePoint3d(50, 1.5, 0), 3, contents);
  ASSERT_EQ(contents.entities.length(), 2);
  EXPECT_EQ(contents.entities[0], entities(doc)[1]);
  EXPECT_EQ(contents.entities[1], entities(doc)[0]);
  EXPECT_EQ(contents.gsMarkers.length(), 2);
  EXPECT_EQ(contents.nestedEntities.length(), 2);
}

TEST_F(ViewSelection, TheApertureNamesTheNestedPathOutToTheReference) {
  AcApDocument* doc = open(drawingText(insert("B", 100, 0), block("B", 0, "", line(0, 0, 10, 0))));
  acadsim::ApertureContents contents;
  acadsim::entitiesInAperture(doc, AcGePoint3d(105, 0, 0), 1, contents);
  ASSERT_EQ(contents.nestedEntities.length(), 1);
  ASSERT_EQ(contents.nestedEntities[0].length(), 2);
  EXPECT_EQ(contents.nestedEntities[0][1], entities(doc)[0]);
}

TEST_F(ViewSelection, TheApertureHoldsEntitiesOnLockedLayers) {
  open(drawingText(line(0, 0, 100, 0, "LOCKED"), "", seltest::layer("LOCKED", 1, 4)));
  acadsim::ApertureContents contents;
  acadsim::entitiesInAperture(acadsim::selection::currentDocument(), AcGePoint3d(50, 0, 0), 3, contents);
  EXPECT_EQ(contents.entities.length(), 1);
}

TEST_F(ViewSelection, AnEmptyApertureHoldsNothing) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  acadsim::ApertureContents contents;
  acadsim::entitiesInAperture(doc, AcGePoint3d(50, 10, 0), 3, contents);
  EXPECT_EQ(contents.entities.length(), 0);
}

TEST_F(ViewSelection, AClickAddsToThePickFirstSetAndAClickOnNothingClearsIt) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0) + line(0, 20, 100, 20)));
  click(doc, 50, 0);
  click(doc, 50, 20);
  EXPECT_EQ(acadsim::pickFirstEntities(doc), (std::vector<AcDbObjectId>{entities(doc)[0], entities(doc)[1]}));
  EXPECT_TRUE(acadsim::pickFirstGripped(doc));
  click(doc, 50, 10);
  EXPECT_TRUE(acadsim::pickFirstEntities(doc).empty());
}

TEST_F(ViewSelection, WithoutPickaddAClickReplacesTheSet) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0) + line(0, 20, 100, 20)));
  setShort(u"PICKADD", 0);
  click(doc, 50, 0);
  click(doc, 50, 20);
  EXPECT_EQ(acadsim::pickFirstEntities(doc), std::vector<AcDbObjectId>{entities(doc)[1]});
}

TEST_F(ViewSelection, AClickPassesOverLockedLayers) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0, "LOCKED"), "", seltest::layer("LOCKED", 1, 4)));
  click(doc, 50, 0);
  EXPECT_TRUE(acadsim::pickFirstEntities(doc).empty());
}

TEST_F(ViewSelection, AClickedSetIsTheImpliedSet) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  click(doc, 50, 0);
  seltest::Set implied;
  ASSERT_EQ(acedSSGet(u"_I", nullptr, nullptr, nullptr, implied.name), RTNORM);
  EXPECT_EQ(member(implied.name, 0), entities(doc)[0]);
}

TEST_F(ViewSelection, AClickSelectsTheGroupUnderPickstyleOne) {
  AcApDocument* doc = open(drawingText(seltest::handledLine("A1", 0, 0, 100, 0, "300") +
                                           seltest::handledLine("A2", 0, 50, 100, 50, "300"),
                                       "", "", seltest::groupObjects("300", {"A1", "A2"})));
  click(doc, 50, 0);
  EXPECT_EQ(acadsim::pickFirstEntities(doc).size(), 2u);
}

TEST_F(ViewSelection, EveryClickIsHeard) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  int calls = 0;
  acadsim::setPickFirstChangedHandler([&](AcApDocument*) { ++calls; });
  click(doc, 50, 0);
  click(doc, 50, 50);
  acadsim::setPickFirstChangedHandler(nullptr);
  EXPECT_EQ(calls, 2);
}

TEST_F(ViewSelection, ErasedEntitiesLeaveThePickFirstSet) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  click(doc, 50, 0);
  ads_name e;
  acdbGetAdsName(e, entities(doc)[0]);
  ASSERT_EQ(acdbEntDel(e), RTNORM);
  EXPECT_TRUE(acadsim::pickFirstEntities(doc).empty());
  EXPECT_FALSE(acadsim::pickFirstGripped(doc));
}

}  // namespace
