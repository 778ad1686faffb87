// Malformed input of each kind is refused with its place and reason, and leaves the database empty.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  const char* name;
  std::string data;
  size_t line;
  const char* message;
};

std::string entities(const std::string& body) { return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n"; }

TEST(MalformedDxf, IsRefusedWithLineAndReason) {
  const Case cases[] = {
      {"empty file", "", 1, "the file holds no DXF data"},
      {"truncated in a section", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n", 8,
       "unexpected end of file in LINE (the section has no ENDSEC)"},
      {"truncated after a code", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n", 7,
       "unexpected end of file after group code 8"},
      {"group before any section", "8\n0\n", 1, "expected group code 0 (SECTION or EOF), found 8"},
      {"unknown top-level record", "0\nLINE\n", 1, "expected SECTION or EOF, found 'LINE'"},
      {"section without name", "0\nSECTION\n0\nENDSEC\n", 3,
       "expected group code 2 (the section name) after SECTION, found 0"},
      {"nested section", "0\nSECTION\n2\nENTITIES\n0\nSECTION\n", 5, "the section has no ENDSEC"},
      {"vertex without polyline", entities("0\nVERTEX\n8\n0\n"), 5,
       "VERTEX without the POLYLINE or INSERT it belongs to"},
      {"polyline without seqend", entities("0\nPOLYLINE\n8\n0\n0\nVERTEX\n8\n0\n"), 13,
       "a POLYLINE or INSERT has no SEQEND"},
      {"entity in blocks outside a block", "0\nSECTION\n2\nBLOCKS\n0\nLINE\n8\n0\n0\nENDSEC\n0\nEOF\n", 5,
       "LINE outside a BLOCK definition"},
      {"block without endblk", "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nENDSEC\n0\nEOF\n", 9,
       "a BLOCK has no ENDBLK"},
      {"bad real", entities("0\nLINE\n10\nnot-a-number\n"), 8, "invalid real 'not-a-number' for group code 10"},
      {"absurd group code", entities("0\nLINE\n99999\n1\n"), 7, "invalid group code '99999'"},
      {"header value without name", "0\nSECTION\n2\nHEADER\n70\n1\n", 5,
       "header value without a variable name (group 9)"},
      {"bad hex chunk", entities("0\nLINE\n310\nABC\n"), 7, "invalid hexadecimal data for group code 310"},
      {"record without name", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n70\n0\n0\nENDTAB\n0\nENDSEC\n",
       9, "LAYER record without a name (group 2)"},
      {"class without names", "0\nSECTION\n2\nCLASSES\n0\nCLASS\n90\n0\n0\nENDSEC\n", 5,
       "CLASS without a DXF name (1) or class name (2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AcDbDatabase db;  // a default drawing: a refusal must leave it empty
    acadsim::DxfError err;
    EXPECT_FALSE(acadsim::readDxfFromMemory(c.data.data(), c.data.size(), db, err));
    EXPECT_EQ(err.message, c.message);
    EXPECT_EQ(err.line, c.line);
    EXPECT_FALSE(err.isBinary);
    EXPECT_TRUE(db.blockTableId().isNull());
    EXPECT_TRUE(db.layerZero().isNull());
  }
}

TEST(MalformedDxf, BinaryErrorsGiveByteOffsets) {
  std::string data("AutoCAD Binary DXF\r\n\x1a\0", 22);
  data += std::string("\0\0SECTION\0\2\0ENTITIES\0\0\0LINE\0\x0a\0", 30);  // a real cut short
  data += "abc";
  AcDbDatabase db(false);
  acadsim::DxfError err;
  EXPECT_FALSE(acadsim::readDxfFromMemory(data.data(), data.size(), db, err));
  EXPECT_TRUE(err.isBinary);
  EXPECT_EQ(err.byteOffset, 50u);
  EXPECT_EQ(acadsim::formatDxfError("f.dxf", err), "f.dxf: byte 50: unexpected end of file inside a group");
}

TEST(MalformedDxf, FormatsTheHostsRefusal) {
  acadsim::DxfError err;
  err.line = 12;
  err.message = "reason";
  EXPECT_EQ(acadsim::formatDxfError("plan.dxf", err), "plan.dxf:12: reason");
}

TEST(MalformedDxf, InvalidUtf8IsReplacedNotRefused) {
  std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1032\n0\nENDSEC\n" + entities("0\nLINE\n8\nbad\xFF\xFE\n");
  AcDbDatabase db(false);
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxfFromMemory(text.data(), text.size(), db, err)) << err.message;
  AcDbLayerTable* layers = nullptr;
  db.getLayerTable(layers);
  EXPECT_TRUE(layers->has(u"bad\uFFFD\uFFFD"));
  layers->close();
}

TEST(MalformedDxf, OverlongNamesAreKeptWhole) {
  std::string name(5000, 'N');
  std::string text = entities("0\nLINE\n8\n" + name + "\n");
  AcDbDatabase db(false);
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxfFromMemory(text.data(), text.size(), db, err)) << err.message;
  AcDbLayerTable* layers = nullptr;
  db.getLayerTable(layers);
  EXPECT_TRUE(layers->has(std::u16string(5000, u'N').c_str()));
  layers->close();
}

}  // namespace
