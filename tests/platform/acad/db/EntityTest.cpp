// AcDbEntity's common properties: layer, linetype, colour, lineweight, plot style, material, shadows.
#include <acutads.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <string>

#include "DbTestDrawing.h"

namespace {

std::u16string take(ACHAR* s) {
  std::u16string out = s ? s : u"(null)";
  acutDelString(s);
  return out;
}

class Entity : public ::testing::Test {
 protected:
  void SetUp() override {
    AcDbLayerTable* layers = nullptr;
    db.getLayerTable(layers, AcDb::kForWrite);
    auto* walls = new AcDbLayerTableRecord();
    walls->setName(u"Walls");
    layers->add(wallsId, walls);
    walls->close();
    layers->close();
    id = dbtest::addToModelSpace(db, new AcDbLine());
    acdbOpenAcDbEntity(ent, id, AcDb::kForWrite);
  }
  void TearDown() override { ent->close(); }
  AcDbDatabase db;
  AcDbObjectId wallsId, id;
  AcDbEntity* ent = nullptr;
};

TEST_F(Entity, LayerByNameOrIdAndTheCopyItReturns) {
  EXPECT_EQ(ent->setLayer(u"WALLS"), Acad::eOk);
  EXPECT_EQ(ent->layerId(), wallsId);
  EXPECT_EQ(take(ent->layer()), u"Walls");
  EXPECT_EQ(ent->setLayer(u"Missing"), Acad::eKeyNotFound);
  EXPECT_EQ(ent->layerId(), wallsId);
  EXPECT_EQ(ent->setLayer(db.continuousLinetype()), Acad::eWrongObjectType);
}

TEST_F(Entity, ReadsItsLayerNameWhileTheLayerIsOpenForWrite) {
  AcDbLayerTableRecord* walls = nullptr;
  ASSERT_EQ(acdbOpenObject(walls, wallsId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(ent->setLayer(wallsId), Acad::eOk);
  EXPECT_EQ(take(ent->layer()), u"Walls");
  walls->close();
}

TEST_F(Entity, LinetypeByLayerByBlockOrNamed) {
  EXPECT_EQ(take(ent->linetype()), u"ByLayer");
  EXPECT_EQ(ent->setLinetype(u"byblock"), Acad::eOk);
  EXPECT_EQ(take(ent->linetype()), u"ByBlock");
  EXPECT_EQ(ent->setLinetype(u"CONTINUOUS"), Acad::eOk);
  EXPECT_EQ(take(ent->linetype()), u"Continuous");
  EXPECT_EQ(ent->linetypeId(), db.continuousLinetype());
  EXPECT_EQ(ent->setLinetype(u"NoSuchLinetype"), Acad::eKeyNotFound);
  EXPECT_EQ(ent->setLinetypeScale(0.0), Acad::eBadLinetypeScale);
}

TEST_F(Entity, ColourKeepsWhatIsSet) {
  EXPECT_EQ(ent->colorIndex(), 256);
  EXPECT_EQ(ent->setColorIndex(1), Acad::eOk);
  EXPECT_EQ(ent->color().colorIndex(), 1);
  EXPECT_EQ(ent->setColorIndex(300), Acad::eBadColorIndex);
  AcCmColor rgb;
  rgb.setRGB(1, 2, 3);
  ent->setColor(rgb);
  EXPECT_TRUE(ent->color().isByColor());
}

TEST_F(Entity, LineweightsOnlyFromTheStandardSet) {
  EXPECT_EQ(ent->lineWeight(), AcDb::kLnWtByLayer);
  for (AcDb::LineWeight w : {AcDb::kLnWtByLwDefault, AcDb::kLnWtByBlock, AcDb::kLnWt000, AcDb::kLnWt211}) {
    EXPECT_EQ(ent->setLineWeight(w), Acad::eOk);
    EXPECT_EQ(ent->lineWeight(), w);
  }
  EXPECT_EQ(ent->setLineWeight(AcDb::LineWeight(26)), Acad::eInvalidInput);
  EXPECT_EQ(ent->setLineWeight(AcDb::LineWeight(-4)), Acad::eInvalidInput);
  EXPECT_EQ(ent->lineWeight(), AcDb::kLnWt211);
}

TEST_F(Entity, ShadowFlagsFollowTheFourShadowModes) {
  EXPECT_TRUE(ent->castShadows());
  EXPECT_TRUE(ent->receiveShadows());
  ent->setReceiveShadows(false);
  EXPECT_TRUE(ent->castShadows());
  EXPECT_FALSE(ent->receiveShadows());
  ent->setCastShadows(false);
  EXPECT_FALSE(ent->castShadows());
  EXPECT_FALSE(ent->receiveShadows());
  ent->setReceiveShadows(true);
  EXPECT_FALSE(ent->castShadows());
  EXPECT_TRUE(ent->receiveShadows());
}

TEST_F(Entity, PlotStyleNameIsByColorInAColourDependentDrawing) {
  // A new drawing from acad.dwt uses colour-dependent plot styles (PSTYLEMODE 1).
  EXPECT_EQ(take(ent->plotStyleName()), u"ByColor");
}

TEST_F(Entity, MaterialDefaultsToByLayer) {
  EXPECT_EQ(take(ent->material()), u"ByLayer");
  EXPECT_EQ(ent->setMaterial(u"Global"), Acad::eOk);
  EXPECT_EQ(take(ent->material()), u"Global");
  EXPECT_EQ(ent->setMaterial(u"ByBlock"), Acad::eOk);
  EXPECT_EQ(take(ent->material()), u"ByBlock");
  EXPECT_EQ(ent->setMaterial(u"Marble"), Acad::eKeyNotFound);
}

TEST_F(Entity, VisibilityValues) {
  EXPECT_EQ(ent->setVisibility(AcDb::kInvisible), Acad::eOk);
  EXPECT_EQ(ent->visibility(), AcDb::kInvisible);
  EXPECT_EQ(ent->setVisibility(AcDb::Visibility(5)), Acad::eBadVisibilityValue);
}

TEST(EntityClasses, HaveTheirDxfNamesAndRealParents) {
  EXPECT_EQ(std::u16string(AcDbLine::desc()->dxfName()), u"LINE");
  EXPECT_TRUE(AcDbLine::desc()->isDerivedFrom(AcDbCurve::desc()));
  EXPECT_TRUE(AcDbArc::desc()->isDerivedFrom(AcDbCurve::desc()));
  EXPECT_FALSE(AcDbArc::desc()->isDerivedFrom(AcDbCircle::desc()));
  EXPECT_TRUE(AcDbHelix::desc()->isDerivedFrom(AcDbSpline::desc()));
  EXPECT_TRUE(AcDbWipeout::desc()->isDerivedFrom(AcDbRasterImage::desc()));
  EXPECT_TRUE(AcDbTable::desc()->isDerivedFrom(AcDbBlockReference::desc()));
  EXPECT_TRUE(AcDbAttribute::desc()->isDerivedFrom(AcDbText::desc()));
  EXPECT_FALSE(AcDbPolyFaceMesh::desc()->isDerivedFrom(AcDbCurve::desc()));
  EXPECT_EQ(std::u16string(AcDbRotatedDimension::desc()->dxfName()), u"DIMENSION");
  EXPECT_EQ(std::u16string(AcDbFace::desc()->dxfName()), u"3DFACE");
  EXPECT_EQ(std::u16string(AcDbPdfReference::desc()->dxfName()), u"PDFUNDERLAY");
  EXPECT_EQ(std::u16string(AcDbSubDMesh::desc()->dxfName()), u"MESH");
  EXPECT_TRUE(AcDbPdfReference::desc()->isDerivedFrom(AcDbUnderlayReference::desc()));
  EXPECT_TRUE(AcDbOle2Frame::desc()->isDerivedFrom(AcDbOleFrame::desc()));
}

}  // namespace
