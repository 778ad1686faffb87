// AcDbText as AutoCAD reads TEXT: every group in the API's units, AutoCAD's defaults for missing groups.
#include <dbtext.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AnnotationDrawing.h"

namespace {

using namespace annotationtest;
using dbtest::Group;
constexpr double kPi = 3.14159265358979323846;

std::string textRecord(std::initializer_list<Group> own) {
  return dxfText({{0, "TEXT"}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbText"}}) + dxfText(own);
}

DrawingParts withStyles(const std::string& entities) {
  return DrawingParts{"", styleRecord("Standard") + styleRecord("Roman", "romans.shx"), "", "", entities};
}

TEST(AcDbText, ReadsEveryGroupInTheApiUnits) {
  Drawing d = readDrawing(withStyles(textRecord({{39, "2.5"}, {10, "1"}, {20, "2"}, {30, "0"}, {40, "3.5"},
                                                 {1, "Hello"}, {50, "90"}, {41, "0.8"}, {51, "15"}, {7, "Roman"},
                                                 {72, "1"}, {11, "5"}, {21, "2"}, {31, "0"}, {210, "0"},
                                                 {220, "0"}, {230, "1"}, {100, "AcDbText"}, {73, "2"}})));
  ASSERT_EQ(d.modelSpace.size(), 1u);
  OpenEntity<AcDbText> text(d.modelSpace[0]);
  EXPECT_DOUBLE_EQ(text->thickness(), 2.5);
  EXPECT_EQ(text->position(), AcGePoint3d(1, 2, 0));
  EXPECT_DOUBLE_EQ(text->height(), 3.5);
  EXPECT_EQ(std::u16string(text->textStringConst()), u"Hello");
  EXPECT_DOUBLE_EQ(text->rotation(), kPi / 2);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 0.8);
  EXPECT_DOUBLE_EQ(text->oblique(), 15 * kPi / 180);
  EXPECT_EQ(recordName(text->textStyle()), u"Roman");
  EXPECT_EQ(text->horizontalMode(), AcDb::kTextCenter);
  EXPECT_EQ(text->alignmentPoint(), AcGePoint3d(5, 2, 0));
  EXPECT_EQ(text->verticalMode(), AcDb::kTextVertMid);
  EXPECT_EQ(text->normal(), AcGeVector3d::kZAxis);
}

TEST(AcDbText, MissingGroupsReadAsAutoCADDefaults) {
  Drawing d = readDrawing(withStyles(textRecord({{10, "4"}, {20, "5"}, {1, "x"}})));
  OpenEntity<AcDbText> text(d.modelSpace[0]);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 1.0);
  EXPECT_DOUBLE_EQ(text->thickness(), 0.0);
  EXPECT_DOUBLE_EQ(text->rotation(), 0.0);
  EXPECT_DOUBLE_EQ(text->oblique(), 0.0);
  EXPECT_DOUBLE_EQ(text->height(), 0.0);
  EXPECT_EQ(text->normal(), AcGeVector3d::kZAxis);
  EXPECT_EQ(recordName(text->textStyle()), u"Standard");
  EXPECT_EQ(text->horizontalMode(), AcDb::kTextLeft);
  EXPECT_EQ(text->verticalMode(), AcDb::kTextBase);
  EXPECT_EQ(text->alignmentPoint(), AcGePoint3d(4, 5, 0));
}

TEST(AcDbText, TextStringIsANewCopyWithControlCodesKept) {
  Drawing d = readEntities(textRecord({{1, "%%d45%%p0.5%%c %%u"}}) + textRecord({{1, ""}}) + textRecord({{40, "1"}}));
  ASSERT_EQ(d.modelSpace.size(), 3u);
  {
    OpenEntity<AcDbText> text(d.modelSpace[0]);
    ACHAR* copy = text->textString();
    EXPECT_NE(copy, text->textStringConst());
    EXPECT_EQ(adopt(copy), u"%%d45%%p0.5%%c %%u");
  }
  for (size_t i : {1u, 2u}) {
    OpenEntity<AcDbText> text(d.modelSpace[i]);
    ACHAR* copy = text->textString();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(adopt(copy), u"");
  }
}

TEST(AcDbText, StyleNamesResolveThroughTheTextStyleTable) {
  Drawing d = readDrawing(withStyles(textRecord({{7, "roman"}}) + textRecord({{7, "NOSUCHSTYLE"}}) +
                                     textRecord({{7, ""}}) + textRecord({{1, "no style group"}})));
  ASSERT_EQ(d.modelSpace.size(), 4u);
  const char16_t* expected[] = {u"Roman", u"Standard", u"Standard", u"Standard"};
  for (size_t i = 0; i < 4; ++i) {
    OpenEntity<AcDbText> text(d.modelSpace[i]);
    AcDbTextStyleTableRecord* style = nullptr;
    ASSERT_EQ(acdbOpenObject(style, text->textStyle(), AcDb::kForRead), Acad::eOk) << i;
    EXPECT_EQ(style->name(), expected[i]);
    style->close();
  }
}

TEST(AcDbText, DegreesBecomeRadiansWithinOneTurn) {
  Drawing d = readEntities(textRecord({{50, "-90"}, {51, "-15"}}) + textRecord({{50, "450"}}) +
                           textRecord({{50, "360"}}) + textRecord({{50, "1e300"}}));
  OpenEntity<AcDbText> negative(d.modelSpace[0]);
  EXPECT_NEAR(negative->rotation(), 3 * kPi / 2, 1e-12);
  EXPECT_NEAR(negative->oblique(), 2 * kPi - 15 * kPi / 180, 1e-12);
  OpenEntity<AcDbText> overTurn(d.modelSpace[1]);
  EXPECT_NEAR(overTurn->rotation(), kPi / 2, 1e-12);
  OpenEntity<AcDbText> fullTurn(d.modelSpace[2]);
  EXPECT_DOUBLE_EQ(fullTurn->rotation(), 0.0);
  OpenEntity<AcDbText> huge(d.modelSpace[3]);
  EXPECT_GE(huge->rotation(), 0.0);
  EXPECT_LT(huge->rotation(), 2 * kPi);
}

TEST(AcDbText, OddValuesLeaveTheDefaults) {
  Drawing d = readEntities(textRecord({{41, "0"}, {40, "nan"}, {50, "inf"}, {72, "9"}, {100, "AcDbText"}, {73, "-1"}}) +
                           textRecord({{41, "-2"}, {39, "-inf"}, {72, "-1"}, {100, "AcDbText"}, {73, "4"}}));
  OpenEntity<AcDbText> first(d.modelSpace[0]);
  EXPECT_DOUBLE_EQ(first->widthFactor(), 1.0);
  EXPECT_DOUBLE_EQ(first->height(), 0.0);
  EXPECT_DOUBLE_EQ(first->rotation(), 0.0);
  EXPECT_EQ(first->horizontalMode(), AcDb::kTextLeft);
  EXPECT_EQ(first->verticalMode(), AcDb::kTextBase);
  OpenEntity<AcDbText> second(d.modelSpace[1]);
  EXPECT_DOUBLE_EQ(second->widthFactor(), 1.0);
  EXPECT_DOUBLE_EQ(second->thickness(), 0.0);
  EXPECT_EQ(second->horizontalMode(), AcDb::kTextLeft);
  EXPECT_EQ(second->verticalMode(), AcDb::kTextBase);
}

TEST(AcDbText, ShortenedAndSplitPointsAreRead) {
  Drawing d = readEntities(textRecord({{10, "4"}, {40, "3"}, {20, "5"}, {1, "x"}}) + textRecord({{10, "7"}, {20, "8"}}));
  OpenEntity<AcDbText> split(d.modelSpace[0]);
  EXPECT_EQ(split->position(), AcGePoint3d(4, 5, 0));
  EXPECT_DOUBLE_EQ(split->height(), 3.0);
  OpenEntity<AcDbText> twoD(d.modelSpace[1]);
  EXPECT_EQ(twoD->position(), AcGePoint3d(7, 8, 0));
}

TEST(AcDbText, ObjectCoordinatesBecomeWorldCoordinates) {
  // Under the normal -Z the arbitrary axis algorithm gives the X axis -X and the Y axis +Y.
  Drawing d = readEntities(
      textRecord({{10, "1"}, {20, "2"}, {30, "3"}, {11, "4"}, {21, "5"}, {31, "3"}, {72, "2"}, {210, "0"}, {220, "0"},
                  {230, "-1"}}) +
      textRecord({{10, "1"}, {20, "2"}, {210, "0"}, {220, "0"}, {230, "5"}}) +
      textRecord({{10, "1"}, {20, "2"}, {210, "0"}, {220, "0"}, {230, "0"}}));
  OpenEntity<AcDbText> flipped(d.modelSpace[0]);
  EXPECT_EQ(flipped->normal(), AcGeVector3d(0, 0, -1));
  EXPECT_EQ(flipped->position(), AcGePoint3d(-1, 2, -3));
  EXPECT_EQ(flipped->alignmentPoint(), AcGePoint3d(-4, 5, -3));
  OpenEntity<AcDbText> longNormal(d.modelSpace[1]);
  EXPECT_EQ(longNormal->normal(), AcGeVector3d::kZAxis);
  EXPECT_EQ(longNormal->position(), AcGePoint3d(1, 2, 0));
  OpenEntity<AcDbText> zeroNormal(d.modelSpace[2]);
  EXPECT_EQ(zeroNormal->normal(), AcGeVector3d::kZAxis);
}

TEST(AcDbText, RecordsWithoutSubclassMarkers) {
  Drawing d = readEntities(dxfText({{0, "TEXT"}, {8, "0"}, {10, "1"}, {20, "1"}, {40, "2"}, {1, "R12"}, {72, "2"},
                                    {73, "3"}, {11, "9"}, {21, "1"}, {62, "1"}}));
  OpenEntity<AcDbText> text(d.modelSpace[0]);
  EXPECT_EQ(std::u16string(text->textStringConst()), u"R12");
  EXPECT_EQ(text->horizontalMode(), AcDb::kTextRight);
  EXPECT_EQ(text->verticalMode(), AcDb::kTextTop);
  EXPECT_EQ(text->alignmentPoint(), AcGePoint3d(9, 1, 0));
  EXPECT_EQ(text->colorIndex(), 1);
}

TEST(AcDbText, LongAndNonAsciiStrings) {
  std::string longText(10000, 'a');
  longText += "end";
  std::string utf8Header = dxfText({{9, "$ACADVER"}, {1, "AC1021"}});
  Drawing utf8 = readDrawing(DrawingParts{utf8Header, "", "", "",
                                          textRecord({{1, longText}}) + textRecord({{1, "\xE4\xB8\xAD\xE6\x96\x87"}})});
  OpenEntity<AcDbText> longOne(utf8.modelSpace[0]);
  EXPECT_EQ(adopt(longOne->textString()), std::u16string(10000, u'a') + u"end");
  OpenEntity<AcDbText> cjk(utf8.modelSpace[1]);
  EXPECT_EQ(std::u16string(cjk->textStringConst()), u"中文");

  // Before R2007 text is in the drawing's code page; \U+ escapes name characters the code page lacks.
  std::string gbkHeader = dxfText({{9, "$ACADVER"}, {1, "AC1015"}, {9, "$DWGCODEPAGE"}, {3, "ANSI_936"}});
  Drawing gbk = readDrawing(
      DrawingParts{gbkHeader, "", "", "", textRecord({{1, "\xD6\xD0\xCE\xC4\\U+5B57 \\U+00E9"}})});
  OpenEntity<AcDbText> decoded(gbk.modelSpace[0]);
  EXPECT_EQ(std::u16string(decoded->textStringConst()), u"中文字 é");
}

}  // namespace
