#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "qvwide.h"
#include "winbase.h"
#include "winnls.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Decodes UTF-8; each maximal invalid subpart becomes one U+FFFD, as Windows and the Unicode
// standard's recommended practice do. Returns false when anything was invalid.
bool decodeUtf8(std::string_view in, std::u16string& out) {
  bool valid = true;
  size_t i = 0;
  while (i < in.size()) {
    unsigned char b = static_cast<unsigned char>(in[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    int need = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) { need = 1; cp = b & 0x1F; }
    else if (b >= 0xE0 && b <= 0xEF) { need = 2; cp = b & 0x0F; if (b == 0xE0) low = 0xA0; if (b == 0xED) high = 0x9F; }
    else if (b >= 0xF0 && b <= 0xF4) { need = 3; cp = b & 0x07; if (b == 0xF0) low = 0x90; if (b == 0xF4) high = 0x8F; }
    else {
      out.push_back(kReplacement);
      valid = false;
      ++i;
      continue;
    }
    size_t j = i + 1;
    int got = 0;
    for (; got < need && j < in.size(); ++got, ++j) {
      unsigned char c = static_cast<unsigned char>(in[j]);
      if (c < low || c > high) break;
      low = 0x80;
      high = 0xBF;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (got < need) {
      out.push_back(kReplacement);
      valid = false;
      i = j;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i = j;
  }
  return valid;
}

// Encodes UTF-16 as UTF-8; a lone surrogate becomes U+FFFD. Returns false when there was one.
bool encodeUtf8(std::u16string_view in, std::string& out) {
  bool valid = true;
  for (size_t i = 0; i < in.size(); ++i) {
    char32_t cp = in[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (in[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
      valid = false;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return valid;
}

bool isUtf8CodePage(UINT codePage) {
  return codePage == CP_UTF8 || codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP;
}

// Windows code pages that the C library's iconv provides.
const char* iconvName(UINT codePage) {
  switch (codePage) {
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    default: return nullptr;
  }
}

// iconv descriptors, opened once per code page and direction; used under the lock.
class Converters {
 public:
  static Converters& instance() {
    static Converters converters;
    return converters;
  }
  std::mutex lock;
  iconv_t get(UINT codePage, bool toWide) {
    auto key = std::make_pair(codePage, toWide);
    auto it = open_.find(key);
    if (it != open_.end()) return it->second;
    const char* name = iconvName(codePage);
    iconv_t cd = toWide ? iconv_open("UTF-16LE", name) : iconv_open(name, "UTF-16LE");
    if (cd != reinterpret_cast<iconv_t>(-1)) open_[key] = cd;
    return cd;
  }

 private:
  ~Converters() {
    for (auto& [key, cd] : open_) iconv_close(cd);
  }
  std::map<std::pair<UINT, bool>, iconv_t> open_;
};

// Converts through iconv; a sequence it rejects is replaced and skipped (`skip` units of `unit` bytes).
// Returns false when something was replaced.
bool convertWithIconv(iconv_t cd, const char* in, size_t inBytes, size_t unit, std::string& out,
                      const std::string& replacement) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  bool clean = true;
  char buffer[4096];
  char* inPtr = const_cast<char*>(in);
  while (inBytes > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(cd, &inPtr, &inBytes, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    clean = false;
    out += replacement;
    size_t skip = unit;
    if (unit == 2 && inBytes >= 4) {
      unsigned hi = static_cast<unsigned char>(inPtr[0]) | (static_cast<unsigned char>(inPtr[1]) << 8);
      unsigned lo = static_cast<unsigned char>(inPtr[2]) | (static_cast<unsigned char>(inPtr[3]) << 8);
      if (hi >= 0xD800 && hi <= 0xDBFF && lo >= 0xDC00 && lo <= 0xDFFF) skip = 4;
    }
    skip = skip < inBytes ? skip : inBytes;
    inPtr += skip;
    inBytes -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return clean;
}

std::u16string fromLittleEndian(const std::string& bytes) {
  std::u16string out(bytes.size() / 2, 0);
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  return out;
}

std::string toLittleEndian(std::u16string_view wide) {
  std::string out;
  for (char16_t c : wide) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

int fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

std::u16string Utf8ToWide(std::string_view utf8) {
  std::u16string out;
  decodeUtf8(utf8, out);
  return out;
}

std::string WideToUtf8(std::u16string_view wide) {
  std::string out;
  encodeUtf8(wide, out);
  return out;
}

// Invalid input becomes U+FFFD (for the code pages of iconv too) unless MB_ERR_INVALID_CHARS asks
// for ERROR_NO_UNICODE_TRANSLATION.
extern "C" int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                                          LPWSTR lpWideCharStr, int cchWideChar) {
  if (!lpMultiByteStr || cbMultiByte == 0 || cchWideChar < 0 || (cchWideChar > 0 && !lpWideCharStr) ||
      (lpWideCharStr && static_cast<const void*>(lpWideCharStr) == static_cast<const void*>(lpMultiByteStr)))
    return fail(ERROR_INVALID_PARAMETER);
  size_t length = cbMultiByte < 0 ? std::strlen(lpMultiByteStr) + 1 : static_cast<size_t>(cbMultiByte);
  std::u16string wide;
  bool clean;
  if (isUtf8CodePage(CodePage)) {
    if (dwFlags & ~DWORD(MB_ERR_INVALID_CHARS)) return fail(ERROR_INVALID_FLAGS);
    clean = decodeUtf8(std::string_view(lpMultiByteStr, length), wide);
  } else {
    if (!iconvName(CodePage)) return fail(ERROR_INVALID_PARAMETER);
    Converters& converters = Converters::instance();
    std::lock_guard<std::mutex> guard(converters.lock);
    iconv_t cd = converters.get(CodePage, true);
    if (cd == reinterpret_cast<iconv_t>(-1)) return fail(ERROR_INVALID_PARAMETER);
    std::string bytes;
    clean = convertWithIconv(cd, lpMultiByteStr, length, 1, bytes, toLittleEndian(u"\uFFFD"));
    wide = fromLittleEndian(bytes);
  }
  if (!clean && (dwFlags & MB_ERR_INVALID_CHARS)) return fail(ERROR_NO_UNICODE_TRANSLATION);
  if (wide.size() > 0x7FFFFFFF) return fail(ERROR_INSUFFICIENT_BUFFER);
  if (cchWideChar == 0) return static_cast<int>(wide.size());
  if (wide.size() > static_cast<size_t>(cchWideChar)) return fail(ERROR_INSUFFICIENT_BUFFER);
  wide.copy(lpWideCharStr, wide.size());
  return static_cast<int>(wide.size());
}

// For UTF-8 a lone surrogate becomes U+FFFD (or ERROR_NO_UNICODE_TRANSLATION with
// WC_ERR_INVALID_CHARS); the default-character arguments must then be NULL, as Windows requires.
extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                                          LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                                          LPBOOL lpUsedDefaultChar) {
  if (!lpWideCharStr || cchWideChar == 0 || cbMultiByte < 0 || (cbMultiByte > 0 && !lpMultiByteStr) ||
      (lpMultiByteStr && static_cast<const void*>(lpWideCharStr) == static_cast<const void*>(lpMultiByteStr)))
    return fail(ERROR_INVALID_PARAMETER);
  size_t length = cchWideChar < 0 ? static_cast<size_t>(lstrlenW(lpWideCharStr)) + 1 : static_cast<size_t>(cchWideChar);
  std::u16string_view wide(lpWideCharStr, length);
  std::string narrow;
  if (isUtf8CodePage(CodePage)) {
    if (lpDefaultChar || lpUsedDefaultChar) return fail(ERROR_INVALID_PARAMETER);
    if (dwFlags & ~DWORD(WC_ERR_INVALID_CHARS)) return fail(ERROR_INVALID_FLAGS);
    if (!encodeUtf8(wide, narrow) && (dwFlags & WC_ERR_INVALID_CHARS)) return fail(ERROR_NO_UNICODE_TRANSLATION);
  } else {
    if (!iconvName(CodePage)) return fail(ERROR_INVALID_PARAMETER);
    Converters& converters = Converters::instance();
    std::lock_guard<std::mutex> guard(converters.lock);
    iconv_t cd = converters.get(CodePage, false);
    if (cd == reinterpret_cast<iconv_t>(-1)) return fail(ERROR_INVALID_PARAMETER);
    std::string bytes = toLittleEndian(wide);
    std::string replacement = lpDefaultChar ? std::string(lpDefaultChar, std::strlen(lpDefaultChar) > 1 ? 2 : 1) : "?";
    bool clean = convertWithIconv(cd, bytes.data(), bytes.size(), 2, narrow, replacement);
    if (lpUsedDefaultChar) *lpUsedDefaultChar = clean ? FALSE : TRUE;
  }
  if (narrow.size() > 0x7FFFFFFF) return fail(ERROR_INSUFFICIENT_BUFFER);
  if (cbMultiByte == 0) return static_cast<int>(narrow.size());
  if (narrow.size() > static_cast<size_t>(cbMultiByte)) return fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(lpMultiByteStr, narrow.data(), narrow.size());
  return static_cast<int>(narrow.size());
}
