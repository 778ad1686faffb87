// What the curve and point classes add after the common header, read from real DXF entities.
#include <gtest/gtest.h>

#include "describe/DescriberTest.h"
#include "describe/DescribeEntity.h"
#include "describe/DescribeObject.h"

namespace {

DxfGroups Line(const char* x1, const char* y1, const char* z1, const char* x2, const char* y2, const char* z2) {
  return {{0, "LINE"}, {8, "0"}, {10, x1}, {20, y1}, {30, z1}, {11, x2}, {21, y2}, {31, z2}};
}

DxfGroups Lwpolyline(int flags, std::initializer_list<DxfGroup> vertexGroups, int count) {
  DxfGroups g = {{0, "LWPOLYLINE"}, {8, "0"}, {90, std::to_string(count)}, {70, std::to_string(flags)}};
  g.insert(g.end(), vertexGroups.begin(), vertexGroups.end());
  return g;
}

DxfGroups Square(int flags) {
  return Lwpolyline(flags, {{10, "0"}, {20, "0"}, {10, "10"}, {20, "0"}, {10, "10"}, {20, "10"}, {10, "0"}, {20, "10"}},
                    4);
}

using CurveDescribersTest = DescriberTest;

TEST_F(CurveDescribersTest, LinesInAHorizontalPlaneShowTheirAngleAndOthersTheirDeltas) {
  ReadEntities({Line("0", "0", "0", "10", "0", "0")});
  EXPECT_EQ(Own(), u"长度: 10.0000  角度: 0");
  SetVariable(u"AUNITS", short{4});
  EXPECT_TRUE(Own().starts_with(u"长度: 10.0000  方向: ")) << WideToUtf8(Own());
}

TEST_F(CurveDescribersTest, ALevelLineAboveZeroShowsItsElevationBeforeItsAngle) {
  ReadEntities({Line("0", "0", "5", "10", "0", "5")});
  EXPECT_EQ(Own(), u"长度: 10.0000  标高: 5.0000  角度: 0");
}

TEST_F(CurveDescribersTest, RisingAndFallingLinesShowDeltas) {
  ReadEntities({Line("0", "0", "5", "10", "0", "0"), Line("0", "0", "0", "10", "0", "5")});
  EXPECT_EQ(Own(0), u"长度: 11.1803  dX: 10.0000  dY: 0.0000  dZ: -5.0000");
  EXPECT_EQ(Own(1), u"长度: 11.1803  dX: 10.0000  dY: 0.0000  dZ: 5.0000");
}

TEST_F(CurveDescribersTest, ALineGoingWestHasAnAngleOfPi) {
  ReadEntities({Line("10", "0", "0", "0", "0", "0")});
  EXPECT_EQ(Own(), u"长度: 10.0000  角度: 180");
}

TEST_F(CurveDescribersTest, AThickLineShowsItsThicknessOnANewLine) {
  DxfGroups line = Line("0", "0", "0", "3", "4", "0");
  line.push_back({39, "2"});
  Read({line});
  EXPECT_EQ(Own(), u"长度: 5.0000  角度: 53\n厚度: 2.0000");
}

TEST_F(CurveDescribersTest, AThickCircleAboveZeroShowsAreaElevationDiameterThicknessAndVolume) {
  Read({{0, "CIRCLE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "3"}, {40, "2"}, {39, "1"}});
  EXPECT_EQ(Own(), u"长度: 12.5664  面积: 12.5664  标高: 3.0000  直径: 4.0000\n厚度: 1.0000  体积: 12.5664");
}

TEST_F(CurveDescribersTest, AClosedCurveWithANegligibleAreaShowsNoArea) {
  Read({{0, "CIRCLE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "0.00001"}});
  EXPECT_EQ(Own(), u"长度: 0.0001  直径: 0.0000");
}

TEST_F(CurveDescribersTest, AnArcAcrossZeroDegreesSpansTheShortWay) {
  Read({{0, "ARC"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {50, "350"}, {51, "10"}});
  EXPECT_EQ(Own(), u"长度: 0.3491  半径: 1.0000  角度总和: 20");
}

TEST_F(CurveDescribersTest, AThickArcShowsTheVolumeOfItsSegment) {
  Read({{0, "ARC"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {50, "0"}, {51, "180"}, {39, "2"}});
  EXPECT_EQ(Own(), u"长度: 3.1416  半径: 1.0000  角度总和: 180\n厚度: 2.0000  体积: 3.1416");
}

TEST_F(CurveDescribersTest, PolylinesCountTheirSegmentsByWhetherTheyClose) {
  ReadEntities({Square(1), Square(0),
        Lwpolyline(0, {{10, "0"}, {20, "0"}, {10, "10"}, {20, "0"}}, 2),
        Lwpolyline(0, {{10, "0"}, {20, "0"}}, 1)});
  EXPECT_EQ(Own(0), u"长度: 40.0000  面积: 100.0000  闭合, 4 段");
  EXPECT_EQ(Own(1), u"长度: 30.0000  断开, 3 段");
  EXPECT_EQ(Own(2), u"长度: 10.0000  断开, 1 段");
  EXPECT_EQ(Own(3), u"长度: 0.0000  断开, 0 段");
}

TEST_F(CurveDescribersTest, PolylineWidthsShowWhenConstantAndAboveZeroOrWhenTheyVary) {
  DxfGroups wide = Square(1);
  wide.push_back({43, "0.5"});
  ReadEntities({wide, Lwpolyline(0, {{10, "0"}, {20, "0"}, {40, "1"}, {41, "2"}, {10, "10"}, {20, "0"}}, 2)});
  EXPECT_EQ(Own(0), u"长度: 40.0000  面积: 100.0000  闭合, 4 段  恒定宽度(0.5000)");
  EXPECT_EQ(Own(1), u"长度: 10.0000  断开, 1 段  可变宽度");
}

TEST_F(CurveDescribersTest, ABulgedPolylineMeasuresItsArcs) {
  // A half circle of radius 5 closed by its diameter: length 10 + 5 pi, area 25 pi / 2.
  ReadEntities({Lwpolyline(1, {{10, "0"}, {20, "0"}, {42, "1"}, {10, "10"}, {20, "0"}}, 2)});
  EXPECT_EQ(Own(), u"长度: 25.7080  面积: 39.2699  闭合, 2 段");
}

DxfGroups Polyline2d(int flags, std::initializer_list<DxfGroups> vertices, DxfGroups extra = {}) {
  DxfGroups g = {{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, std::to_string(flags)}};
  g.insert(g.end(), extra.begin(), extra.end());
  for (const DxfGroups& v : vertices) {
    g.push_back({0, "VERTEX"});
    g.push_back({8, "0"});
    g.insert(g.end(), v.begin(), v.end());
  }
  g.push_back({0, "SEQEND"});
  g.push_back({8, "0"});
  return g;
}

DxfGroups Vertex(const char* x, const char* y, DxfGroups extra = {}) {
  DxfGroups g = {{10, x}, {20, y}, {30, "0"}};
  g.insert(g.end(), extra.begin(), extra.end());
  return g;
}

TEST_F(CurveDescribersTest, TwoDimensionalPolylinesCountVerticesAndCompareTheirWidths) {
  ReadEntities({Polyline2d(1, {Vertex("0", "0"), Vertex("10", "0"), Vertex("10", "10")}),
        Polyline2d(0, {Vertex("0", "0", {{40, "1"}, {41, "1"}}), Vertex("10", "0", {{40, "1"}, {41, "1"}})}),
        Polyline2d(0, {Vertex("0", "0", {{40, "1"}, {41, "1"}}), Vertex("10", "0", {{40, "1"}, {41, "3"}}),
                       Vertex("20", "0")})});
  EXPECT_EQ(Own(0), u"长度: 34.1421  面积: 50.0000  闭合, 3 段");
  EXPECT_EQ(Own(1), u"长度: 10.0000  断开, 1 段  恒定宽度(1.0000)");
  EXPECT_EQ(Own(2), u"长度: 20.0000  断开, 2 段  可变宽度");
}

TEST_F(CurveDescribersTest, ACurveFitTwoDimensionalPolylineEndsItsLineWithItsFitType) {
  ReadEntities({Polyline2d(2, {Vertex("0", "0"), Vertex("10", "0")})});
  std::u16string own = Own();
  EXPECT_TRUE(own.ends_with(u", 1 段 (曲线拟合)")) << WideToUtf8(own);
}

TEST_F(CurveDescribersTest, APointAboveZeroShowsItsElevationAndThicknessOnOneLine) {
  ReadEntities({{{0, "POINT"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "3"}, {39, "4"}},
        {{0, "POINT"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "0"}}});
  EXPECT_EQ(Own(0), u"标高: 3.0000  厚度: 4.0000");
  EXPECT_EQ(Own(1), u"");
}

TEST_F(CurveDescribersTest, EllipsesAndSplinesAreDescribedAsCurves) {
  ReadEntities({{{0, "ELLIPSE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "2"}, {11, "3"}, {21, "0"}, {31, "0"}, {40, "1"},
         {41, "0"}, {42, "6.283185307179586"}}});
  // A circle's circumference and area when the ratio is 1: 6 pi and 9 pi.
  EXPECT_EQ(Own(), u"长度: 18.8496  面积: 28.2743  标高: 2.0000");
}

// A curve class of an architectural product that reports a length of exactly 1 when it has none.
class AecTestCurve : public AcDbCurve {
 public:
  AecTestCurve(AcRxClass* cls, double length) : m_class(cls), m_length(length) {}
  AcRxClass* isA() const override { return m_class; }
  Acad::ErrorStatus getEndParam(double& param) const override {
    param = 1;
    return Acad::eOk;
  }
  Acad::ErrorStatus getDistAtParam(double, double& dist) const override {
    dist = m_length;
    return Acad::eOk;
  }

 private:
  AcRxClass* m_class;
  double m_length;
};

TEST_F(CurveDescribersTest, AnArchitecturalCurveOfLengthExactlyOneShowsNoLength) {
  Read({});
  ScopedHostClass aecCurve(u"AecDbTestCurve", u"AcDbCurve");
  for (double length : {1.0, 1.5, 0.0}) {
    AecTestCurve curve(aecCurve.get(), length);
    ScopeText text, header;
    DescribeObject(text, aecCurve.get(), &curve, -1);
    DescribeEntity(header, &curve, -1);
    std::u16string own = text.Body.substr(header.Body.size());
    if (length == 1.0) EXPECT_EQ(own, u"");
    else EXPECT_TRUE(own.starts_with(u"长度: ")) << WideToUtf8(own);
  }
}

}  // namespace
