// Turns DXF string bytes into UTF-8: the drawing code page before R2007, UTF-8 from R2007, \U+ and \M+ escapes.
#pragma once
#include <string>
#include <string_view>

namespace acadsim {

class DxfTextDecoder {
 public:
  // R2007 (AC1021) and later store UTF-8; earlier versions the code page of $DWGCODEPAGE.
  void setVersion(std::string_view acadver);
  // "ANSI_1252", "ANSI_936", "DOS437"...; an unknown name keeps Windows-1252, AutoCAD's default.
  void setCodePage(std::string_view dwgCodePage);
  bool isUtf8() const { return utf8_; }
  unsigned codePage() const { return codePage_; }

  // Appends raw as UTF-8 to out. Bytes that are not valid text become U+FFFD; nothing is dropped silently.
  void appendUtf8(std::string_view raw, std::string& out) const;

 private:
  void appendEscapeFree(std::string_view raw, std::string& out) const;
  bool utf8_ = false;
  unsigned codePage_ = 1252;
};

// Appends code point cp as UTF-8 (U+FFFD for surrogates and values beyond U+10FFFF).
void appendCodePoint(char32_t cp, std::string& out);
// Appends s with every ill-formed sequence replaced by U+FFFD (one per maximal bad subpart).
void appendValidUtf8(std::string_view s, std::string& out);

}  // namespace acadsim
