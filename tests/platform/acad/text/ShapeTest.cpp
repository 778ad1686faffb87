// AcDbShape: a named shape placed like text, and the shape file's style when the drawing tells it.
#include <dbtext.h>
#include <gtest/gtest.h>

#include <string>

#include "AnnotationDrawing.h"

namespace {

using namespace annotationtest;
using dbtest::Group;
constexpr double kPi = 3.14159265358979323846;

std::string shape(std::initializer_list<Group> own) {
  return dxfText({{0, "SHAPE"}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbShape"}}) + dxfText(own);
}

TEST(AcDbShape, ReadsEveryGroupInTheApiUnits) {
  Drawing d = readEntities(shape({{39, "0.5"}, {10, "1"}, {20, "2"}, {30, "0"}, {40, "3"}, {2, "BOX"}, {50, "180"},
                                  {41, "2"}, {51, "10"}}));
  OpenEntity<AcDbShape> s(d.modelSpace[0]);
  EXPECT_EQ(adopt(s->name()), u"BOX");
  EXPECT_DOUBLE_EQ(s->thickness(), 0.5);
  EXPECT_EQ(s->position(), AcGePoint3d(1, 2, 0));
  EXPECT_DOUBLE_EQ(s->size(), 3.0);
  EXPECT_NEAR(s->rotation(), kPi, 1e-12);
  EXPECT_DOUBLE_EQ(s->widthFactor(), 2.0);
  EXPECT_NEAR(s->oblique(), 10 * kPi / 180, 1e-12);
  EXPECT_EQ(s->normal(), AcGeVector3d::kZAxis);
}

TEST(AcDbShape, MissingAndOddGroups) {
  Drawing d = readEntities(shape({}) + shape({{41, "0"}, {40, "nan"}, {2, ""}}) +
                           shape({{10, "1"}, {20, "2"}, {30, "3"}, {210, "0"}, {220, "0"}, {230, "-1"}}));
  OpenEntity<AcDbShape> bare(d.modelSpace[0]);
  EXPECT_EQ(adopt(bare->name()), u"");
  EXPECT_DOUBLE_EQ(bare->widthFactor(), 1.0);
  EXPECT_DOUBLE_EQ(bare->size(), 0.0);
  EXPECT_DOUBLE_EQ(bare->thickness(), 0.0);
  OpenEntity<AcDbShape> odd(d.modelSpace[1]);
  EXPECT_DOUBLE_EQ(odd->widthFactor(), 1.0);
  EXPECT_DOUBLE_EQ(odd->size(), 0.0);
  OpenEntity<AcDbShape> flipped(d.modelSpace[2]);
  EXPECT_EQ(flipped->position(), AcGePoint3d(-1, 2, -3));
}

TEST(AcDbShape, StyleIsTheDrawingsOnlyShapeFile) {
  std::string one = styleRecord("Standard") + styleRecord("", "ltypeshp.shx", true);
  Drawing single = readDrawing(DrawingParts{"", one, "", "", shape({{2, "TRACK1"}})});
  OpenEntity<AcDbShape> s(single.modelSpace[0]);
  AcDbTextStyleTableRecord* style = nullptr;
  ASSERT_EQ(acdbOpenObject(style, s->styleId(), AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(style->isShapeFile());
  const ACHAR* file = nullptr;
  style->fileName(file);
  EXPECT_EQ(std::u16string(file), u"ltypeshp.shx");
  style->close();

  Drawing none = readDrawing(DrawingParts{"", styleRecord("Standard"), "", "", shape({{2, "TRACK1"}})});
  OpenEntity<AcDbShape> withoutFile(none.modelSpace[0]);
  EXPECT_TRUE(withoutFile->styleId().isNull());

  std::string two = one + styleRecord("", "other.shx", true);
  Drawing several = readDrawing(DrawingParts{"", two, "", "", shape({{2, "TRACK1"}})});
  OpenEntity<AcDbShape> ambiguous(several.modelSpace[0]);
  EXPECT_TRUE(ambiguous->styleId().isNull());
}

}  // namespace
