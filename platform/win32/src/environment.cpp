// ExpandEnvironmentStringsW and GetEnvironmentVariableW over the host process's own environment.
#include <cstdlib>
#include <optional>
#include <string>

#include "qvwide.h"
#include "wcrt.h"
#include "winbase.h"

extern char** environ;

namespace {

// Windows names variables without regard to case; the exact spelling is tried first.
std::optional<std::u16string> Variable(std::u16string_view name) {
  if (name.empty() || name.find(u'=') != std::u16string_view::npos) return std::nullopt;
  std::string narrow = WideToUtf8(name);
  if (const char* value = std::getenv(narrow.c_str())) return Utf8ToWide(value);
  for (char** entry = environ; entry && *entry; ++entry) {
    std::string_view text(*entry);
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    std::u16string entryName = Utf8ToWide(text.substr(0, equals));
    if (entryName.size() == name.size() && _wcsicmp(entryName.c_str(), std::u16string(name).c_str()) == 0)
      return Utf8ToWide(text.substr(equals + 1));
  }
  return std::nullopt;
}

}  // namespace

extern "C" DWORD WINAPI ExpandEnvironmentStringsW(LPCWSTR lpSrc, LPWSTR lpDst, DWORD nSize) {
  if (!lpSrc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string_view source(lpSrc);
  std::u16string expanded;
  for (size_t i = 0; i < source.size();) {
    size_t close = source[i] == u'%' ? source.find(u'%', i + 1) : std::u16string_view::npos;
    std::optional<std::u16string> value;
    if (close != std::u16string_view::npos) value = Variable(source.substr(i + 1, close - i - 1));
    if (value) {
      expanded += *value;
      i = close + 1;
    } else if (close != std::u16string_view::npos) {
      // An unknown name stays as written; its closing % may open the next name.
      expanded += source.substr(i, close - i);
      i = close;
    } else {
      expanded += source[i++];
    }
  }
  DWORD needed = static_cast<DWORD>(expanded.size() + 1);
  if (lpDst && nSize >= needed) std::copy(expanded.c_str(), expanded.c_str() + needed, lpDst);
  return needed;
}

extern "C" DWORD WINAPI GetEnvironmentVariableW(LPCWSTR lpName, LPWSTR lpBuffer, DWORD nSize) {
  std::optional<std::u16string> value = lpName ? Variable(lpName) : std::nullopt;
  if (!value) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  if (!lpBuffer || nSize <= value->size()) return static_cast<DWORD>(value->size() + 1);
  std::copy(value->c_str(), value->c_str() + value->size() + 1, lpBuffer);
  // An empty variable returns 0 like a missing one; the cleared last error tells them apart.
  if (value->empty()) SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(value->size());
}
