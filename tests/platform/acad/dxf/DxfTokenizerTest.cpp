// The tokenizer: ASCII and binary groups with their value types, positions and the errors of bad groups.
#include <dxf/DxfTokenizer.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using acadsim::DxfGroupKind;
using acadsim::DxfToken;
using acadsim::DxfTokenizer;

std::vector<DxfToken> tokensOf(const std::string& data, DxfTokenizer** keep = nullptr) {
  static std::string stored;
  stored = data;
  static DxfTokenizer* tok = nullptr;
  delete tok;
  tok = new DxfTokenizer(stored.data(), stored.size());
  if (keep) *keep = tok;
  std::vector<DxfToken> out;
  DxfToken t;
  while (tok->next(t)) out.push_back(t);
  return out;
}

TEST(DxfTokenizerAscii, ReadsCodesAndTypedValuesWithTheirLines) {
  auto t = tokensOf("  0\nSECTION\n 10\n1.5\n 70\n   -3\n290\n1\n160\n123456789012\n");
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0].code, 0);
  EXPECT_EQ(t[0].text, "SECTION");
  EXPECT_EQ(t[0].line, 1u);
  EXPECT_EQ(t[1].kind, DxfGroupKind::Real);
  EXPECT_DOUBLE_EQ(t[1].real, 1.5);
  EXPECT_EQ(t[1].line, 3u);
  EXPECT_EQ(t[2].kind, DxfGroupKind::Int16);
  EXPECT_EQ(t[2].integer, -3);
  EXPECT_EQ(t[3].kind, DxfGroupKind::Bool);
  EXPECT_EQ(t[3].integer, 1);
  EXPECT_EQ(t[4].kind, DxfGroupKind::Int64);
  EXPECT_EQ(t[4].integer, 123456789012);
}

TEST(DxfTokenizerAscii, AcceptsCarriageReturnsAndAMissingLastNewline) {
  auto t = tokensOf("0\r\nEOF");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, "EOF");
}

TEST(DxfTokenizerAscii, KeepsStringValuesAsWritten) {
  auto t = tokensOf("1\n  two spaces kept  \n");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, "  two spaces kept  ");
}

TEST(DxfTokenizerAscii, TakesIntegralRealsInIntegerGroupsOnly) {
  EXPECT_EQ(tokensOf("70\n1.0\n")[0].integer, 1);
  DxfTokenizer* tok = nullptr;
  EXPECT_TRUE(tokensOf("70\n1.5\n", &tok).empty());
  EXPECT_TRUE(tok->failed());
}

TEST(DxfTokenizerAscii, RefusesBadGroupsWithLineAndReason) {
  struct Case {
    const char* data;
    size_t line;
    const char* message;
  } cases[] = {
      {"0\nSECTION\nabc\nx\n", 3, "invalid group code 'abc'"},
      {"0\nSECTION\n2000\nx\n", 3, "invalid group code '2000'"},
      {"0\nSECTION\n-6\nx\n", 3, "invalid group code '-6'"},
      {"10\n1.2.3\n", 2, "invalid real '1.2.3' for group code 10"},
      {"10\n1e999\n", 2, "invalid real '1e999' for group code 10"},
      {"62\n256QSW\n", 2, "invalid 16-bit integer '256QSW' for group code 62"},
      {"70\n70000\n", 2, "invalid 16-bit integer '70000' for group code 70"},
      {"90\n99999999999\n", 2, "invalid 32-bit integer '99999999999' for group code 90"},
      {"290\n2000\n", 2, "invalid boolean '2000' for group code 290"},
      {"0\n", 1, "unexpected end of file after group code 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    DxfTokenizer* tok = nullptr;
    tokensOf(c.data, &tok);
    ASSERT_TRUE(tok->failed());
    EXPECT_EQ(tok->error().line, c.line);
    EXPECT_FALSE(tok->error().isBinary);
    EXPECT_EQ(tok->error().message, c.message);
  }
}

TEST(DxfTokenizerAscii, ShowsControlCharactersOfABadGroupEscaped) {
  DxfTokenizer* tok = nullptr;
  tokensOf(std::string("\x01\x02\n", 3), &tok);
  EXPECT_EQ(tok->error().message, "invalid group code '\\x01\\x02'");
}

TEST(DxfTokenizerAscii, SkipsAUtf8ByteOrderMark) {
  auto t = tokensOf("\xEF\xBB\xBF" "0\nEOF\n");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].code, 0);
}

std::string binaryHeader() { return std::string(DxfTokenizer::kBinarySentinel); }

void put16(std::string& s, int16_t v) { s.append(reinterpret_cast<const char*>(&v), 2); }
void put32(std::string& s, int32_t v) { s.append(reinterpret_cast<const char*>(&v), 4); }
void putReal(std::string& s, double v) { s.append(reinterpret_cast<const char*>(&v), 8); }
void putString(std::string& s, const char* v) { s.append(v, std::strlen(v) + 1); }

TEST(DxfTokenizerBinary, ReadsTwoByteCodesAndTypedValues) {
  std::string d = binaryHeader();
  put16(d, 0), putString(d, "SECTION");
  put16(d, 10), putReal(d, 2.25);
  put16(d, 70), put16(d, -7);
  put16(d, 90), put32(d, 100000);
  put16(d, 290), d += '\x01';
  put16(d, 310), d += '\x03', d += "abc";
  DxfTokenizer* tok = nullptr;
  auto t = tokensOf(d, &tok);
  ASSERT_FALSE(tok->failed()) << tok->error().message;
  EXPECT_TRUE(tok->isBinary());
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].text, "SECTION");
  EXPECT_EQ(t[0].offset, 22u);
  EXPECT_DOUBLE_EQ(t[1].real, 2.25);
  EXPECT_EQ(t[2].integer, -7);
  EXPECT_EQ(t[3].integer, 100000);
  EXPECT_EQ(t[4].integer, 1);
  EXPECT_EQ(t[5].text, "abc");
}

TEST(DxfTokenizerBinary, ReadsOneByteCodesOfR12With255Escape) {
  std::string d = binaryHeader();
  d += '\x00', putString(d, "SECTION");
  d += '\xFF', put16(d, 1001), putString(d, "APP");
  auto t = tokensOf(d);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].code, 0);
  EXPECT_EQ(t[1].code, 1001);
  EXPECT_EQ(t[1].text, "APP");
}

TEST(DxfTokenizerBinary, RefusesTruncatedGroupsWithTheirByteOffset) {
  std::string d = binaryHeader();
  put16(d, 0), putString(d, "SECTION");
  size_t realAt = d.size();
  put16(d, 10), d += "1234";  // half a real
  DxfTokenizer* tok = nullptr;
  tokensOf(d, &tok);
  ASSERT_TRUE(tok->failed());
  EXPECT_TRUE(tok->error().isBinary);
  EXPECT_EQ(tok->error().byteOffset, realAt);
  EXPECT_EQ(tok->error().message, "unexpected end of file inside a group");
}

TEST(DxfTokenizerBinary, RefusesAnUnterminatedStringAndAnOverlongChunk) {
  for (bool chunk : {false, true}) {
    std::string d = binaryHeader();
    if (chunk) put16(d, 310), d += '\x10', d += "short";
    else put16(d, 1), d += "no terminator";
    DxfTokenizer* tok = nullptr;
    tokensOf(d, &tok);
    EXPECT_TRUE(tok->failed());
  }
}

TEST(DxfHex, DecodesPairsAndRefusesOddOrNonHexText) {
  std::string bytes;
  EXPECT_TRUE(acadsim::decodeDxfHex("00ff7A", bytes));
  EXPECT_EQ(bytes, std::string("\x00\xff\x7a", 3));
  EXPECT_FALSE(acadsim::decodeDxfHex("abc", bytes));
  EXPECT_FALSE(acadsim::decodeDxfHex("zz", bytes));
}

}  // namespace
