// Raster images' pictures, each file loaded once per session and kept.
#include "RasterImagePainter.h"

#include <imgdef.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace acadsim::view {

namespace {

// The bitmap of a file, or null when it does not load; remembered either way.
HBITMAP bitmapOf(const std::u16string& path) {
  static std::map<std::u16string, HBITMAP> loaded;
  auto found = loaded.find(path);
  if (found != loaded.end()) return found->second;
  HANDLE image = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  return loaded[path] = static_cast<HBITMAP>(image);
}

std::u16string imageFile(const AcDbRasterImage& image) {
  AcDbRasterImageDef* def = nullptr;
  if (acdbOpenObject(def, image.imageDefId(), AcDb::kForRead) != Acad::eOk) return {};
  std::u16string file = def->activeFileName();
  def->close();
  return file;
}

}  // namespace

bool paintRasterImage(HDC hdc, const ViewTransform& view, const AcDbRasterImage& image) {
  if (AcDbWipeout::cast(&image)) return false;
  std::u16string file = imageFile(image);
  if (file.empty()) return false;
  HBITMAP bitmap = bitmapOf(file);
  if (!bitmap) return false;
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
  AcGePoint3d origin;
  AcGeVector3d u, v;
  if (image.getOrientation(origin, u, v) != Acad::eOk) return false;
  double xs[4], ys[4];
  AcGePoint3d corners[4] = {origin, origin + u, origin + u + v, origin + v};
  for (int i = 0; i < 4; ++i) view.toPixel(AcGePoint2d(corners[i].x, corners[i].y), xs[i], ys[i]);
  double left = *std::min_element(xs, xs + 4), right = *std::max_element(xs, xs + 4);
  double top = *std::min_element(ys, ys + 4), bottom = *std::max_element(ys, ys + 4);
  if (right - left < 1 || bottom - top < 1 || right - left > 1e5 || bottom - top > 1e5) return false;
  HDC source = CreateCompatibleDC(hdc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  SetStretchBltMode(hdc, COLORONCOLOR);
  StretchBlt(hdc, int(std::lround(left)), int(std::lround(top)), int(std::lround(right - left)),
             int(std::lround(bottom - top)), source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
  return true;
}

}  // namespace acadsim::view
