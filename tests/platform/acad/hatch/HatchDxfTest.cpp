// HATCH from DXF: loops of each kind, clockwise edges, pattern data after the loops, and loops that are cut
// short or unknown dropped while the rest of the hatch is kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "HatchRegions.h"
#include "HatchTestDrawing.h"

namespace {

std::string drawing(const std::string& hatchGroups) {
  return "0\nSECTION\n2\nENTITIES\n0\nHATCH\n5\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbHatch\n" + hatchGroups +
         "0\nENDSEC\n0\nEOF\n";
}

// DXF lines from words separated by spaces: code, value, code, value...
std::string groups(const std::string& pairs) {
  std::string out;
  for (size_t i = 0; i < pairs.size();) {
    size_t end = std::min(pairs.find(' ', i), pairs.size());
    out += pairs.substr(i, end - i) + "\n";
    i = end + 1;
  }
  return out;
}

const std::string kPolylineLoop = "92 7 72 1 73 1 93 3 10 0 20 0 42 0.5 10 4 20 0 42 0 10 4 20 3 42 0 97 0 ";
// A square whose right side is a clockwise half circle and whose left side a clockwise half ellipse, both
// bending inwards.
const std::string kEdgeLoop =
    "92 17 93 4 72 1 10 0 20 0 11 10 21 0 72 2 10 10 20 5 40 5 50 90 51 270 73 0 72 1 10 10 20 10 11 0 21 10 "
    "72 3 10 0 20 5 11 0 21 5 40 0.4 50 0 51 180 73 0 97 0 ";
const std::string kSplineLoop =
    "92 1 93 2 72 4 94 3 73 0 74 0 95 8 96 4 40 0 40 0 40 0 40 0 40 1 40 1 40 1 40 1 10 20 20 0 10 22 20 4 "
    "10 26 20 4 10 28 20 0 97 2 11 20 21 0 11 28 21 0 12 1 22 1 13 1 23 -1 72 1 10 28 20 0 11 20 21 0 97 1 330 2A ";
const std::string kAfterLoops =
    "75 1 76 1 52 45 41 2 77 0 78 1 53 45 43 0 44 0 45 -0.088 46 0.088 79 0 47 0.5 98 1 10 5 20 5";

std::unique_ptr<AcDbDatabase> readHatch(const std::string& pairs) { return hatchtest::readDrawingText(drawing(groups(pairs))); }

TEST(HatchDxfIn, LoopsOfEachKindAndTheGroupsAfterThem) {
  auto db = readHatch("10 0 20 0 30 2.5 210 0 220 0 230 1 2 ANSI31 70 0 71 0 91 3 " + kPolylineLoop + kEdgeLoop + kSplineLoop +
                      kAfterLoops);
  int count = 0;
  hatchtest::forEachHatch(*db, [&](const AcDbHatch& hatch) {
    ++count;
    EXPECT_EQ(std::u16string(hatch.patternName()), u"ANSI31");
    EXPECT_EQ(hatch.elevation(), 2.5);
    EXPECT_EQ(hatch.hatchStyle(), AcDbHatch::kOuter);
    EXPECT_EQ(hatch.patternType(), AcDbHatch::kPreDefined);
    EXPECT_NEAR(hatch.patternAngle(), M_PI / 4, 1e-15);
    EXPECT_EQ(hatch.patternScale(), 2.0);
    ASSERT_EQ(hatch.numSeedPoints(), 1);
    EXPECT_TRUE(hatch.getSeedPointAt(0).isEqualTo(AcGePoint2d(5, 5), 0.0));
    ASSERT_EQ(hatch.numLoops(), 3);
    EXPECT_EQ(hatch.loopTypeAt(0), 7);
    EXPECT_EQ(hatch.loopTypeAt(1), 17);
    EXPECT_EQ(hatch.loopTypeAt(2), 1);

    Adesk::Int32 type = 0;
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    ASSERT_EQ(hatch.getLoopAt(0, type, vertices, bulges), Acad::eOk);
    ASSERT_EQ(vertices.length(), 4);
    EXPECT_TRUE(vertices[3].isEqualTo(AcGePoint2d(0, 0), 0.0));
    ASSERT_EQ(bulges.length(), 4);
    EXPECT_EQ(bulges[0], 0.5);

    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    ASSERT_EQ(hatch.getLoopAt(1, type, edges, types), Acad::eOk);
    ASSERT_EQ(types.length(), 4);
    EXPECT_EQ(types[1], AcDbHatch::kCirArc);
    auto* arc = static_cast<const AcGeCircArc2d*>(edges[1]);
    EXPECT_NEAR(arc->startAng(), M_PI / 2, 1e-15);
    EXPECT_NEAR(arc->endAng(), 3 * M_PI / 2, 1e-15);
    EXPECT_FALSE(arc->isClockWise());
    auto* ellipse = static_cast<const AcGeEllipArc2d*>(edges[3]);
    EXPECT_NEAR(ellipse->startAng(), M_PI, 1e-15);
    EXPECT_NEAR(ellipse->endAng(), 2 * M_PI, 1e-15);
    EXPECT_NEAR(ellipse->minorRadius(), 2.0, 1e-15);
    EXPECT_TRUE(ellipse->evalPoint(0.5 * (ellipse->startParam() + ellipse->endParam())).isEqualTo(AcGePoint2d(2, 5), 1e-12));
    hatchtest::OwnedArray<AcDbRegion> regions;
    ASSERT_EQ(hatchtest::loopRegions(hatch, 1, regions), Acad::eOk);
    double area = 0.0;
    ASSERT_EQ(regions.at(0)->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 100 - 17.5 * M_PI, 1e-12);

    ASSERT_EQ(hatch.getLoopAt(2, type, edges, types), Acad::eOk);
    ASSERT_EQ(types.length(), 2);
    ASSERT_EQ(types[0], AcDbHatch::kSpline);
    auto* spline = static_cast<const AcGeNurbCurve2d*>(edges[0]);
    EXPECT_EQ(spline->degree(), 3);
    EXPECT_EQ(spline->numControlPoints(), 4);
    EXPECT_EQ(spline->knots().length(), 8);
    EXPECT_FALSE(spline->isRational());
    EXPECT_TRUE(spline->evalPoint(spline->endParam()).isEqualTo(AcGePoint2d(28, 0), 1e-12));
    EXPECT_TRUE(types[1] == AcDbHatch::kLine);
  });
  EXPECT_EQ(count, 1);
}

TEST(HatchDxfIn, MalformedLoopsAreDroppedAndTheRestKept) {
  const std::string unknownEdge = "92 1 93 2 72 7 10 0 20 0 72 1 10 0 20 0 11 1 21 0 97 0 ";
  const std::string truncated = "92 1 93 3 72 1 10 0 20 0 11 1 21 0 ";
  const std::string hugeCount = "92 2 72 0 73 1 93 1000000000 10 0 20 0 10 1 20 0 ";
  const std::string negativeRadius = "92 1 93 1 72 2 10 0 20 0 40 -1 50 0 51 360 73 1 97 0 ";
  auto db = readHatch("2 SOLID 70 1 91 6 " + kPolylineLoop + unknownEdge + truncated + hugeCount + negativeRadius +
                      kEdgeLoop + kAfterLoops);
  hatchtest::forEachHatch(*db, [&](const AcDbHatch& hatch) {
    ASSERT_EQ(hatch.numLoops(), 2);
    EXPECT_EQ(hatch.loopTypeAt(0), 7);
    EXPECT_EQ(hatch.loopTypeAt(1), 17);
    EXPECT_TRUE(hatch.isSolidFill());
    EXPECT_EQ(hatch.hatchStyle(), AcDbHatch::kOuter);
    EXPECT_EQ(hatch.numSeedPoints(), 1);
  });
}

TEST(HatchDxfIn, FewerLoopsThanAnnouncedAndDegenerateEdges) {
  // A zero-radius arc is a point: the loop stays, and the square around it still bounds its area.
  const std::string pointArc =
      "92 1 93 5 72 1 10 0 20 0 11 1 21 0 72 2 10 1 20 0 40 0 50 0 51 90 73 1 72 1 10 1 20 0 11 1 21 1 "
      "72 1 10 1 20 1 11 0 21 1 72 1 10 0 20 1 11 0 21 0 97 0 ";
  // An open polyline loop bounds nothing.
  const std::string open = "92 2 72 0 73 0 93 3 10 5 20 0 10 6 20 0 10 6 20 1 ";
  auto db = readHatch("2 ANSI31 91 5 " + pointArc + open);
  hatchtest::forEachHatch(*db, [&](const AcDbHatch& hatch) {
    ASSERT_EQ(hatch.numLoops(), 2);
    hatchtest::OwnedArray<AcDbRegion> regions;
    ASSERT_EQ(hatchtest::loopRegions(hatch, 0, regions), Acad::eOk);
    double area = 0.0;
    ASSERT_EQ(regions.at(0)->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 1.0, 1e-15);
    Adesk::Int32 type = 0;
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    ASSERT_EQ(hatch.getLoopAt(1, type, vertices, bulges), Acad::eOk);
    EXPECT_EQ(vertices.length(), 3);
    hatchtest::OwnedArray<AcDbRegion> none;
    EXPECT_EQ(hatchtest::loopRegions(hatch, 1, none), Acad::eInvalidInput);
    EXPECT_NEAR(hatchtest::hatchArea(hatch), 1.0, 1e-15);
  });
}

}  // namespace
