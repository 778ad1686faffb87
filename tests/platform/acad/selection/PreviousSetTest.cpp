// The Previous set ("_P"), the implied set ("_I") and the pick-first set (acedSSGetFirst/acedSSSetFirst),
// and the save-pick-restore sequence a module uses to keep the user's sets while it picks.
#include "SelectionTestSupport.h"

namespace {

using seltest::Chain;
using seltest::drawingText;
using seltest::line;
using seltest::Set;

class PreviousSet : public seltest::SelectionTest {
 protected:
  // Three lines along y = 0, 10 and 20.
  AcApDocument* threeLines() { return open(drawingText(line(0, 0, 100, 0) + line(0, 10, 100, 10) + line(0, 20, 100, 20))); }
  static std::vector<AcDbObjectId> idsOf(const ads_name ss) {
    std::vector<AcDbObjectId> ids;
    for (Adesk::Int32 i = 0; i < length(ss); ++i) ids.push_back(member(ss, i));
    return ids;
  }
  static std::vector<AcDbObjectId> previous() {
    Set p;
    if (acedSSGet(u"_P", nullptr, nullptr, nullptr, p.name) != RTNORM) return {};
    return idsOf(p.name);
  }
  static void makePickFirst(const std::vector<AcDbObjectId>& ids) {
    Set ss;
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss.name), RTNORM);
    for (AcDbObjectId id : ids) {
      ads_name e, out;
      acdbGetAdsName(e, id);
      ASSERT_EQ(acedSSAdd(e, ss.name, out), RTNORM);
    }
    ASSERT_EQ(acedSSSetFirst(ss.name, nullptr), RTNORM);
  }
};

TEST_F(PreviousSet, ThereIsNoneAtFirst) {
  threeLines();
  Set p;
  EXPECT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, p.name), RTERROR);
}

TEST_F(PreviousSet, APickBecomesThePreviousSet) {
  AcApDocument* doc = threeLines();
  Set ss;
  ASSERT_EQ(pick(50, 10, ss.name), RTNORM);
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[1]});
}

TEST_F(PreviousSet, APreviousSetIsACopyThatOutlivesItsSet) {
  AcApDocument* doc = threeLines();
  {
    Set ss;
    ASSERT_EQ(pick(50, 10, ss.name), RTNORM);
  }
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[1]});
}

TEST_F(PreviousSet, SelectingAllAndThePreviousSetLeaveItAlone) {
  AcApDocument* doc = threeLines();
  Set picked, all, again;
  ASSERT_EQ(pick(50, 20, picked.name), RTNORM);
  ASSERT_EQ(acedSSGet(u"_X", nullptr, nullptr, nullptr, all.name), RTNORM);
  EXPECT_EQ(length(all.name), 3);
  ASSERT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, again.name), RTNORM);
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[2]});
}

TEST_F(PreviousSet, AFailedPickLeavesItAlone) {
  AcApDocument* doc = threeLines();
  Set picked, missed;
  ASSERT_EQ(pick(50, 0, picked.name), RTNORM);
  ASSERT_EQ(pick(50, 50, missed.name), RTERROR);
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[0]});
}

TEST_F(PreviousSet, ErasedEntitiesDropOutAndAllErasedIsNone) {
  AcApDocument* doc = threeLines();
  Set window;
  const double a[3] = {-1, -1, 0}, b[3] = {101, 11, 0};
  ASSERT_EQ(acedSSGet(u"_W", a, b, nullptr, window.name), RTNORM);
  ads_name first, second;
  acdbGetAdsName(first, entities(doc)[0]);
  acdbGetAdsName(second, entities(doc)[1]);
  ASSERT_EQ(acdbEntDel(first), RTNORM);
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[1]});
  ASSERT_EQ(acdbEntDel(second), RTNORM);
  Set p;
  EXPECT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, p.name), RTERROR);
}

TEST_F(PreviousSet, EachDrawingHasItsOwn) {
  AcApDocument* first = threeLines();
  Set ss;
  ASSERT_EQ(pick(50, 0, ss.name), RTNORM);
  open(drawingText(line(0, 0, 100, 0)));
  Set p;
  EXPECT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, p.name), RTERROR);
  (void)first;
}

TEST_F(PreviousSet, ThePickFirstSetIsEmptyAtFirst) {
  threeLines();
  Chain grips, picks;
  ASSERT_EQ(acedSSGetFirst(&grips.head, &picks.head), RTNORM);
  EXPECT_EQ(grips.head->restype, RTNONE);
  EXPECT_EQ(picks.head->restype, RTNONE);
}

TEST_F(PreviousSet, SetFirstMakesThePickFirstSetAndGetFirstGivesItAsANewSet) {
  AcApDocument* doc = threeLines();
  makePickFirst({entities(doc)[0], entities(doc)[2]});
  Chain grips, picks;
  ASSERT_EQ(acedSSGetFirst(&grips.head, &picks.head), RTNORM);
  EXPECT_EQ(grips.head->restype, RTNONE);  // grips only on selected objects
  ASSERT_EQ(picks.head->restype, RTPICKS);
  EXPECT_EQ(idsOf(picks.head->resval.rlname), (std::vector<AcDbObjectId>{entities(doc)[0], entities(doc)[2]}));
  EXPECT_EQ(acedSSFree(picks.head->resval.rlname), RTNORM);
  EXPECT_EQ(acadsim::pickFirstEntities(doc), (std::vector<AcDbObjectId>{entities(doc)[0], entities(doc)[2]}));
  EXPECT_TRUE(acadsim::pickFirstGripped(doc));
}

TEST_F(PreviousSet, SetFirstWithoutASetClearsIt) {
  AcApDocument* doc = threeLines();
  makePickFirst({entities(doc)[0]});
  ASSERT_EQ(acedSSSetFirst(nullptr, nullptr), RTNORM);
  EXPECT_TRUE(acadsim::pickFirstEntities(doc).empty());
}

TEST_F(PreviousSet, TheSetIsGrippedOnlyWhenGripsIsOn) {
  AcApDocument* doc = threeLines();
  setShort(u"GRIPS", 0);
  makePickFirst({entities(doc)[0]});
  EXPECT_FALSE(acadsim::pickFirstGripped(doc));
}

TEST_F(PreviousSet, TheImpliedSetNeedsPickfirst) {
  AcApDocument* doc = threeLines();
  makePickFirst({entities(doc)[1]});
  setShort(u"PICKFIRST", 0);
  Set implied;
  EXPECT_EQ(acedSSGet(u"_I", nullptr, nullptr, nullptr, implied.name), RTERROR);
  setShort(u"PICKFIRST", 1);
  ASSERT_EQ(acedSSGet(u"_I", nullptr, nullptr, nullptr, implied.name), RTNORM);
  EXPECT_EQ(idsOf(implied.name), std::vector<AcDbObjectId>{entities(doc)[1]});
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[1]});
}

TEST_F(PreviousSet, AnEmptyPickFirstSetIsNoImpliedSet) {
  threeLines();
  Set implied;
  EXPECT_EQ(acedSSGet(u"_I", nullptr, nullptr, nullptr, implied.name), RTERROR);
}

TEST_F(PreviousSet, TheChangeHandlerHearsOfEveryChange) {
  AcApDocument* doc = threeLines();
  int calls = 0;
  acadsim::setPickFirstChangedHandler([&](AcApDocument* changed) {
    EXPECT_EQ(changed, doc);
    ++calls;
  });
  makePickFirst({entities(doc)[0]});
  acedSSSetFirst(nullptr, nullptr);
  acadsim::setPickFirstChangedHandler(nullptr);
  EXPECT_EQ(calls, 2);
}

// The module's guard: save the pick-first set and the Previous set, pick, then make the saved set the
// Previous set again through the implied selection, and put the pick-first set back.
TEST_F(PreviousSet, APickIsUndoneBySetFirstAndTheImpliedSet) {
  AcApDocument* doc = threeLines();
  Set userPick;
  ASSERT_EQ(pick(50, 20, userPick.name), RTNORM);  // the user's Previous set: the third line
  makePickFirst({entities(doc)[0]});              // and the first line selected
  setShort(u"PICKSTYLE", 3);
  const size_t setsBefore = acadsim::selection::liveSetCount();

  Chain grips, picks;
  ASSERT_EQ(acedSSGetFirst(&grips.head, &picks.head), RTNORM);
  ads_name saved;
  ASSERT_EQ(acedSSGet(u"_P", nullptr, nullptr, nullptr, saved), RTNORM);

  ads_name ss;
  ASSERT_EQ(pick(50, 10, ss), RTNORM);  // the module's pick of the second line
  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[1]});
  acedSSFree(ss);

  setShort(u"HIGHLIGHT", 0);
  setShort(u"GRIPS", 0);
  setShort(u"PICKSTYLE", 0);
  ASSERT_EQ(acedSSSetFirst(saved, nullptr), RTNORM);
  ASSERT_EQ(acedSSGet(u"_I", nullptr, nullptr, nullptr, saved), RTNORM);
  setShort(u"PICKSTYLE", 3);
  setShort(u"GRIPS", 1);
  setShort(u"HIGHLIGHT", 1);
  ASSERT_EQ(picks.head->restype, RTPICKS);
  ASSERT_EQ(acedSSSetFirst(picks.head->resval.rlname, nullptr), RTNORM);

  EXPECT_EQ(previous(), std::vector<AcDbObjectId>{entities(doc)[2]});
  EXPECT_EQ(acadsim::pickFirstEntities(doc), std::vector<AcDbObjectId>{entities(doc)[0]});
  EXPECT_TRUE(acadsim::pickFirstGripped(doc));

  EXPECT_EQ(acedSSFree(picks.head->resval.rlname), RTNORM);
  EXPECT_EQ(acedSSFree(saved), RTNORM);
  EXPECT_EQ(acadsim::selection::liveSetCount(), setsBefore);  // nothing left behind, pick after pick
}

TEST_F(PreviousSet, TheGuardsTemporaryPointLeavesNoTrace) {
  AcApDocument* doc = threeLines();
  ads_name before;
  ASSERT_EQ(acdbEntLast(before), RTNORM);
  const Adesk::Int16 pdmode = doc->database()->pdmode();
  ASSERT_EQ(doc->database()->setPdmode(0), Acad::eOk);
  resbuf extmin{};
  ASSERT_EQ(acedGetVar(u"EXTMIN", &extmin), RTNORM);
  resbuf* point = acutBuildList(RTDXF0, u"POINT", 10, extmin.resval.rpoint, 60, 1, 0);
  ASSERT_EQ(acdbEntMake(point), RTNORM);
  acutRelRb(point);
  ads_name made, after;
  ASSERT_EQ(acdbEntLast(made), RTNORM);
  EXPECT_NE(made[0], before[0]);
  ASSERT_EQ(acdbEntDel(made), RTNORM);
  ASSERT_EQ(doc->database()->setPdmode(pdmode), Acad::eOk);
  ASSERT_EQ(acdbEntLast(after), RTNORM);
  EXPECT_EQ(after[0], before[0]);
  Set ss;
  EXPECT_EQ(pick(50, 10, ss.name), RTNORM);
}

}  // namespace
