#include "describe/TextBuilding.h"

#include <qvwide.h>

#include <cstdarg>

#include "host/ModuleStrings.h"

namespace {

constexpr size_t kWrapWidth = 90;
constexpr size_t kShortenedWidth = 80;
constexpr size_t kLineEndWidth = 70;
constexpr std::ptrdiff_t kMinimumPathHead = 20;

size_t VisibleLengthOfLastLine(std::u16string_view part) {
  std::u16string visible = VisibleText(part);
  size_t lineFeed = visible.rfind(u'\n');
  return lineFeed == std::u16string::npos ? visible.size() : visible.size() - lineFeed - 1;
}

size_t VisibleLengthOfFirstLine(std::u16string_view piece) {
  std::u16string visible = VisibleText(piece);
  size_t lineFeed = visible.find(u'\n');
  return lineFeed == std::u16string::npos ? visible.size() : lineFeed;
}

// A long plain piece keeps its head and, for a path, the part from its last backslash on.
std::u16string Shorten(std::u16string_view piece) {
  const std::u16string& ellipsis = ModuleString(IDS_ELLIPSIS);
  size_t backslash = piece.rfind(u'\\');
  if (backslash != std::u16string_view::npos && static_cast<std::ptrdiff_t>(backslash) > kMinimumPathHead) {
    std::u16string_view tail = piece.substr(backslash);
    size_t headLength = tail.size() < kShortenedWidth ? kShortenedWidth - tail.size() : 0;
    std::u16string shortened(piece.substr(0, headLength));
    shortened += ellipsis;
    shortened += tail;
    return shortened;
  }
  std::u16string shortened(piece.substr(0, kShortenedWidth));
  shortened += ellipsis;
  return shortened;
}

}  // namespace

bool IsWhiteSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view TrimLeadingWhiteSpace(std::u16string_view s) {
  size_t start = 0;
  while (start < s.size() && IsWhiteSpace(s[start])) ++start;
  return s.substr(start);
}

std::u16string VisibleText(std::u16string_view s) {
  std::u16string lineBroken;
  lineBroken.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    if (s.substr(i, 4) == u"<br>") {
      lineBroken += u'\n';
      i += 4;
    } else {
      lineBroken += s[i++];
    }
  }
  // Everything before the first "<" is tag-free, so one left-to-right pass removes the tags.
  std::u16string visible;
  visible.reserve(lineBroken.size());
  size_t i = 0;
  while (i < lineBroken.size()) {
    size_t open = lineBroken.find(u'<', i);
    if (open == std::u16string::npos) break;
    size_t close = lineBroken.find(u'>', open + 1);
    if (close == std::u16string::npos) break;
    visible.append(lineBroken, i, open - i);
    i = close + 1;
  }
  visible.append(lineBroken, i, std::u16string::npos);
  return visible;
}

std::u16string& Append(std::u16string& part, std::u16string_view piece) {
  size_t lineLength = VisibleLengthOfLastLine(part);
  if (lineLength == 0) piece = TrimLeadingWhiteSpace(piece);
  size_t pieceLength = VisibleLengthOfFirstLine(piece);
  if (pieceLength > 0 && lineLength + pieceLength > kWrapWidth) NewLine(part);
  if (pieceLength > kWrapWidth && piece.find(u'\n') == std::u16string_view::npos &&
      piece.find(u'<') == std::u16string_view::npos) {
    part += Shorten(piece);
  } else {
    part += piece;
    if (pieceLength > kLineEndWidth) part += ModuleString(IDS_LINE_FEED);
  }
  return part;
}

std::u16string& AppendFormat(std::u16string& part, const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  std::u16string formatted = VFormatW(format, args);
  va_end(args);
  return Append(part, formatted);
}

std::u16string& NewLine(std::u16string& part) {
  if (part.empty() || part.back() == u'\n' || part.ends_with(u"<br>")) return part;
  return Append(part, ModuleString(IDS_LINE_FEED));
}
