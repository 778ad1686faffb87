#include "html/HtmlFonts.h"

#include <qvwide.h>

#include "html/HtmlStyle.h"

namespace {

// Distinct fonts kept between passes; a text with more makes them again in its next pass.
constexpr size_t kCachedFonts = 256;

std::u16string KeyOf(const HtmlStyle& style) {
  return FormatW(u"%d/%d/%d%d%d/", style.fontSize, style.weight, style.italic, style.underline, style.strikeout) +
         style.face;
}

}  // namespace

HtmlFonts::~HtmlFonts() {
  for (auto& [key, font] : m_fonts) DeleteObject(font.handle);
}

const HtmlFont& HtmlFonts::Select(HDC dc, const HtmlStyle& style) {
  auto [found, inserted] = m_fonts.try_emplace(KeyOf(style));
  HtmlFont& font = found->second;
  if (inserted) {
    LOGFONTW record{};
    record.lfHeight = style.fontSize;
    record.lfWeight = style.weight;
    record.lfItalic = style.italic;
    record.lfUnderline = style.underline;
    record.lfStrikeOut = style.strikeout;
    record.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(record.lfFaceName, style.face.c_str(), LF_FACESIZE);
    font.handle = CreateFontIndirectW(&record);
  }
  HGDIOBJ previous = SelectObject(dc, font.handle);
  if (m_dc != dc) {
    m_dc = dc;
    m_original = previous;
  }
  if (inserted) {
    GetTextMetricsW(dc, &font.metrics);
    SIZE x{};
    GetTextExtentPoint32W(dc, u"x", 1, &x);
    font.xHeight = x.cy;
  }
  return font;
}

void HtmlFonts::EndPass(HDC dc) {
  if (m_dc == dc && m_original != nullptr) SelectObject(dc, m_original);
  m_dc = nullptr;
  m_original = nullptr;
  if (m_fonts.size() <= kCachedFonts) return;
  for (auto& [key, font] : m_fonts) DeleteObject(font.handle);
  m_fonts.clear();
}
