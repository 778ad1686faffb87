// AcDbDimension and its kinds: the common groups, every kind's points, and the measurement each kind
// computes from them when the file stores none.
#include <acutads.h>
#include <adscodes.h>
#include <dbdim.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AnnotationDrawing.h"

namespace {

using namespace annotationtest;
using dbtest::Group;
constexpr double kPi = 3.14159265358979323846;

// A DIMENSION as AutoCAD writes it: the common groups, then the kind's subclass with its own groups.
std::string dimension(const std::string& type, const std::string& kindMarker, std::initializer_list<Group> common,
                      std::initializer_list<Group> kind, const char* entity = "DIMENSION") {
  return dxfText({{0, entity}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbDimension"}, {70, type}}) + dxfText(common) +
         dxfText({{100, kindMarker}}) + dxfText(kind);
}

double measured(AcDbObjectId id, Acad::ErrorStatus expected = Acad::eOk) {
  AcDbDimension* dim = nullptr;
  EXPECT_EQ(acdbOpenObject(dim, id, AcDb::kForRead), Acad::eOk);
  double value = -1.0;
  EXPECT_EQ(dim->measurement(value), expected);
  dim->close();
  return value;
}

TEST(AcDbDimension, EveryTypeIsReadAsItsClass) {
  std::string all;
  for (const char* type : {"0", "1", "2", "3", "4", "5", "6", "33", "160", "70"})
    all += dxfText({{0, "DIMENSION"}, {8, "0"}, {100, "AcDbDimension"}, {70, type}});
  all += dxfText({{0, "ARC_DIMENSION"}, {8, "0"}}) + dxfText({{0, "LARGE_RADIAL_DIMENSION"}, {8, "0"}});
  Drawing d = readEntities(all);
  AcRxClass* expected[] = {AcDbRotatedDimension::desc(),      AcDbAlignedDimension::desc(),
                           AcDb2LineAngularDimension::desc(), AcDbDiametricDimension::desc(),
                           AcDbRadialDimension::desc(),       AcDb3PointAngularDimension::desc(),
                           AcDbOrdinateDimension::desc(),     AcDbAlignedDimension::desc(),
                           AcDbRotatedDimension::desc(),      AcDbOrdinateDimension::desc(),
                           AcDbArcDimension::desc(),          AcDbRadialDimensionLarge::desc()};
  ASSERT_EQ(d.modelSpace.size(), 12u);
  for (size_t i = 0; i < 12; ++i) {
    OpenEntity<AcDbDimension> dim(d.modelSpace[i]);
    EXPECT_EQ(dim->isA(), expected[i]) << i;
  }
}

TEST(AcDbDimension, StyleNamesResolveThroughTheDimensionStyleTable) {
  DrawingParts parts{"", "", dimStyleRecord("Standard") + dimStyleRecord("Metric"), "",
                     dimension("1", "AcDbAlignedDimension", {{3, "metric"}}, {}) +
                         dimension("1", "AcDbAlignedDimension", {{3, "NOSUCHSTYLE"}}, {}) +
                         dimension("1", "AcDbAlignedDimension", {}, {})};
  Drawing d = readDrawing(parts);
  const char16_t* expected[] = {u"Metric", u"Standard", u"Standard"};
  for (size_t i = 0; i < 3; ++i) {
    OpenEntity<AcDbDimension> dim(d.modelSpace[i]);
    AcDbDimStyleTableRecord* style = nullptr;
    ASSERT_EQ(acdbOpenObject(style, dim->dimensionStyle(), AcDb::kForRead), Acad::eOk) << i;
    EXPECT_EQ(style->name(), expected[i]);
    style->close();
  }
}

TEST(AcDbDimension, TextIsACopyAsWritten) {
  Drawing d = readEntities(dimension("1", "AcDbAlignedDimension", {{1, "<> mm"}}, {}) +
                           dimension("1", "AcDbAlignedDimension", {{1, ""}}, {}) +
                           dimension("1", "AcDbAlignedDimension", {}, {}) +
                           dimension("1", "AcDbAlignedDimension", {{1, "\\A1;25{\\H0.7x;\\S+0.1^-0.2;}"}}, {}));
  const char16_t* expected[] = {u"<> mm", u"", u"", u"\\A1;25{\\H0.7x;\\S+0.1^-0.2;}"};
  for (size_t i = 0; i < 4; ++i) {
    OpenEntity<AcDbDimension> dim(d.modelSpace[i]);
    ACHAR* text = dim->dimensionText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(adopt(text), expected[i]) << i;
  }
}

TEST(AcDbDimension, BlockTextPositionNormalAndElevation) {
  std::string block = dxfText({{0, "BLOCK"}, {8, "0"}, {2, "*D1"}, {70, "1"}, {10, "0"}, {20, "0"}}) +
                      dxfText({{0, "ENDBLK"}, {8, "0"}});
  std::string dims =
      dimension("1", "AcDbAlignedDimension",
                {{2, "*D1"}, {10, "1"}, {20, "2"}, {30, "4"}, {11, "3"}, {21, "4"}, {31, "4"}}, {}) +
      dimension("1", "AcDbAlignedDimension",
                {{2, "*D99"}, {10, "0"}, {20, "0"}, {30, "-2"}, {11, "3"}, {21, "4"}, {31, "2"}, {210, "0"},
                 {220, "0"}, {230, "-1"}},
                {});
  Drawing d = readDrawing(DrawingParts{"", "", "", block, dims});
  OpenEntity<AcDbDimension> plain(d.modelSpace[0]);
  AcDbBlockTableRecord* record = nullptr;
  ASSERT_EQ(acdbOpenObject(record, plain->dimBlockId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(record->name(), u"*D1");
  record->close();
  EXPECT_EQ(plain->textPosition(), AcGePoint3d(3, 4, 4));
  EXPECT_EQ(plain->normal(), AcGeVector3d::kZAxis);
  EXPECT_DOUBLE_EQ(plain->elevation(), 4.0);

  OpenEntity<AcDbDimension> flipped(d.modelSpace[1]);
  EXPECT_TRUE(flipped->dimBlockId().isNull());
  EXPECT_EQ(flipped->normal(), AcGeVector3d(0, 0, -1));
  EXPECT_EQ(flipped->textPosition(), AcGePoint3d(-3, 4, -2));
  EXPECT_DOUBLE_EQ(flipped->elevation(), 2.0);
}

TEST(AcDbDimension, StoredMeasurementComesFirst) {
  auto aligned = [](const char* stored) {
    return dimension("1", "AcDbAlignedDimension", {{42, stored}}, {{13, "0"}, {23, "0"}, {14, "3"}, {24, "4"}});
  };
  Drawing d = readEntities(aligned("12.5") + aligned("nan") + aligned("0") + aligned("-inf") + aligned("-1"));
  EXPECT_DOUBLE_EQ(measured(d.modelSpace[0]), 12.5);
  EXPECT_DOUBLE_EQ(measured(d.modelSpace[1]), 5.0);
  EXPECT_DOUBLE_EQ(measured(d.modelSpace[2]), 0.0);
  EXPECT_DOUBLE_EQ(measured(d.modelSpace[3]), 5.0);
  EXPECT_DOUBLE_EQ(measured(d.modelSpace[4]), 5.0);  // the -1 that GDAL and dxf-writer store
}

TEST(AcDbRotatedDimension, MeasuresAlongItsRotation) {
  auto rotated = [](const char* degrees) {
    return dimension("0", "AcDbAlignedDimension", {{10, "0"}, {20, "9"}},
                     {{13, "1"}, {23, "1"}, {14, "4"}, {24, "5"}, {50, degrees}, {52, "30"},
                      {100, "AcDbRotatedDimension"}});
  };
  Drawing d = readEntities(rotated("0") + rotated("90") + rotated("45") + rotated("180"));
  OpenEntity<AcDbRotatedDimension> dim(d.modelSpace[0]);
  EXPECT_EQ(dim->xLine1Point(), AcGePoint3d(1, 1, 0));
  EXPECT_EQ(dim->xLine2Point(), AcGePoint3d(4, 5, 0));
  EXPECT_EQ(dim->dimLinePoint(), AcGePoint3d(0, 9, 0));
  EXPECT_NEAR(dim->oblique(), kPi / 6, 1e-12);
  EXPECT_DOUBLE_EQ(dim->rotation(), 0.0);
  EXPECT_NEAR(measured(d.modelSpace[0]), 3.0, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[1]), 4.0, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[2]), 7.0 / std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[3]), 3.0, 1e-12);
}

TEST(AcDbAlignedDimension, MeasuresTheDistanceInItsPlane) {
  Drawing d = readEntities(
      dimension("1", "AcDbAlignedDimension", {{10, "2"}, {20, "2"}}, {{13, "1"}, {23, "1"}, {33, "7"}, {14, "4"},
                                                                      {24, "5"}, {34, "0"}}));
  OpenEntity<AcDbAlignedDimension> dim(d.modelSpace[0]);
  EXPECT_EQ(dim->xLine1Point(), AcGePoint3d(1, 1, 7));
  EXPECT_EQ(dim->dimLinePoint(), AcGePoint3d(2, 2, 0));
  EXPECT_DOUBLE_EQ(dim->oblique(), 0.0);
  EXPECT_NEAR(measured(d.modelSpace[0]), 5.0, 1e-12);
}

TEST(AcDbRadialDimension, RadiusDiameterAndJoggedRadius) {
  Drawing d = readEntities(
      dimension("4", "AcDbRadialDimension", {{10, "1"}, {20, "1"}}, {{15, "4"}, {25, "5"}, {40, "2.5"}}) +
      dimension("3", "AcDbDiametricDimension", {{10, "0"}, {20, "0"}}, {{15, "6"}, {25, "8"}, {40, "1"}}) +
      dimension("9", "AcDbRadialDimensionLarge", {{10, "0"}, {20, "0"}},
                {{13, "-1"}, {23, "-1"}, {14, "1"}, {24, "2"}, {15, "3"}, {25, "4"}, {40, "0.785"}},
                "LARGE_RADIAL_DIMENSION"));
  OpenEntity<AcDbRadialDimension> radial(d.modelSpace[0]);
  EXPECT_EQ(radial->center(), AcGePoint3d(1, 1, 0));
  EXPECT_EQ(radial->chordPoint(), AcGePoint3d(4, 5, 0));
  EXPECT_DOUBLE_EQ(radial->leaderLength(), 2.5);
  EXPECT_NEAR(measured(d.modelSpace[0]), 5.0, 1e-12);
  OpenEntity<AcDbDiametricDimension> diametric(d.modelSpace[1]);
  EXPECT_EQ(diametric->farChordPoint(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(diametric->chordPoint(), AcGePoint3d(6, 8, 0));
  EXPECT_DOUBLE_EQ(diametric->leaderLength(), 1.0);
  EXPECT_NEAR(measured(d.modelSpace[1]), 10.0, 1e-12);
  OpenEntity<AcDbRadialDimensionLarge> jogged(d.modelSpace[2]);
  EXPECT_EQ(jogged->center(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(jogged->overrideCenter(), AcGePoint3d(-1, -1, 0));
  EXPECT_EQ(jogged->jogPoint(), AcGePoint3d(1, 2, 0));
  EXPECT_EQ(jogged->chordPoint(), AcGePoint3d(3, 4, 0));
  EXPECT_DOUBLE_EQ(jogged->jogAngle(), 0.785);
  EXPECT_NEAR(measured(d.modelSpace[2]), 5.0, 1e-12);
}

std::string twoLine(const char* arcX, const char* arcY) {
  // First line along +X from the origin, second along the diagonal; they cross at the origin.
  return dimension("2", "AcDb2LineAngularDimension", {{10, "10"}, {20, "10"}},
                   {{13, "0"}, {23, "0"}, {14, "10"}, {24, "0"}, {15, "0"}, {25, "0"}, {16, arcX}, {26, arcY}});
}

TEST(AcDb2LineAngularDimension, MeasuresTheSectorOfTheArcPoint) {
  Drawing d = readEntities(twoLine("5", "2") + twoLine("-5", "2") + twoLine("-5", "-2") + twoLine("5", "-2") +
                           dimension("2", "AcDb2LineAngularDimension", {{10, "0"}, {20, "10"}},
                                     {{13, "2"}, {23, "0"}, {14, "10"}, {24, "0"}, {15, "0"}, {25, "2"}, {16, "3"},
                                      {26, "3"}}));
  OpenEntity<AcDb2LineAngularDimension> dim(d.modelSpace[0]);
  EXPECT_EQ(dim->xLine1Start(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(dim->xLine1End(), AcGePoint3d(10, 0, 0));
  EXPECT_EQ(dim->xLine2Start(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(dim->xLine2End(), AcGePoint3d(10, 10, 0));
  EXPECT_EQ(dim->arcPoint(), AcGePoint3d(5, 2, 0));
  EXPECT_NEAR(measured(d.modelSpace[0]), kPi / 4, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[1]), 3 * kPi / 4, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[2]), kPi / 4, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[3]), 3 * kPi / 4, 1e-12);
  // Lines that meet only when extended.
  EXPECT_NEAR(measured(d.modelSpace[4]), kPi / 2, 1e-12);
}

TEST(AcDb2LineAngularDimension, ParallelOrPointLinesMeasureNothing) {
  Drawing d = readEntities(
      dimension("2", "AcDb2LineAngularDimension", {{10, "10"}, {20, "1"}},
                {{13, "0"}, {23, "0"}, {14, "10"}, {24, "0"}, {15, "0"}, {25, "1"}, {16, "5"}, {26, "5"}}) +
      dimension("2", "AcDb2LineAngularDimension", {{10, "10"}, {20, "1"}},
                {{13, "3"}, {23, "3"}, {14, "3"}, {24, "3"}, {15, "0"}, {25, "1"}, {16, "5"}, {26, "5"}}));
  measured(d.modelSpace[0], Acad::eDegenerateGeometry);
  measured(d.modelSpace[1], Acad::eDegenerateGeometry);
}

TEST(AcDb3PointAngularDimension, MeasuresOnTheSideOfTheArcPoint) {
  auto threePoint = [](const char* arcX, const char* arcY) {
    return dimension("5", "AcDb3PointAngularDimension", {{10, arcX}, {20, arcY}},
                     {{13, "2"}, {23, "1"}, {14, "1"}, {24, "2"}, {15, "1"}, {25, "1"}});
  };
  Drawing d = readEntities(threePoint("3", "3") + threePoint("-3", "-3") + threePoint("1", "1") +
                           dimension("5", "AcDb3PointAngularDimension", {{10, "3"}, {20, "3"}},
                                     {{13, "1"}, {23, "1"}, {14, "1"}, {24, "2"}, {15, "1"}, {25, "1"}}));
  OpenEntity<AcDb3PointAngularDimension> dim(d.modelSpace[0]);
  EXPECT_EQ(dim->centerPoint(), AcGePoint3d(1, 1, 0));
  EXPECT_EQ(dim->xLine1Point(), AcGePoint3d(2, 1, 0));
  EXPECT_EQ(dim->xLine2Point(), AcGePoint3d(1, 2, 0));
  EXPECT_EQ(dim->arcPoint(), AcGePoint3d(3, 3, 0));
  EXPECT_NEAR(measured(d.modelSpace[0]), kPi / 2, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[1]), 3 * kPi / 2, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[2]), kPi / 2, 1e-12);  // arc point on the centre: the smaller angle
  measured(d.modelSpace[3], Acad::eDegenerateGeometry);
}

TEST(AcDbOrdinateDimension, MeasuresOneCoordinateFromTheOrigin) {
  auto ordinate = [](const char* type, const char* x, const char* y) {
    return dimension(type, "AcDbOrdinateDimension", {{10, "1"}, {20, "1"}}, {{13, x}, {23, y}, {14, "9"}, {24, "9"}});
  };
  Drawing d = readEntities(ordinate("6", "4", "6") + ordinate("70", "4", "6") + ordinate("70", "-2", "-3") +
                           ordinate("198", "-2", "-3"));
  OpenEntity<AcDbOrdinateDimension> yType(d.modelSpace[0]);
  EXPECT_TRUE(yType->isUsingYAxis());
  EXPECT_FALSE(yType->isUsingXAxis());
  EXPECT_EQ(yType->origin(), AcGePoint3d(1, 1, 0));
  EXPECT_EQ(yType->definingPoint(), AcGePoint3d(4, 6, 0));
  EXPECT_EQ(yType->leaderEndPoint(), AcGePoint3d(9, 9, 0));
  EXPECT_NEAR(measured(d.modelSpace[0]), 5.0, 1e-12);
  OpenEntity<AcDbOrdinateDimension> xType(d.modelSpace[1]);
  EXPECT_TRUE(xType->isUsingXAxis());
  EXPECT_NEAR(measured(d.modelSpace[1]), 3.0, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[2]), 3.0, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[3]), 3.0, 1e-12);  // with the user-placed text bit (128) as well
}

TEST(AcDbArcDimension, MeasuresTheArcLengthOnTheArcPointsSide) {
  auto arc = [](const char* arcX, const char* arcY) {
    // The kind's own 70, 71, 40 and 41 (partial flag, leader flag, arc parameters) reuse common codes.
    return dimension("37", "AcDbArcDimension", {{10, arcX}, {20, arcY}},
                     {{13, "2"}, {23, "0"}, {14, "0"}, {24, "2"}, {15, "0"}, {25, "0"}, {70, "0"}, {40, "0"},
                      {41, "1.5707963"}, {71, "0"}, {16, "0"}, {26, "0"}, {17, "0"}, {27, "0"}},
                     "ARC_DIMENSION");
  };
  Drawing d = readEntities(arc("3", "3") + arc("-3", "-3"));
  OpenEntity<AcDbArcDimension> dim(d.modelSpace[0]);
  EXPECT_EQ(dim->centerPoint(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(dim->xLine1Point(), AcGePoint3d(2, 0, 0));
  EXPECT_EQ(dim->xLine2Point(), AcGePoint3d(0, 2, 0));
  EXPECT_EQ(dim->arcPoint(), AcGePoint3d(3, 3, 0));
  EXPECT_NEAR(measured(d.modelSpace[0]), kPi, 1e-12);
  EXPECT_NEAR(measured(d.modelSpace[1]), 3 * kPi, 1e-12);
}

TEST(AcDbDimension, RecordsWithoutSubclassMarkers) {
  Drawing d = readDrawing(DrawingParts{"", "", dimStyleRecord("Standard") + dimStyleRecord("R12"), "",
                                       dxfText({{0, "DIMENSION"}, {8, "0"}, {2, "*D3"}, {10, "0"}, {20, "5"},
                                                {11, "2"}, {21, "6"}, {70, "1"}, {1, ""}, {13, "0"}, {23, "0"},
                                                {14, "6"}, {24, "8"}, {3, "R12"}})});
  OpenEntity<AcDbAlignedDimension> dim(d.modelSpace[0]);
  EXPECT_EQ(dim->xLine2Point(), AcGePoint3d(6, 8, 0));
  EXPECT_EQ(dim->textPosition(), AcGePoint3d(2, 6, 0));
  EXPECT_EQ(recordName(dim->dimensionStyle()), u"R12");
  EXPECT_NEAR(measured(d.modelSpace[0]), 10.0, 1e-12);
}

TEST(AcDbDimension, StyleOverridesAreTheAcadExtendedData) {
  Drawing d = readEntities(dimension("1", "AcDbAlignedDimension", {}, {}) +
                           dxfText({{1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1070, "40"}, {1040, "2.0"},
                                    {1002, "}"}}));
  OpenEntity<AcDbDimension> dim(d.modelSpace[0]);
  resbuf* list = dim->xData(u"ACAD");
  const short types[] = {1001, 1000, 1002, 1070, 1040, 1002};
  const char16_t* strings[] = {u"ACAD", u"DSTYLE", u"{", nullptr, nullptr, u"}"};
  const resbuf* rb = list;
  for (size_t i = 0; i < 6; ++i, rb = rb->rbnext) {
    ASSERT_NE(rb, nullptr) << i;
    EXPECT_EQ(rb->restype, types[i]) << i;
    if (strings[i] != nullptr) {
      EXPECT_EQ(std::u16string(rb->resval.rstring), strings[i]) << i;
    }
  }
  EXPECT_EQ(rb, nullptr);
  acutRelRb(list);
}

}  // namespace
