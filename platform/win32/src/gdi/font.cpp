#include "gdi/font.h"

#include <hb.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "gdi/font_system.h"
#include "gdi/shaped_text.h"

namespace win32 {

namespace {

// The OpenType tables Windows takes its text metrics from.
struct FaceTables {
  int unitsPerEm = 2048;
  int winAscent = 0, winDescent = 0;
  int hheaAscender = 0, hheaDescender = 0, hheaLineGap = 0;
  int averageWidth = 0, weightClass = FW_NORMAL;
  int firstChar = 0x20, lastChar = 0xFFFC;
  int strikeoutSize = 0, strikeoutPosition = 0;
  int underlinePosition = 0, underlineThickness = 0;
  int xMin = 0, xMax = 0;
  bool fixedPitch = false;
  int familyClass = 0;  // the high byte of sFamilyClass
  int panoseSerif = 0;
};

int u16(const uint8_t* p) { return p[0] << 8 | p[1]; }
int s16(const uint8_t* p) { return static_cast<int16_t>(u16(p)); }

struct Table {
  hb_blob_t* blob;
  unsigned length = 0;
  const uint8_t* data;
  Table(hb_face_t* face, const char* tag) : blob(hb_face_reference_table(face, hb_tag_from_string(tag, 4))) {
    data = reinterpret_cast<const uint8_t*>(hb_blob_get_data(blob, &length));
  }
  ~Table() { hb_blob_destroy(blob); }
};

// xAvgCharWidth as OS/2 versions before 3 defined it (the one Windows' own fonts carry): the lower-case letters
// and the space weighted by their frequency in English. Newer fonts average all glyphs, which is far wider.
int weightedAverageWidth(hb_face_t* face) {
  static const int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                   56, 17, 4,  49, 56,  71, 31, 10, 18, 3,  18, 2, 166};
  hb_font_t* font = hb_font_create(face);
  long sum = 0;
  for (int i = 0; i < 27; ++i) {
    hb_codepoint_t glyph = 0;
    if (!hb_font_get_nominal_glyph(font, i < 26 ? 'a' + i : ' ', &glyph)) {
      sum = 0;
      break;
    }
    sum += static_cast<long>(hb_font_get_glyph_h_advance(font, glyph)) * kWeights[i];
  }
  hb_font_destroy(font);
  return static_cast<int>(sum / 1000);
}

FaceTables readTables(PangoFont* font) {
  FaceTables t;
  hb_face_t* face = hb_font_get_face(pango_font_get_hb_font(font));
  t.unitsPerEm = static_cast<int>(hb_face_get_upem(face));
  Table os2(face, "OS/2"), hhea(face, "hhea"), post(face, "post"), head(face, "head");
  if (hhea.length >= 10) {
    t.hheaAscender = s16(hhea.data + 4);
    t.hheaDescender = s16(hhea.data + 6);
    t.hheaLineGap = s16(hhea.data + 8);
  }
  if (os2.length >= 78) {
    t.averageWidth = s16(os2.data + 2);
    if (int weighted = weightedAverageWidth(face)) t.averageWidth = weighted;
    t.weightClass = u16(os2.data + 4);
    t.strikeoutSize = s16(os2.data + 26);
    t.strikeoutPosition = s16(os2.data + 28);
    t.familyClass = os2.data[30];
    t.panoseSerif = os2.data[32 + 1];
    t.firstChar = u16(os2.data + 64);
    t.lastChar = u16(os2.data + 66);
    t.winAscent = u16(os2.data + 74);
    t.winDescent = u16(os2.data + 76);
  }
  if (t.winAscent + t.winDescent == 0) {
    t.winAscent = t.hheaAscender;
    t.winDescent = -t.hheaDescender;
  }
  if (post.length >= 16) {
    t.underlinePosition = s16(post.data + 8);
    t.underlineThickness = s16(post.data + 10);
    t.fixedPitch = u16(post.data + 12) || u16(post.data + 14);
  }
  if (head.length >= 44) {
    t.xMin = s16(head.data + 36);
    t.xMax = s16(head.data + 40);
  }
  return t;
}

PangoFont* loadFont(PangoFontDescription* description, double pixels) {
  pango_font_description_set_absolute_size(description, pixels * PANGO_SCALE);
  return pango_font_map_load_font(TextFontMap(), TextContext(), description);
}

int scaled(int units, double em, int unitsPerEm) { return static_cast<int>(std::lround(units * em / unitsPerEm)); }

BYTE pitchAndFamily(const FaceTables& t) {
  BYTE family = t.fixedPitch ? FF_MODERN : t.familyClass == 8 ? FF_SWISS : (t.panoseSerif >= 11 ? FF_SWISS : FF_ROMAN);
  // TMPF_FIXED_PITCH set means a variable pitch, as Windows names it backwards.
  return static_cast<BYTE>(family | TMPF_VECTOR | TMPF_TRUETYPE | (t.fixedPitch ? 0 : TMPF_FIXED_PITCH));
}

}  // namespace

RealizedFont::~RealizedFont() {
  if (primary) g_object_unref(primary);
  if (description) pango_font_description_free(description);
}

// The em size follows Windows: a negative height is the em, a positive one the cell (winAscent + winDescent),
// and 0 the cell of 16 pixels (12 points) the font mapper defaults to.
const RealizedFont& Font::realized() {
  if (realized_) return *realized_;
  auto font = std::make_unique<RealizedFont>();
  const LOGFONTW& lf = logFont;
  std::u16string face(lf.lfFaceName, std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0'));
  FaceFamilies families = FamiliesForFace(face);
  font->description = pango_font_description_new();
  pango_font_description_set_family(font->description, (families.primary + "," + families.cjkFallback).c_str());
  int weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(lf.lfWeight, 100, 1000);
  pango_font_description_set_weight(font->description, static_cast<PangoWeight>(weight));
  pango_font_description_set_style(font->description, lf.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

  int cell = lf.lfHeight == 0 ? 16 : lf.lfHeight > 0 ? lf.lfHeight : 0;
  double em = -static_cast<double>(lf.lfHeight);
  if (cell > 0) {
    PangoFont* probe = loadFont(font->description, 100);
    FaceTables probeTables = readTables(probe);
    g_object_unref(probe);
    em = static_cast<double>(cell) * probeTables.unitsPerEm / (probeTables.winAscent + probeTables.winDescent);
  }
  em = std::max(em, 1.0);
  font->primary = loadFont(font->description, em);
  FaceTables t = readTables(font->primary);

  TEXTMETRICW& tm = font->metrics;
  tm.tmAscent = scaled(t.winAscent, em, t.unitsPerEm);
  tm.tmDescent = scaled(t.winDescent, em, t.unitsPerEm);
  // The font mapper picks the largest cell that does not exceed the requested one.
  if (cell > 0 && tm.tmAscent + tm.tmDescent > cell) tm.tmDescent = cell - tm.tmAscent;
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = tm.tmHeight - static_cast<LONG>(std::lround(em));
  int hheaHeight = t.hheaAscender - t.hheaDescender;
  tm.tmExternalLeading =
      std::max(0, scaled(t.hheaLineGap - ((t.winAscent + t.winDescent) - hheaHeight), em, t.unitsPerEm));
  tm.tmAveCharWidth = std::max(1, scaled(t.averageWidth, em, t.unitsPerEm));
  tm.tmMaxCharWidth = scaled(t.xMax - t.xMin, em, t.unitsPerEm);
  bool syntheticBold = weight >= FW_SEMIBOLD && t.weightClass < FW_SEMIBOLD;
  tm.tmWeight = syntheticBold ? FW_BOLD : t.weightClass;
  tm.tmOverhang = 0;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = static_cast<WCHAR>(t.firstChar);
  tm.tmLastChar = static_cast<WCHAR>(t.lastChar);
  tm.tmBreakChar = u' ';
  tm.tmDefaultChar = static_cast<WCHAR>(t.firstChar > 0x1F ? 0x1F : t.firstChar);
  tm.tmItalic = lf.lfItalic ? 255 : 0;
  tm.tmUnderlined = lf.lfUnderline ? 255 : 0;
  tm.tmStruckOut = lf.lfStrikeOut ? 255 : 0;
  tm.tmPitchAndFamily = pitchAndFamily(t);
  tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet;

  font->underlineThickness = std::max(1, scaled(t.underlineThickness, em, t.unitsPerEm));
  font->underlineOffset = std::max(1, scaled(-t.underlinePosition, em, t.unitsPerEm) - font->underlineThickness / 2);
  font->strikeoutThickness = std::max(1, scaled(t.strikeoutSize, em, t.unitsPerEm));
  font->strikeoutOffset = scaled(t.strikeoutPosition, em, t.unitsPerEm);
  realized_ = std::move(font);
  return *realized_;
}

std::shared_ptr<const ShapedText> Font::shaped(std::u16string_view text) {
  constexpr size_t kCachedStrings = 2048;
  std::u16string key(text);
  if (auto found = shapedCache_.find(key); found != shapedCache_.end()) return found->second;
  if (shapedCache_.size() >= kCachedStrings) shapedCache_.clear();
  auto shapedText = std::make_shared<const ShapedText>(*this, text);
  shapedCache_.emplace(std::move(key), shapedText);
  return shapedText;
}

void Font::unrealize() {
  shapedCache_.clear();
  realized_.reset();
}

}  // namespace win32
