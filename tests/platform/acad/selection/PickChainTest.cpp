// acedSSNameX: the pick chain, positions counted over the flat chain with list brackets, from 0.
#include "SelectionTestSupport.h"

namespace {

using seltest::block;
using seltest::Chain;
using seltest::drawingText;
using seltest::insert;
using seltest::line;
using seltest::Set;

class PickChain : public seltest::SelectionTest {
 protected:
  // INNER holds a line along y = 0; OUTER holds INNER at (0, 5) and its own line along x = 0.
  std::string nestedBlocks() {
    return block("INNER", 0, "", line(0, 0, 10, 0)) + block("OUTER", 0, "", insert("INNER", 0, 5) + line(0, 0, 0, 4));
  }
  static AcDbObjectId blockEntity(AcApDocument* doc, const ACHAR* blockName, size_t i) {
    gstest::OpenFor<AcDbBlockTableRecord> record(blockstest::blockNamed(*doc->database(), blockName));
    return record->entityIds().at(i);
  }
};

TEST_F(PickChain, APickNamesTheEntityAtTwoAndItsMarkerAtThree) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  ASSERT_EQ(pick(50, 1, ss.name), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, ss.name, 0), RTNORM);
  ASSERT_EQ(info.size(), 9u);
  EXPECT_EQ(info.at(0)->restype, RTLB);
  EXPECT_EQ(info.at(1)->restype, RTSHORT);
  EXPECT_EQ(info.at(1)->resval.rint, 1);
  EXPECT_EQ(idOf(info.at(2)), entities(doc)[0]);
  EXPECT_EQ(info.at(3)->restype, RTSHORT);
  EXPECT_EQ(info.at(4)->restype, RTLB);
  EXPECT_EQ(info.at(5)->resval.rint, 0);
  EXPECT_EQ(info.at(6)->restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(info.at(6)->resval.rpoint[0], 50);
  EXPECT_DOUBLE_EQ(info.at(6)->resval.rpoint[1], 1);
  EXPECT_EQ(info.at(7)->restype, RTLE);
  EXPECT_EQ(info.at(8)->restype, RTLE);
}

TEST_F(PickChain, ANestedPickOfAPlainEntityHasNoNestedPart) {
  open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  ASSERT_EQ(pick(50, 0, ss.name, u"_:N"), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, ss.name, 0), RTNORM);
  EXPECT_LT(info.size(), 12u);
}

TEST_F(PickChain, APlainPickInsideABlockReferenceNamesTheReferenceOnly) {
  AcApDocument* doc = open(drawingText(insert("INNER", 100, 0), nestedBlocks()));
  Set ss;
  ASSERT_EQ(pick(105, 0, ss.name), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, ss.name, 0), RTNORM);
  EXPECT_EQ(idOf(info.at(2)), entities(doc)[0]);
  EXPECT_EQ(info.size(), 9u);
}

TEST_F(PickChain, ANestedPickNamesTheInnermostEntityAtElevenAndItsMarkerAtTwelve) {
  AcApDocument* doc = open(drawingText(insert("INNER", 100, 0), nestedBlocks()));
  Set ss;
  ASSERT_EQ(pick(105, 0, ss.name, u"_:N"), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, ss.name, 0), RTNORM);
  ASSERT_GE(info.size(), 13u);
  EXPECT_EQ(idOf(info.at(2)), entities(doc)[0]);
  EXPECT_EQ(info.at(3)->restype, RTSHORT);
  EXPECT_EQ(info.at(11)->restype, RTENAME);
  EXPECT_EQ(idOf(info.at(11)), blockEntity(doc, u"INNER", 0));
  EXPECT_EQ(info.at(12)->restype, RTSHORT);
  EXPECT_EQ(info.at(12)->resval.rint, info.at(3)->resval.rint);
  EXPECT_EQ(info.at(9)->resval.rint, 1);  // one reference deep
  EXPECT_EQ(idOf(info.at(13)), entities(doc)[0]);  // the containers, out to the top-level reference
}

TEST_F(PickChain, ANestedPickTwoReferencesDeepListsEveryContainer) {
  AcApDocument* doc = open(drawingText(insert("OUTER", 100, 0), nestedBlocks()));
  Set ss;
  ASSERT_EQ(pick(105, 5, ss.name, u"_:N"), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, ss.name, 0), RTNORM);
  EXPECT_EQ(idOf(info.at(2)), entities(doc)[0]);
  EXPECT_EQ(info.at(9)->resval.rint, 2);
  gstest::OpenFor<AcDbEntity> innermost(idOf(info.at(11)));
  EXPECT_TRUE(innermost->isKindOf(AcDbLine::desc()));
  EXPECT_EQ(info.at(12)->restype, RTSHORT);
  EXPECT_EQ(idOf(info.at(13)), blockEntity(doc, u"OUTER", 0));  // the INNER reference inside OUTER
  EXPECT_EQ(idOf(info.at(14)), entities(doc)[0]);
  EXPECT_EQ(info.at(15)->restype, RTLE);
}

TEST_F(PickChain, ANestedPickOnTheOuterBlocksOwnLineIsOneDeep) {
  AcApDocument* doc = open(drawingText(insert("OUTER", 100, 0), nestedBlocks()));
  Set ss;
  ASSERT_EQ(pick(100, 2, ss.name, u"_:N"), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, ss.name, 0), RTNORM);
  EXPECT_EQ(idOf(info.at(11)), blockEntity(doc, u"OUTER", 1));
  EXPECT_EQ(info.at(9)->resval.rint, 1);
}

TEST_F(PickChain, MembersThatWereNotPickedSayHowTheyCame) {
  AcApDocument* doc = open(drawingText(line(0, 0, 100, 0)));
  Set all;
  ASSERT_EQ(acedSSGet(u"_X", nullptr, nullptr, nullptr, all.name), RTNORM);
  Chain info;
  ASSERT_EQ(acedSSNameX(&info.head, all.name, 0), RTNORM);
  ASSERT_EQ(info.size(), 4u);
  EXPECT_EQ(info.at(1)->resval.rint, 0);
  EXPECT_EQ(idOf(info.at(2)), entities(doc)[0]);
}

TEST_F(PickChain, WindowMembersCarryTheirMethod) {
  open(drawingText(line(10, 10, 20, 10)));
  Set window, crossing;
  const double a[3] = {0, 0, 0}, b[3] = {30, 30, 0}, c[3] = {15, 5, 0};
  ASSERT_EQ(acedSSGet(u"_W", a, b, nullptr, window.name), RTNORM);
  ASSERT_EQ(acedSSGet(u"_C", c, b, nullptr, crossing.name), RTNORM);
  Chain w, x;
  ASSERT_EQ(acedSSNameX(&w.head, window.name, 0), RTNORM);
  ASSERT_EQ(acedSSNameX(&x.head, crossing.name, 0), RTNORM);
  EXPECT_EQ(w.at(1)->resval.rint, 2);
  EXPECT_EQ(x.at(1)->resval.rint, 3);
}

TEST_F(PickChain, AnIndexOutsideTheSetIsAnError) {
  open(drawingText(line(0, 0, 100, 0)));
  Set ss;
  ASSERT_EQ(pick(50, 0, ss.name), RTNORM);
  Chain info;
  EXPECT_EQ(acedSSNameX(&info.head, ss.name, 1), RTERROR);
  EXPECT_EQ(info.head, nullptr);
}

}  // namespace
