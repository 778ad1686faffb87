// The project's demo drawing: every common property the scope window shows, and the text note it carries
// through the demand-loaded architectural enabler.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <acutads.h>
#include <dbapserv.h>
#include <dbdict.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>
#include <rxregsvc.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::u16string take(ACHAR* s) {
  std::u16string out = s ? s : u"";
  acutDelString(s);
  return out;
}

class DemoDrawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    db = new AcDbDatabase(false);
    acadsim::DxfError err;
    ok = acadsim::readDxf(std::string(QV_PROJECT_SAMPLES) + "/quillview-demo.dxf", *db, err);
    message = acadsim::formatDxfError("quillview-demo.dxf", err);
    AcDbBlockTableRecord* model = nullptr;
    if (ok && acdbOpenObject(model, acadsim::modelSpaceBlockId(*db), AcDb::kForRead) == Acad::eOk) {
      for (AcDbObjectId id : model->entityIds()) byHandle[Adesk::UInt64(id.handle())] = id;
      model->close();
    }
  }
  static void TearDownTestSuite() {
    delete db;
    db = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(ok) << message; }

  AcDbEntity* open(Adesk::UInt64 handle) {
    AcDbEntity* ent = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(ent, byHandle.at(handle), AcDb::kForRead), Acad::eOk);
    return ent;
  }

  static AcDbDatabase* db;
  static bool ok;
  static std::string message;
  static std::map<Adesk::UInt64, AcDbObjectId> byHandle;
};

AcDbDatabase* DemoDrawing::db = nullptr;
bool DemoDrawing::ok = false;
std::string DemoDrawing::message;
std::map<Adesk::UInt64, AcDbObjectId> DemoDrawing::byHandle;

TEST_F(DemoDrawing, HasItsEntitiesInModelAndPaperSpace) {
  EXPECT_EQ(byHandle.size(), 7u);
  auto layouts = acadsim::paperSpaceBlocksInTabOrder(*db);
  ASSERT_EQ(layouts.size(), 1u);
  AcDbBlockTableRecord* paper = nullptr;
  acdbOpenObject(paper, layouts[0], AcDb::kForRead);
  EXPECT_EQ(paper->entityIds().size(), 1u);
  paper->close();
}

TEST_F(DemoDrawing, ByLayerWallWithItsLayerColour) {
  AcDbEntity* line = open(0x30);
  EXPECT_EQ(take(line->layer()), u"Walls");
  EXPECT_EQ(take(line->linetype()), u"ByLayer");
  EXPECT_EQ(line->colorIndex(), 256);
  EXPECT_EQ(line->lineWeight(), AcDb::kLnWtByLayer);
  EXPECT_EQ(take(line->plotStyleName()), u"ByLayer");
  EXPECT_EQ(take(line->material()), u"ByLayer");
  AcDbLayerTableRecord* layer = nullptr;
  ASSERT_EQ(acdbOpenObject(layer, line->layerId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(layer->color().colorIndex(), 1);
  layer->close();
  resbuf* url = line->xData(u"PE_URL");
  ASSERT_NE(url, nullptr);
  ASSERT_NE(url->rbnext, nullptr);
  EXPECT_EQ(url->rbnext->restype, 1000);
  EXPECT_EQ(std::u16string(url->rbnext->resval.rstring), u"https://example.com/specs/wall-w1");
  acutRelRb(url);
  line->close();
}

TEST_F(DemoDrawing, TextNoteIsAnAecDbTextNoteOfEightLines) {
  AcDbEntity* line = open(0x30);
  AcDbObjectId xdict = line->extensionDictionary();
  line->close();
  AcDbDictionary* dict = nullptr;
  ASSERT_EQ(acdbOpenObject(dict, xdict, AcDb::kForRead), Acad::eOk);
  AcDbObject* note = nullptr;
  ASSERT_EQ(dict->getAt(u"AEC_TEXT_NOTE", note, AcDb::kForRead), Acad::eOk);
  dict->close();
  AcRxClass* noteClass = AcRxClass::cast(acrxClassDictionary->at(u"AecDbTextNote"));
  ASSERT_NE(noteClass, nullptr) << "the enabler was not loaded on demand";
  EXPECT_TRUE(note->isKindOf(noteClass));
  EXPECT_TRUE(noteClass->isDerivedFrom(AcDbObject::desc()));
  ads_name name;
  acdbGetAdsName(name, note->objectId());
  note->close();
  resbuf* chain = acdbEntGet(name);
  std::u16string text;
  bool afterMarker = false;
  for (resbuf* rb = chain; rb; rb = rb->rbnext) {
    if (rb->restype == 100 && std::u16string(rb->resval.rstring) == u"AecDbTextNote") afterMarker = true;
    if (afterMarker && (rb->restype == 1 || rb->restype == 3) && text.empty()) text = rb->resval.rstring;
  }
  acutRelRb(chain);
  size_t lines = 1;
  for (char16_t c : text) lines += c == u'\n';
  EXPECT_EQ(lines, 8u);
  EXPECT_NE(text.find(u"\n\n"), std::u16string::npos);  // a blank line
  EXPECT_NE(text.find(u'\t'), std::u16string::npos);
}

TEST_F(DemoDrawing, LongLayerNameByBlockColourAndWeight) {
  AcDbEntity* circle = open(0x31);
  EXPECT_EQ(take(circle->layer()).size(), 31u);
  EXPECT_EQ(circle->colorIndex(), 0);
  EXPECT_EQ(circle->lineWeight(), AcDb::kLnWtByBlock);
  circle->close();
}

TEST_F(DemoDrawing, NamedPlotStyleMaterialAndShadowsOfThePolyline) {
  AcDbEntity* pline = open(0x32);
  EXPECT_EQ(take(pline->linetype()), u"CONTINUOUS");
  EXPECT_EQ(pline->colorIndex(), 8);
  EXPECT_EQ(pline->lineWeight(), AcDb::kLnWt025);
  EXPECT_EQ(take(pline->plotStyleName()), u"Thick");
  EXPECT_EQ(take(pline->material()), u"Concrete");
  EXPECT_TRUE(pline->castShadows());
  EXPECT_FALSE(pline->receiveShadows());
  pline->close();
}

TEST_F(DemoDrawing, TrueColourAndColourBookColour) {
  AcDbEntity* arc = open(0x33);
  EXPECT_TRUE(arc->color().isByColor());
  AcCmColor c = arc->color();
  EXPECT_EQ(std::u16string(c.colorNameForDisplay()), u"200,16,46");
  EXPECT_EQ(arc->lineWeight(), AcDb::kLnWt211);
  EXPECT_FALSE(arc->castShadows());
  EXPECT_FALSE(arc->receiveShadows());
  arc->close();
  AcDbEntity* text = open(0x34);
  AcCmColor book = text->color();
  EXPECT_EQ(std::u16string(book.colorNameForDisplay()), u"PANTONE 186 C");
  EXPECT_EQ(std::u16string(book.bookName()), u"PANTONE+ Solid Coated");
  EXPECT_EQ(text->lineWeight(), AcDb::kLnWtByLwDefault);
  EXPECT_FALSE(text->castShadows());
  EXPECT_TRUE(text->receiveShadows());
  text->close();
  AcDbEntity* thin = open(0x37);
  EXPECT_EQ(thin->lineWeight(), AcDb::kLnWt000);
  EXPECT_EQ(take(thin->plotStyleName()), u"ByBlock");
  thin->close();
}

}  // namespace
