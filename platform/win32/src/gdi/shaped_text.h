// A string shaped in a font: glyphs from pango (with fallback to the CJK face), whole-pixel hinted advances
// per UTF-16 unit, so measuring and drawing agree to the pixel.
#pragma once
#include <cairo.h>
#include <pango/pango.h>

#include <string_view>
#include <vector>

#include "gdi/font.h"

namespace win32 {

class ShapedText {
 public:
  ShapedText(Font& font, std::u16string_view text);
  ~ShapedText();
  ShapedText(const ShapedText&) = delete;
  ShapedText& operator=(const ShapedText&) = delete;

  // The advance of each UTF-16 unit: a cluster's whole advance on its first unit, 0 on the rest.
  const std::vector<int>& advances() const { return advances_; }
  // Draws with the glyph pen positions taken from the given per-unit advances, the baseline at y.
  void draw(cairo_t* cr, double x, double baseline, const std::vector<int>& unitAdvances) const;

 private:
  struct Run {
    PangoFont* font;
    PangoGlyphString* glyphs;
    std::vector<int> glyphUnit;  // the first UTF-16 unit of each glyph's cluster
  };
  std::vector<Run> runs_;
  std::vector<int> advances_;
};

}  // namespace win32
