// Builds a VS_VERSIONINFO resource in Windows' binary layout (WORD lengths, UTF-16 keys, DWORD alignment).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct VersionNode {
  std::u16string key;
  bool isBlock = false;
  bool isText = false;           // a VALUE of strings (else of numbers)
  std::u16string text;           // without the terminating NUL, which the block adds
  std::vector<uint8_t> binary;   // numbers, little-endian WORDs (DWORDs when written with L)
  std::vector<VersionNode> children;
};

struct VersionInfo {
  uint32_t fileVersionMS = 0, fileVersionLS = 0;
  uint32_t productVersionMS = 0, productVersionLS = 0;
  uint32_t fileFlagsMask = 0, fileFlags = 0;
  uint32_t fileOS = 0, fileType = 0, fileSubtype = 0;
  std::vector<VersionNode> children;
};

std::vector<uint8_t> BuildVersionBlock(const VersionInfo& info);
