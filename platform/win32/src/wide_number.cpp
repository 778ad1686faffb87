#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "wcrt.h"

namespace {

// The CRT's "C" locale: white space is the ASCII set only.
bool isSpace(WCHAR c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int digitValue(WCHAR c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'z') return c - u'a' + 10;
  if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
  return 99;
}

struct ParsedInteger {
  bool negative = false;
  bool overflow = false;  // magnitude exceeded the limit given to parse
  uint64_t magnitude = 0;
};

// strtol's grammar: space, sign, "0x" for base 16 (or base 0), digits; end points past the last
// digit, or at str itself when there is none.
ParsedInteger parseInteger(const WCHAR* str, WCHAR** endptr, int base, uint64_t limit) {
  ParsedInteger result;
  const WCHAR* p = str;
  if (endptr) *endptr = const_cast<WCHAR*>(str);
  if (base < 0 || base == 1 || base > 36) {
    errno = EINVAL;
    return result;
  }
  while (isSpace(*p)) ++p;
  if (*p == u'+' || *p == u'-') result.negative = *p++ == u'-';
  if ((base == 0 || base == 16) && p[0] == u'0' && (p[1] == u'x' || p[1] == u'X') && digitValue(p[2]) < 16) {
    p += 2;
    base = 16;
  } else if (base == 0) {
    base = p[0] == u'0' ? 8 : 10;
  }
  const WCHAR* digits = p;
  for (; digitValue(*p) < base; ++p) {
    if (result.overflow) continue;
    uint64_t next = result.magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digitValue(*p));
    if (next > limit) result.overflow = true;
    else result.magnitude = next;
  }
  if (p == digits) return ParsedInteger{};
  if (endptr) *endptr = const_cast<WCHAR*>(p);
  return result;
}

locale_t cLocale() {
  static locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

constexpr uint64_t kUlongMax = 0xFFFFFFFFull;  // LONG and ULONG are 32 bits on Windows

LONG wcstol(const WCHAR* str, WCHAR** endptr, int base) {
  ParsedInteger parsed = parseInteger(str, endptr, base, kUlongMax);
  uint64_t limit = parsed.negative ? 2147483648ull : 2147483647ull;
  if (parsed.overflow || parsed.magnitude > limit) {
    errno = ERANGE;
    return parsed.negative ? INT32_MIN : INT32_MAX;
  }
  return parsed.negative ? static_cast<LONG>(-static_cast<int64_t>(parsed.magnitude))
                         : static_cast<LONG>(parsed.magnitude);
}

// As strtoul: a minus sign negates the value in unsigned arithmetic ("-1" gives 4294967295).
ULONG wcstoul(const WCHAR* str, WCHAR** endptr, int base) {
  ParsedInteger parsed = parseInteger(str, endptr, base, kUlongMax);
  if (parsed.overflow) {
    errno = ERANGE;
    return UINT32_MAX;
  }
  ULONG value = static_cast<ULONG>(parsed.magnitude);
  return parsed.negative ? static_cast<ULONG>(0u - value) : value;
}

int _wtoi(const WCHAR* str) { return static_cast<int>(wcstol(str, nullptr, 10)); }

// strtod in the "C" locale over an ASCII copy: a number is ASCII only, so the copy stops at the
// first other character and the end pointer maps back one to one.
double wcstod(const WCHAR* str, WCHAR** endptr) {
  std::string narrow;
  for (const WCHAR* p = str; *p && *p < 0x80; ++p) narrow.push_back(static_cast<char>(*p));
  char* narrowEnd = nullptr;
  double value = strtod_l(narrow.c_str(), &narrowEnd, cLocale());
  if (endptr) *endptr = const_cast<WCHAR*>(str) + (narrowEnd - narrow.c_str());
  return value;
}
