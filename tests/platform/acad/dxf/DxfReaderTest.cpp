// The reader's structure rules: sections, handles and owners, complex entities, proxies, encodings.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <acutads.h>
#include <dbdict.h>
#include <dbents.h>
#include <dbproxy.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../db/DbTestDrawing.h"

namespace {

using dbtest::dxfText;

std::vector<AcDbObjectId> entitiesOf(AcDbObjectId blockId) {
  AcDbBlockTableRecord* block = nullptr;
  EXPECT_EQ(acdbOpenObject(block, blockId, AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> ids = block->entityIds();
  block->close();
  return ids;
}

std::u16string typeOf(AcDbObjectId id) {
  AcDbObject* obj = nullptr;
  if (acdbOpenAcDbObject(obj, id, AcDb::kForRead) != Acad::eOk) return u"?";
  std::u16string type = acadsim::dxfTypeName(obj);
  obj->close();
  return type;
}

std::u16string layerOf(AcDbObjectId id) {
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, id, AcDb::kForRead);
  ACHAR* name = ent->layer();
  std::u16string out = name;
  acutDelString(name);
  ent->close();
  return out;
}

std::string entities(const std::string& body) { return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n"; }

TEST(DxfReader, ReadsAnEntitiesOnlyFileIntoACompleteDrawing) {
  auto db = dbtest::readDrawing(entities("0\nLINE\n8\nNEWLAYER\n10\n0\n20\n0\n11\n1\n21\n1\n"));
  auto ids = entitiesOf(acadsim::modelSpaceBlockId(*db));
  ASSERT_EQ(ids.size(), 1u);
  EXPECT_EQ(typeOf(ids[0]), u"LINE");
  // A layer the file uses without defining it is made, as AutoCAD makes it.
  EXPECT_EQ(layerOf(ids[0]), u"NEWLAYER");
  AcDbLayerTableRecord* layer = nullptr;
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, ids[0], AcDb::kForRead);
  ASSERT_EQ(acdbOpenObject(layer, ent->layerId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(layer->color().colorIndex(), 7);
  layer->close();
  ent->close();
  EXPECT_FALSE(db->layerZero().isNull());
  EXPECT_FALSE(db->namedObjectsDictionaryId().isNull());
}

TEST(DxfReader, GivesFreshHandlesAboveEveryHandleOfTheFile) {
  // No handle, an empty handle, a bad handle and a duplicate all get handles the file does not use.
  auto db = dbtest::readDrawing(entities(
      "0\nLINE\n8\n0\n0\nLINE\n5\n\n8\n0\n0\nLINE\n5\nXYZ\n8\n0\n0\nLINE\n5\nA0\n8\n0\n0\nLINE\n5\nA0\n8\n0\n"));
  auto ids = entitiesOf(acadsim::modelSpaceBlockId(*db));
  ASSERT_EQ(ids.size(), 5u);
  EXPECT_EQ(Adesk::UInt64(ids[3].handle()), 0xA0u);
  std::vector<Adesk::UInt64> handles;
  for (AcDbObjectId id : ids) {
    handles.push_back(id.handle());
    EXPECT_FALSE(id.handle().isNull());
  }
  for (size_t i = 0; i < handles.size(); ++i)
    for (size_t j = i + 1; j < handles.size(); ++j) EXPECT_NE(handles[i], handles[j]);
  EXPECT_GT(handles[4], 0xA0u);
  EXPECT_GT(Adesk::UInt64(db->handseed()), handles[4]);
}

TEST(DxfReader, KeepsVerticesAndAttributesWithTheirOwner) {
  auto db = dbtest::readDrawing(entities(
      "0\nPOLYLINE\n8\n0\n66\n1\n70\n8\n0\nVERTEX\n8\n0\n70\n32\n0\nVERTEX\n8\n0\n70\n32\n0\nSEQEND\n8\n0\n"
      "0\nINSERT\n8\n0\n66\n1\n2\nB\n0\nATTRIB\n8\n0\n1\nvalue\n2\nTAG\n0\nSEQEND\n8\n0\n"
      "0\nINSERT\n8\n0\n2\nB\n70\n3\n71\n2\n"));
  auto ids = entitiesOf(acadsim::modelSpaceBlockId(*db));
  ASSERT_EQ(ids.size(), 3u);
  AcDbEntity* poly = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(poly, ids[0], AcDb::kForRead), Acad::eOk);
  EXPECT_NE(AcDb3dPolyline::cast(poly), nullptr);
  ASSERT_EQ(poly->subentityIds().size(), 3u);
  EXPECT_EQ(typeOf(poly->subentityIds()[0]), u"VERTEX");
  AcDbObject* vertex = nullptr;
  acdbOpenAcDbObject(vertex, poly->subentityIds()[0], AcDb::kForRead);
  EXPECT_NE(AcDb3dPolylineVertex::cast(vertex), nullptr);
  EXPECT_EQ(vertex->ownerId(), ids[0]);
  vertex->close();
  poly->close();
  AcDbEntity* insert = nullptr;
  acdbOpenAcDbEntity(insert, ids[1], AcDb::kForRead);
  ASSERT_EQ(insert->subentityIds().size(), 2u);
  EXPECT_EQ(typeOf(insert->subentityIds()[0]), u"ATTRIB");
  insert->close();
  AcDbEntity* minsert = nullptr;
  acdbOpenAcDbEntity(minsert, ids[2], AcDb::kForRead);
  EXPECT_NE(AcDbMInsertBlock::cast(minsert), nullptr);
  minsert->close();
}

TEST(DxfReader, ChoosesDimensionAndPolylineClassesFromTheirFlags) {
  auto db = dbtest::readDrawing(entities(
      "0\nDIMENSION\n8\n0\n70\n33\n0\nDIMENSION\n8\n0\n70\n4\n0\nDIMENSION\n8\n0\n70\n6\n"
      "0\nPOLYLINE\n8\n0\n70\n64\n0\nSEQEND\n8\n0\n0\nPOLYLINE\n8\n0\n70\n16\n0\nSEQEND\n8\n0\n"
      "0\nPOLYLINE\n8\n0\n70\n1\n0\nSEQEND\n8\n0\n"));
  auto ids = entitiesOf(acadsim::modelSpaceBlockId(*db));
  ASSERT_EQ(ids.size(), 6u);
  const AcRxClass* expected[] = {AcDbAlignedDimension::desc(), AcDbRadialDimension::desc(),
                                 AcDbOrdinateDimension::desc(), AcDbPolyFaceMesh::desc(),
                                 AcDbPolygonMesh::desc(),      AcDb2dPolyline::desc()};
  for (size_t i = 0; i < ids.size(); ++i) {
    AcDbObject* obj = nullptr;
    acdbOpenAcDbObject(obj, ids[i], AcDb::kForRead);
    EXPECT_EQ(obj->isA(), expected[i]) << i;
    obj->close();
  }
}

TEST(DxfReader, MakesProxiesOfClassesNoApplicationDefines) {
  std::string text = dxfText({{0, "SECTION"}, {2, "CLASSES"}, {0, "CLASS"}, {1, "ZZWIDGET"}, {2, "ZzDbWidget"},
                              {3, "Zz Widgets"}, {90, "1"}, {280, "0"}, {281, "1"}, {0, "ENDSEC"},
                              {0, "SECTION"}, {2, "ENTITIES"}, {0, "ZZWIDGET"}, {5, "40"}, {8, "0"},
                              {100, "ZzDbWidget"}, {1, "payload"}, {0, "UNHEARDOF"}, {8, "0"},
                              {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  auto ids = entitiesOf(acadsim::modelSpaceBlockId(*db));
  ASSERT_EQ(ids.size(), 2u);
  AcDbEntity* ent = nullptr;
  acdbOpenAcDbEntity(ent, ids[0], AcDb::kForRead);
  auto* proxy = AcDbProxyEntity::cast(ent);
  ASSERT_NE(proxy, nullptr);
  EXPECT_EQ(std::u16string(proxy->isA()->dxfName()), u"ACAD_PROXY_ENTITY");
  EXPECT_EQ(acadsim::dxfTypeName(proxy), u"ZZWIDGET");
  ACHAR* cls = proxy->originalClassName();
  EXPECT_EQ(std::u16string(cls), u"ZzDbWidget");
  acutDelString(cls);
  ent->close();
  EXPECT_EQ(typeOf(ids[1]), u"UNHEARDOF");
  // entget keeps the original type and data.
  ads_name name;
  acdbGetAdsName(name, ids[0]);
  resbuf* chain = acdbEntGet(name);
  ASSERT_NE(chain, nullptr);
  EXPECT_EQ(std::u16string(chain->rbnext->resval.rstring), u"ZZWIDGET");
  bool payload = false;
  for (resbuf* rb = chain; rb; rb = rb->rbnext)
    if (rb->restype == 1 && std::u16string(rb->resval.rstring) == u"payload") payload = true;
  EXPECT_TRUE(payload);
  acutRelRb(chain);
}

TEST(DxfReader, PlacesEntitiesByOwnerOrPaperSpaceFlag) {
  std::string text = dxfText({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {8, "0"}, {67, "1"}, {0, "CIRCLE"},
                              {8, "0"}, {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  EXPECT_EQ(entitiesOf(acadsim::modelSpaceBlockId(*db)).size(), 1u);
  auto paper = acadsim::paperSpaceBlocksInTabOrder(*db);
  ASSERT_FALSE(paper.empty());
  EXPECT_EQ(entitiesOf(paper[0]).size(), 1u);
}

TEST(DxfReader, ReadsBlocksWithTheirEntities) {
  std::string text = dxfText({{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {8, "0"}, {2, "Door"}, {70, "0"},
                              {10, "1"}, {20, "2"}, {30, "0"}, {3, "Door"}, {0, "LINE"}, {8, "0"}, {0, "ENDBLK"},
                              {8, "0"}, {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  AcDbBlockTable* blocks = nullptr;
  db->getBlockTable(blocks);
  AcDbBlockTableRecord* door = nullptr;
  ASSERT_EQ(blocks->getAt(u"DOOR", door, AcDb::kForRead), Acad::eOk);
  blocks->close();
  EXPECT_EQ(door->entityIds().size(), 1u);
  EXPECT_DOUBLE_EQ(door->origin().y, 2.0);
  EXPECT_FALSE(door->blockBeginId().isNull());
  EXPECT_FALSE(door->blockEndId().isNull());
  door->close();
}

TEST(DxfReader, IgnoresWhatFollowsEofAndComments) {
  auto db = dbtest::readDrawing("999\nwritten by hand\n" + entities("0\nPOINT\n8\n0\n") + "garbage after EOF\n");
  EXPECT_EQ(entitiesOf(acadsim::modelSpaceBlockId(*db)).size(), 1u);
}

TEST(DxfReader, DecodesTextByVersionAndCodePage) {
  std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_1252\n0\nENDSEC\n" +
                     entities("0\nLINE\n8\ncaf\xE9\n");
  auto db = dbtest::readDrawing(text);
  EXPECT_EQ(layerOf(entitiesOf(acadsim::modelSpaceBlockId(*db))[0]), u"caf\u00E9");
}

TEST(DxfReader, ReadsTheHandleOwnersAndDictionariesOfObjects) {
  std::string text = dxfText({{0, "SECTION"}, {2, "OBJECTS"}, {0, "DICTIONARY"}, {5, "C"}, {330, "0"},
                              {100, "AcDbDictionary"}, {3, "MYDICT"}, {350, "D"}, {0, "DICTIONARY"}, {5, "D"},
                              {330, "C"}, {100, "AcDbDictionary"}, {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  AcDbDictionary* nod = nullptr;
  ASSERT_EQ(db->getNamedObjectsDictionary(nod), Acad::eOk);
  EXPECT_EQ(Adesk::UInt64(nod->objectId().handle()), 0xCu);
  AcDbObjectId mine;
  ASSERT_EQ(nod->getAt(u"MYDICT", mine), Acad::eOk);
  EXPECT_EQ(Adesk::UInt64(mine.handle()), 0xDu);
  nod->close();
  AcDbObject* obj = nullptr;
  acdbOpenAcDbObject(obj, mine, AcDb::kForRead);
  EXPECT_EQ(obj->ownerId(), db->namedObjectsDictionaryId());
  obj->close();
}

TEST(DxfReader, ReadsTheSharedBinarySamples) {
  const std::string dir = QV_SHARED_SAMPLES;
  if (!std::ifstream(dir + "/ixmilia-dxf/diamond-bin.dxf")) GTEST_SKIP() << "shared samples not found";
  AcDbDatabase db(false);
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxf(dir + "/ezdxf/bin_dxf_r2000.dxf", db, err)) << err.message;
  auto ids = entitiesOf(acadsim::modelSpaceBlockId(db));
  ASSERT_EQ(ids.size(), 1u);
  EXPECT_EQ(typeOf(ids[0]), u"TEXT");
}

}  // namespace

namespace {

TEST(DxfReader, ListsPaperSpaceLayoutsInTabOrder) {
  std::string text = dbtest::dxfText({
      {0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "BLOCK_RECORD"}, {5, "1"},
      {0, "BLOCK_RECORD"}, {5, "1F"}, {100, "AcDbSymbolTableRecord"}, {2, "*Model_Space"},
      {0, "BLOCK_RECORD"}, {5, "1E"}, {100, "AcDbSymbolTableRecord"}, {2, "*Paper_Space"},
      {0, "BLOCK_RECORD"}, {5, "2E"}, {100, "AcDbSymbolTableRecord"}, {2, "*Paper_Space0"},
      {0, "ENDTAB"}, {0, "ENDSEC"},
      {0, "SECTION"}, {2, "OBJECTS"}, {0, "DICTIONARY"}, {5, "C"}, {3, "ACAD_LAYOUT"}, {350, "1A"},
      {0, "DICTIONARY"}, {5, "1A"}, {330, "C"}, {3, "Second"}, {350, "50"}, {3, "First"}, {350, "51"},
      {0, "LAYOUT"}, {5, "50"}, {330, "1A"}, {100, "AcDbLayout"}, {1, "Second"}, {71, "2"}, {330, "1E"},
      {0, "LAYOUT"}, {5, "51"}, {330, "1A"}, {100, "AcDbLayout"}, {1, "First"}, {71, "1"}, {330, "2E"},
      {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  auto paper = acadsim::paperSpaceBlocksInTabOrder(*db);
  ASSERT_EQ(paper.size(), 2u);
  EXPECT_EQ(Adesk::UInt64(paper[0].handle()), 0x2Eu);
  EXPECT_EQ(Adesk::UInt64(paper[1].handle()), 0x1Eu);
}

TEST(DxfIn, ReportsMissingAndBadFilesAndLogsTheReason) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("dxfin-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  AcDbDatabase db(false);
  EXPECT_EQ(db.dxfIn(Utf8ToWide((dir / "none.dxf").string()).c_str()), Acad::eFileNotFound);
  std::ofstream(dir / "bad.dxf") << "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nx\n";
  std::u16string log = Utf8ToWide((dir / "log.txt").string());
  EXPECT_EQ(db.dxfIn(Utf8ToWide((dir / "bad.dxf").string()).c_str(), log.c_str()), Acad::eBadDxfFile);
  std::string logged;
  std::getline(std::ifstream(dir / "log.txt"), logged);
  EXPECT_NE(logged.find("bad.dxf:8: invalid real 'x' for group code 10"), std::string::npos) << logged;
  std::ofstream(dir / "good.dxf") << "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n0\nENDSEC\n0\nEOF\n";
  EXPECT_EQ(db.dxfIn(Utf8ToWide((dir / "good.dxf").string()).c_str()), Acad::eOk);
  EXPECT_EQ(entitiesOf(acadsim::modelSpaceBlockId(db)).size(), 1u);
  fs::remove_all(dir);
}

}  // namespace

namespace {

const std::string kTablesDrawing = dbtest::dxfText({
    {0, "SECTION"}, {2, "TABLES"},
    {0, "TABLE"}, {2, "LAYER"}, {5, "2"},
    {0, "LAYER"}, {5, "10"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLayerTableRecord"}, {2, "Hidden"},
    {70, "5"}, {62, "-3"}, {6, "DASHED"}, {370, "50"},
    {0, "ENDTAB"},
    {0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"},
    {0, "DIMSTYLE"}, {105, "27"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbDimStyleTableRecord"},
    {2, "Metric"}, {70, "0"}, {41, "2.5"},
    {0, "ENDTAB"},
    {0, "TABLE"}, {2, "BLOCK_RECORD"}, {5, "1"},
    {0, "BLOCK_RECORD"}, {5, "60"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"}, {2, "SITE"},
    {0, "ENDTAB"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "BLOCKS"},
    {0, "BLOCK"}, {5, "61"}, {330, "60"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "SITE"},
    {70, "12"}, {10, "0"}, {20, "0"}, {30, "0"}, {3, "SITE"}, {1, "C:\\xrefs\\site.dwg"},
    {0, "ENDBLK"}, {5, "62"}, {330, "60"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "ENTITIES"},
    {0, "LINE"}, {5, "70"}, {100, "AcDbEntity"}, {8, "Hidden"}, {6, "NOSUCHTYPE"}, {62, "-5"}, {390, "F"},
    {100, "AcDbLine"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "OBJECTS"},
    {0, "DICTIONARY"}, {5, "C"}, {100, "AcDbDictionary"}, {3, "ACAD_PLOTSTYLENAME"}, {350, "E"},
    {3, "ZZ_APP"}, {350, "80"},
    {0, "ACDBDICTIONARYWDFLT"}, {5, "E"}, {330, "C"}, {100, "AcDbDictionary"}, {3, "Normal"}, {350, "F"},
    {100, "AcDbDictionaryWithDefault"}, {340, "F"},
    {0, "ACDBPLACEHOLDER"}, {5, "F"}, {330, "E"},
    {0, "ZZ_APP_DATA"}, {5, "80"}, {330, "C"}, {100, "ZzAppData"}, {1, "kept"},
    {0, "ENDSEC"},
    {0, "EOF"}});

TEST(DxfReaderTables, LayerFlagsOffColourWeightAndMissingLinetype) {
  auto db = dbtest::readDrawing(kTablesDrawing);
  AcDbLayerTable* layers = nullptr;
  db->getLayerTable(layers);
  AcDbLayerTableRecord* hidden = nullptr;
  ASSERT_EQ(layers->getAt(u"hidden", hidden, AcDb::kForRead), Acad::eOk);
  layers->close();
  EXPECT_TRUE(hidden->isFrozen());
  EXPECT_TRUE(hidden->isLocked());
  EXPECT_TRUE(hidden->isOff());  // the colour was negated
  EXPECT_EQ(hidden->color().colorIndex(), 3);
  EXPECT_EQ(hidden->lineWeight(), AcDb::kLnWt050);
  EXPECT_EQ(hidden->linetypeObjectId(), db->continuousLinetype());  // DASHED is not defined
  hidden->close();
}

TEST(DxfReaderTables, DimensionStyleHandleAndXrefBlock) {
  auto db = dbtest::readDrawing(kTablesDrawing);
  AcDbDimStyleTable* styles = nullptr;
  db->getDimStyleTable(styles);
  AcDbObjectId metric;
  ASSERT_EQ(styles->getAt(u"Metric", metric), Acad::eOk);
  styles->close();
  EXPECT_EQ(Adesk::UInt64(metric.handle()), 0x27u);
  AcDbBlockTable* blocks = nullptr;
  db->getBlockTable(blocks);
  AcDbBlockTableRecord* site = nullptr;
  ASSERT_EQ(blocks->getAt(u"SITE", site, AcDb::kForRead), Acad::eOk);
  blocks->close();
  EXPECT_EQ(Adesk::UInt64(site->objectId().handle()), 0x60u);
  EXPECT_TRUE(site->isFromExternalReference());
  EXPECT_TRUE(site->isFromOverlayReference());
  const ACHAR* path = nullptr;
  site->pathName(path);
  EXPECT_EQ(std::u16string(path), u"C:\\xrefs\\site.dwg");
  EXPECT_EQ(Adesk::UInt64(site->blockBeginId().handle()), 0x61u);
  site->close();
}

TEST(DxfReaderTables, EntityReferencesToMissingThingsHaveDefaults) {
  auto db = dbtest::readDrawing(kTablesDrawing);
  AcDbEntity* line = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(line, entitiesOf(acadsim::modelSpaceBlockId(*db))[0], AcDb::kForRead), Acad::eOk);
  ACHAR* lt = line->linetype();
  EXPECT_EQ(std::u16string(lt), u"ByLayer");
  acutDelString(lt);
  EXPECT_EQ(line->colorIndex(), 5);
  line->close();
}

TEST(DxfReaderObjects, PlotStyleDictionaryWithDefaultAndProxyObjects) {
  auto db = dbtest::readDrawing(kTablesDrawing);
  AcDbDictionaryWithDefault* styles = nullptr;
  ASSERT_EQ(acdbOpenObject(styles, db->plotStyleNameDictionaryId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(Adesk::UInt64(styles->defaultId().handle()), 0xFu);
  AcDbObjectId normal;
  EXPECT_EQ(styles->getAt(u"Normal", normal), Acad::eOk);
  EXPECT_EQ(normal, styles->defaultId());
  styles->close();
  AcDbDictionary* nod = nullptr;
  db->getNamedObjectsDictionary(nod);
  AcDbObject* data = nullptr;
  ASSERT_EQ(nod->getAt(u"ZZ_APP", data, AcDb::kForRead), Acad::eOk);
  nod->close();
  EXPECT_NE(AcDbProxyObject::cast(data), nullptr);
  EXPECT_EQ(acadsim::dxfTypeName(data), u"ZZ_APP_DATA");
  EXPECT_EQ(data->dxfSubclassData().size(), 2u);
  data->close();
}

}  // namespace

namespace {

TEST(DxfReader, TakesCommonGroupsAnywhereInFilesWithoutSubclassMarkers) {
  auto db = dbtest::readDrawing(entities("0\nTEXT\n5\n78\n8\nLEVEL_1\n1\nNOTE\n62\n3\n10\n1\n20\n2\n370\n25\n"));
  AcDbEntity* text = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(text, entitiesOf(acadsim::modelSpaceBlockId(*db))[0], AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(text->colorIndex(), 3);
  EXPECT_EQ(text->lineWeight(), AcDb::kLnWt025);
  // The entity's own groups stay in file order, without the common ones.
  const acadsim::DxfData& own = text->dxfSubclassData();
  ASSERT_EQ(own.size(), 2u);
  EXPECT_EQ(own.code(0), 1);
  EXPECT_EQ(own.code(1), 10);
  text->close();
}

}  // namespace

namespace {

TEST(DxfReader, TakesAHandleThatFollowsTheLayer) {
  auto db = dbtest::readDrawing(entities("0\nLINE\n8\n0\n5\n2F\n10\n1\n20\n1\n"));
  AcDbObjectId id = entitiesOf(acadsim::modelSpaceBlockId(*db))[0];
  EXPECT_EQ(Adesk::UInt64(id.handle()), 0x2Fu);
  ads_name name;
  acdbGetAdsName(name, id);
  resbuf* chain = acdbEntGet(name);
  int handles = 0;
  for (resbuf* rb = chain; rb; rb = rb->rbnext) handles += rb->restype == 5;
  acutRelRb(chain);
  EXPECT_EQ(handles, 1);
}

}  // namespace
