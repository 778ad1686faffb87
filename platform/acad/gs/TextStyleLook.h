// What a text style gives the text that names it: the font face and the height for a text of height 0.
#pragma once
#include <dbid.h>

#include <string>

namespace acadsim::gs {

struct TextStyleLook {
  std::u16string face = u"Arial";
  double height = 0;  // the style's fixed height, 0 when it has none
};

// The family a TrueType style names (its ACAD extended data), else the stem of its font file; shape
// fonts (.shx), which the view cannot draw, show in Arial.
TextStyleLook textStyleLook(AcDbObjectId styleId);

}  // namespace acadsim::gs
