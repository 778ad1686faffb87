// The estimated box of a line of text.
#include "TextBox.h"

#include <cmath>

namespace acadsim::gs {

namespace {
constexpr double kAdvancePerHeight = 0.6;
}  // namespace

double textAdvance(std::u16string_view text, double height, double widthFactor) {
  size_t characters = 0;
  for (char16_t c : text)
    if ((c & 0xFC00) != 0xDC00) ++characters;  // a surrogate pair is one character
  return static_cast<double>(characters) * kAdvancePerHeight * height * widthFactor;
}

std::array<AcGePoint2d, 4> textBox(const GraphicPrimitive& text) {
  double width = textAdvance(text.text, text.height, text.widthFactor);
  AcGeVector2d along(std::cos(text.rotation), std::sin(text.rotation));
  AcGeVector2d up(-along.y, along.x);
  const AcGePoint2d& origin = text.points.front();
  return {origin, origin + along * width, origin + along * width + up * text.height, origin + up * text.height};
}

}  // namespace acadsim::gs
