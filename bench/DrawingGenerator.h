// Writes large, valid ASCII DXF drawings for the benchmarks.
#pragma once
#include <cstddef>
#include <string>

namespace bench {

// Writes a drawing of at least targetBytes (lines, circles, arcs, polylines and text on 16 layers) to path,
// unless a file of that size is already there. Returns the number of entities written (0 when reused).
size_t writeLargeDrawing(const std::string& path, size_t targetBytes);
// The same kinds of entity, exactly `entities` of them, 1,000 to a row on a 10-unit grid (the file is reused
// when it exists, so its name should hold the count).
size_t writeGridDrawing(const std::string& path, size_t entities);

// DXF text of a drawing holding one hatch of `loops` separate outer loops on a grid, cycling through a
// polyline loop with a bulge, lines with a half-circle arc, a whole ellipse, and lines with a cubic spline.
std::string hatchOfMixedLoops(int loops);

}  // namespace bench
