#include "gdi/shaped_text.h"

#include <pango/pangocairo.h>

#include <string>

#include "gdi/font_system.h"

namespace win32 {

namespace {

// UTF-8 for pango, and for each UTF-8 byte the UTF-16 unit it came from (one past the end included).
struct Utf8Text {
  std::string bytes;
  std::vector<int> unitOfByte;
};

void append(Utf8Text& out, char32_t c, int unit) {
  char buffer[4];
  int n = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  if (n == 1) buffer[0] = static_cast<char>(c);
  else if (n == 2) buffer[0] = static_cast<char>(0xC0 | c >> 6);
  else if (n == 3) buffer[0] = static_cast<char>(0xE0 | c >> 12);
  else buffer[0] = static_cast<char>(0xF0 | c >> 18);
  for (int i = 1; i < n; ++i) buffer[i] = static_cast<char>(0x80 | ((c >> (6 * (n - 1 - i))) & 0x3F));
  out.bytes.append(buffer, n);
  out.unitOfByte.insert(out.unitOfByte.end(), n, unit);
}

Utf8Text toUtf8(std::u16string_view text) {
  Utf8Text out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    int unit = static_cast<int>(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    } else if (c == 0) {
      c = 0x200B;  // pango takes no NUL; Windows' fonts map it to an empty glyph without advance
    }
    append(out, c, unit);
  }
  out.unitOfByte.push_back(static_cast<int>(text.size()));
  return out;
}

// Cairo's advance of the glyph as hinted at this size, in whole pixels (hint metrics are on).
int hintedAdvance(PangoFont* font, PangoGlyphInfo& glyph) {
  if (glyph.glyph & PANGO_GLYPH_UNKNOWN_FLAG) return PANGO_PIXELS(glyph.geometry.width);
  cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font));
  cairo_glyph_t g{glyph.glyph, 0, 0};
  cairo_text_extents_t extents;
  cairo_scaled_font_glyph_extents(scaled, &g, 1, &extents);
  return static_cast<int>(extents.x_advance + 0.5);
}

}  // namespace

ShapedText::ShapedText(Font& font, std::u16string_view text) : advances_(text.size(), 0) {
  if (text.empty()) return;
  const RealizedFont& realized = font.realized();
  Utf8Text utf8 = toUtf8(text);
  PangoAttrList* attributes = pango_attr_list_new();
  pango_attr_list_insert(attributes, pango_attr_font_desc_new(realized.description));
  GList* items = pango_itemize(TextContext(), utf8.bytes.c_str(), 0, static_cast<int>(utf8.bytes.size()), attributes,
                               nullptr);
  for (GList* node = items; node; node = node->next) {
    PangoItem* item = static_cast<PangoItem*>(node->data);
    Run run{static_cast<PangoFont*>(g_object_ref(item->analysis.font)), pango_glyph_string_new(), {}};
    pango_shape_with_flags(utf8.bytes.c_str() + item->offset, item->length, utf8.bytes.c_str(),
                           static_cast<int>(utf8.bytes.size()), &item->analysis, run.glyphs,
                           PANGO_SHAPE_ROUND_POSITIONS);
    for (int i = 0; i < run.glyphs->num_glyphs; ++i) {
      PangoGlyphInfo& glyph = run.glyphs->glyphs[i];
      int unit = utf8.unitOfByte[item->offset + run.glyphs->log_clusters[i]];
      run.glyphUnit.push_back(unit);
      if (glyph.geometry.width != 0) glyph.geometry.width = hintedAdvance(run.font, glyph) * PANGO_SCALE;
      advances_[unit] += glyph.geometry.width / PANGO_SCALE;
    }
    runs_.push_back(std::move(run));
    pango_item_free(item);
  }
  g_list_free(items);
  pango_attr_list_unref(attributes);
}

ShapedText::~ShapedText() {
  for (Run& run : runs_) {
    pango_glyph_string_free(run.glyphs);
    g_object_unref(run.font);
  }
}

void ShapedText::draw(cairo_t* cr, double x, double baseline, const std::vector<int>& unitAdvances) const {
  std::vector<double> pen(unitAdvances.size() + 1, x);
  for (size_t i = 0; i < unitAdvances.size(); ++i) pen[i + 1] = pen[i] + unitAdvances[i];
  for (const Run& run : runs_) {
    PangoGlyphString* placed = pango_glyph_string_copy(run.glyphs);
    int n = placed->num_glyphs;
    // Each glyph starts at its cluster's pen position plus the advances of the glyphs before it in the cluster.
    std::vector<double> start(n);
    for (int i = 0; i < n; ++i) {
      bool clusterStart = i == 0 || run.glyphUnit[i] != run.glyphUnit[i - 1];
      start[i] = clusterStart ? pen[run.glyphUnit[i]] : start[i - 1] + run.glyphs->glyphs[i - 1].geometry.width / double(PANGO_SCALE);
    }
    for (int i = 0; i + 1 < n; ++i) {
      placed->glyphs[i].geometry.width = static_cast<int>((start[i + 1] - start[i]) * PANGO_SCALE);
    }
    if (n > 0) {
      cairo_move_to(cr, start[0], baseline);
      pango_cairo_show_glyph_string(cr, run.font, placed);
    }
    pango_glyph_string_free(placed);
  }
}

}  // namespace win32
