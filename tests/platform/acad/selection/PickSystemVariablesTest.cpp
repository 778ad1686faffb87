// The system variables of picking: AutoCAD 2007's defaults and the values each takes.
#include "SelectionTestSupport.h"

namespace {

using seltest::drawingText;

class PickSystemVariables : public seltest::SelectionTest {
 protected:
  static int set(const char16_t* name, int value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(value);
    return acedSetVar(name, &rb);
  }
};

TEST_F(PickSystemVariables, Defaults) {
  open(drawingText(""));
  EXPECT_EQ(getShort(u"PICKSTYLE"), 1);
  EXPECT_EQ(getShort(u"PICKFIRST"), 1);
  EXPECT_EQ(getShort(u"PICKADD"), 1);
  EXPECT_EQ(getShort(u"PICKBOX"), 3);
  EXPECT_EQ(getShort(u"GRIPS"), 1);
  EXPECT_EQ(getShort(u"HIGHLIGHT"), 1);
  EXPECT_EQ(getShort(u"PDMODE"), 0);
  EXPECT_EQ(getShort(u"ERRNO"), 0);
}

TEST_F(PickSystemVariables, Ranges) {
  open(drawingText(""));
  EXPECT_EQ(set(u"PICKSTYLE", 3), RTNORM);
  EXPECT_EQ(set(u"PICKSTYLE", 4), RTERROR);
  EXPECT_EQ(set(u"PICKSTYLE", -1), RTERROR);
  EXPECT_EQ(set(u"GRIPS", 2), RTNORM);
  EXPECT_EQ(set(u"GRIPS", 3), RTERROR);
  EXPECT_EQ(set(u"HIGHLIGHT", 2), RTERROR);
  EXPECT_EQ(set(u"PICKFIRST", 2), RTERROR);
  EXPECT_EQ(set(u"PICKBOX", 50), RTNORM);
  EXPECT_EQ(set(u"PICKBOX", 51), RTERROR);
}

TEST_F(PickSystemVariables, ExtentsComeFromTheHeader) {
  const std::string header = dbtest::dxfText({{9, "$EXTMIN"}, {10, "1"}, {20, "2"}, {30, "3"}, {9, "$EXTMAX"},
                                              {10, "4"}, {20, "5"}, {30, "6"}});
  open(seltest::section("HEADER", header) + drawingText(""));
  resbuf extmin{}, extmax{};
  ASSERT_EQ(acedGetVar(u"EXTMIN", &extmin), RTNORM);
  ASSERT_EQ(acedGetVar(u"EXTMAX", &extmax), RTNORM);
  EXPECT_EQ(extmin.restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(extmin.resval.rpoint[2], 3);
  EXPECT_DOUBLE_EQ(extmax.resval.rpoint[1], 5);
}

}  // namespace
