// AcDbRasterImage read from IMAGE (and WIPEOUT) entities.
#include <gtest/gtest.h>
#include <imgdef.h>
#include <imgent.h>

#include <cmath>

#include "BlocksTestDrawing.h"

namespace {

using blockstest::OpenFor;
using dbtest::dxfText;

const std::string kImageDef = dxfText({{0, "IMAGEDEF"}, {5, "7F"}, {330, "0"}, {100, "AcDbRasterImageDef"},
                                       {90, "0"}, {1, ".\\image2.png"}, {10, "1000"}, {20, "667"}, {11, "0.001"},
                                       {21, "0.001"}, {280, "1"}, {281, "0"}});

std::unique_ptr<AcDbDatabase> readImage(std::initializer_list<dbtest::Group> groups, const char* type = "IMAGE") {
  std::string entity = dxfText({{0, type}, {8, "0"}, {100, "AcDbRasterImage"}}) + dxfText(groups);
  return dbtest::readDrawing(blockstest::drawing("", "", entity, kImageDef));
}

// 1000 x 667 pixels of 0.01 units, with a rectangular clip.
const std::initializer_list<dbtest::Group> kPlainImage = {
    {90, "0"},   {10, "2"},    {20, "3"},     {30, "0"},     {11, "0.01"},  {21, "0"},     {31, "0"},
    {12, "0"},   {22, "0.01"}, {32, "0"},     {13, "1000"},  {23, "667"},   {340, "7F"},   {70, "7"},
    {280, "1"},  {281, "60"},  {282, "40"},   {283, "10"},   {360, "80"},   {71, "1"},     {91, "2"},
    {14, "-0.5"}, {24, "-0.5"}, {14, "999.5"}, {24, "666.5"}};

TEST(AcDbRasterImage, ReadsItsGroups) {
  auto db = readImage(kPlainImage);
  OpenFor<AcDbRasterImage> image(dbtest::firstModelSpaceEntity(*db));
  ASSERT_NE(image.get(), nullptr);
  EXPECT_EQ(image->imageDefId(), blockstest::byHandle(*db, 0x7F));
  AcGePoint3d origin;
  AcGeVector3d u, v;
  EXPECT_EQ(image->getOrientation(origin, u, v), Acad::eOk);
  EXPECT_TRUE(origin.isEqualTo(AcGePoint3d(2, 3, 0)));
  EXPECT_TRUE(u.isEqualTo(AcGeVector3d(10, 0, 0), 1e-9));
  EXPECT_TRUE(v.isEqualTo(AcGeVector3d(0, 6.67, 0), 1e-9));
  EXPECT_NEAR(image->scale().x, 10.0, 1e-9);
  EXPECT_NEAR(image->scale().y, 10.0, 1e-9);
  EXPECT_EQ(image->brightness(), 60);
  EXPECT_EQ(image->contrast(), 40);
  EXPECT_EQ(image->fade(), 10);
  EXPECT_TRUE(image->isClipped());
  EXPECT_EQ(image->clipBoundaryType(), AcDbRasterImage::kRect);
  ASSERT_EQ(image->clipBoundary().length(), 2);
  EXPECT_TRUE(image->clipBoundary()[1].isEqualTo(AcGePoint2d(999.5, 666.5)));
}

TEST(AcDbRasterImage, DefaultsWithoutGroups) {
  auto db = readImage({});
  OpenFor<AcDbRasterImage> image(dbtest::firstModelSpaceEntity(*db));
  ASSERT_NE(image.get(), nullptr);
  EXPECT_TRUE(image->imageDefId().isNull());
  EXPECT_EQ(image->brightness(), 50);
  EXPECT_EQ(image->contrast(), 50);
  EXPECT_EQ(image->fade(), 0);
  EXPECT_FALSE(image->isClipped());
  EXPECT_EQ(image->clipBoundaryType(), AcDbRasterImage::kInvalid);
  EXPECT_EQ(image->scale().x, 0.0);  // no pixel count: no size
}

TEST(AcDbRasterImage, RotatedAndStretchedPixels) {
  auto db = readImage({{11, "0"}, {21, "0.02"}, {31, "0"}, {12, "-0.03"}, {22, "0"}, {32, "0"}, {13, "500"},
                       {23, "100"}, {71, "2"}, {14, "0"}, {24, "0"}, {14, "10"}, {24, "0"}, {14, "10"}, {24, "10"}});
  OpenFor<AcDbRasterImage> image(dbtest::firstModelSpaceEntity(*db));
  AcGePoint3d origin;
  AcGeVector3d u, v;
  image->getOrientation(origin, u, v);
  EXPECT_TRUE(u.isEqualTo(AcGeVector3d(0, 10, 0), 1e-9));
  EXPECT_TRUE(v.isEqualTo(AcGeVector3d(-3, 0, 0), 1e-9));
  EXPECT_NEAR(image->scale().x, 10.0, 1e-9);
  EXPECT_NEAR(image->scale().y, 15.0, 1e-9);  // the unscaled image keeps the pixel count's aspect ratio
  EXPECT_EQ(image->clipBoundaryType(), AcDbRasterImage::kPoly);
  EXPECT_EQ(image->clipBoundary().length(), 3);
}

TEST(AcDbWipeout, ReadsAsARasterImage) {
  auto db = readImage({{10, "1"}, {20, "1"}, {30, "0"}, {11, "2"}, {21, "0"}, {31, "0"}, {12, "0"}, {22, "2"},
                       {32, "0"}, {13, "1"}, {23, "1"}, {280, "1"}, {71, "1"}},
                      "WIPEOUT");
  OpenFor<AcDbRasterImage> image(dbtest::firstModelSpaceEntity(*db));
  ASSERT_NE(image.get(), nullptr);
  EXPECT_NE(AcDbWipeout::cast(image.get()), nullptr);
  EXPECT_TRUE(image->isClipped());
  EXPECT_NEAR(image->scale().x, 2.0, 1e-12);
}

TEST(AcDbRasterImageDef, ReadsItsGroups) {
  auto db = readImage(kPlainImage);
  OpenFor<AcDbRasterImageDef> def(blockstest::byHandle(*db, 0x7F));
  ASSERT_NE(def.get(), nullptr);
  EXPECT_EQ(std::u16string(def->sourceFileName()), u".\\image2.png");
  EXPECT_FALSE(def->isEmbedded());
  EXPECT_TRUE(def->isLoaded());
  EXPECT_EQ(def->size().x, 1000.0);
  EXPECT_EQ(def->size().y, 667.0);
  // The file is nowhere on this machine: the saved name stands.
  EXPECT_EQ(std::u16string(def->activeFileName()), u".\\image2.png");
}

}  // namespace
