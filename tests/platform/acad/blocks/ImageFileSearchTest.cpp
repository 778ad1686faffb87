// AcDbRasterImageDef::activeFileName: where the saved image path is found on this machine.
#include <gtest/gtest.h>
#include <imgdef.h>
#include <qvwide.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "BlocksTestDrawing.h"

namespace {

namespace fs = std::filesystem;
using blockstest::OpenFor;
using dbtest::dxfText;

// A drawing folder with image2.png beside it and ../images/b.png, removed afterwards.
class ImageFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("qv-image-search-" + std::to_string(getpid()));
    fs::create_directories(root / "dwg");
    fs::create_directories(root / "images");
    std::ofstream(root / "dwg" / "image2.png") << "png";
    std::ofstream(root / "images" / "b.png") << "png";
  }
  void TearDown() override { fs::remove_all(root); }

  // The active file name of an image definition saved as savedPath in a drawing in dwgFolder.
  std::string activeFor(const std::string& savedPath, const std::string& dwgFolder) {
    std::string header = dwgFolder.empty() ? "" : dxfText({{9, "$DWGPREFIX"}, {1, dwgFolder}});
    std::string objects = dxfText({{0, "IMAGEDEF"}, {5, "7F"}, {330, "0"}, {100, "AcDbRasterImageDef"}, {1, savedPath}});
    auto db = dbtest::readDrawing(blockstest::drawing(header, "", "", objects));
    OpenFor<AcDbRasterImageDef> def(blockstest::byHandle(*db, 0x7F));
    return def.get() ? WideToUtf8(def->activeFileName()) : "(no definition)";
  }

  std::string dwg() const { return (root / "dwg").string() + "/"; }

  fs::path root;
};

TEST_F(ImageFolders, SavedPathThatExists) {
  std::string absolute = (root / "images" / "b.png").string();
  EXPECT_EQ(activeFor(absolute, dwg()), absolute);
  EXPECT_EQ(activeFor(absolute, ""), absolute);
}

TEST_F(ImageFolders, RelativePathsStartInTheDrawingsFolder) {
  EXPECT_EQ(activeFor(".\\image2.png", dwg()), (root / "dwg" / "image2.png").string());
  EXPECT_EQ(activeFor("..\\images\\b.png", dwg()), (root / "images" / "b.png").string());
  EXPECT_EQ(activeFor("../images/b.png", dwg()), (root / "images" / "b.png").string());
}

TEST_F(ImageFolders, FileNameBesideTheDrawingWhenThePathFails) {
  EXPECT_EQ(activeFor("C:\\photos\\image2.png", dwg()), (root / "dwg" / "image2.png").string());
  EXPECT_EQ(activeFor("\\\\server\\share\\image2.png", dwg()), (root / "dwg" / "image2.png").string());
  EXPECT_EQ(activeFor("/nowhere/at/all/image2.png", dwg()), (root / "dwg" / "image2.png").string());
}

TEST_F(ImageFolders, SavedNameWhenNothingIsFound) {
  EXPECT_EQ(activeFor("C:\\photos\\missing.png", dwg()), "C:\\photos\\missing.png");
  EXPECT_EQ(activeFor(".\\image2.png", ""), ".\\image2.png");  // a drawing never saved has no folder
  EXPECT_EQ(activeFor("..\\images", dwg()), "..\\images");     // a folder is no image file
}

TEST_F(ImageFolders, OddNamesAreHarmless) {
  for (const char* odd : {"", "\\", "..", "C:", "\\\\", "image2.png\\", "a\\..\\..\\..\\..\\..\\..\\x.png"})
    EXPECT_EQ(activeFor(odd, dwg()), odd) << odd;
  std::string longName(5000, 'x');
  EXPECT_EQ(activeFor(longName + ".png", dwg()), longName + ".png");
}

}  // namespace

namespace {

// A drawing read from its file looks for relative image paths in the file's folder, without any $DWGPREFIX.
TEST_F(ImageFolders, RelativePathsStartWhereTheDrawingFileIs) {
  std::string objects = dxfText({{0, "IMAGEDEF"}, {5, "7F"}, {330, "0"}, {100, "AcDbRasterImageDef"}, {1, "image2.png"}});
  fs::path file = root / "dwg" / "plan.dxf";
  std::ofstream(file) << blockstest::drawing("", "", "", objects);
  AcDbDatabase db(false);
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxf(file.string(), db, err)) << err.message;
  EXPECT_EQ(WideToUtf8(db.originalFileName()), file.string());
  OpenFor<AcDbRasterImageDef> def(blockstest::byHandle(db, 0x7F));
  ASSERT_NE(def.get(), nullptr);
  EXPECT_EQ(WideToUtf8(def->activeFileName()), (root / "dwg" / "image2.png").string());
}

}  // namespace
