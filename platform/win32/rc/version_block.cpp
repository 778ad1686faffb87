#include "version_block.h"

#include <stdexcept>

namespace {

void putWord(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xff));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xff));
}

void putDword(std::vector<uint8_t>& out, uint32_t value) {
  putWord(out, value & 0xffff);
  putWord(out, value >> 16);
}

void pad(std::vector<uint8_t>& out) {
  while (out.size() % 4) out.push_back(0);
}

void putWideZ(std::vector<uint8_t>& out, const std::u16string& s) {
  for (char16_t c : s) putWord(out, c);
  putWord(out, 0);
}

// wLength, wValueLength, wType, szKey, padding, value, padding, children; wLength covers up to the
// end of the last child (no trailing padding), as the Windows resource compiler writes it.
void writeNode(std::vector<uint8_t>& out, const std::u16string& key, uint32_t type, uint32_t valueLength,
               const std::vector<uint8_t>& value, const std::vector<VersionNode>& children);

void writeChild(std::vector<uint8_t>& out, const VersionNode& node) {
  if (node.isBlock) {
    writeNode(out, node.key, 1, 0, {}, node.children);
  } else if (node.isText) {
    std::vector<uint8_t> value;
    putWideZ(value, node.text);
    writeNode(out, node.key, 1, static_cast<uint32_t>(node.text.size() + 1), value, {});
  } else {
    writeNode(out, node.key, 0, static_cast<uint32_t>(node.binary.size()), node.binary, {});
  }
}

void writeNode(std::vector<uint8_t>& out, const std::u16string& key, uint32_t type, uint32_t valueLength,
               const std::vector<uint8_t>& value, const std::vector<VersionNode>& children) {
  pad(out);
  size_t start = out.size();
  putWord(out, 0);
  putWord(out, valueLength);
  putWord(out, type);
  putWideZ(out, key);
  pad(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const VersionNode& child : children) writeChild(out, child);
  size_t length = out.size() - start;
  if (length > 0xffff) throw std::length_error("version block longer than 65535 bytes");
  out[start] = static_cast<uint8_t>(length & 0xff);
  out[start + 1] = static_cast<uint8_t>(length >> 8);
}

}  // namespace

std::vector<uint8_t> BuildVersionBlock(const VersionInfo& info) {
  std::vector<uint8_t> fixed;
  for (uint32_t v : {0xFEEF04BDu, 0x00010000u, info.fileVersionMS, info.fileVersionLS, info.productVersionMS,
                     info.productVersionLS, info.fileFlagsMask, info.fileFlags, info.fileOS, info.fileType,
                     info.fileSubtype, 0u, 0u})
    putDword(fixed, v);
  std::vector<uint8_t> out;
  writeNode(out, u"VS_VERSION_INFO", 0, static_cast<uint32_t>(fixed.size()), fixed, info.children);
  return out;
}
