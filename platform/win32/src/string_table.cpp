#include <cstring>

#include "winbase.h"

// Strings live in blocks of 16: block (uID / 16) + 1, each entry a length and its characters.
// A cchBufferMax of 0 stores a read-only pointer to the (unterminated) string in lpBuffer.
extern "C" int WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
  if (!lpBuffer || cchBufferMax < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  HRSRC block = FindResourceW(hInstance, MAKEINTRESOURCEW((LOWORD(uID) >> 4) + 1), RT_STRING);
  if (!block) return 0;
  const auto* data = static_cast<const WCHAR*>(LockResource(LoadResource(hInstance, block)));
  const WCHAR* end = data + SizeofResource(hInstance, block) / sizeof(WCHAR);
  for (UINT skip = uID & 15; skip > 0 && data < end; --skip) data += 1 + *data;
  if (data >= end || data + 1 + *data > end) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return 0;
  }
  int length = *data;
  if (cchBufferMax == 0) {
    const WCHAR* text = data + 1;
    std::memcpy(lpBuffer, &text, sizeof text);
    return length;
  }
  int copied = length < cchBufferMax - 1 ? length : cchBufferMax - 1;
  std::memcpy(lpBuffer, data + 1, static_cast<size_t>(copied) * sizeof(WCHAR));
  lpBuffer[copied] = 0;
  return copied;
}
