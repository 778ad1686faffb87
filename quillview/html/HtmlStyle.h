// The current text style, and how declarations, lengths and colours change it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

class ColourNames;

enum HorizontalAlign : int { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2, kAlignJustify = 3 };
enum VerticalAlign : int { kAlignTop = 0, kAlignMiddle = 1, kAlignBottom = 2, kAlignBaseline = 3 };
enum TextTransform : int { kTransformNone = 0, kTransformUpper = 1, kTransformLower = 2, kTransformCapitalize = 3 };

struct HtmlStyle {
  int fontSize = 16;  // pixels, the font's cell height
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool overline = false;
  std::u16string face = u"Verdana";
  COLORREF textColour = RGB(0, 0, 0);
  COLORREF backColour = RGB(255, 255, 255);
  COLORREF borderLight = 0;
  COLORREF borderDark = 0;
  int backMode = TRANSPARENT;
  int horizontalAlign = kAlignLeft;
  int verticalAlign = kAlignBaseline;
  int borderStyle = 0;  // 0 none, 1 solid, 2 dashed, 3 dotted, 6 double
  int borderWidth = 0;
  int textTransform = kTransformNone;
  int margin = 0;
  int padding = 0;
};

// What lengths and colours are measured against: the device, the current font, the renderer's state.
struct StyleContext {
  HDC dc = nullptr;
  int fontHeight = 16;  // of the current font
  int xHeight = 16;     // of the text "x" in the current font
  const ColourNames* colours = nullptr;
  bool enabled = true;
  COLORREF disabledColour = 0;
};

// Fonts beyond this many pixels are absurd in a tooltip and would cost their glyphs' size in memory.
constexpr int kMaxFontSize = 1000;
int ClampFontSize(int pixels);

// A length in pixels: per cent of reference, px, em, ex, in, cm, mm, pt, pc or a bare number; for font
// sizes 1 to 7 are the size steps. Saturates instead of overflowing.
int LengthToPixels(std::u16string_view value, int reference, bool isFontSize, const StyleContext& context);
// false (colour unchanged) for an empty value or an unknown name.
bool ParseColour(std::u16string_view value, COLORREF& colour, const StyleContext& context);
// Applies "name: value; ..." declarations (lower-cased first); unknown names are ignored.
void ApplyDeclarations(HtmlStyle& style, std::u16string_view declarations, const StyleContext& context);
// Sets a face name, cut to what a font record holds.
void SetFace(HtmlStyle& style, std::u16string_view face);
// The text as the style's transform shows it.
std::u16string TransformText(std::u16string_view text, int transform);

// An unsigned number, decimal or "0x" hexadecimal, read as far as its digits go; false when it passes 64 bits.
bool ReadUnsignedNumber(std::u16string_view text, uint64_t& value);

std::u16string ToLowerAscii(std::u16string_view text);
std::u16string_view TrimBlanks(std::u16string_view text);
