// Splits ASCII or binary DXF data into groups (code and typed value) without copying the data.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "acadsim/DxfGroupKind.h"
#include "acadsim/DxfReader.h"

namespace acadsim {

struct DxfToken {
  int code = 0;
  DxfGroupKind kind = DxfGroupKind::String;
  std::string_view text;  // String: raw bytes as stored; Binary: hex text (ASCII) or raw bytes (binary)
  double real = 0.0;
  int64_t integer = 0;    // Int16/Int32/Int64/Bool
  size_t line = 0;        // ASCII: 1-based line of the group code; binary: 0
  size_t offset = 0;      // byte offset of the group in the data
};

class DxfTokenizer {
 public:
  static constexpr std::string_view kBinarySentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

  DxfTokenizer(const char* data, size_t size);

  bool isBinary() const { return binary_; }
  // The next group; false at the end of the data or on a malformed group (then failed() tells).
  bool next(DxfToken& token);
  bool failed() const { return failed_; }
  const DxfError& error() const { return error_; }
  // Makes the error that a reader reports about a token it rejects.
  DxfError errorAt(const DxfToken& token, std::string message) const;
  size_t linesRead() const { return line_; }
  size_t bytesRead() const { return pos_; }
  size_t size() const { return size_; }

 private:
  bool nextAscii(DxfToken& token);
  bool nextBinary(DxfToken& token);
  bool readLine(std::string_view& line);
  bool fail(std::string message);

  const char* data_;
  size_t size_;
  size_t pos_ = 0;
  size_t line_ = 0;
  size_t tokenOffset_ = 0;
  bool binary_ = false;
  bool oneByteCodes_ = false;  // R12 binary DXF writes codes in one byte, 255 escaping a 16-bit code
  bool failed_ = false;
  DxfError error_;
};

// Decodes ASCII DXF hexadecimal binary text into bytes; false on an odd length or a non-hex digit.
bool decodeDxfHex(std::string_view hex, std::string& bytes);

}  // namespace acadsim
