#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "image_format/image_decode.h"
#include "rc_lexer.h"
#include "rc_parser.h"
#include "resource_format.h"
#include "resource_writer.h"
#include "version_block.h"

namespace fs = std::filesystem;

namespace {

// Writes the script (and a header it may include) to a fresh folder and parses it.
class RcParserTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("rc_parser_test_" + std::to_string(getpid()));
    fs::create_directories(dir_);
    std::ofstream(dir_ / "ids.h") << "#pragma once\n#define IDS_A 15\n#define IDS_B \\\n  (IDS_A + 1)\n";
    std::ofstream(dir_ / "data.bin") << "0123";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::vector<Resource> parse(const std::string& script) {
    std::ofstream(dir_ / "test.rc") << script;
    RcLexer lexer(dir_ / "test.rc", {});
    RcParser parser(lexer);
    return parser.parse();
  }

  static const Resource* find(const std::vector<Resource>& resources, uint32_t type, uint32_t name, uint16_t language) {
    for (const Resource& r : resources)
      if (r.type.id == type && r.name.id == name && r.language == language) return &r;
    return nullptr;
  }

  // The string at slot of a string-table block, by walking the length-prefixed entries.
  static std::u16string slot(const Resource& block, int index) {
    size_t at = 0;
    for (int i = 0;; ++i) {
      uint16_t length = static_cast<uint16_t>(block.data[at] | (block.data[at + 1] << 8));
      if (i == index) {
        std::u16string text;
        for (uint16_t k = 0; k < length; ++k)
          text.push_back(static_cast<char16_t>(block.data[at + 2 + 2 * k] | (block.data[at + 3 + 2 * k] << 8)));
        return text;
      }
      at += 2 + 2 * length;
    }
  }

  fs::path dir_;
};

}  // namespace

TEST_F(RcParserTest, StringTableBlocksOfSixteen) {
  auto resources = parse("#include \"ids.h\"\nSTRINGTABLE BEGIN IDS_A \"fifteen\" IDS_B \"sixteen\" 0 \"zero\" END\n");
  const Resource* first = find(resources, 6, 1, 0);
  const Resource* second = find(resources, 6, 2, 0);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(slot(*first, 0), u"zero");
  EXPECT_EQ(slot(*first, 1), u"");
  EXPECT_EQ(slot(*first, 15), u"fifteen");
  EXPECT_EQ(slot(*second, 0), u"sixteen");
  EXPECT_EQ(first->data.size(), 2u * 16 + 2 * 4 + 2 * 7);
}

TEST_F(RcParserTest, LanguagesApplyToWhatFollows) {
  auto resources = parse(
      "1 RCDATA \"data.bin\"\n"
      "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\n"
      "2 RCDATA \"data.bin\"\n"
      "STRINGTABLE LANGUAGE 9, 1 BEGIN 1 \"en\" END\n"
      "STRINGTABLE BEGIN 1 \"zh\" END\n"
      "LANGUAGE 0x19, 0x01\n"
      "3 RCDATA \"data.bin\"\n");
  EXPECT_NE(find(resources, 10, 1, 0x0000), nullptr);
  EXPECT_NE(find(resources, 10, 2, 0x0804), nullptr);
  EXPECT_NE(find(resources, 10, 3, 0x0419), nullptr);
  ASSERT_NE(find(resources, 6, 1, 0x0409), nullptr);
  ASSERT_NE(find(resources, 6, 1, 0x0804), nullptr);
  EXPECT_EQ(slot(*find(resources, 6, 1, 0x0409), 1), u"en");
  EXPECT_EQ(slot(*find(resources, 6, 1, 0x0804), 1), u"zh");
}

TEST_F(RcParserTest, NamedTypesAndNamesAreUpperCase) {
  auto resources = parse("logo MyType MOVEABLE PURE \"data.bin\"\n\"quoted\" 300 \"data.bin\"\n");
  ASSERT_EQ(resources.size(), 2u);
  EXPECT_EQ(resources[0].name.name, u"LOGO");
  EXPECT_EQ(resources[0].type.name, u"MYTYPE");
  EXPECT_EQ(resources[0].data, (std::vector<uint8_t>{'0', '1', '2', '3'}));
  EXPECT_EQ(resources[1].name.name, u"QUOTED");
  EXPECT_EQ(resources[1].type.id, 300u);
}

TEST_F(RcParserTest, ExpressionsAndConditionals) {
  auto resources = parse(
      "#define BASE 0x10\n"
      "#define NEXT BASE + 1 | 4\n"
      "#ifndef BASE\n#error never\n#else\n"
      "STRINGTABLE BEGIN NEXT \"x\" (BASE) \"y\" ~0xFFFFFFF0 \"z\" END\n"
      "#endif\n"
      "#undef BASE\n"
      "#ifdef BASE\nbroken text\n#endif\n");
  const Resource* block = find(resources, 6, 2, 0);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(slot(*block, 0), u"y");
  EXPECT_EQ(slot(*block, 5), u"x");
  ASSERT_NE(find(resources, 6, 1, 0), nullptr);
  EXPECT_EQ(slot(*find(resources, 6, 1, 0), 15), u"z");
}

TEST_F(RcParserTest, VersionValuesOfNumbers) {
  auto resources = parse(
      "1 VERSIONINFO FILEVERSION 1,2 BEGIN BLOCK \"VarFileInfo\" BEGIN "
      "VALUE \"Translation\", 0x409, 1252 VALUE \"Wide\", 0x12345678L END END\n");
  ASSERT_EQ(resources.size(), 1u);
  const std::vector<uint8_t>& data = resources[0].data;
  ASSERT_GT(data.size(), 92u);
  EXPECT_EQ(data[0] | (data[1] << 8), static_cast<int>(data.size()));
  uint32_t fileVersionMS, fileVersionLS;
  std::memcpy(&fileVersionMS, &data[40 + 8], 4);
  std::memcpy(&fileVersionLS, &data[40 + 12], 4);
  EXPECT_EQ(fileVersionMS, 0x00010002u);
  EXPECT_EQ(fileVersionLS, 0u);
  const uint8_t translation[] = {0x09, 0x04, 0xE4, 0x04};
  EXPECT_NE(std::search(data.begin(), data.end(), std::begin(translation), std::end(translation)), data.end());
  const uint8_t wide[] = {0x78, 0x56, 0x34, 0x12};
  EXPECT_NE(std::search(data.begin(), data.end(), std::begin(wide), std::end(wide)), data.end());
}

namespace {

uint32_t word(const std::vector<uint8_t>& data, size_t at) { return data[at] | (data[at + 1] << 8); }
uint32_t dword(const std::vector<uint8_t>& data, size_t at) { return word(data, at) | (word(data, at + 2) << 16); }

std::vector<uint8_t> readImageData(const char* name) {
  std::ifstream in(std::string(QV_TEST_SOURCE_DIR) + "/image_format/data/" + name, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST_F(RcParserTest, IconFileBecomesOneResourcePerImageAndAGroup) {
  fs::copy_file(fs::path(QV_TEST_SOURCE_DIR) / "image_format/data/two_sizes.ico", dir_ / "two_sizes.ico");
  auto resources = parse("1 ICON \"two_sizes.ico\"\nApp ICON DISCARDABLE \"two_sizes.ico\"\n");
  ASSERT_EQ(resources.size(), 6u);
  std::vector<uint8_t> file = readImageData("two_sizes.ico");
  const Resource* small = find(resources, kRtIcon, 1, 0);
  ASSERT_NE(small, nullptr);
  auto firstImage = file.begin() + dword(file, 6 + 12);
  EXPECT_EQ(small->data, std::vector<uint8_t>(firstImage, firstImage + dword(file, 6 + 8)));
  EXPECT_NE(find(resources, kRtIcon, 4, 0), nullptr);

  const Resource* group = find(resources, kRtGroupIcon, 1, 0);
  ASSERT_NE(group, nullptr);
  const std::vector<uint8_t>& g = group->data;
  ASSERT_EQ(g.size(), 6u + 2 * 14);
  EXPECT_EQ(word(g, 0), 0u);
  EXPECT_EQ(word(g, 2), 1u);
  EXPECT_EQ(word(g, 4), 2u);
  EXPECT_EQ(std::vector<uint8_t>(g.begin() + 6, g.begin() + 10), (std::vector<uint8_t>{16, 16, 16, 0}));
  EXPECT_EQ(word(g, 6 + 4), 1u);                  // planes
  EXPECT_EQ(word(g, 6 + 6), 4u);                  // bit count
  EXPECT_EQ(dword(g, 6 + 8), small->data.size());
  EXPECT_EQ(word(g, 6 + 12), 1u);                 // RT_ICON id
  EXPECT_EQ(word(g, 20 + 6), 32u);
  EXPECT_EQ(word(g, 20 + 12), 2u);

  const Resource* named = nullptr;
  for (const Resource& r : resources)
    if (r.type.id == kRtGroupIcon && r.name.name == u"APP") named = &r;
  ASSERT_NE(named, nullptr);
  EXPECT_EQ(word(named->data, 6 + 12), 3u);  // numbered on across the script
  EXPECT_EQ(word(named->data, 20 + 12), 4u);

  // The decoders read what the compiler wrote.
  auto entry = win32::PickIconGroupEntry(g.data(), g.size(), 0, 0);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->offsetOrId, 2u);
  const Resource* large = find(resources, kRtIcon, entry->offsetOrId, 0);
  auto icon = win32::DecodeIconImage(large->data.data(), large->data.size(), false);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->image.width, 32);
}

TEST_F(RcParserTest, CursorFileImagesStartWithTheHotSpot) {
  fs::copy_file(fs::path(QV_TEST_SOURCE_DIR) / "image_format/data/diagonal.cur", dir_ / "diagonal.cur");
  auto resources = parse("LANGUAGE 9, 1\n5 CURSOR \"diagonal.cur\"\n6 CURSOR \"diagonal.cur\"\n");
  ASSERT_EQ(resources.size(), 4u);
  std::vector<uint8_t> file = readImageData("diagonal.cur");
  const Resource* image = find(resources, kRtCursor, 1, 0x0409);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(word(image->data, 0), 2u);
  EXPECT_EQ(word(image->data, 2), 3u);
  EXPECT_EQ(std::vector<uint8_t>(image->data.begin() + 4, image->data.end()), std::vector<uint8_t>(file.begin() + 22, file.end()));
  EXPECT_NE(find(resources, kRtCursor, 2, 0x0409), nullptr);

  const Resource* group = find(resources, kRtGroupCursor, 5, 0x0409);
  ASSERT_NE(group, nullptr);
  const std::vector<uint8_t>& g = group->data;
  ASSERT_EQ(g.size(), 6u + 14);
  EXPECT_EQ(word(g, 2), 2u);
  EXPECT_EQ(word(g, 6), 16u);      // width
  EXPECT_EQ(word(g, 8), 32u);      // height, counting the mask
  EXPECT_EQ(word(g, 10), 1u);      // planes, from the image's header
  EXPECT_EQ(word(g, 12), 1u);      // bit count, likewise
  EXPECT_EQ(dword(g, 14), image->data.size());
  EXPECT_EQ(word(g, 18), 1u);
  EXPECT_EQ(word(find(resources, kRtGroupCursor, 6, 0x0409)->data, 18), 2u);

  auto cursor = win32::DecodeIconImage(image->data.data(), image->data.size(), true);
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->hotX, 2);
  EXPECT_EQ(cursor->hotY, 3);
}

TEST(VersionBlock, ChildrenAreDwordAligned) {
  VersionInfo info;
  VersionNode block;
  block.key = u"StringFileInfo";
  block.isBlock = true;
  VersionNode table;
  table.key = u"040904b0";
  table.isBlock = true;
  VersionNode odd;
  odd.key = u"K";  // 6 + 4 bytes of header and key: the value needs padding
  odd.isText = true;
  odd.text = u"abc";
  table.children = {odd, odd};
  block.children = {table};
  info.children = {block};
  std::vector<uint8_t> data = BuildVersionBlock(info);
  size_t stringFileInfo = 92;
  EXPECT_EQ(data[stringFileInfo + 4], 1);  // wType text
  size_t tableAt = stringFileInfo + 6 + 30;  // key "StringFileInfo" and its NUL
  EXPECT_EQ(tableAt % 4, 0u);
  EXPECT_EQ(data[tableAt + 6], '0');
  size_t first = tableAt + 6 + 18;
  EXPECT_EQ(first % 4, 0u);
  EXPECT_EQ(data[first] | (data[first + 1] << 8), 6 + 4 + 2 + 8);  // header, key, padding, "abc\0"
  EXPECT_EQ(data[first + 2], 4);  // characters with the NUL
  size_t second = first + 20;
  EXPECT_EQ(data[second + 6], 'K');
  EXPECT_EQ(data.size(), second + 20);
}

TEST(ResourceWriter, BlobHeaderAndEntries) {
  Resource r;
  r.type.name = u"T";
  r.name.id = 5;
  r.language = 0x0804;
  r.data = {1, 2, 3};
  std::vector<uint8_t> blob = SerializeResources({r});
  qvres::Header header;
  std::memcpy(&header, blob.data(), sizeof header);
  EXPECT_EQ(std::memcmp(header.magic, "QVRS", 4), 0);
  EXPECT_EQ(header.entryCount, 1u);
  EXPECT_EQ(header.totalSize, blob.size());
  EXPECT_EQ(blob.size() % 8, 0u);
  qvres::Entry entry;
  std::memcpy(&entry, blob.data() + sizeof header, sizeof entry);
  EXPECT_EQ(entry.nameId, 5u);
  EXPECT_EQ(entry.nameNameOffset, 0u);
  EXPECT_NE(entry.typeNameOffset, 0u);
  EXPECT_EQ(blob[entry.typeNameOffset], 'T');
  EXPECT_EQ(entry.language, 0x0804u);
  EXPECT_EQ(entry.dataOffset % 8, 0u);
  EXPECT_EQ(entry.dataSize, 3u);
  EXPECT_EQ(blob[entry.dataOffset + 2], 3);
  std::string source = EmitResourceSource(blob, "x.rc");
  EXPECT_NE(source.find("section(\".qvrsrc\")"), std::string::npos);
  EXPECT_NE(source.find("qv_resource_data[" + std::to_string(blob.size()) + "]"), std::string::npos);
}
