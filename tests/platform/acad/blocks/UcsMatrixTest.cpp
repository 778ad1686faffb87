// acdbUcsMatrix: the current UCS of a drawing, model or paper space, from its header.
#include <dbapserv.h>
#include <gemat3d.h>
#include <gtest/gtest.h>

#include "BlocksTestDrawing.h"

namespace {

using dbtest::dxfText;

std::string point(const char* name, const char* x, const char* y, const char* z) {
  return dxfText({{9, name}, {10, x}, {20, y}, {30, z}});
}

std::unique_ptr<AcDbDatabase> drawingWithHeader(const std::string& header) {
  return dbtest::readDrawing(blockstest::drawing(header, "", ""));
}

const std::string kBothUcs = point("$UCSORG", "1", "2", "3") + point("$UCSXDIR", "0", "1", "0") +
                             point("$UCSYDIR", "-1", "0", "0") + point("$PUCSORG", "10", "0", "0") +
                             point("$PUCSXDIR", "0", "-1", "0") + point("$PUCSYDIR", "1", "0", "0");

TEST(acdbUcsMatrix, ModelOrPaperSpaceUcsByTileMode) {
  auto model = drawingWithHeader(kBothUcs + dxfText({{9, "$TILEMODE"}, {70, "1"}}));
  AcGeMatrix3d m;
  ASSERT_TRUE(acdbUcsMatrix(m, model.get()));
  EXPECT_TRUE((m * AcGePoint3d(0, 0, 0)).isEqualTo(AcGePoint3d(1, 2, 3)));
  EXPECT_TRUE((m * AcGePoint3d(1, 0, 0)).isEqualTo(AcGePoint3d(1, 3, 3)));
  EXPECT_TRUE((m * AcGeVector3d::kYAxis).isEqualTo(AcGeVector3d(-1, 0, 0)));
  EXPECT_TRUE((m * AcGeVector3d::kZAxis).isEqualTo(AcGeVector3d(0, 0, 1)));
  auto paper = drawingWithHeader(kBothUcs + dxfText({{9, "$TILEMODE"}, {70, "0"}}));
  ASSERT_TRUE(acdbUcsMatrix(m, paper.get()));
  EXPECT_TRUE((m * AcGePoint3d(0, 0, 0)).isEqualTo(AcGePoint3d(10, 0, 0)));
  EXPECT_TRUE((m * AcGeVector3d::kXAxis).isEqualTo(AcGeVector3d(0, -1, 0)));
}

TEST(acdbUcsMatrix, NoDatabaseMeansTheWorkingOne) {
  auto db = drawingWithHeader(kBothUcs);
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  AcDbDatabase* previous = services->workingDatabase();
  AcGeMatrix3d m;
  services->setWorkingDatabase(db.get());
  EXPECT_TRUE(acdbUcsMatrix(m));
  EXPECT_TRUE((m * AcGePoint3d(0, 0, 0)).isEqualTo(AcGePoint3d(1, 2, 3)));
  services->setWorkingDatabase(nullptr);
  EXPECT_FALSE(acdbUcsMatrix(m));
  EXPECT_TRUE(m.isEqualTo(AcGeMatrix3d::kIdentity));
  services->setWorkingDatabase(previous);
}

TEST(acdbUcsMatrix, AxesAreMadeOrthonormal) {
  auto db = drawingWithHeader(point("$UCSXDIR", "2", "0", "0") + point("$UCSYDIR", "1", "1", "0"));
  AcGeMatrix3d m;
  ASSERT_TRUE(acdbUcsMatrix(m, db.get()));
  EXPECT_TRUE((m * AcGeVector3d::kXAxis).isEqualTo(AcGeVector3d(1, 0, 0)));
  EXPECT_TRUE((m * AcGeVector3d::kYAxis).isEqualTo(AcGeVector3d(0, 1, 0)));
}

TEST(acdbUcsMatrix, MissingOrDegenerateAxesGiveTheWorld) {
  for (const std::string& header :
       {dxfText({{9, "$ACADVER"}, {1, "AC1021"}}), point("$UCSXDIR", "0", "0", "0") + point("$UCSORG", "5", "5", "5"),
        point("$UCSXDIR", "1", "0", "0") + point("$UCSYDIR", "-3", "0", "0"),
        point("$UCSXDIR", "nan", "0", "0") + point("$UCSYDIR", "0", "1", "0")}) {
    auto db = drawingWithHeader(header);
    AcGeMatrix3d m;
    m(0, 3) = 99;
    EXPECT_TRUE(acdbUcsMatrix(m, db.get()));
    EXPECT_TRUE(m.isEqualTo(AcGeMatrix3d::kIdentity)) << header;
  }
}

}  // namespace
