// References by name between table records and type names as written hold whatever order the file uses.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <acutads.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <string>

#include "../db/DbTestDrawing.h"

namespace {

using dbtest::dxfText;

const std::string kLayerTable = dxfText({{0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, "Walls"}, {70, "0"},
                                         {62, "1"}, {6, "DASHED"}, {0, "LAYER"}, {2, "Ghost"}, {70, "0"},
                                         {62, "2"}, {6, "NOWHERE"}, {0, "ENDTAB"}});
const std::string kLinetypeTable = dxfText({{0, "TABLE"}, {2, "LTYPE"}, {0, "LTYPE"}, {2, "DASHED"}, {70, "0"},
                                            {3, "Dashed __ __"}, {72, "65"}, {73, "2"}, {40, "0.75"}, {49, "0.5"},
                                            {49, "-0.25"}, {0, "ENDTAB"}});

std::string tables(const std::string& first, const std::string& second) {
  return dxfText({{0, "SECTION"}, {2, "TABLES"}}) + first + second + dxfText({{0, "ENDSEC"}, {0, "EOF"}});
}

std::u16string linetypeOfLayer(AcDbDatabase& db, const ACHAR* layerName) {
  AcDbLayerTable* layers = nullptr;
  EXPECT_EQ(db.getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  AcDbLayerTableRecord* layer = nullptr;
  EXPECT_EQ(layers->getAt(layerName, layer, AcDb::kForRead), Acad::eOk);
  layers->close();
  if (layer == nullptr) return u"?";
  AcDbLinetypeTableRecord* linetype = nullptr;
  std::u16string name = u"(none)";
  if (acdbOpenObject(linetype, layer->linetypeObjectId(), AcDb::kForRead) == Acad::eOk) {
    name = linetype->name();
    linetype->close();
  }
  layer->close();
  return name;
}

TEST(DxfNamedReferences, LayerGetsALinetypeDefinedAfterIt) {
  auto db = dbtest::readDrawing(tables(kLayerTable, kLinetypeTable));
  EXPECT_EQ(linetypeOfLayer(*db, u"Walls"), u"DASHED");
  EXPECT_EQ(linetypeOfLayer(*db, u"Ghost"), u"Continuous");  // named, never defined
}

TEST(DxfNamedReferences, LayerGetsALinetypeDefinedBeforeIt) {
  auto db = dbtest::readDrawing(tables(kLinetypeTable, kLayerTable));
  EXPECT_EQ(linetypeOfLayer(*db, u"Walls"), u"DASHED");
  EXPECT_EQ(linetypeOfLayer(*db, u"Ghost"), u"Continuous");
}

TEST(DxfNamedReferences, LinetypeInALaterTablesSectionStillCounts) {
  std::string text = dxfText({{0, "SECTION"}, {2, "TABLES"}}) + kLayerTable +
                     dxfText({{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {8, "Walls"},
                              {0, "ENDSEC"}, {0, "SECTION"}, {2, "TABLES"}}) +
                     kLinetypeTable + dxfText({{0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  EXPECT_EQ(linetypeOfLayer(*db, u"Walls"), u"DASHED");
}

TEST(DxfNamedReferences, OldMultileaderNameIsKeptForTheListing) {
  std::string text = dxfText({{0, "SECTION"}, {2, "ENTITIES"}, {0, "MLEADER"}, {5, "40"}, {8, "0"},
                              {100, "AcDbMLeader"}, {0, "MULTILEADER"}, {5, "41"}, {8, "0"}, {100, "AcDbMLeader"},
                              {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  AcDbObjectId oldId, newId;
  ASSERT_EQ(db->getAcDbObjectId(oldId, false, AcDbHandle(Adesk::UInt64(0x40))), Acad::eOk);
  ASSERT_EQ(db->getAcDbObjectId(newId, false, AcDbHandle(Adesk::UInt64(0x41))), Acad::eOk);
  AcDbEntity* old = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(old, oldId, AcDb::kForRead), Acad::eOk);
  EXPECT_NE(AcDbMLeader::cast(old), nullptr);
  EXPECT_EQ(acadsim::dxfTypeName(old), u"MLEADER");
  old->close();
  AcDbEntity* current = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(current, newId, AcDb::kForRead), Acad::eOk);
  EXPECT_NE(AcDbMLeader::cast(current), nullptr);
  EXPECT_EQ(acadsim::dxfTypeName(current), u"MULTILEADER");
  current->close();
}

}  // namespace
