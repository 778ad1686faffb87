// Extended data: one chain per application, replaced per application, only for registered applications.
#include <acutads.h>
#include <adscodes.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <string>

#include "DbTestDrawing.h"

namespace {

class XData : public ::testing::Test {
 protected:
  void SetUp() override {
    AcDbRegAppTable* apps = nullptr;
    db.getRegAppTable(apps, AcDb::kForWrite);
    for (const char16_t* name : {u"PE_URL", u"OTHER"}) {
      auto* app = new AcDbRegAppTableRecord();
      app->setName(name);
      apps->add(app);
      app->close();
    }
    apps->close();
    lineId = dbtest::addToModelSpace(db, new AcDbLine());
    acdbOpenAcDbEntity(ent, lineId, AcDb::kForWrite);
  }
  void TearDown() override { ent->close(); }

  std::u16string firstString(const resbuf* rb) {
    for (; rb; rb = rb->rbnext)
      if (rb->restype == 1000) return rb->resval.rstring;
    return {};
  }

  AcDbDatabase db;
  AcDbObjectId lineId;
  AcDbEntity* ent = nullptr;
};

TEST_F(XData, SetAndReadBackPerApplication) {
  resbuf* url = acutBuildList(1001, u"PE_URL", 1000, u"https://example.com", 1002, u"{", 1071, 7, 1002, u"}", 0);
  ASSERT_EQ(ent->setXData(url), Acad::eOk);
  acutRelRb(url);
  resbuf* other = acutBuildList(1001, u"OTHER", 1000, u"x", 1040, 2.5, 0);
  ASSERT_EQ(ent->setXData(other), Acad::eOk);
  acutRelRb(other);

  resbuf* got = ent->xData(u"pe_url");
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->restype, 1001);
  EXPECT_EQ(std::u16string(got->resval.rstring), u"PE_URL");
  ASSERT_NE(got->rbnext, nullptr);
  EXPECT_EQ(got->rbnext->restype, 1000);
  EXPECT_EQ(std::u16string(got->rbnext->resval.rstring), u"https://example.com");
  int count = 0;
  for (resbuf* rb = got; rb; rb = rb->rbnext) ++count;
  EXPECT_EQ(count, 5);
  acutRelRb(got);

  resbuf* all = ent->xData();
  int apps = 0;
  for (resbuf* rb = all; rb; rb = rb->rbnext) apps += rb->restype == 1001;
  EXPECT_EQ(apps, 2);
  acutRelRb(all);
  EXPECT_EQ(ent->xData(u"NOTTHERE"), nullptr);
}

TEST_F(XData, ReplacingOneApplicationKeepsTheOthers) {
  resbuf* a = acutBuildList(1001, u"PE_URL", 1000, u"first", 1001, u"OTHER", 1000, u"kept", 0);
  ent->setXData(a);
  acutRelRb(a);
  resbuf* b = acutBuildList(1001, u"PE_URL", 1000, u"second", 0);
  ent->setXData(b);
  acutRelRb(b);
  resbuf* url = ent->xData(u"PE_URL");
  EXPECT_EQ(firstString(url), u"second");
  acutRelRb(url);
  resbuf* other = ent->xData(u"OTHER");
  EXPECT_EQ(firstString(other), u"kept");
  acutRelRb(other);
}

TEST_F(XData, AnApplicationNameAloneRemovesItsData) {
  resbuf* a = acutBuildList(1001, u"PE_URL", 1000, u"gone", 0);
  ent->setXData(a);
  acutRelRb(a);
  resbuf* remove = acutBuildList(1001, u"PE_URL", 0);
  EXPECT_EQ(ent->setXData(remove), Acad::eOk);
  acutRelRb(remove);
  EXPECT_EQ(ent->xData(u"PE_URL"), nullptr);
}

TEST_F(XData, RefusesUnregisteredApplicationsAndStrayGroups) {
  resbuf* unknown = acutBuildList(1001, u"NOBODY", 1000, u"x", 0);
  EXPECT_EQ(ent->setXData(unknown), Acad::eRegappIdNotFound);
  acutRelRb(unknown);
  resbuf* stray = acutBuildList(1000, u"no application first", 0);
  EXPECT_EQ(ent->setXData(stray), Acad::eInvalidResBuf);
  acutRelRb(stray);
  resbuf* notXdata = acutBuildList(1001, u"PE_URL", 8, u"layer", 0);
  EXPECT_EQ(ent->setXData(notXdata), Acad::eInvalidResBuf);
  acutRelRb(notXdata);
  EXPECT_EQ(ent->xData(), nullptr);
}

}  // namespace
