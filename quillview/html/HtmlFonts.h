// The fonts of the styles a text uses, made once and kept while the renderer lives.
#pragma once
#include <windows.h>

#include <map>
#include <string>

struct HtmlStyle;

struct HtmlFont {
  HFONT handle = nullptr;
  TEXTMETRICW metrics{};
  int xHeight = 0;  // the height of the text "x", which "ex" lengths count in
};

class HtmlFonts {
 public:
  HtmlFonts() = default;
  ~HtmlFonts();
  HtmlFonts(const HtmlFonts&) = delete;
  HtmlFonts& operator=(const HtmlFonts&) = delete;

  // Selects the style's font into dc (the first selection of a pass remembers dc's own font).
  const HtmlFont& Select(HDC dc, const HtmlStyle& style);
  // Puts dc's own font back; fonts beyond the cache's bound are deleted then, when none is selected.
  void EndPass(HDC dc);

 private:
  std::map<std::u16string, HtmlFont> m_fonts;
  HDC m_dc = nullptr;
  HGDIOBJ m_original = nullptr;
};
