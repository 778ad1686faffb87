#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "qvwide.h"
#include "wcrt.h"

namespace {

struct Spec {
  bool left = false, plus = false, space = false, alternate = false, zero = false;
  int width = 0;
  int precision = -1;  // -1: none
  enum Size { Default, Char, Short, Long32, Long64, Double } size = Default;
  bool narrow = false, wide = false;  // h / l (or w) on %c and %s
  WCHAR conversion = 0;
};

void pad(std::u16string& out, size_t length, const Spec& spec, std::u16string_view text) {
  size_t fill = spec.width > 0 && static_cast<size_t>(spec.width) > length ? spec.width - length : 0;
  if (!spec.left) out.append(fill, spec.zero ? u'0' : u' ');
  out.append(text);
  if (spec.left) out.append(fill, u' ');
}

// Numbers go through the C library's snprintf, so digits and rounding are exactly its own.
template <typename T>
void formatNumber(std::u16string& out, const Spec& spec, const char* length, T value) {
  std::string conversion = "%";
  if (spec.left) conversion += '-';
  if (spec.plus) conversion += '+';
  if (spec.space) conversion += ' ';
  if (spec.alternate) conversion += '#';
  if (spec.zero) conversion += '0';
  conversion += "*.*";
  conversion += length;
  conversion += static_cast<char>(spec.conversion);
  int precision = spec.precision;
  int needed = std::snprintf(nullptr, 0, conversion.c_str(), spec.width, precision, value);
  if (needed <= 0) return;
  std::string text(static_cast<size_t>(needed) + 1, '\0');
  std::snprintf(text.data(), text.size(), conversion.c_str(), spec.width, precision, value);
  text.resize(static_cast<size_t>(needed));
  for (char c : text) out.push_back(static_cast<unsigned char>(c));
}

class Formatter {
 public:
  explicit Formatter(va_list args) { va_copy(args_, args); }
  ~Formatter() { va_end(args_); }
  Formatter(const Formatter&) = delete;
  Formatter& operator=(const Formatter&) = delete;

  // Returns false for a format the Microsoft CRT rejects as an invalid parameter.
  bool run(const WCHAR* format, std::u16string& out) {
    for (const WCHAR* p = format; *p; ++p) {
      if (*p != u'%') {
        out.push_back(*p);
        continue;
      }
      Spec spec;
      if (!parse(p, spec)) return false;
      if (!convert(spec, out)) return false;
    }
    return true;
  }

 private:
  bool parseNumber(const WCHAR*& p, int& value) {
    long long n = 0;
    while (*p >= u'0' && *p <= u'9') {
      n = n * 10 + (*p++ - u'0');
      if (n > INT_MAX) return false;
    }
    value = static_cast<int>(n);
    return true;
  }

  // On entry p is at '%'; on exit at the conversion character.
  bool parse(const WCHAR*& p, Spec& spec) {
    ++p;
    for (;; ++p) {
      if (*p == u'-') spec.left = true;
      else if (*p == u'+') spec.plus = true;
      else if (*p == u' ') spec.space = true;
      else if (*p == u'#') spec.alternate = true;
      else if (*p == u'0') spec.zero = true;
      else break;
    }
    if (*p == u'*') {
      ++p;
      spec.width = va_arg(args_, int);
      if (spec.width < 0) {
        spec.left = true;
        spec.width = spec.width == INT_MIN ? INT_MAX : -spec.width;
      }
    } else if (!parseNumber(p, spec.width)) {
      return false;
    }
    if (*p == u'.') {
      ++p;
      if (*p == u'*') {
        ++p;
        spec.precision = va_arg(args_, int);
        if (spec.precision < 0) spec.precision = -1;
      } else if (!parseNumber(p, spec.precision)) {
        return false;
      }
    }
    if (p[0] == u'I' && p[1] == u'6' && p[2] == u'4') { spec.size = Spec::Long64; p += 3; }
    else if (p[0] == u'I' && p[1] == u'3' && p[2] == u'2') { spec.size = Spec::Long32; p += 3; }
    else if (p[0] == u'I') { spec.size = Spec::Long64; ++p; }
    else if (p[0] == u'h' && p[1] == u'h') { spec.size = Spec::Char; p += 2; }
    else if (p[0] == u'h') { spec.size = Spec::Short; spec.narrow = true; ++p; }
    else if (p[0] == u'l' && p[1] == u'l') { spec.size = Spec::Long64; p += 2; }
    else if (p[0] == u'l' || p[0] == u'w') { spec.size = Spec::Long32; spec.wide = true; ++p; }  // long is 32 bits
    else if (p[0] == u'z' || p[0] == u'j' || p[0] == u't') { spec.size = Spec::Long64; ++p; }
    else if (p[0] == u'L') { spec.size = Spec::Double; ++p; }  // long double is double on Windows
    spec.conversion = *p;
    return *p != 0;
  }

  bool convert(const Spec& spec, std::u16string& out) {
    switch (spec.conversion) {
      case u'%': out.push_back(u'%'); return true;
      case u'd': case u'i': {
        long long v;
        if (spec.size == Spec::Long64) v = va_arg(args_, long long);
        else if (spec.size == Spec::Short) v = static_cast<short>(va_arg(args_, int));
        else if (spec.size == Spec::Char) v = static_cast<signed char>(va_arg(args_, int));
        else v = va_arg(args_, int);
        formatNumber(out, spec, "ll", v);
        return true;
      }
      case u'u': case u'o': case u'x': case u'X': {
        unsigned long long v;
        if (spec.size == Spec::Long64) v = va_arg(args_, unsigned long long);
        else if (spec.size == Spec::Short) v = static_cast<unsigned short>(va_arg(args_, unsigned));
        else if (spec.size == Spec::Char) v = static_cast<unsigned char>(va_arg(args_, unsigned));
        else v = va_arg(args_, unsigned);
        formatNumber(out, spec, "ll", v);
        return true;
      }
      case u'f': case u'F': case u'e': case u'E': case u'g': case u'G': case u'a': case u'A':
        formatNumber(out, spec, "", va_arg(args_, double));
        return true;
      case u'p': {
        // As the Microsoft CRT: the pointer's 16 hexadecimal digits, upper case, no prefix.
        char digits[17];
        std::snprintf(digits, sizeof digits, "%016llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(va_arg(args_, void*))));
        std::u16string text(digits, digits + 16);
        Spec padding = spec;
        padding.zero = false;
        pad(out, text.size(), padding, text);
        return true;
      }
      case u'c': case u'C': {
        bool narrow = spec.conversion == u'C' ? !spec.wide : spec.narrow;
        int value = va_arg(args_, int);
        WCHAR c = narrow ? (static_cast<unsigned char>(value) < 0x80 ? static_cast<WCHAR>(value & 0x7F) : WCHAR(0xFFFD))
                         : static_cast<WCHAR>(value);
        pad(out, 1, spec, std::u16string_view(&c, 1));
        return true;
      }
      case u's': case u'S': {
        bool narrow = spec.conversion == u'S' ? !spec.wide : spec.narrow;
        std::u16string text;
        if (narrow) {
          const char* s = va_arg(args_, const char*);
          text = s ? Utf8ToWide(s) : u"(null)";
        } else {
          const WCHAR* s = va_arg(args_, const WCHAR*);
          if (!s) s = u"(null)";
          size_t n = 0;
          while (s[n] && (spec.precision < 0 || n < static_cast<size_t>(spec.precision))) ++n;
          text.assign(s, n);
        }
        // Precision counts UTF-16 units of the text, also for a narrow string after conversion.
        if (spec.precision >= 0 && text.size() > static_cast<size_t>(spec.precision)) text.resize(spec.precision);
        pad(out, text.size(), spec, text);
        return true;
      }
      default:
        return false;  // includes %n, which the Microsoft CRT refuses by default
    }
  }

  va_list args_;
};

bool formatToString(const WCHAR* format, va_list args, std::u16string& out) {
  if (!format) return false;
  Formatter formatter(args);
  return formatter.run(format, out);
}

}  // namespace

std::u16string VFormatW(const WCHAR* format, va_list args) {
  std::u16string out;
  if (!formatToString(format, args, out)) return {};
  return out;
}

std::u16string FormatW(const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  std::u16string out = VFormatW(format, args);
  va_end(args);
  return out;
}

// Microsoft semantics: the full text and its NUL when they fit; exactly count characters without a
// NUL when the text is count long; count characters, no NUL and -1 when it is longer.
int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args) {
  std::u16string out;
  if (!format || (!buffer && count > 0) || !formatToString(format, args, out)) {
    errno = EINVAL;
    return -1;
  }
  if (out.size() > INT_MAX) {
    errno = ERANGE;
    return -1;
  }
  if (!buffer) return static_cast<int>(out.size());
  if (out.size() > count) {
    out.copy(buffer, count);
    return -1;
  }
  out.copy(buffer, out.size());
  if (out.size() < count) buffer[out.size()] = 0;
  return static_cast<int>(out.size());
}

int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  int result = _vsnwprintf(buffer, count, format, args);
  va_end(args);
  return result;
}

// Always terminates. Where the Microsoft CRT would call its invalid-parameter handler (which ends
// the process by default), this empties the buffer, sets errno and returns -1.
int vswprintf_s(WCHAR* buffer, size_t sizeOfBuffer, const WCHAR* format, va_list args) {
  if (!buffer || sizeOfBuffer == 0) {
    errno = EINVAL;
    return -1;
  }
  std::u16string out;
  if (!formatToString(format, args, out)) {
    buffer[0] = 0;
    errno = EINVAL;
    return -1;
  }
  if (out.size() >= sizeOfBuffer || out.size() > INT_MAX) {
    buffer[0] = 0;
    errno = ERANGE;
    return -1;
  }
  out.copy(buffer, out.size());
  buffer[out.size()] = 0;
  return static_cast<int>(out.size());
}

int swprintf_s(WCHAR* buffer, size_t sizeOfBuffer, const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  int result = vswprintf_s(buffer, sizeOfBuffer, format, args);
  va_end(args);
  return result;
}

int _vscwprintf(const WCHAR* format, va_list args) { return _vsnwprintf(nullptr, 0, format, args); }

int _scwprintf(const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  int result = _vscwprintf(format, args);
  va_end(args);
  return result;
}
