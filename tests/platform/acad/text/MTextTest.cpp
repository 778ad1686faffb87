// AcDbMText: its text chunks in file order, its frame, style and direction, and the columns folded into it.
#include <dbtext.h>
#include <gtest/gtest.h>

#include <string>

#include "AnnotationDrawing.h"

namespace {

using namespace annotationtest;
using dbtest::Group;
constexpr double kPi = 3.14159265358979323846;

std::string mtext(std::initializer_list<Group> own) {
  return dxfText({{0, "MTEXT"}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbMText"}}) + dxfText(own);
}

TEST(AcDbMText, ContentsJoinTheChunksInFileOrder) {
  Drawing d = readEntities(mtext({{3, "AAA"}, {3, "BBB"}, {1, "CCC"}}) + mtext({{1, "X"}, {3, "Y"}}) + mtext({}));
  ASSERT_EQ(d.modelSpace.size(), 3u);
  OpenEntity<AcDbMText> chunked(d.modelSpace[0]);
  EXPECT_EQ(adopt(chunked->contents()), u"AAABBBCCC");
  OpenEntity<AcDbMText> oddOrder(d.modelSpace[1]);
  EXPECT_EQ(adopt(oddOrder->contents()), u"XY");
  OpenEntity<AcDbMText> empty(d.modelSpace[2]);
  ACHAR* none = empty->contents();
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(adopt(none), u"");
}

TEST(AcDbMText, FrameStyleAndDefaults) {
  Drawing d = readDrawing(DrawingParts{"", styleRecord("Notes"), "", "",
                                       mtext({{10, "1"}, {20, "2"}, {30, "3"}, {40, "2.5"}, {41, "40"}, {7, "NOTES"},
                                              {1, "\\pxqc;{\\fArial|b1;Bold}\\PNext"}}) +
                                           mtext({{1, "plain"}, {7, "UNKNOWN"}})});
  OpenEntity<AcDbMText> m(d.modelSpace[0]);
  EXPECT_EQ(m->location(), AcGePoint3d(1, 2, 3));
  EXPECT_DOUBLE_EQ(m->textHeight(), 2.5);
  EXPECT_DOUBLE_EQ(m->width(), 40.0);
  EXPECT_EQ(recordName(m->textStyle()), u"Notes");
  EXPECT_EQ(adopt(m->contents()), u"\\pxqc;{\\fArial|b1;Bold}\\PNext");
  EXPECT_DOUBLE_EQ(m->rotation(), 0.0);
  EXPECT_EQ(m->normal(), AcGeVector3d::kZAxis);
  OpenEntity<AcDbMText> plain(d.modelSpace[1]);
  EXPECT_EQ(recordName(plain->textStyle()), u"Standard");
  EXPECT_DOUBLE_EQ(plain->width(), 0.0);
  EXPECT_DOUBLE_EQ(plain->textHeight(), 0.0);
}

TEST(AcDbMText, RotationFromRadiansOrDirectionWhicheverComesLast) {
  Drawing d = readEntities(mtext({{50, "1.0"}}) + mtext({{11, "0"}, {21, "1"}, {31, "0"}}) +
                           mtext({{50, "1.0"}, {11, "-1"}, {21, "0"}, {31, "0"}}) +
                           mtext({{11, "-1"}, {21, "0"}, {31, "0"}, {50, "1.0"}}) + mtext({{50, "-1.0"}}) +
                           mtext({{11, "0"}, {21, "0"}, {31, "0"}}));
  ASSERT_EQ(d.modelSpace.size(), 6u);
  const double expected[] = {1.0, kPi / 2, kPi, 1.0, 2 * kPi - 1.0, 0.0};
  for (size_t i = 0; i < 6; ++i) {
    OpenEntity<AcDbMText> m(d.modelSpace[i]);
    EXPECT_NEAR(m->rotation(), expected[i], 1e-12) << i;
  }
}

TEST(AcDbMText, DirectionIsMeasuredInThePlaneOfTheNormal) {
  // Under the normal -Z the object coordinate system's X axis is world -X, so world +X is at pi.
  Drawing d = readEntities(mtext({{210, "0"}, {220, "0"}, {230, "-1"}, {11, "1"}, {21, "0"}, {31, "0"}}));
  OpenEntity<AcDbMText> m(d.modelSpace[0]);
  EXPECT_EQ(m->normal(), AcGeVector3d(0, 0, -1));
  EXPECT_NEAR(m->rotation(), kPi, 1e-12);
}

TEST(AcDbMText, EmbeddedColumnDataDoesNotReplaceTheText) {
  Drawing d = readEntities(mtext({{10, "1"}, {20, "1"}, {40, "2"}, {41, "10"}, {1, "own"}, {101, "Embedded Object"},
                                  {70, "1"}, {10, "5"}, {20, "5"}, {40, "80"}, {41, "0"}, {1, "not mine"}}));
  OpenEntity<AcDbMText> m(d.modelSpace[0]);
  EXPECT_EQ(m->location(), AcGePoint3d(1, 1, 0));
  EXPECT_DOUBLE_EQ(m->textHeight(), 2.0);
  EXPECT_DOUBLE_EQ(m->width(), 10.0);
  EXPECT_EQ(adopt(m->contents()), u"own");
}

TEST(AcDbMText, ColumnsWrittenAsEntitiesAddTheirText) {
  std::string main = dxfText({{0, "MTEXT"}, {5, "40"}, {8, "0"}, {100, "AcDbMText"}, {1, "first\\N"}, {1001, "ACAD"},
                              {1000, "ACAD_MTEXT_COLUMNS_BEGIN"}, {1070, "47"}, {1070, "3"}, {1005, "41"},
                              {1005, "42"}, {1000, "ACAD_MTEXT_COLUMNS_END"}});
  std::string second = dxfText({{0, "MTEXT"}, {5, "41"}, {8, "0"}, {100, "AcDbMText"}, {1, "second\\N"}});
  std::string third = dxfText({{0, "MTEXT"}, {5, "42"}, {8, "0"}, {100, "AcDbMText"}, {1, "third"}});
  Drawing d = readEntities(main + second + third);
  ASSERT_EQ(d.modelSpace.size(), 1u);
  OpenEntity<AcDbMText> m(d.modelSpace[0]);
  EXPECT_EQ(adopt(m->contents()), u"first\\Nsecond\\Nthird");
}

TEST(AcDbMText, LongChunkedNonAsciiText) {
  std::string chunk;
  for (int i = 0; i < 83; ++i) chunk += "\xE5\xAD\x97";  // 83 times 字, 249 bytes
  Drawing d = readDrawing(DrawingParts{dxfText({{9, "$ACADVER"}, {1, "AC1027"}}), "", "", "",
                                       mtext({{3, chunk}, {3, chunk}, {1, "end"}})});
  OpenEntity<AcDbMText> m(d.modelSpace[0]);
  std::u16string expected(166, u'字');
  EXPECT_EQ(adopt(m->contents()), expected + u"end");
}

}  // namespace
