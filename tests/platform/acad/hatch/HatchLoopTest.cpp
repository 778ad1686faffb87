// AcDbHatch loops and pattern: what appendLoop stores, getLoopAt hands out, and the errors for bad calls.
#include <dbhatch.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

AcGePoint2dArray points(std::initializer_list<AcGePoint2d> list) {
  AcGePoint2dArray a;
  for (const AcGePoint2d& p : list) a.append(p);
  return a;
}

TEST(AcDbHatchPolylineLoop, ClosedLoopRepeatsItsFirstVertex) {
  AcDbHatch hatch;
  AcGeDoubleArray bulges;
  bulges.append(0.5);
  bulges.append(0.0);
  bulges.append(-1.0);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, points({{0, 0}, {4, 0}, {4, 3}}), bulges), Acad::eOk);
  EXPECT_EQ(hatch.numLoops(), 1);
  EXPECT_EQ(hatch.loopTypeAt(0), AcDbHatch::kExternal | AcDbHatch::kPolyline);
  Adesk::Int32 type = 0;
  AcGePoint2dArray vertices;
  AcGeDoubleArray out;
  ASSERT_EQ(hatch.getLoopAt(0, type, vertices, out), Acad::eOk);
  EXPECT_EQ(type, AcDbHatch::kExternal | AcDbHatch::kPolyline);
  ASSERT_EQ(vertices.length(), 4);
  EXPECT_TRUE(vertices[3].isEqualTo(AcGePoint2d(0, 0), 0.0));
  ASSERT_EQ(out.length(), 4);
  EXPECT_EQ(out[0], 0.5);
  EXPECT_EQ(out[2], -1.0);
  EXPECT_EQ(out[3], 0.0);
}

TEST(AcDbHatchPolylineLoop, LoopWithoutBulgesAndOneAlreadyClosed) {
  AcDbHatch hatch;
  ASSERT_EQ(hatch.appendLoop(0, points({{0, 0}, {1, 0}, {1, 1}, {0, 0}}), AcGeDoubleArray()), Acad::eOk);
  Adesk::Int32 type = 0;
  AcGePoint2dArray vertices;
  AcGeDoubleArray bulges;
  ASSERT_EQ(hatch.getLoopAt(0, type, vertices, bulges), Acad::eOk);
  EXPECT_EQ(vertices.length(), 4);
  EXPECT_TRUE(bulges.isEmpty());
}

TEST(AcDbHatchPolylineLoop, BadInputIsRefused) {
  AcDbHatch hatch;
  AcGeDoubleArray one;
  one.append(0.0);
  EXPECT_EQ(hatch.appendLoop(0, points({{0, 0}}), AcGeDoubleArray()), Acad::eInvalidInput);
  EXPECT_EQ(hatch.appendLoop(0, points({{0, 0}, {1, 0}, {1, 1}}), one), Acad::eInvalidInput);
  EXPECT_EQ(hatch.appendLoop(0, points({{0, 0}, {NAN, 0}, {1, 1}}), AcGeDoubleArray()), Acad::eInvalidInput);
  AcGeDoubleArray infinite;
  for (int i = 0; i < 3; ++i) infinite.append(i == 1 ? HUGE_VAL : 0.0);
  EXPECT_EQ(hatch.appendLoop(0, points({{0, 0}, {1, 0}, {1, 1}}), infinite), Acad::eInvalidInput);
  EXPECT_EQ(hatch.numLoops(), 0);
}

TEST(AcDbHatchEdgeLoop, EdgesAreCopiedAndHandedOutInOrder) {
  AcDbHatch hatch;
  AcGeLineSeg2d line(AcGePoint2d(0, 0), AcGePoint2d(2, 0));
  AcGeCircArc2d arc(AcGePoint2d(1, 0), 1.0, 0.0, M_PI);
  AcGeVoidPointerArray edges;
  AcGeIntArray types;
  edges.append(&line);
  types.append(AcDbHatch::kLine);
  edges.append(&arc);
  types.append(AcDbHatch::kCirArc);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kOutermost, edges, types), Acad::eOk);
  line.set(AcGePoint2d(9, 9), AcGePoint2d(9, 9));
  Adesk::Int32 type = 0;
  AcGeVoidPointerArray out;
  AcGeIntArray outTypes;
  ASSERT_EQ(hatch.getLoopAt(0, type, out, outTypes), Acad::eOk);
  EXPECT_EQ(type, AcDbHatch::kOutermost);
  ASSERT_EQ(out.length(), 2);
  EXPECT_EQ(outTypes[0], AcDbHatch::kLine);
  EXPECT_EQ(outTypes[1], AcDbHatch::kCirArc);
  EXPECT_NE(out[0], static_cast<void*>(&line));
  EXPECT_TRUE(static_cast<AcGeLineSeg2d*>(out[0])->endPoint().isEqualTo(AcGePoint2d(2, 0), 0.0));
  EXPECT_EQ(static_cast<AcGeCircArc2d*>(out[1])->endAng(), M_PI);
}

TEST(AcDbHatchEdgeLoop, BadInputIsRefused) {
  AcDbHatch hatch;
  AcGeLineSeg2d line(AcGePoint2d(0, 0), AcGePoint2d(2, 0));
  AcGeVoidPointerArray edges;
  AcGeIntArray types;
  edges.append(&line);
  types.append(AcDbHatch::kCirArc);
  EXPECT_EQ(hatch.appendLoop(0, edges, types), Acad::eInvalidInput);  // a line given as an arc
  types[0] = AcDbHatch::kLine;
  EXPECT_EQ(hatch.appendLoop(AcDbHatch::kPolyline, edges, types), Acad::eInvalidInput);
  edges[0] = nullptr;
  EXPECT_EQ(hatch.appendLoop(0, edges, types), Acad::eInvalidInput);
  EXPECT_EQ(hatch.appendLoop(0, AcGeVoidPointerArray(), AcGeIntArray()), Acad::eInvalidInput);
  EXPECT_EQ(hatch.numLoops(), 0);
}

TEST(AcDbHatchLoops, IndexAndFormErrors) {
  AcDbHatch hatch;
  ASSERT_EQ(hatch.appendLoop(0, points({{0, 0}, {1, 0}, {1, 1}}), AcGeDoubleArray()), Acad::eOk);
  Adesk::Int32 type = 0;
  AcGeVoidPointerArray edges;
  AcGeIntArray types;
  AcGePoint2dArray vertices;
  AcGeDoubleArray bulges;
  EXPECT_EQ(hatch.getLoopAt(0, type, edges, types), Acad::eWrongObjectType);
  EXPECT_EQ(hatch.getLoopAt(1, type, vertices, bulges), Acad::eInvalidIndex);
  EXPECT_EQ(hatch.getLoopAt(-1, type, edges, types), Acad::eInvalidIndex);
  EXPECT_EQ(hatch.loopTypeAt(5), AcDbHatch::kDefault);
  EXPECT_EQ(hatch.removeLoopAt(1), Acad::eInvalidIndex);
  EXPECT_EQ(hatch.removeLoopAt(0), Acad::eOk);
  EXPECT_EQ(hatch.numLoops(), 0);
}

TEST(AcDbHatchPattern, NameAndType) {
  AcDbHatch hatch;
  EXPECT_EQ(std::u16string(hatch.patternName()), u"");
  EXPECT_EQ(hatch.setPattern(AcDbHatch::kPreDefined, u"ANSI31"), Acad::eOk);
  EXPECT_EQ(std::u16string(hatch.patternName()), u"ANSI31");
  EXPECT_EQ(hatch.patternType(), AcDbHatch::kPreDefined);
  EXPECT_FALSE(hatch.isSolidFill());
  EXPECT_EQ(hatch.setPattern(AcDbHatch::kPreDefined, u"SOLID"), Acad::eOk);
  EXPECT_TRUE(hatch.isSolidFill());
  EXPECT_EQ(hatch.setPattern(AcDbHatch::kUserDefined, nullptr), Acad::eInvalidInput);
  EXPECT_EQ(hatch.setPattern(AcDbHatch::HatchPatternType(9), u"X"), Acad::eInvalidInput);
  EXPECT_EQ(std::u16string(hatch.patternName()), u"SOLID");
}

}  // namespace
