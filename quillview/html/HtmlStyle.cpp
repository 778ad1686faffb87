#include "html/HtmlStyle.h"

#include <algorithm>
#include <cstdint>

#include "html/ColourNames.h"

namespace {

constexpr int64_t kLengthLimit = 1 << 20;  // pixels; anything beyond is absurd, and kept from overflowing
constexpr int64_t kPercentLimit = 100000;
constexpr int kFontSizeSteps[] = {8, 10, 12, 14, 18, 24, 36};

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

int Saturate(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, -kLengthLimit, kLengthLimit)); }

// An unsigned number, saturated at a bound far beyond any length or colour.
int64_t ReadUnsigned(std::u16string_view text) {
  constexpr uint64_t kBound = uint64_t{1} << 40;
  uint64_t value = 0;
  return ReadUnsignedNumber(text, value) ? static_cast<int64_t>(std::min(value, kBound)) : static_cast<int64_t>(kBound);
}

// A decimal number with an optional fraction, as lengths are written; saturates.
double ReadDecimal(std::u16string_view text) {
  double value = 0;
  size_t i = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) value = std::min(value * 10 + (text[i] - u'0'), 1e12);
  if (i < text.size() && text[i] == u'.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10) value += (text[i] - u'0') * scale;
  }
  return value;
}

int HexPair(char16_t high, char16_t low) {
  auto digit = [](char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
  };
  const int h = digit(high), l = digit(low);
  return h < 0 || l < 0 ? -1 : h * 16 + l;
}

// The declarations of a text: name and value pairs, split at ";" and the first ":".
template <typename Visit>
void ForEachDeclaration(std::u16string_view text, Visit visit) {
  while (!text.empty()) {
    const size_t end = text.find(u';');
    const std::u16string_view declaration = text.substr(0, end);
    const size_t colon = declaration.find(u':');
    if (colon != std::u16string_view::npos)
      visit(TrimBlanks(declaration.substr(0, colon)), TrimBlanks(declaration.substr(colon + 1)));
    if (end == std::u16string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::u16string_view Unquoted(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

void SetBorderWidth(HtmlStyle& style, int width) {
  style.borderWidth = std::max(width, 0);
  if (style.borderWidth == 0) style.borderStyle = 0;
  else if (style.borderStyle == 0) style.borderStyle = 1;
}

void ApplyDeclaration(HtmlStyle& style, std::u16string_view name, std::u16string_view value,
                      const StyleContext& context) {
  if (name == u"font-size") {
    style.fontSize = ClampFontSize(LengthToPixels(value, style.fontSize, true, context));
  } else if (name == u"font-family") {
    if (!Unquoted(value).empty()) SetFace(style, Unquoted(value));
  } else if (name == u"font-style") {
    if (value.empty() || value == u"normal") style.italic = false;
    else if (value == u"italic" || value == u"oblique") style.italic = true;
  } else if (name == u"font-weight") {
    if (value.empty() || value == u"normal") style.weight = FW_NORMAL;
    else if (value == u"bold") style.weight = FW_BOLD;
    else if (value == u"bolder") style.weight = FW_HEAVY;
    else if (value == u"lighter") style.weight = FW_THIN;
    else style.weight = static_cast<int>(std::min<int64_t>(ReadUnsigned(value), 1000));
  } else if (name == u"text-align") {
    if (value.empty() || value == u"left") style.horizontalAlign = kAlignLeft;
    else if (value == u"center") style.horizontalAlign = kAlignCenter;
    else if (value == u"right") style.horizontalAlign = kAlignRight;
  } else if (name == u"text-transform") {
    if (value.empty() || value == u"none") style.textTransform = kTransformNone;
    else if (value == u"uppercase") style.textTransform = kTransformUpper;
    else if (value == u"lowercase") style.textTransform = kTransformLower;
    else if (value == u"capitalize") style.textTransform = kTransformCapitalize;
  } else if (name == u"color") {
    ParseColour(value, style.textColour, context);
  } else if (name == u"background-color") {
    if (value.empty() || value == u"transparent") {
      style.backMode = TRANSPARENT;
    } else if (ParseColour(value, style.backColour, context)) {
      style.backMode = OPAQUE;
    }
  } else if (name == u"text-decoration") {
    size_t i = 0;
    while (i < value.size()) {
      while (i < value.size() && (IsBlank(value[i]) || value[i] == u',')) ++i;
      size_t end = i;
      while (end < value.size() && !IsBlank(value[end]) && value[end] != u',') ++end;
      const std::u16string_view word = value.substr(i, end - i);
      if (word == u"none") style.underline = style.strikeout = style.overline = false;
      else if (word == u"underline") style.underline = true;
      else if (word == u"line-through") style.strikeout = true;
      else if (word == u"overline") style.overline = true;
      i = end;
    }
  } else if (name == u"vertical-align") {
    if (value.empty() || value == u"baseline") style.verticalAlign = kAlignBaseline;
    else if (value == u"middle" || value == u"vcenter") style.verticalAlign = kAlignMiddle;
    else if (value == u"top") style.verticalAlign = kAlignTop;
    else if (value == u"bottom") style.verticalAlign = kAlignBottom;
  } else if (name == u"border-color") {
    if (ParseColour(value, style.borderLight, context)) style.borderDark = style.borderLight;
  } else if (name == u"border-width" || name == u"size") {
    if (value == u"thin") SetBorderWidth(style, style.borderWidth * 3 / 4);
    else if (value == u"thick") SetBorderWidth(style, style.borderWidth * 5 / 4);
    else if (value != u"medium") SetBorderWidth(style, LengthToPixels(value, style.borderWidth, false, context));
  } else if (name == u"border-style") {
    if (value.empty() || value == u"none") style.borderStyle = 0;
    else if (value == u"solid") style.borderStyle = 1;
    else if (value == u"dotted") style.borderStyle = 3;
    else if (value == u"dashed") style.borderStyle = 2;
    else if (value == u"double") style.borderStyle = 6;
    if (style.borderStyle != 0 && style.borderWidth == 0) style.borderWidth = 1;
  } else if (name == u"margin") {
    style.margin = std::max(0, LengthToPixels(value, style.margin, false, context));
  } else if (name == u"padding") {
    style.padding = std::max(0, LengthToPixels(value, style.padding, false, context));
  }
}

}  // namespace

bool ReadUnsignedNumber(std::u16string_view text, uint64_t& value) {
  unsigned base = 10;
  if (text.size() > 1 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  value = 0;
  for (char16_t c : text) {
    unsigned digit;
    if (c >= u'0' && c <= u'9') digit = c - u'0';
    else if (base == 16 && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    else if (base == 16 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    else break;
    if (value > (UINT64_MAX - digit) / base) return false;
    value = value * base + digit;
  }
  return true;
}

std::u16string ToLowerAscii(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return lower;
}

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

int ClampFontSize(int pixels) { return std::clamp(pixels, 1, kMaxFontSize); }

int LengthToPixels(std::u16string_view value, int reference, bool isFontSize, const StyleContext& context) {
  value = TrimBlanks(value);
  if (value.empty()) return reference;
  if (value.back() == u'%') {
    const int64_t percent = std::min(ReadUnsigned(value.substr(value[0] == u'+' || value[0] == u'-')), kPercentLimit);
    return Saturate(MulDiv(reference, static_cast<int>(percent), 100));
  }
  if (value[0] == u'+' || value[0] == u'-') value.remove_prefix(1);
  if (value.size() > 2) {
    const std::u16string_view unit = value.substr(value.size() - 2);
    const double number = ReadDecimal(value.substr(0, value.size() - 2));
    const int64_t perInch = static_cast<int64_t>(number * GetDeviceCaps(context.dc, LOGPIXELSY));
    if (unit == u"px") return Saturate(static_cast<int64_t>(number));
    if (unit == u"ex") return Saturate(static_cast<int64_t>(number * context.xHeight));
    if (unit == u"em") return Saturate(static_cast<int64_t>(number * context.fontHeight));
    if (unit == u"in") return Saturate(perInch);
    if (unit == u"cm") return Saturate(static_cast<int64_t>(perInch / 2.54));
    if (unit == u"mm") return Saturate(static_cast<int64_t>(perInch / 25.4));
    if (unit == u"pt") return Saturate(perInch / 72);
    if (unit == u"pc") return Saturate(perInch / 6);
  }
  const int64_t number = ReadUnsigned(value);
  if (isFontSize && number >= 1 && number <= 7) return kFontSizeSteps[number - 1];
  return Saturate(number);
}

bool ParseColour(std::u16string_view value, COLORREF& colour, const StyleContext& context) {
  value = TrimBlanks(value);
  if (value.empty()) return false;
  COLORREF parsed = 0;
  if (value.size() == 7 && value[0] == u'#') {
    const int red = HexPair(value[1], value[2]), green = HexPair(value[3], value[4]), blue = HexPair(value[5], value[6]);
    if (red < 0 || green < 0 || blue < 0) return false;
    parsed = RGB(red, green, blue);
  } else if (value[0] >= u'0' && value[0] <= u'9') {
    parsed = static_cast<COLORREF>(ReadUnsigned(value) & 0xFFFFFFFF);
  } else if (context.colours == nullptr || !context.colours->Find(value, parsed)) {
    return false;
  }
  colour = context.enabled ? parsed : context.disabledColour;
  return true;
}

void ApplyDeclarations(HtmlStyle& style, std::u16string_view declarations, const StyleContext& context) {
  const std::u16string lower = ToLowerAscii(declarations);
  ForEachDeclaration(lower, [&](std::u16string_view name, std::u16string_view value) {
    ApplyDeclaration(style, name, value, context);
  });
}

void SetFace(HtmlStyle& style, std::u16string_view face) {
  face = face.substr(0, LF_FACESIZE - 1);
  if (!face.empty() && face.back() >= 0xD800 && face.back() <= 0xDBFF) face.remove_suffix(1);
  style.face.assign(face);
}

std::u16string TransformText(std::u16string_view text, int transform) {
  std::u16string result(text);
  switch (transform) {
    case kTransformUpper:
      for (char16_t& c : result) c = static_cast<char16_t>(towupper(c));
      break;
    case kTransformLower:
      for (char16_t& c : result) c = static_cast<char16_t>(towlower(c));
      break;
    case kTransformCapitalize:
      for (size_t i = 0; i < result.size(); ++i) {
        result[i] = static_cast<char16_t>(towlower(result[i]));
        if ((i == 0 || result[i - 1] == u' ') && result[i] >= u'a' && result[i] <= u'z')
          result[i] = static_cast<char16_t>(result[i] - 32);
      }
      break;
    default:
      break;
  }
  return result;
}
