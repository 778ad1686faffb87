#include "DxfTextDecoder.h"

#include <qvwide.h>
#include <windows.h>

#include <charconv>

namespace acadsim {
namespace {

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool hexValue(std::string_view digits, unsigned& value) {
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return ec == std::errc() && end == digits.data() + digits.size();
}

// \M+N code page numbers from the DXF reference.
unsigned multibyteCodePage(char n) {
  switch (n) {
    case '1': return 932;
    case '2': return 950;
    case '3': return 949;
    case '4': return 1361;
    case '5': return 936;
    default: return 0;
  }
}

void appendFromCodePage(unsigned codePage, std::string_view bytes, std::string& out) {
  if (bytes.empty()) return;
  std::u16string wide(bytes.size(), u'\0');
  int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                              static_cast<int>(wide.size()));
  if (n <= 0) {
    for (size_t i = 0; i < bytes.size(); ++i) appendCodePoint(0xFFFD, out);
    return;
  }
  wide.resize(static_cast<size_t>(n));
  out += WideToUtf8(wide);
}

}  // namespace

void appendCodePoint(char32_t cp, std::string& out) {
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void appendValidUtf8(std::string_view s, std::string& out) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) len = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    }
    if (len == 0) {
      appendCodePoint(0xFFFD, out);
      ++i;
      continue;
    }
    size_t k = 1;
    while (k < len && i + k < s.size()) {
      unsigned char t = static_cast<unsigned char>(s[i + k]);
      if (t < (k == 1 ? lo : 0x80) || t > (k == 1 ? hi : 0xBF)) break;
      ++k;
    }
    if (k == len) out.append(s.data() + i, len);
    else appendCodePoint(0xFFFD, out);
    i += k;
  }
}

void DxfTextDecoder::setVersion(std::string_view acadver) {
  // Versions are "AC1021"-style: their number orders them.
  unsigned number = 0;
  if (acadver.size() == 6 && acadver.substr(0, 2) == "AC") {
    std::from_chars(acadver.data() + 2, acadver.data() + 6, number);
  }
  utf8_ = number >= 1021;
}

void DxfTextDecoder::setCodePage(std::string_view name) {
  auto digitsAfter = [&](std::string_view prefix) -> unsigned {
    if (name.size() <= prefix.size()) return 0;
    for (size_t i = 0; i < prefix.size(); ++i)
      if ((name[i] | 0x20) != (prefix[i] | 0x20)) return 0;
    unsigned n = 0;
    auto [end, ec] = std::from_chars(name.data() + prefix.size(), name.data() + name.size(), n);
    return ec == std::errc() && end == name.data() + name.size() ? n : 0;
  };
  unsigned cp = digitsAfter("ANSI_");
  if (cp == 0) cp = digitsAfter("DOS");
  codePage_ = cp != 0 ? cp : 1252;
}

void DxfTextDecoder::appendEscapeFree(std::string_view raw, std::string& out) const {
  if (isAscii(raw)) {
    out += raw;
  } else if (utf8_) {
    appendValidUtf8(raw, out);
  } else {
    appendFromCodePage(codePage_, raw, out);
  }
}

void DxfTextDecoder::appendUtf8(std::string_view raw, std::string& out) const {
  size_t start = 0;
  size_t i = raw.find('\\');
  while (i != std::string_view::npos) {
    unsigned value = 0;
    if (raw.compare(i, 3, "\\U+") == 0 && i + 7 <= raw.size() && hexValue(raw.substr(i + 3, 4), value)) {
      appendEscapeFree(raw.substr(start, i - start), out);
      size_t next = i + 7;
      unsigned low = 0;
      if (value >= 0xD800 && value <= 0xDBFF && raw.compare(next, 3, "\\U+") == 0 && next + 7 <= raw.size() &&
          hexValue(raw.substr(next + 3, 4), low) && low >= 0xDC00 && low <= 0xDFFF) {
        value = 0x10000 + ((value - 0xD800) << 10) + (low - 0xDC00);
        next += 7;
      }
      appendCodePoint(value, out);
      start = i = next;
    } else if (raw.compare(i, 3, "\\M+") == 0 && i + 8 <= raw.size() && multibyteCodePage(raw[i + 3]) != 0 &&
               hexValue(raw.substr(i + 4, 4), value)) {
      appendEscapeFree(raw.substr(start, i - start), out);
      char bytes[2] = {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
      appendFromCodePage(multibyteCodePage(raw[i + 3]),
                         value > 0xFF ? std::string_view(bytes, 2) : std::string_view(bytes + 1, 1), out);
      start = i = i + 8;
    } else {
      ++i;
    }
    i = raw.find('\\', i);
  }
  appendEscapeFree(raw.substr(start), out);
}

}  // namespace acadsim
