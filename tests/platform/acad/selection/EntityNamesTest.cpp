// acdbEntMake, acdbEntLast, acdbEntNext, acdbEntDel and acdbHandEnt.
#include "SelectionTestSupport.h"

namespace {

using seltest::drawingText;
using seltest::line;
using seltest::Set;

class EntityNames : public seltest::SelectionTest {
 protected:
  static AcDbObjectId last() {
    ads_name e;
    AcDbObjectId id;
    if (acdbEntLast(e) == RTNORM) acdbGetObjectId(id, e);
    return id;
  }
  static std::u16string layerOf(AcDbObjectId id) {
    gstest::OpenFor<AcDbEntity> entity(id);
    ACHAR* name = entity->layer();
    std::u16string text = name;
    acutDelString(name);
    return text;
  }
};

TEST_F(EntityNames, EntmakeAppendsALineToModelSpace) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0)));
  const double from[3] = {0, 0, 0}, to[3] = {10, 10, 0};
  resbuf* list = acutBuildList(RTDXF0, u"LINE", 8, u"0", 10, from, 11, to, 0);
  ASSERT_EQ(acdbEntMake(list), RTNORM);
  acutRelRb(list);
  ASSERT_EQ(entities(doc).size(), 2u);
  gstest::OpenFor<AcDbLine> made(entities(doc)[1]);
  ASSERT_NE(made.get(), nullptr);
  EXPECT_EQ(made->endPoint(), AcGePoint3d(10, 10, 0));
  EXPECT_EQ(last(), entities(doc)[1]);
}

TEST_F(EntityNames, EntmakeTakesPointCircleAndText) {
  AcApDocument* doc = open(drawingText(""));
  const double at[3] = {5, 5, 0};
  resbuf* point = acutBuildList(RTDXF0, u"POINT", 10, at, 0);
  resbuf* circle = acutBuildList(RTDXF0, u"CIRCLE", 10, at, 40, 2.0, 62, 1, 0);
  resbuf* text = acutBuildList(RTDXF0, u"TEXT", 10, at, 40, 1.0, 1, u"Hi", 0);
  for (resbuf* rb : {point, circle, text}) {
    EXPECT_EQ(acdbEntMake(rb), RTNORM);
    acutRelRb(rb);
  }
  ASSERT_EQ(entities(doc).size(), 3u);
  gstest::OpenFor<AcDbCircle> c(entities(doc)[1]);
  EXPECT_DOUBLE_EQ(c->radius(), 2.0);
  EXPECT_EQ(c->colorIndex(), 1);
  gstest::OpenFor<AcDbText> t(entities(doc)[2]);
  EXPECT_EQ(std::u16string(t->textStringConst()), u"Hi");
}

TEST_F(EntityNames, EntmakeWithoutALayerUsesTheCurrentOne) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0, "WALLS")));
  resbuf clayer{};
  clayer.restype = RTSTR;
  clayer.resval.rstring = const_cast<ACHAR*>(u"WALLS");
  ASSERT_EQ(acedSetVar(u"CLAYER", &clayer), RTNORM);
  const double at[3] = {5, 5, 0};
  resbuf* point = acutBuildList(RTDXF0, u"POINT", 10, at, 0);
  ASSERT_EQ(acdbEntMake(point), RTNORM);
  acutRelRb(point);
  EXPECT_EQ(layerOf(entities(doc).back()), u"WALLS");
}

TEST_F(EntityNames, EntmakeMakesALayerThatIsMissing) {
  AcApDocument* doc = open(drawingText(""));
  const double at[3] = {5, 5, 0};
  resbuf* point = acutBuildList(RTDXF0, u"POINT", 8, u"NEWLAYER", 10, at, 0);
  ASSERT_EQ(acdbEntMake(point), RTNORM);
  acutRelRb(point);
  EXPECT_EQ(layerOf(entities(doc).back()), u"NEWLAYER");
  gstest::OpenFor<AcDbLayerTable> layers(doc->database()->layerTableId());
  EXPECT_TRUE(layers->has(u"NEWLAYER"));
}

TEST_F(EntityNames, EntmakeGivesTheNextHandle) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0)));
  const uint64_t seed = doc->database()->impl().handseed;
  const double at[3] = {5, 5, 0};
  resbuf* point = acutBuildList(RTDXF0, u"POINT", 5, u"1", 10, at, 0);  // a handle given is not taken
  ASSERT_EQ(acdbEntMake(point), RTNORM);
  acutRelRb(point);
  gstest::OpenFor<AcDbEntity> made(entities(doc).back());
  AcDbHandle handle;
  made->getAcDbHandle(handle);
  EXPECT_GE(static_cast<uint64_t>(handle), seed);
}

TEST_F(EntityNames, EntmakeRefusesBadLists) {
  AcApDocument* doc = open(drawingText(""));
  const double at[3] = {5, 5, 0};
  resbuf* noType = acutBuildList(10, at, 0);
  resbuf* unknownType = acutBuildList(RTDXF0, u"NOSUCHTHING", 10, at, 0);
  resbuf* lineWithoutEnd = acutBuildList(RTDXF0, u"LINE", 10, at, 0);
  resbuf* vertexAlone = acutBuildList(RTDXF0, u"VERTEX", 10, at, 0);
  resbuf* notAnEntity = acutBuildList(RTDXF0, u"DICTIONARY", 0);
  for (resbuf* rb : {noType, unknownType, lineWithoutEnd, vertexAlone, notAnEntity}) {
    EXPECT_EQ(acdbEntMake(rb), RTERROR);
    acutRelRb(rb);
  }
  EXPECT_EQ(acdbEntMake(nullptr), RTERROR);
  EXPECT_TRUE(entities(doc).empty());
}

TEST_F(EntityNames, EntlastOfAnEmptyDrawingIsAnError) {
  open(drawingText(""));
  ads_name e;
  EXPECT_EQ(acdbEntLast(e), RTERROR);
  EXPECT_EQ(acdbEntNext(nullptr, e), RTERROR);
}

TEST_F(EntityNames, EntnextWalksTheEntitiesInOrder) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0) + line(0, 1, 1, 1)));
  ads_name first, second, end;
  ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
  ASSERT_EQ(acdbEntNext(first, second), RTNORM);
  EXPECT_EQ(acdbEntNext(second, end), RTERROR);
  AcDbObjectId a, b;
  acdbGetObjectId(a, first);
  acdbGetObjectId(b, second);
  EXPECT_EQ(a, entities(doc)[0]);
  EXPECT_EQ(b, entities(doc)[1]);
}

TEST_F(EntityNames, EntdelErasesAndUnerases) {
  AcApDocument* doc = open(drawingText(line(0, 0, 1, 0) + line(0, 1, 1, 1)));
  ads_name e;
  acdbGetAdsName(e, entities(doc)[1]);
  ASSERT_EQ(acdbEntDel(e), RTNORM);
  EXPECT_EQ(last(), entities(doc)[0]);
  resbuf* gone = acdbEntGet(e);
  EXPECT_EQ(gone, nullptr);
  ASSERT_EQ(acdbEntDel(e), RTNORM);
  EXPECT_EQ(last(), entities(doc)[1]);
}

TEST_F(EntityNames, EntdelRefusesANameOfNothing) {
  open(drawingText(line(0, 0, 1, 0)));
  ads_name bogus = {12345678, 1};
  EXPECT_EQ(acdbEntDel(bogus), RTERROR);
}

TEST_F(EntityNames, HandentFindsTheEntityOfAHandle) {
  AcApDocument* doc = open(drawingText(seltest::handledLine("2A", 0, 0, 1, 0)));
  ads_name e;
  ASSERT_EQ(acdbHandEnt(u"2a", e), RTNORM);
  AcDbObjectId id;
  acdbGetObjectId(id, e);
  EXPECT_EQ(id, entities(doc)[0]);
  EXPECT_EQ(acdbHandEnt(u"FFFF0", e), RTERROR);
  EXPECT_EQ(acdbHandEnt(u"zz", e), RTERROR);
}

TEST_F(EntityNames, PdmodeIsTheHeadersAndRefusesOtherValues) {
  AcApDocument* doc = open(drawingText(""));
  EXPECT_EQ(doc->database()->pdmode(), 0);
  EXPECT_EQ(doc->database()->setPdmode(35), Acad::eOk);
  EXPECT_EQ(doc->database()->pdmode(), 35);
  EXPECT_EQ(getShort(u"PDMODE"), 35);
  EXPECT_EQ(doc->database()->setPdmode(5), Acad::eInvalidInput);
  EXPECT_EQ(doc->database()->setPdmode(-1), Acad::eInvalidInput);
  EXPECT_EQ(doc->database()->pdmode(), 35);
}

}  // namespace
