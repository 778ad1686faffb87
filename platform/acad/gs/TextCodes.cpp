// The codes of TEXT and MTEXT strings resolved to the characters they show.
#include "TextCodes.h"


namespace acadsim::gs {

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

void appendCodePoint(std::u16string& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out += char16_t(0xD800 + (cp >> 10));
    out += char16_t(0xDC00 + (cp & 0x3FF));
  } else {
    out += char16_t(cp);
  }
}

}  // namespace

std::u16string expandTextCodes(std::u16string_view s) {
  std::u16string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'%' || i + 2 >= s.size() || s[i + 1] != u'%') {
      out += s[i];
      continue;
    }
    char16_t code = s[i + 2];
    switch (code) {
      case u'd': case u'D': out += u'\u00B0'; break;
      case u'p': case u'P': out += u'\u00B1'; break;
      case u'c': case u'C': out += u'\u2300'; break;
      case u'%': out += u'%'; break;
      case u'u': case u'U': case u'o': case u'O': break;
      default:
        if (isDigit(code)) {
          size_t j = i + 2;
          int value = 0;
          while (j < s.size() && j < i + 5 && isDigit(s[j])) value = value * 10 + (s[j++] - u'0');
          out += char16_t(value);
          i = j - 1;
          continue;
        }
        out += s.substr(i, 3);
    }
    i += 2;
  }
  return out;
}

std::vector<std::u16string> mtextLines(std::u16string_view s) {
  std::vector<std::u16string> lines(1);
  auto skipTo = [&](size_t& i, char16_t end) {
    while (i < s.size() && s[i] != end) ++i;
  };
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c == u'{' || c == u'}') continue;
    if (c == u'\n') {
      lines.emplace_back();
      continue;
    }
    if (c != u'\\' || i + 1 >= s.size()) {
      lines.back() += c;
      continue;
    }
    char16_t code = s[++i];
    switch (code) {
      case u'P': lines.emplace_back(); break;
      case u'~': lines.back() += u'\u00A0'; break;
      case u'\\': case u'{': case u'}': lines.back() += code; break;
      case u'L': case u'l': case u'O': case u'o': case u'K': case u'k': case u'X': break;
      case u'S': {
        size_t end = i + 1;
        skipTo(end, u';');
        std::u16string stack(s.substr(i + 1, end - i - 1));
        for (char16_t& ch : stack)
          if (ch == u'^' || ch == u'#') ch = u'/';
        lines.back() += stack;
        i = end;
        break;
      }
      case u'U':
        if (i + 1 < s.size() && s[i + 1] == u'+') {
          char32_t cp = 0;
          size_t j = i + 2;
          while (j < s.size() && j < i + 6 && hexValue(s[j]) >= 0) cp = cp * 16 + hexValue(s[j++]);
          appendCodePoint(lines.back(), cp);
          i = j - 1;
        }
        break;
      default:
        // \f \F \H \C \c \A \Q \T \W \p: a value up to ';'.
        skipTo(i, u';');
    }
  }
  for (std::u16string& line : lines) line = expandTextCodes(line);
  return lines;
}

}  // namespace acadsim::gs
