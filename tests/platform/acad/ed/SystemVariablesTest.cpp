// acedGetVar / acedSetVar: names without regard to case, AutoCAD's types, the drawing's header, acad.dwt.
#include <acadsim/DxfReader.h>
#include <acadsim/SystemVariables.h>
#include <acedads.h>
#include <acutads.h>
#include <adscodes.h>
#include <dbapserv.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string dxf(const std::string& headerGroups) {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1032\n" + headerGroups + "0\nENDSEC\n0\nEOF\n";
}

class SystemVariables : public ::testing::Test {
 protected:
  void SetUp() override {
    acadsim::resetSessionSystemVariables();
    acdbHostApplicationServices()->setWorkingDatabase(&db);
  }
  void TearDown() override {
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    acadsim::resetSessionSystemVariables();
  }
  void load(const std::string& headerGroups) {
    std::string text = dxf(headerGroups);
    acadsim::DxfError err;
    ASSERT_TRUE(acadsim::readDxfFromMemory(text.data(), text.size(), db, err)) << err.message;
  }
  short getShort(const char16_t* name) {
    resbuf rb{};
    EXPECT_EQ(acedGetVar(name, &rb), RTNORM) << std::string(name, name + 1);
    EXPECT_EQ(rb.restype, RTSHORT);
    return rb.resval.rint;
  }
  std::u16string getString(const char16_t* name) {
    resbuf rb{};
    EXPECT_EQ(acedGetVar(name, &rb), RTNORM);
    EXPECT_EQ(rb.restype, RTSTR);
    std::u16string s = rb.resval.rstring ? rb.resval.rstring : u"";
    acutDelString(rb.resval.rstring);
    return s;
  }
  AcDbDatabase db{false};
};

TEST_F(SystemVariables, DefaultsComeFromTheImperialTemplate) {
  load("");
  EXPECT_EQ(getShort(u"LUNITS"), 2);
  EXPECT_EQ(getShort(u"LUPREC"), 4);
  EXPECT_EQ(getShort(u"AUNITS"), 0);
  EXPECT_EQ(getShort(u"AUPREC"), 0);
  EXPECT_EQ(getShort(u"ANGDIR"), 0);
  EXPECT_EQ(getShort(u"UNITMODE"), 0);
  EXPECT_EQ(getShort(u"DIMZIN"), 0);
  EXPECT_EQ(getShort(u"PDMODE"), 0);
  EXPECT_EQ(getShort(u"INSUNITS"), 1);
  EXPECT_EQ(getShort(u"PSTYLEMODE"), 1);
  EXPECT_EQ(getString(u"PRODUCT"), u"AutoCAD");
  EXPECT_EQ(getString(u"CLAYER"), u"0");
  resbuf rb{};
  ASSERT_EQ(acedGetVar(u"ANGBASE", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTREAL);
  EXPECT_EQ(rb.resval.rreal, 0.0);
}

TEST_F(SystemVariables, ValuesComeFromTheDrawingHeader) {
  load("9\n$LUNITS\n70\n4\n9\n$LUPREC\n70\n2\n9\n$ANGBASE\n50\n1.5\n9\n$CLAYER\n8\nWalls\n"
       "9\n$EXTMIN\n10\n1.0\n20\n2.0\n30\n3.0\n9\n$CECOLOR\n62\n1\n");
  EXPECT_EQ(getShort(u"lunits"), 4);
  EXPECT_EQ(getShort(u"LuPrec"), 2);
  resbuf rb{};
  ASSERT_EQ(acedGetVar(u"ANGBASE", &rb), RTNORM);
  EXPECT_DOUBLE_EQ(rb.resval.rreal, 1.5);
  EXPECT_EQ(getString(u"CLAYER"), u"Walls");
  EXPECT_EQ(getString(u"CECOLOR"), u"1");
  ASSERT_EQ(acedGetVar(u"EXTMIN", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[2], 3.0);
}

TEST_F(SystemVariables, SetsWriteTheWorkingDrawing) {
  load("");
  resbuf v{};
  v.restype = RTSHORT;
  v.resval.rint = 3;
  EXPECT_EQ(acedSetVar(u"LUNITS", &v), RTNORM);
  EXPECT_EQ(getShort(u"LUNITS"), 3);
  EXPECT_EQ(db.lunits(), 3);
  AcDbDatabase other(false);
  acdbHostApplicationServices()->setWorkingDatabase(&other);
  EXPECT_EQ(getShort(u"LUNITS"), 2);  // another drawing keeps its own
}

TEST_F(SystemVariables, RefusesUnknownReadOnlyMistypedAndOutOfRange) {
  load("");
  resbuf rb{};
  EXPECT_EQ(acedGetVar(u"NOSUCHVAR", &rb), RTERROR);
  EXPECT_EQ(acedGetVar(nullptr, &rb), RTERROR);
  EXPECT_EQ(acedGetVar(u"LUNITS", nullptr), RTERROR);
  resbuf s{};
  s.restype = RTSTR;
  s.resval.rstring = const_cast<ACHAR*>(u"BricsCAD");
  EXPECT_EQ(acedSetVar(u"PRODUCT", &s), RTERROR);
  EXPECT_EQ(getString(u"PRODUCT"), u"AutoCAD");
  EXPECT_EQ(acedSetVar(u"LUNITS", &s), RTERROR);
  resbuf n{};
  n.restype = RTSHORT;
  for (short bad : {0, 6}) {
    n.resval.rint = bad;
    EXPECT_EQ(acedSetVar(u"LUNITS", &n), RTERROR) << bad;
  }
  n.resval.rint = 9;
  EXPECT_EQ(acedSetVar(u"LUPREC", &n), RTERROR);
  EXPECT_EQ(acedSetVar(u"ANGBASE", &n), RTERROR);  // a real variable takes RTREAL
  s.resval.rstring = const_cast<ACHAR*>(u"NoSuchLayer");
  EXPECT_EQ(acedSetVar(u"CLAYER", &s), RTERROR);
}

TEST_F(SystemVariables, SessionVariablesLiveOutsideTheDrawing) {
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_EQ(getShort(u"ROLLOVERTIPS"), 1);
  resbuf v{};
  v.restype = RTSHORT;
  v.resval.rint = 0;
  EXPECT_EQ(acedSetVar(u"ROLLOVERTIPS", &v), RTNORM);
  EXPECT_EQ(getShort(u"ROLLOVERTIPS"), 0);
  resbuf name{};
  name.restype = RTSTR;
  name.resval.rstring = const_cast<ACHAR*>(u"plan.dxf");
  EXPECT_EQ(acadsim::setHostSystemVariable(u"DWGNAME", name), RTNORM);
  EXPECT_EQ(getString(u"DWGNAME"), u"plan.dxf");
}

}  // namespace
