#include "gdi/font_system.h"

#include "gdi/font.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cstdlib>

namespace win32 {

namespace {

const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Italic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Italic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-BoldItalic.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
    "/usr/share/fonts/truetype/arphic/uming.ttc",
};

// Bold and italic the files lack are synthesized, as Windows emboldens and slants such faces.
const char kSyntheticStyles[] = R"(<?xml version="1.0"?>
<fontconfig>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more"><const>medium</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
  <match target="font">
    <test name="slant"><const>roman</const></test>
    <test target="pattern" name="slant" compare="not_eq"><const>roman</const></test>
    <edit name="matrix" mode="assign">
      <times><name>matrix</name><matrix><double>1</double><double>0.2</double><double>0</double><double>1</double></matrix></times>
    </edit>
    <edit name="slant" mode="assign"><const>oblique</const></edit>
  </match>
</fontconfig>
)";

FcConfig* privateConfig() {
  FcConfig* config = FcConfigCreate();
  FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kSyntheticStyles), FcFalse);
  for (const char* file : kFontFiles) FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file));
  // The set is fixed: no rescans of the font folders in the middle of a session.
  FcConfigSetRescanInterval(config, 0);
  return config;
}

struct TextSystem {
  PangoFontMap* fontMap;
  PangoContext* context;
  FcConfig* config;

  TextSystem() {
    // The classic TrueType interpreter hints stems in both directions, as Windows' grey-scale rendering did.
    setenv("FREETYPE_PROPERTIES", "truetype:interpreter-version=35", 0);
    fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    config = privateConfig();
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), config);
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap), 96.0);
    context = pango_font_map_create_context(fontMap);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context, TRUE);
  }

  ~TextSystem() {
    g_object_unref(context);
    pango_fc_font_map_shutdown(PANGO_FC_FONT_MAP(fontMap));
    g_object_unref(fontMap);
    FcConfigAppFontClear(config);
    FcConfigDestroy(config);
  }
};

TextSystem*& textSystemInstance() {
  static TextSystem* instance = nullptr;
  return instance;
}

TextSystem& textSystem() {
  TextSystem*& instance = textSystemInstance();
  if (!instance) instance = new TextSystem;
  return *instance;
}

// At exit every font goes, down to fontconfig's character sets, whose offset-encoded pointers a leak checker
// cannot follow.
struct TextSystemTeardown {
  ~TextSystemTeardown() {
    TextSystem*& instance = textSystemInstance();
    if (!instance) return;
    ForEachGdiObject(GdiKind::Font, [](GdiObject& font) { static_cast<Font&>(font).unrealize(); });
    delete instance;
    instance = nullptr;
    cairo_debug_reset_static_data();
    FcFini();
  }
} teardown;

bool sameFace(std::u16string_view a, const char16_t* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'A' && x <= u'Z') x += 32;
    if (y >= u'A' && y <= u'Z') y += 32;
    if (x != y) return false;
  }
  return i == a.size() && !b[i];
}

struct FaceAlias {
  const char16_t* face;
  const char* family;
};

const char kSans[] = "Liberation Sans";
const char kSerif[] = "Liberation Serif";
const char kMono[] = "Liberation Mono";
const char kSong[] = "AR PL UMing CN";
const char kHei[] = "WenQuanYi Zen Hei";

const FaceAlias kAliases[] = {
    {u"Arial", kSans},
    {u"Helvetica", kSans},
    {u"MS Sans Serif", kSans},
    {u"Microsoft Sans Serif", kSans},
    {u"MS Shell Dlg", kSans},
    {u"MS Shell Dlg 2", kSans},
    {u"Tahoma", kSans},
    {u"Liberation Sans", kSans},
    {u"Times New Roman", kSerif},
    {u"Times", kSerif},
    {u"Liberation Serif", kSerif},
    {u"Courier New", kMono},
    {u"Courier", kMono},
    {u"Liberation Mono", kMono},
    {u"Verdana", "DejaVu Sans"},
    {u"DejaVu Sans", "DejaVu Sans"},
    {u"\u5B8B\u4F53", kSong},        // 宋体
    {u"SimSun", kSong},
    {u"\u65B0\u5B8B\u4F53", kSong},  // 新宋体
    {u"NSimSun", kSong},
    {u"AR PL UMing CN", kSong},
    {u"\u9ED1\u4F53", kHei},  // 黑体
    {u"SimHei", kHei},
    {u"\u5FAE\u8F6F\u96C5\u9ED1", kHei},  // 微软雅黑
    {u"Microsoft YaHei", kHei},
    {u"WenQuanYi Zen Hei", kHei},
};

}  // namespace

PangoContext* TextContext() { return textSystem().context; }
PangoFontMap* TextFontMap() { return textSystem().fontMap; }

FaceFamilies FamiliesForFace(std::u16string_view face) {
  for (const FaceAlias& alias : kAliases) {
    if (sameFace(face, alias.face)) return {alias.family, alias.family == kHei ? kHei : kSong};
  }
  return {kSans, kSong};
}

}  // namespace win32
