#include <cstring>
#include <string>
#include <vector>

#include "elf_section.h"
#include "loaded_objects.h"
#include "qvwide.h"
#include "resource_directory.h"
#include "winbase.h"
#include "winver.h"

using namespace win32;

// The buffer of GetFileVersionInfoW: the VS_VERSIONINFO block as stored, the signature "FE2X", then
// room where VerQueryValueA puts the ANSI (UTF-8) copies of text values: one and a half times the
// block (UTF-8 needs at most 3 bytes where UTF-16 needs 2), so every value has a place of its own.
namespace {

constexpr char kSignature[4] = {'F', 'E', '2', 'X'};

size_t bufferSizeFor(size_t blockSize) { return blockSize + sizeof kSignature + blockSize * 2; }

WORD wordAt(const uint8_t* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

size_t align4(size_t n) { return (n + 3) & ~size_t(3); }

bool readVersionBlock(LPCWSTR fileName, std::vector<uint8_t>& block) {
  if (!fileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  std::vector<uint8_t> section;
  DWORD error = 0;
  if (!ReadElfSection(ToNativePath(fileName), qvres::kSectionName, section, error)) {
    SetLastError(error);
    return false;
  }
  ResourceDirectory directory(section.data(), section.size());
  if (!directory.valid()) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return false;
  }
  const qvres::Entry* entry = directory.find(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  if (!entry || entry->dataSize < 6 || wordAt(directory.dataOf(*entry)) > entry->dataSize) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return false;
  }
  const uint8_t* data = directory.dataOf(*entry);
  block.assign(data, data + wordAt(data));
  return true;
}

struct Node {
  size_t offset = 0, length = 0;
  size_t keyOffset = 0, valueOffset = 0, valueBytes = 0, childrenOffset = 0;
  WORD valueLength = 0, type = 0;
};

// Reads the node at offset, all of it inside the root block of rootLength bytes.
bool readNode(const uint8_t* root, size_t rootLength, size_t offset, Node& node) {
  if (offset + 6 > rootLength) return false;
  node.offset = offset;
  node.length = wordAt(root + offset);
  node.valueLength = wordAt(root + offset + 2);
  node.type = wordAt(root + offset + 4);
  if (node.length < 6 || offset + node.length > rootLength) return false;
  size_t end = offset + node.length;
  node.keyOffset = offset + 6;
  size_t at = node.keyOffset;
  while (at + 2 <= end && wordAt(root + at) != 0) at += 2;
  if (at + 2 > end) return false;
  node.valueOffset = align4(at + 2);
  node.valueBytes = node.type == 1 ? size_t(node.valueLength) * 2 : node.valueLength;
  if (node.valueBytes > 0 && (node.valueOffset > end || node.valueBytes > end - node.valueOffset)) return false;
  node.childrenOffset = align4(node.valueOffset + node.valueBytes);
  return true;
}

bool keyEquals(const uint8_t* root, const Node& node, const std::u16string& key) {
  std::u16string stored;
  for (size_t at = node.keyOffset; wordAt(root + at) != 0; at += 2) stored.push_back(static_cast<WCHAR>(wordAt(root + at)));
  return lstrcmpiW(stored.c_str(), key.c_str()) == 0;
}

// Walks "\\StringFileInfo\\040904b0\\FileVersion"-style paths; keys match ignoring case.
bool findValue(LPCVOID pBlock, LPCWSTR subBlock, Node& found) {
  const auto* root = static_cast<const uint8_t*>(pBlock);
  size_t rootLength = wordAt(root);
  Node node;
  if (!readNode(root, rootLength, 0, node)) return false;
  std::u16string path = subBlock;
  size_t pos = 0;
  for (;;) {
    while (pos < path.size() && path[pos] == u'\\') ++pos;
    if (pos >= path.size()) break;
    size_t end = path.find(u'\\', pos);
    if (end == std::u16string::npos) end = path.size();
    std::u16string key = path.substr(pos, end - pos);
    pos = end;
    Node child;
    bool matched = false;
    for (size_t at = node.childrenOffset; at < node.offset + node.length; at = align4(child.offset + child.length)) {
      if (!readNode(root, node.offset + node.length, at, child)) return false;
      if (keyEquals(root, child, key)) {
        matched = true;
        break;
      }
    }
    if (!matched) return false;
    node = child;
  }
  found = node;
  return true;
}

bool queryValue(LPCVOID pBlock, LPCWSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen, Node& node) {
  if (!pBlock || !lpSubBlock || !lplpBuffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (!findValue(pBlock, lpSubBlock, node)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return false;
  }
  *lplpBuffer = const_cast<uint8_t*>(static_cast<const uint8_t*>(pBlock) + node.valueOffset);
  if (puLen) *puLen = node.valueLength;
  return true;
}

}  // namespace

extern "C" DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR lptstrFilename, LPDWORD lpdwHandle) {
  if (lpdwHandle) *lpdwHandle = 0;
  std::vector<uint8_t> block;
  if (!readVersionBlock(lptstrFilename, block)) return 0;
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(bufferSizeFor(block.size()));
}

extern "C" DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle) {
  if (!lptstrFilename) return GetFileVersionInfoSizeW(nullptr, lpdwHandle);
  return GetFileVersionInfoSizeW(Utf8ToWide(lptstrFilename).c_str(), lpdwHandle);
}

// Unlike Windows, a buffer smaller than GetFileVersionInfoSizeW's answer is refused rather than
// filled with a cut block that VerQueryValue would then read past.
extern "C" BOOL WINAPI GetFileVersionInfoW(LPCWSTR lptstrFilename, DWORD, DWORD dwLen, LPVOID lpData) {
  std::vector<uint8_t> block;
  if (!lpData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!readVersionBlock(lptstrFilename, block)) return FALSE;
  if (dwLen < bufferSizeFor(block.size())) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* out = static_cast<uint8_t*>(lpData);
  std::memcpy(out, block.data(), block.size());
  std::memcpy(out + block.size(), kSignature, sizeof kSignature);
  std::memset(out + block.size() + sizeof kSignature, 0, block.size() * 2);
  return TRUE;
}

extern "C" BOOL WINAPI GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData) {
  if (!lptstrFilename) return GetFileVersionInfoW(nullptr, dwHandle, dwLen, lpData);
  return GetFileVersionInfoW(Utf8ToWide(lptstrFilename).c_str(), dwHandle, dwLen, lpData);
}

// Text values come back as their characters including the NUL: *puLen counts characters.
extern "C" BOOL WINAPI VerQueryValueW(LPCVOID pBlock, LPCWSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen) {
  Node node;
  return queryValue(pBlock, lpSubBlock, lplpBuffer, puLen, node) ? TRUE : FALSE;
}

// Text values are converted to ANSI (UTF-8) in the buffer's second half; *puLen counts bytes with the NUL.
extern "C" BOOL WINAPI VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen) {
  if (!lpSubBlock) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Node node;
  if (!queryValue(pBlock, Utf8ToWide(lpSubBlock).c_str(), lplpBuffer, puLen, node)) return FALSE;
  if (node.type != 1 || node.valueLength == 0) return TRUE;
  const auto* base = static_cast<const uint8_t*>(pBlock);
  size_t blockSize = wordAt(base);
  if (std::memcmp(base + blockSize, kSignature, sizeof kSignature) != 0) {
    SetLastError(ERROR_INVALID_DATA);
    return FALSE;
  }
  std::u16string text;
  for (size_t i = 0; i < node.valueLength; ++i) text.push_back(static_cast<WCHAR>(wordAt(base + node.valueOffset + 2 * i)));
  while (!text.empty() && text.back() == 0) text.pop_back();
  std::string narrow = WideToUtf8(text);
  auto* out = const_cast<uint8_t*>(base) + blockSize + sizeof kSignature + node.valueOffset * 3 / 2;
  std::memcpy(out, narrow.c_str(), narrow.size() + 1);
  *lplpBuffer = out;
  if (puLen) *puLen = static_cast<UINT>(narrow.size() + 1);
  return TRUE;
}
