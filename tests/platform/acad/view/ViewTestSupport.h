// Documents for the view tests: drawings written to a scratch file and opened, closed at scope end.
#pragma once
#include <acadsim/Documents.h>
#include <acadsim/DrawingView.h>
#include <gtest/gtest.h>
#include <qvwide.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../db/DbTestDrawing.h"

namespace viewtest {

using dbtest::dxfText;

// A document opened from DXF text (header variables and entities), closed when the holder goes.
class OpenDrawing {
 public:
  explicit OpenDrawing(const std::string& entities, const std::string& header = "") {
    static int count = 0;
    mPath = std::filesystem::path(testing::TempDir()) /
            ("acadsim-view-" + std::to_string(getpid()) + "-" + std::to_string(++count) + ".dxf");
    std::string dxf;
    if (!header.empty()) dxf += dxfText({{0, "SECTION"}, {2, "HEADER"}}) + header + dxfText({{0, "ENDSEC"}});
    dxf += dxfText({{0, "SECTION"}, {2, "ENTITIES"}}) + entities + dxfText({{0, "ENDSEC"}, {0, "EOF"}});
    std::ofstream(mPath) << dxf;
    std::u16string error;
    mDoc = acadsim::OpenDocument(Utf8ToWide(mPath.string()), error);
    EXPECT_NE(mDoc, nullptr) << WideToUtf8(error);
  }
  ~OpenDrawing() {
    if (mDoc) acadsim::CloseDocument(mDoc);
    std::error_code ignored;
    std::filesystem::remove(mPath, ignored);
  }
  OpenDrawing(const OpenDrawing&) = delete;
  OpenDrawing& operator=(const OpenDrawing&) = delete;
  AcApDocument* doc() const { return mDoc; }

 private:
  std::filesystem::path mPath;
  AcApDocument* mDoc = nullptr;
};

inline std::string line(double x1, double y1, double x2, double y2, int color = 256) {
  return dxfText({{0, "LINE"}, {8, "0"}, {62, std::to_string(color)}, {10, std::to_string(x1)}, {20, std::to_string(y1)},
                  {30, "0"}, {11, std::to_string(x2)}, {21, std::to_string(y2)}, {31, "0"}});
}

}  // namespace viewtest
