#include <gtest/gtest.h>
#include <acutads.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<int> Types(const resbuf* chain) {
  std::vector<int> types;
  for (; chain != nullptr; chain = chain->rbnext) types.push_back(chain->restype);
  return types;
}

}  // namespace

TEST(AcutNewRb, GivesAnEmptyBufferOfTheType) {
  resbuf* text = acutNewRb(RTSTR);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->restype, RTSTR);
  EXPECT_EQ(text->resval.rstring, nullptr);
  EXPECT_EQ(text->rbnext, nullptr);
  EXPECT_EQ(acutRelRb(text), RTNORM);
  resbuf* group = acutNewRb(1000);
  EXPECT_EQ(group->resval.rstring, nullptr);
  acutRelRb(group);
}

TEST(AcutRelRb, FreesTheWholeChainWithItsStringsAndBinaryChunks) {
  // Every string and binary type of the chain owns memory; the sanitizer reports any left behind.
  const std::vector<int> stringTypes = {RTSTR, RTDXF0, 0,   1,   5,   9,   100, 102,  300,  309,
                                        410,   419,    430, 439, 470, 479, 999, 1000, 1005, 1009};
  resbuf* head = nullptr;
  for (int type : stringTypes) {
    resbuf* rb = acutNewRb(type);
    acutNewString(u"owned text", rb->resval.rstring);
    rb->rbnext = head;
    head = rb;
  }
  for (int type : {310, 319, 1004}) {
    resbuf* rb = acutNewRb(type);
    rb->resval.rbinary.clen = 3;
    rb->resval.rbinary.buf = new char[3]{1, 2, 3};
    rb->rbnext = head;
    head = rb;
  }
  EXPECT_EQ(acutRelRb(head), RTNORM);
  EXPECT_EQ(acutRelRb(nullptr), RTNORM);
}

TEST(AcutBuildList, CopiesEachKindOfValue) {
  const ads_point point = {1.5, 2.5, 3.5};
  const ads_name name = {11, 22};
  const char bytes[] = {'\x01', '\x00', '\x7f'};
  const ads_binary chunk = {3, const_cast<char*>(bytes)};
  ACHAR text[] = u"copied";
  resbuf* list = acutBuildList(RTSTR, text, RTSHORT, 7, RTLONG, 123456, RTREAL, 2.25, RT3DPOINT, point, RTENAME, name,
                               310, &chunk, 1040, 0.5, 62, 3, 90, -9, 160, int64_t{1} << 40, RTNONE);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(Types(list),
            (std::vector<int>{RTSTR, RTSHORT, RTLONG, RTREAL, RT3DPOINT, RTENAME, 310, 1040, 62, 90, 160}));
  text[0] = u'X';
  const resbuf* rb = list;
  EXPECT_EQ(std::u16string(rb->resval.rstring), u"copied");
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rint, 7);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rlong, 123456);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rreal, 2.25);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rpoint[0], 1.5);
  EXPECT_EQ(rb->resval.rpoint[2], 3.5);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rlname[0], 11);
  EXPECT_EQ(rb->resval.rlname[1], 22);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rbinary.clen, 3);
  EXPECT_EQ(std::memcmp(rb->resval.rbinary.buf, bytes, 3), 0);
  EXPECT_NE(rb->resval.rbinary.buf, bytes);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rreal, 0.5);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rint, 3);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rlong, -9);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.mnInt64, int64_t{1} << 40);
  acutRelRb(list);
}

TEST(AcutBuildList, TakesListMarkersWithoutValues) {
  resbuf* list = acutBuildList(RTLB, RTSHORT, 1, RTDOTE, RTSTR, u"x", RTLE, RTNIL, RTT, 0);
  EXPECT_EQ(Types(list), (std::vector<int>{RTLB, RTSHORT, RTDOTE, RTSTR, RTLE, RTNIL, RTT}));
  acutRelRb(list);
}

TEST(AcutBuildList, FilterOperatorsAreStringsAndEntityNameGroupsNames) {
  const ads_name name = {7, 9};
  resbuf* list = acutBuildList(-4, u"<OR", 8, u"WALLS", -4, u"OR>", -1, name, 0);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(Types(list), (std::vector<int>{-4, 8, -4, -1}));
  EXPECT_EQ(std::u16string(list->resval.rstring), u"<OR");
  EXPECT_EQ(list->rbnext->rbnext->rbnext->resval.rlname[1], 9);
  acutRelRb(list);
}

TEST(AcutBuildList, ANullStringStaysNull) {
  resbuf* list = acutBuildList(1000, static_cast<const ACHAR*>(nullptr), RTNONE);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->resval.rstring, nullptr);
  acutRelRb(list);
}

TEST(AcutBuildList, AnEmptyListIsNull) { EXPECT_EQ(acutBuildList(RTNONE), nullptr); }

TEST(AcutBuildList, FailsWholeOnAnUnknownTypeOrAMissingValue) {
  EXPECT_EQ(acutBuildList(RTSTR, u"freed again", 4242, 1, RTNONE), nullptr);
  EXPECT_EQ(acutBuildList(RTSTR, u"freed again", RTPOINT, static_cast<const ads_real*>(nullptr), RTNONE), nullptr);
  EXPECT_EQ(acutBuildList(1004, static_cast<const ads_binary*>(nullptr), RTNONE), nullptr);
}

TEST(AcutNewString, CopiesAndAcutDelStringFreesAndNulls) {
  ACHAR* copy = nullptr;
  EXPECT_EQ(acutNewString(u"abc", copy), Acad::eOk);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::u16string(copy), u"abc");
  acutDelBuffer(copy);
  EXPECT_EQ(copy, nullptr);
  acutDelString(copy);
  EXPECT_EQ(acutNewString(nullptr, copy), Acad::eOk);
  EXPECT_EQ(copy, nullptr);
}
