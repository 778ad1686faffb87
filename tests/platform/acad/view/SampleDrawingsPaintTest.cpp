// Every drawing others wrote opens to a view fitted to its extents and paints without a crash.
#include <windows.h>

#include <gtest/gtest.h>
#include <qvwide.h>

#include <cmath>
#include <filesystem>

#include "ViewTestSupport.h"

namespace {

namespace fs = std::filesystem;

TEST(SampleDrawingsView, EveryDrawingZoomsToFiniteExtentsAndPaints) {
  if (!fs::exists(QV_SHARED_SAMPLES)) GTEST_SKIP() << "shared samples not found at " << QV_SHARED_SAMPLES;
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 320;
  info.bmiHeader.biHeight = -240;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  int painted = 0;
  for (const fs::directory_entry& file : fs::recursive_directory_iterator(QV_SHARED_SAMPLES)) {
    if (file.path().extension() != ".dxf") continue;
    std::u16string error;
    AcApDocument* doc = acadsim::OpenDocument(Utf8ToWide(file.path().string()), error);
    if (!doc) continue;
    acadsim::setViewSize(doc, 320, 240);
    const acadsim::ViewTransform& view = acadsim::documentView(doc);
    EXPECT_TRUE(std::isfinite(view.center.x) && std::isfinite(view.center.y)) << file.path();
    EXPECT_TRUE(std::isfinite(view.pixelsPerUnit) && view.pixelsPerUnit > 0) << file.path();
    acadsim::paintDrawingView(dc, doc);
    ++painted;
    acadsim::CloseDocument(doc);
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EXPECT_GT(painted, 0);
}

}  // namespace
