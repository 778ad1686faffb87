// Draws a raster image's picture from its file, when the file exists and loads (.bmp through LoadImageW);
// the picture fills the box of its frame on screen (rotated images are not turned).
#pragma once
#include <acadsim/DrawingView.h>
#include <dbents.h>

namespace acadsim::view {

// False when the picture could not be drawn (no file, a format that does not load): the frame alone shows.
bool paintRasterImage(HDC hdc, const ViewTransform& view, const AcDbRasterImage& image);

}  // namespace acadsim::view
