// Text of DXF strings: code pages before R2007, UTF-8 from R2007, \U+ and \M+ escapes, invalid bytes.
#include <dxf/DxfTextDecoder.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using acadsim::DxfTextDecoder;

std::string decode(const DxfTextDecoder& d, const std::string& raw) {
  std::string out;
  d.appendUtf8(raw, out);
  return out;
}

TEST(DxfTextDecoder, VersionsFromR2007AreUtf8) {
  DxfTextDecoder d;
  d.setVersion("AC1018");
  EXPECT_FALSE(d.isUtf8());
  d.setVersion("AC1021");
  EXPECT_TRUE(d.isUtf8());
  d.setVersion("AC1032");
  EXPECT_TRUE(d.isUtf8());
  d.setVersion("garbage");
  EXPECT_FALSE(d.isUtf8());
}

TEST(DxfTextDecoder, CodePageNamesAndTheirDefault) {
  DxfTextDecoder d;
  EXPECT_EQ(d.codePage(), 1252u);
  d.setCodePage("ANSI_936");
  EXPECT_EQ(d.codePage(), 936u);
  d.setCodePage("ansi_1251");
  EXPECT_EQ(d.codePage(), 1251u);
  d.setCodePage("DOS850");
  EXPECT_EQ(d.codePage(), 850u);
  d.setCodePage("ANSI_");
  EXPECT_EQ(d.codePage(), 1252u);
}

TEST(DxfTextDecoder, ConvertsCodePageText) {
  DxfTextDecoder d;
  d.setVersion("AC1015");
  d.setCodePage("ANSI_1252");
  EXPECT_EQ(decode(d, "caf\xE9"), "caf\xC3\xA9");
  d.setCodePage("ANSI_936");
  EXPECT_EQ(decode(d, "\xD6\xD0\xCE\xC4"), "\xE4\xB8\xAD\xE6\x96\x87");  // 中文
}

TEST(DxfTextDecoder, ResolvesUnicodeEscapesInEveryVersion) {
  for (const char* version : {"AC1015", "AC1032"}) {
    DxfTextDecoder d;
    d.setVersion(version);
    EXPECT_EQ(decode(d, "a\\U+4E2Db"), "a\xE4\xB8\xAD" "b");
    EXPECT_EQ(decode(d, "\\U+D83D\\U+DE00"), "\xF0\x9F\x98\x80");  // a surrogate pair
    EXPECT_EQ(decode(d, "\\U+D83D"), "\xEF\xBF\xBD");             // a lone surrogate
    EXPECT_EQ(decode(d, "\\U+12"), "\\U+12");                     // too short: kept as written
    EXPECT_EQ(decode(d, "\\P\\U+zzzz"), "\\P\\U+zzzz");
  }
}

TEST(DxfTextDecoder, ResolvesMultibyteEscapes) {
  DxfTextDecoder d;
  d.setVersion("AC1015");
  EXPECT_EQ(decode(d, "\\M+5D6D0"), "\xE4\xB8\xAD");  // 中 in code page 936
}

TEST(DxfTextDecoder, ReplacesInvalidUtf8AndKeepsTheRest) {
  DxfTextDecoder d;
  d.setVersion("AC1032");
  EXPECT_EQ(decode(d, "ok\xE4\xB8\xAD"), "ok\xE4\xB8\xAD");
  EXPECT_EQ(decode(d, "a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(decode(d, "\xE4\xB8"), "\xEF\xBF\xBD");           // truncated sequence
  EXPECT_EQ(decode(d, "\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");  // overlong
  EXPECT_EQ(decode(d, "\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // encoded surrogate
}

}  // namespace
