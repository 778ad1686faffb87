// acdbEntGet and entity names: the DXF data of an object as AutoCAD's entget lays it out.
#include <acadsim/DrawingQueries.h>
#include <acutads.h>
#include <adscodes.h>
#include <dbents.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbTestDrawing.h"

namespace {

const std::string kDrawing = dbtest::dxfText({
    {0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1032"}, {9, "$HANDSEED"}, {5, "100"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "TABLES"},
    {0, "TABLE"}, {2, "LAYER"}, {5, "2"}, {70, "1"},
    {0, "LAYER"}, {5, "10"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLayerTableRecord"}, {2, "Walls"},
    {70, "0"}, {62, "1"}, {6, "Continuous"},
    {0, "ENDTAB"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "ENTITIES"},
    {0, "LINE"}, {5, "2A"}, {102, "{ACAD_XDICTIONARY"}, {360, "2B"}, {102, "}"}, {100, "AcDbEntity"},
    {8, "Walls"}, {62, "8"}, {370, "25"}, {284, "1"}, {100, "AcDbLine"}, {10, "1.0"}, {20, "2.0"}, {30, "3.0"},
    {11, "4.0"}, {21, "5.0"}, {31, "0.0"}, {1001, "PE_URL"}, {1000, "http://x"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "OBJECTS"},
    {0, "DICTIONARY"}, {5, "C"}, {330, "0"}, {100, "AcDbDictionary"},
    {0, "DICTIONARY"}, {5, "2B"}, {330, "2A"}, {100, "AcDbDictionary"}, {280, "1"},
    {0, "ENDSEC"},
    {0, "EOF"},
});

std::vector<resbuf*> items(resbuf* chain) {
  std::vector<resbuf*> out;
  for (resbuf* rb = chain; rb; rb = rb->rbnext) out.push_back(rb);
  return out;
}

class EntGet : public ::testing::Test {
 protected:
  void SetUp() override {
    db = dbtest::readDrawing(kDrawing);
    lineId = dbtest::firstModelSpaceEntity(*db);
    ASSERT_FALSE(lineId.isNull());
    ASSERT_EQ(acdbGetAdsName(name, lineId), Acad::eOk);
    chain = acdbEntGet(name);
    ASSERT_NE(chain, nullptr);
  }
  void TearDown() override { acutRelRb(chain); }
  std::unique_ptr<AcDbDatabase> db;
  AcDbObjectId lineId;
  ads_name name;
  resbuf* chain = nullptr;
};

TEST_F(EntGet, StartsWithNameTypeOwnerAndHandle) {
  auto rb = items(chain);
  ASSERT_GE(rb.size(), 4u);
  EXPECT_EQ(rb[0]->restype, -1);
  EXPECT_EQ(rb[0]->resval.rlname[0], name[0]);
  EXPECT_EQ(rb[0]->resval.rlname[1], name[1]);
  EXPECT_EQ(rb[1]->restype, 0);
  EXPECT_EQ(std::u16string(rb[1]->resval.rstring), u"LINE");
  EXPECT_EQ(rb[2]->restype, 330);
  AcDbObjectId owner;
  ASSERT_EQ(acdbGetObjectId(owner, rb[2]->resval.rlname), Acad::eOk);
  EXPECT_EQ(owner, acadsim::modelSpaceBlockId(*db));
  EXPECT_EQ(rb[3]->restype, 5);
  EXPECT_EQ(std::u16string(rb[3]->resval.rstring), u"2A");
}

TEST_F(EntGet, ListsTheExtensionDictionaryAndCommonGroups) {
  std::vector<int> codes;
  for (resbuf* rb : items(chain)) codes.push_back(rb->restype);
  const std::vector<int> expected = {-1, 0, 330, 5, 102, 360, 102, 100, 410, 8, 62, 370, 284, 100, 10, 11};
  EXPECT_EQ(codes, expected);
}

TEST_F(EntGet, GivesPointsWholeAndStringsWide) {
  auto rb = items(chain);
  resbuf* start = rb[rb.size() - 2];
  EXPECT_EQ(start->restype, 10);
  EXPECT_DOUBLE_EQ(start->resval.rpoint[0], 1.0);
  EXPECT_DOUBLE_EQ(start->resval.rpoint[1], 2.0);
  EXPECT_DOUBLE_EQ(start->resval.rpoint[2], 3.0);
  EXPECT_EQ(std::u16string(rb[9]->resval.rstring), u"Walls");
  EXPECT_EQ(rb[10]->resval.rint, 8);
  EXPECT_EQ(std::u16string(rb[13]->resval.rstring), u"AcDbLine");
}

TEST_F(EntGet, ExtensionDictionaryNameOpensTheDictionary) {
  auto rb = items(chain);
  AcDbObjectId xdict;
  ASSERT_EQ(acdbGetObjectId(xdict, rb[5]->resval.rlname), Acad::eOk);
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, lineId, AcDb::kForRead);
  EXPECT_EQ(ent->extensionDictionary(), xdict);
  resbuf* url = ent->xData(u"PE_URL");
  ASSERT_NE(url, nullptr);
  ASSERT_NE(url->rbnext, nullptr);
  EXPECT_EQ(std::u16string(url->rbnext->resval.rstring), u"http://x");
  acutRelRb(url);
  EXPECT_EQ(ent->lineWeight(), AcDb::kLnWt025);
  EXPECT_TRUE(ent->castShadows());
  EXPECT_FALSE(ent->receiveShadows());
  ent->close();
}

TEST(EntityNames, RoundTripAndRefuseNamesOfNothing) {
  AcDbDatabase db;
  ads_name n;
  EXPECT_EQ(acdbGetAdsName(n, AcDbObjectId::kNull), Acad::eNullObjectId);
  ASSERT_EQ(acdbGetAdsName(n, db.layerZero()), Acad::eOk);
  AcDbObjectId back;
  EXPECT_EQ(acdbGetObjectId(back, n), Acad::eOk);
  EXPECT_EQ(back, db.layerZero());
  ads_name bogus = {123456789, 987654321};
  EXPECT_EQ(acdbGetObjectId(back, bogus), Acad::eInvalidAdsName);
  EXPECT_TRUE(back.isNull());
  ads_name negative = {-1, n[1]};
  EXPECT_EQ(acdbGetObjectId(back, negative), Acad::eInvalidAdsName);
  EXPECT_EQ(acdbEntGet(bogus), nullptr);
}

TEST(EntityNames, EntGetOfAnErasedEntityIsNull) {
  AcDbDatabase db;
  AcDbObjectId id = dbtest::addToModelSpace(db, new AcDbLine());
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, id, AcDb::kForWrite);
  ent->erase();
  ent->close();
  ads_name n;
  acdbGetAdsName(n, id);
  EXPECT_EQ(acdbEntGet(n), nullptr);
}

TEST(EntityNames, OfADatabaseThatIsGoneNameNothing) {
  ads_name n;
  {
    AcDbDatabase db;
    acdbGetAdsName(n, db.layerZero());
  }
  AcDbObjectId id;
  EXPECT_EQ(acdbGetObjectId(id, n), Acad::eInvalidAdsName);
}

}  // namespace
