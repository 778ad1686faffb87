// The box a line of text covers, estimated from its height: each character advances 0.6 of the height
// (times the width factor), and the box runs from the baseline up one height.
#pragma once
#include <acadsim/EntityGraphics.h>

#include <array>
#include <string_view>

namespace acadsim::gs {

// The estimated width of text at height and width factor.
double textAdvance(std::u16string_view text, double height, double widthFactor);
// The corners of a Text primitive's box in world coordinates: baseline left, baseline right, top right, top left.
std::array<AcGePoint2d, 4> textBox(const GraphicPrimitive& text);

}  // namespace acadsim::gs
