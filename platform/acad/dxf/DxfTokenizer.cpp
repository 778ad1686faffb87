#include "DxfTokenizer.h"

#include <charconv>
#include <cstring>
#include <string>

namespace acadsim {
namespace {

std::string_view trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

std::string quoted(std::string_view s) {
  constexpr size_t kMaxShown = 40;
  std::string out = "'";
  for (char c : s.substr(0, kMaxShown)) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) {
      static const char hex[] = "0123456789abcdef";
      out += "\\x";
      out += hex[u >> 4];
      out += hex[u & 15];
    } else {
      out += c;
    }
  }
  if (s.size() > kMaxShown) out += "...";
  return out + "'";
}

bool parseInteger(std::string_view text, int64_t& value) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc() && end == text.data() + text.size()) return true;
  // Some writers put integral reals ("1.0") into integer groups; accept exactly integral ones.
  double real = 0;
  auto [rend, rec] = std::from_chars(text.data(), text.data() + text.size(), real);
  if (rec != std::errc() || rend != text.data() + text.size()) return false;
  if (!(real >= -9.2e18 && real <= 9.2e18) || real != static_cast<double>(static_cast<int64_t>(real))) return false;
  value = static_cast<int64_t>(real);
  return true;
}

bool parseReal(std::string_view text, double& value) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) return false;
  return ec == std::errc() && end == text.data() + text.size();
}

bool integerFits(DxfGroupKind kind, int64_t v) {
  switch (kind) {
    case DxfGroupKind::Int16: return v >= -32768 && v <= 65535;  // unsigned 16-bit values occur (flags)
    case DxfGroupKind::Int32: return v >= -2147483648LL && v <= 4294967295LL;
    case DxfGroupKind::Bool: return v >= 0 && v <= 255;
    default: return true;
  }
}

const char* kindName(DxfGroupKind kind) {
  switch (kind) {
    case DxfGroupKind::Real: return "real";
    case DxfGroupKind::Int16: return "16-bit integer";
    case DxfGroupKind::Int32: return "32-bit integer";
    case DxfGroupKind::Int64: return "64-bit integer";
    case DxfGroupKind::Bool: return "boolean";
    default: return "value";
  }
}

}  // namespace

DxfTokenizer::DxfTokenizer(const char* data, size_t size) : data_(data), size_(size) {
  error_.isBinary = false;
  if (size >= kBinarySentinel.size() && std::memcmp(data, kBinarySentinel.data(), kBinarySentinel.size()) == 0) {
    binary_ = true;
    error_.isBinary = true;
    pos_ = kBinarySentinel.size();
    // The first group is (0, "SECTION"): a zero byte then 'S' means one-byte group codes.
    oneByteCodes_ = pos_ + 1 < size && data[pos_] == 0 && data[pos_ + 1] == 'S';
  } else if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
    pos_ = 3;  // a UTF-8 byte-order mark before the first group
  }
}

DxfError DxfTokenizer::errorAt(const DxfToken& token, std::string message) const {
  DxfError e;
  e.isBinary = binary_;
  e.line = token.line;
  e.byteOffset = token.offset;
  e.message = std::move(message);
  return e;
}

bool DxfTokenizer::fail(std::string message) {
  failed_ = true;
  error_.isBinary = binary_;
  error_.line = binary_ ? 0 : line_;
  error_.byteOffset = tokenOffset_;
  error_.message = std::move(message);
  return false;
}

bool DxfTokenizer::next(DxfToken& token) {
  if (failed_ || pos_ >= size_) return false;
  tokenOffset_ = pos_;
  return binary_ ? nextBinary(token) : nextAscii(token);
}

bool DxfTokenizer::readLine(std::string_view& line) {
  if (pos_ >= size_) return false;
  const char* start = data_ + pos_;
  const void* nl = std::memchr(start, '\n', size_ - pos_);
  size_t len = nl ? static_cast<const char*>(nl) - start : size_ - pos_;
  pos_ += nl ? len + 1 : len;
  if (len > 0 && start[len - 1] == '\r') --len;
  line = std::string_view(start, len);
  ++line_;
  return true;
}

bool DxfTokenizer::nextAscii(DxfToken& token) {
  std::string_view codeLine;
  readLine(codeLine);
  size_t codeLineNo = line_;
  std::string_view codeText = trim(codeLine);
  if (codeText.empty() && pos_ >= size_) return false;  // blank last line: a clean end
  int64_t code = 0;
  auto [end, ec] = std::from_chars(codeText.data(), codeText.data() + codeText.size(), code);
  if (codeText.empty() || ec != std::errc() || end != codeText.data() + codeText.size() || code < -5 ||
      code > 1071)
    return fail("invalid group code " + quoted(codeLine));
  std::string_view value;
  if (!readLine(value)) return fail("unexpected end of file after group code " + std::to_string(code));
  token.code = static_cast<int>(code);
  token.kind = dxfGroupKind(token.code);
  token.line = codeLineNo;
  token.offset = tokenOffset_;
  token.text = value;
  switch (token.kind) {
    case DxfGroupKind::String:
    case DxfGroupKind::Binary:
      break;
    case DxfGroupKind::Real:
      if (!parseReal(value, token.real)) {
        return fail("invalid real " + quoted(value) + " for group code " + std::to_string(code));
      }
      break;
    default:
      if (!parseInteger(value, token.integer) || !integerFits(token.kind, token.integer)) {
        return fail(std::string("invalid ") + kindName(token.kind) + " " + quoted(value) + " for group code " +
                    std::to_string(code));
      }
      break;
  }
  return true;
}

bool DxfTokenizer::nextBinary(DxfToken& token) {
  auto need = [&](size_t n) { return size_ - pos_ >= n; };
  auto truncated = [&]() { return fail("unexpected end of file inside a group"); };
  int code = 0;
  if (oneByteCodes_) {
    uint8_t b = static_cast<uint8_t>(data_[pos_++]);
    if (b == 255) {
      if (!need(2)) return truncated();
      int16_t c16;
      std::memcpy(&c16, data_ + pos_, 2);
      pos_ += 2;
      code = c16;
    } else {
      code = b;
    }
  } else {
    if (!need(2)) return truncated();
    int16_t c16;
    std::memcpy(&c16, data_ + pos_, 2);
    pos_ += 2;
    code = c16;
  }
  if (code < -5 || code > 1071) return fail("invalid group code " + std::to_string(code));
  token.code = code;
  token.kind = dxfGroupKind(code);
  token.line = 0;
  token.offset = tokenOffset_;
  token.text = {};
  switch (token.kind) {
    case DxfGroupKind::String: {
      const void* nul = std::memchr(data_ + pos_, 0, size_ - pos_);
      if (!nul) return truncated();
      size_t len = static_cast<const char*>(nul) - (data_ + pos_);
      token.text = std::string_view(data_ + pos_, len);
      pos_ += len + 1;
      break;
    }
    case DxfGroupKind::Binary: {
      if (!need(1)) return truncated();
      size_t len = static_cast<uint8_t>(data_[pos_++]);
      if (!need(len)) return truncated();
      token.text = std::string_view(data_ + pos_, len);
      pos_ += len;
      break;
    }
    case DxfGroupKind::Real: {
      if (!need(8)) return truncated();
      std::memcpy(&token.real, data_ + pos_, 8);
      pos_ += 8;
      break;
    }
    case DxfGroupKind::Int16: {
      if (!need(2)) return truncated();
      int16_t v;
      std::memcpy(&v, data_ + pos_, 2);
      pos_ += 2;
      token.integer = v;
      break;
    }
    case DxfGroupKind::Int32: {
      if (!need(4)) return truncated();
      int32_t v;
      std::memcpy(&v, data_ + pos_, 4);
      pos_ += 4;
      token.integer = v;
      break;
    }
    case DxfGroupKind::Int64: {
      if (!need(8)) return truncated();
      int64_t v;
      std::memcpy(&v, data_ + pos_, 8);
      pos_ += 8;
      token.integer = v;
      break;
    }
    case DxfGroupKind::Bool: {
      if (!need(1)) return truncated();
      token.integer = static_cast<uint8_t>(data_[pos_++]);
      break;
    }
  }
  return true;
}

bool decodeDxfHex(std::string_view hex, std::string& bytes) {
  hex = trim(hex);
  if (hex.size() % 2 != 0) return false;
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  bytes.clear();
  bytes.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    int hi = nibble(hex[i]), lo = nibble(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes += static_cast<char>(hi << 4 | lo);
  }
  return true;
}

}  // namespace acadsim
