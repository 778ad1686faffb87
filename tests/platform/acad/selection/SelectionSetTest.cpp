// Selection sets: acedSSAdd, acedSSDel, acedSSMemb, acedSSName, acedSSLength, acedSSFree, the limit of
// sets, "_X" with filter lists, and windows.
#include "SelectionTestSupport.h"

namespace {

using seltest::drawingText;
using seltest::line;
using seltest::Set;

class SelectionSets : public seltest::SelectionTest {
 protected:
  // A filter list of string groups built one by one.
  static resbuf* filterList(std::initializer_list<std::pair<int, const char16_t*>> groups) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const auto& [code, text] : groups) {
      resbuf* rb = acutNewRb(code == 0 ? RTDXF0 : code);
      acutNewString(text, rb->resval.rstring);
      *tail = rb;
      tail = &rb->rbnext;
    }
    return head;
  }
  static void nameOf(AcDbObjectId id, ads_name& out) { acdbGetAdsName(out, id); }
  static int selectAll(const resbuf* filter, ads_name out) { return acedSSGet(u"_X", nullptr, nullptr, filter, out); }
};

TEST_F(SelectionSets, AddWithoutArgumentsMakesAnEmptySet) {
  open(drawingText(line(0, 0, 1, 0)));
  Set ss;
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 0);
}

TEST_F(SelectionSets, AddWithAnEntityMakesASetOfIt) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0)));
  ads_name e;
  nameOf(entities(doc)[0], e);
  Set ss;
  ASSERT_EQ(acedSSAdd(e, nullptr, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 1);
  EXPECT_EQ(acedSSMemb(e, ss.name), RTNORM);
}

TEST_F(SelectionSets, AddingTwiceKeepsOneAndNamesTheSameSet) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0)));
  ads_name e, out;
  nameOf(entities(doc)[0], e);
  Set ss;
  ASSERT_EQ(acedSSAdd(e, nullptr, ss.name), RTNORM);
  ASSERT_EQ(acedSSAdd(e, ss.name, out), RTNORM);
  EXPECT_EQ(out[0], ss.name[0]);
  EXPECT_EQ(out[1], ss.name[1]);
  EXPECT_EQ(length(ss.name), 1);
}

TEST_F(SelectionSets, AddRefusesANameThatNamesNothing) {
  open(drawingText(line(0, 0, 1, 0)));
  ads_name bogus = {999999, 999999}, out;
  EXPECT_EQ(acedSSAdd(bogus, nullptr, out), RTERROR);
}

TEST_F(SelectionSets, DelRemovesAMemberAndRefusesANonMember) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0) + line(0, 5, 1, 5)));
  ads_name a, b;
  nameOf(entities(doc)[0], a);
  nameOf(entities(doc)[1], b);
  Set ss;
  ASSERT_EQ(acedSSAdd(a, nullptr, ss.name), RTNORM);
  EXPECT_EQ(acedSSDel(b, ss.name), RTERROR);
  EXPECT_EQ(acedSSDel(a, ss.name), RTNORM);
  EXPECT_EQ(length(ss.name), 0);
  EXPECT_EQ(acedSSMemb(a, ss.name), RTERROR);
}

TEST_F(SelectionSets, NameGivesMembersInOrderAndNothingPastTheEnd) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0) + line(0, 5, 1, 5)));
  Set all;
  ASSERT_EQ(selectAll(nullptr, all.name), RTNORM);
  EXPECT_EQ(member(all.name, 0), entities(doc)[0]);
  EXPECT_EQ(member(all.name, 1), entities(doc)[1]);
  ads_name e;
  EXPECT_EQ(acedSSName(all.name, 2, e), RTERROR);
  EXPECT_EQ(acedSSName(all.name, -1, e), RTERROR);
}

TEST_F(SelectionSets, AFreedSetNamesNothing) {
  open(drawingText(line(0, 0, 1, 0)));
  ads_name ss;
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTNORM);
  Adesk::Int32 n = 0;
  EXPECT_EQ(acedSSLength(ss, &n), RTERROR);
  EXPECT_EQ(acedSSFree(ss), RTERROR);
}

TEST_F(SelectionSets, NoMoreThan128SetsLiveAtOnce) {
  open(drawingText(line(0, 0, 1, 0)));
  std::vector<std::array<int64_t, 2>> made;
  ads_name ss;
  while (acedSSAdd(nullptr, nullptr, ss) == RTNORM) made.push_back({ss[0], ss[1]});
  EXPECT_EQ(acadsim::selection::liveSetCount(), 128u);
  EXPECT_EQ(getShort(u"ERRNO"), 3);
  const double pt[3] = {0.5, 0, 0};
  EXPECT_EQ(acedSSGet(nullptr, pt, nullptr, nullptr, ss), RTERROR);
  ads_name freed = {made.back()[0], made.back()[1]};
  acedSSFree(freed);
  made.pop_back();
  EXPECT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, ss), RTERROR);  // the refused pick is not the Previous set
  EXPECT_EQ(acedSSGet(nullptr, pt, nullptr, nullptr, ss), RTNORM);
  acedSSFree(ss);
  for (auto& name : made) {
    ads_name n = {name[0], name[1]};
    acedSSFree(n);
  }
}

TEST_F(SelectionSets, AllTakesEveryLayerEvenFrozenAndOff) {
  std::string layers = seltest::layer("FROZEN", 1, 1) + seltest::layer("OFF", -1);
  open(drawingText(line(0, 0, 1, 0, "FROZEN") + line(0, 1, 1, 1, "OFF") + line(0, 2, 1, 2)));
  Set all;
  ASSERT_EQ(selectAll(nullptr, all.name), RTNORM);
  EXPECT_EQ(length(all.name), 3);
}

TEST_F(SelectionSets, FiltersMatchTypeLayerAndColour) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0, "WALLS", 1) + line(0, 1, 1, 1, "DOORS", 3) +
                                       gstest::insert("B", 0, 0, 1, 0, "WALLS"),
                                       seltest::block("B", 0, "", line(0, 0, 1, 0))));
  resbuf* lines = acutBuildList(RTDXF0, u"LINE", 0);
  resbuf* walls = acutBuildList(8, u"w*", 0);
  resbuf* red = acutBuildList(62, 1, 0);
  resbuf* byLayer = acutBuildList(62, 256, 0);
  resbuf* either = acutBuildList(RTDXF0, u"CIRCLE,INSERT", 0);
  Set a, b, c, d, e;
  ASSERT_EQ(selectAll(lines, a.name), RTNORM);
  EXPECT_EQ(length(a.name), 2);
  ASSERT_EQ(selectAll(walls, b.name), RTNORM);
  EXPECT_EQ(length(b.name), 2);
  ASSERT_EQ(selectAll(red, c.name), RTNORM);
  EXPECT_EQ(member(c.name, 0), entities(doc)[0]);
  EXPECT_EQ(length(c.name), 1);
  ASSERT_EQ(selectAll(byLayer, d.name), RTNORM);
  EXPECT_EQ(member(d.name, 0), entities(doc)[2]);
  ASSERT_EQ(selectAll(either, e.name), RTNORM);
  EXPECT_EQ(length(e.name), 1);
  for (resbuf* rb : {lines, walls, red, byLayer, either}) acutRelRb(rb);
}

TEST_F(SelectionSets, FilterOperatorsGroupTests) {
  open(drawingText(line(0, 0, 1, 0, "A", 1) + line(0, 1, 1, 1, "B", 3) + line(0, 2, 1, 2, "C", 5)));
  resbuf* orList = filterList({{-4, u"<OR"}, {8, u"A"}, {8, u"C"}, {-4, u"OR>"}});
  resbuf* notList = filterList({{-4, u"<NOT"}, {8, u"A"}, {-4, u"NOT>"}});
  resbuf* above = filterList({{-4, u">"}});
  above->rbnext = acutBuildList(62, 2, 0);
  resbuf* unbalanced = filterList({{-4, u"<OR"}, {8, u"A"}});
  Set a, b, c, d;
  ASSERT_EQ(selectAll(orList, a.name), RTNORM);
  EXPECT_EQ(length(a.name), 2);
  ASSERT_EQ(selectAll(notList, b.name), RTNORM);
  EXPECT_EQ(length(b.name), 2);
  ASSERT_EQ(selectAll(above, c.name), RTNORM);
  EXPECT_EQ(length(c.name), 2);
  EXPECT_EQ(selectAll(unbalanced, d.name), RTERROR);
  for (resbuf* rb : {orList, notList, above, unbalanced}) acutRelRb(rb);
}

TEST_F(SelectionSets, AFilterNothingPassesIsAnError) {
  open(drawingText(line(0, 0, 1, 0)));
  resbuf* circles = acutBuildList(RTDXF0, u"CIRCLE", 0);
  Set ss;
  EXPECT_EQ(selectAll(circles, ss.name), RTERROR);
  acutRelRb(circles);
}

TEST_F(SelectionSets, WildcardsFollowWcmatch) {
  using acadsim::selection::wildcardMatch;
  EXPECT_TRUE(wildcardMatch(u"LINE", u"l*"));
  EXPECT_TRUE(wildcardMatch(u"LINE", u"?INE"));
  EXPECT_FALSE(wildcardMatch(u"LINE", u"?NE"));
  EXPECT_TRUE(wildcardMatch(u"ARC", u"LINE,ARC"));
  EXPECT_TRUE(wildcardMatch(u"A1", u"@#"));
  EXPECT_TRUE(wildcardMatch(u"B", u"[ABC]"));
  EXPECT_FALSE(wildcardMatch(u"D", u"[A-C]"));
  EXPECT_TRUE(wildcardMatch(u"WALL", u"~DOOR"));
  EXPECT_TRUE(wildcardMatch(u"A,B", u"A`,B"));
  EXPECT_FALSE(wildcardMatch(u"", u"?"));
}

TEST_F(SelectionSets, AWindowTakesOnlyWhatLiesWhollyInside) {
  AcApDocument* doc = open(drawingText(line(10, 10, 20, 10) + line(15, 0, 15, 50) + line(100, 100, 110, 100)));
  const double a[3] = {0, 5, 0}, b[3] = {30, 30, 0};
  Set window, crossing;
  ASSERT_EQ(acedSSGet(u"_W", a, b, nullptr, window.name), RTNORM);
  EXPECT_EQ(length(window.name), 1);
  EXPECT_EQ(member(window.name, 0), entities(doc)[0]);
  ASSERT_EQ(acedSSGet(u"_C", a, b, nullptr, crossing.name), RTNORM);
  EXPECT_EQ(length(crossing.name), 2);
}

TEST_F(SelectionSets, ACrossingTakesALineThroughItButNotOneBesideItsCorner) {
  open(drawingText(line(-10, 5, 40, 5) + line(31, -10, 40, 1)));
  const double a[3] = {0, 0, 0}, b[3] = {30, 30, 0};
  Set crossing;
  ASSERT_EQ(acedSSGet(u"_C", a, b, nullptr, crossing.name), RTNORM);
  EXPECT_EQ(length(crossing.name), 1);
}

}  // namespace
