// acedSSGet with a point: the PICKBOX aperture, the nearest entity, layers, erased entities and groups.
#include "SelectionTestSupport.h"

namespace {

using seltest::drawingText;
using seltest::line;
using seltest::Set;

class Pick : public seltest::SelectionTest {};

TEST_F(Pick, AHitExactlyAtTheApertureIsTaken) {
  open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  EXPECT_EQ(pick(50, 3, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 1);
}

TEST_F(Pick, JustBeyondTheApertureIsNothing) {
  open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  EXPECT_EQ(pick(50, 3.001, ss.name), RTERROR);
  EXPECT_EQ(getShort(u"ERRNO"), 7);
}

TEST_F(Pick, TheApertureFollowsPickbox) {
  open(drawingText(line(0, 0, 100, 0)));
  setShort(u"PICKBOX", 5);
  Set ss;
  EXPECT_EQ(pick(50, 4.5, ss.name), RTNORM);
}

TEST_F(Pick, TheApertureFollowsTheViewScale) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  acadsim::documentView(doc).pixelsPerUnit = 0.5;  // two units a pixel: 6 units
  Set ss;
  EXPECT_EQ(pick(50, 5.9, ss.name), RTNORM);
}

TEST_F(Pick, TheNearestEntityWins) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0) + line(0, 2, 100, 2)));
  Set ss;
  ASSERT_EQ(pick(50, 1.5, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 1);
  EXPECT_EQ(member(ss.name, 0), entities(doc)[1]);
}

TEST_F(Pick, ThePointIsTakenInTheUcs) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  acadsim::DxfData value;
  const double p[3] = {0, -50, 0};
  value.addPoint(10, p, 3);
  doc->database()->impl().setHeader("$UCSORG", value);
  Set ss;
  EXPECT_EQ(pick(50, 50, ss.name), RTNORM);
}

TEST_F(Pick, EmptySpaceIsAnError) {
  open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  EXPECT_EQ(pick(50, 50, ss.name), RTERROR);
}

TEST_F(Pick, ADrawingWithoutEntitiesGivesNothing) {
  open(drawingText(""));
  Set ss;
  EXPECT_EQ(pick(0, 0, ss.name), RTERROR);
  EXPECT_EQ(acedSSGet(u"_X", nullptr, nullptr, nullptr, ss.name), RTERROR);
  EXPECT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, ss.name), RTERROR);
}

TEST_F(Pick, FrozenAndOffLayersAreNotThere) {
  std::string layers = seltest::layer("FROZEN", 1, 1) + seltest::layer("OFF", -1);
  open(drawingText(line(0, 0, 100, 0, "FROZEN") + line(0, 10, 100, 10, "OFF"), "", layers));
  Set a, b;
  EXPECT_EQ(pick(50, 0, a.name), RTERROR);
  EXPECT_EQ(pick(50, 10, b.name), RTERROR);
}

TEST_F(Pick, LockedLayersAreSelectedUnlessTheModeSaysUnlockedOnly) {
  open(drawingText(line(0, 0, 100, 0, "LOCKED"), "", seltest::layer("LOCKED", 1, 4)));
  Set plain, unlocked;
  EXPECT_EQ(pick(50, 0, plain.name), RTNORM);
  EXPECT_EQ(pick(50, 0, unlocked.name, u"_:L"), RTERROR);
}

TEST_F(Pick, UnknownModesAreAnError) {
  open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  EXPECT_EQ(pick(50, 0, ss.name, u"_Q"), RTERROR);
  EXPECT_EQ(pick(50, 0, ss.name, u"_:Z"), RTERROR);
}

TEST_F(Pick, TheLeadingUnderscoreIsOptional) {
  open(drawingText(line(0, 0, 100, 0)));
  Set a, b;
  EXPECT_EQ(pick(50, 0, a.name, u":N"), RTNORM);
  EXPECT_EQ(acedSSGet(u"x", nullptr, nullptr, nullptr, b.name), RTNORM);
}

TEST_F(Pick, AFilterPassesOverEntitiesThatDoNotMatch) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0, "0", 1) + line(0, 1, 100, 1, "0", 3)));
  resbuf* filter = acutBuildList(62, 1, 0);
  Set ss;
  const double pt[3] = {50, 1, 0};
  EXPECT_EQ(acedSSGet(nullptr, pt, nullptr, filter, ss.name), RTNORM);
  EXPECT_EQ(member(ss.name, 0), entities(doc)[0]);
  acutRelRb(filter);
}

TEST_F(Pick, AnEntityErasedAfterTheIndexWasBuiltIsNotPicked) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0) + line(0, 2, 100, 2)));
  Set first, second;
  ASSERT_EQ(pick(50, 0, first.name), RTNORM);
  ads_name gone;
  acdbGetAdsName(gone, entities(doc)[0]);
  ASSERT_EQ(acdbEntDel(gone), RTNORM);
  ASSERT_EQ(pick(50, 0, second.name), RTNORM);
  EXPECT_EQ(member(second.name, 0), entities(doc)[1]);
}

TEST_F(Pick, AnEntityMadeAfterTheIndexWasBuiltIsPicked) {
  open(drawingText(line(0, 0, 100, 0)));
  Set first, second;
  ASSERT_EQ(pick(50, 0, first.name), RTNORM);
  resbuf* list = acutBuildList(RTDXF0, u"CIRCLE", 10, std::array<double, 3>{500, 500, 0}.data(), 40, 10.0, 0);
  ASSERT_EQ(acdbEntMake(list), RTNORM);
  acutRelRb(list);
  EXPECT_EQ(pick(510, 500, second.name), RTNORM);
}

TEST_F(Pick, AMovedEntityIsFoundWhereItIsNow) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  Set first, old, now;
  ASSERT_EQ(pick(50, 0, first.name), RTNORM);
  AcDbLine* moved = nullptr;
  ASSERT_EQ(acdbOpenObject(moved, entities(doc)[0], AcDb::kForWrite), Acad::eOk);
  moved->setStartPoint(AcGePoint3d(0, 200, 0));
  moved->setEndPoint(AcGePoint3d(100, 200, 0));
  moved->close();
  EXPECT_EQ(pick(50, 0, old.name), RTERROR);
  EXPECT_EQ(pick(50, 200, now.name), RTNORM);
}

// A drawing of two grouped lines and one more, the group selectable or not.
std::string groupedDrawing(bool selectable) {
  return drawingText(seltest::handledLine("A1", 0, 0, 100, 0, "300") + seltest::handledLine("A2", 0, 50, 100, 50, "300") +
                         seltest::handledLine("A3", 0, 100, 100, 100),
                     "", "", seltest::groupObjects("300", {"A1", "A2"}, selectable));
}

TEST_F(Pick, PickstyleOneSelectsTheWholeGroup) {
  AcApDocument* doc = open(groupedDrawing(true));
  ASSERT_EQ(getShort(u"PICKSTYLE"), 1);
  Set ss;
  ASSERT_EQ(pick(50, 0, ss.name), RTNORM);
  ASSERT_EQ(length(ss.name), 2);
  EXPECT_EQ(member(ss.name, 0), entities(doc)[0]);
  EXPECT_EQ(member(ss.name, 1), entities(doc)[1]);
}

TEST_F(Pick, PickstyleZeroSelectsOnlyTheEntity) {
  open(groupedDrawing(true));
  setShort(u"PICKSTYLE", 0);
  Set ss;
  ASSERT_EQ(pick(50, 0, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 1);
}

TEST_F(Pick, AGroupThatIsNotSelectableIsNotExpanded) {
  open(groupedDrawing(false));
  Set ss;
  ASSERT_EQ(pick(50, 0, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 1);
}

TEST_F(Pick, AnEntityOutsideGroupsIsAloneUnderPickstyleOne) {
  open(groupedDrawing(true));
  Set ss;
  ASSERT_EQ(pick(50, 100, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 1);
}

}  // namespace
