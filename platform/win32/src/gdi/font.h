// A logical font (HFONT) and the real font it maps to at first use, with its Windows metrics.
#pragma once
#include <pango/pango.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "gdi/gdi_object.h"
#include "wingdi.h"

namespace win32 {

class ShapedText;

struct RealizedFont {
  PangoFontDescription* description = nullptr;
  PangoFont* primary = nullptr;
  TEXTMETRICW metrics{};
  int underlineOffset = 0;  // pixels below the baseline to the top of the underline
  int underlineThickness = 1;
  int strikeoutOffset = 0;  // pixels above the baseline to the top of the strike-out line
  int strikeoutThickness = 1;
  ~RealizedFont();
};

struct Font : GdiObject {
  static constexpr GdiKind Kind = GdiKind::Font;
  LOGFONTW logFont{};
  explicit Font(const LOGFONTW& lf) : GdiObject(Kind), logFont(lf) {}
  const RealizedFont& realized();
  // The string shaped in this font; recent strings are kept, as text is measured before it is drawn.
  std::shared_ptr<const ShapedText> shaped(std::u16string_view text);
  // Lets go of the real font (it is found again at the next use).
  void unrealize();

 private:
  std::unique_ptr<RealizedFont> realized_;
  std::unordered_map<std::u16string, std::shared_ptr<const ShapedText>> shapedCache_;
};

}  // namespace win32
