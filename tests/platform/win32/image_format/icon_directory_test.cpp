#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "image_bytes.h"
#include "image_format/image_decode.h"

using namespace image_test;
using win32::DecodeIconFile;
using win32::IconDirectoryEntry;
using win32::PickIconFileEntry;
using win32::PickIconGroupEntry;

namespace {

struct FileEntry {
  int width, height, colours, planes, bitCount;
  std::vector<uint8_t> image;
};

// An ICONDIR (type 1) or cursor directory (type 2) with its images after the entries.
Bytes iconFile(int type, const std::vector<FileEntry>& entries) {
  Bytes b;
  b.u16(0).u16(type).u16(static_cast<uint32_t>(entries.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(entries.size());
  for (const FileEntry& e : entries) {
    b.u8({e.width, e.height, e.colours, 0}).u16(e.planes).u16(e.bitCount).u32(static_cast<uint32_t>(e.image.size())).u32(offset);
    offset += static_cast<uint32_t>(e.image.size());
  }
  for (const FileEntry& e : entries) b.append(e.image);
  return b;
}

std::optional<IconDirectoryEntry> pick(const Bytes& file, int cx, int cy) {
  return PickIconFileEntry(file.bytes().data(), file.size(), cx, cy);
}

std::optional<IconDirectoryEntry> pickGroup(const Bytes& group, int cx, int cy) {
  return PickIconGroupEntry(group.bytes().data(), group.size(), cx, cy);
}

std::vector<uint8_t> readData(const char* name) {
  std::ifstream in(std::string(QV_TEST_SOURCE_DIR) + "/image_format/data/" + name, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::vector<uint8_t> kDummy(8, 0);

}  // namespace

TEST(PickIconFileEntry, ClosestSizeThenDeepestColour) {
  Bytes file = iconFile(1, {{16, 16, 16, 1, 4, kDummy}, {32, 32, 16, 1, 4, kDummy}, {32, 32, 0, 1, 32, kDummy},
                            {48, 48, 0, 1, 8, kDummy}, {0, 0, 0, 1, 32, kDummy}});
  auto entry = pick(file, 0, 0);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->width, 32);
  EXPECT_EQ(entry->bitCount, 32);
  EXPECT_EQ(entry->offsetOrId, 6u + 16 * 5 + 16);
  EXPECT_EQ(entry->bytes, 8u);
  EXPECT_EQ(pick(file, 16, 16)->width, 16);
  EXPECT_EQ(pick(file, 20, 20)->width, 16);
  EXPECT_EQ(pick(file, 44, 44)->width, 48);
  EXPECT_EQ(pick(file, 256, 256)->width, 256);
  EXPECT_EQ(pick(file, 256, 256)->height, 256);
  EXPECT_EQ(pick(file, 0, 48)->width, 32);  // 0 by 48 is 32 by 48: 16 off either way, the first nearest wins
}

TEST(PickIconFileEntry, CursorEntriesHoldTheHotSpot) {
  std::vector<uint8_t> image = InfoHeader(16, 32, 4).bytes();
  Bytes file = iconFile(2, {{16, 16, 16, 3, 9, image}});
  auto entry = pick(file, 0, 0);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->hotX, 3);
  EXPECT_EQ(entry->hotY, 9);
  EXPECT_EQ(entry->bitCount, 4);  // from the image's header
}

TEST(PickIconFileEntry, IconEntriesWithoutDepthTakeTheImages) {
  Bytes png;
  png.u8({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}).u32(0).u8({'I', 'H', 'D', 'R'}).u32(0).u32(0).u8({8, 6});
  Bytes file = iconFile(1, {{32, 32, 0, 0, 0, InfoHeader(32, 64, 8).bytes()}, {32, 32, 0, 0, 0, png.bytes()}});
  EXPECT_EQ(pick(file, 32, 32)->bitCount, 32);
  EXPECT_EQ(pick(file, 32, 32)->offsetOrId, 6u + 32 + 40);
}

TEST(PickIconFileEntry, DamagedDirectoriesFail) {
  Bytes good = iconFile(1, {{16, 16, 0, 1, 8, kDummy}});
  for (size_t size = 0; size < good.size(); ++size) EXPECT_FALSE(PickIconFileEntry(good.bytes().data(), size, 0, 0)) << size;
  Bytes reserved = Bytes().u16(1).u16(1).u16(0);
  EXPECT_FALSE(pick(reserved, 0, 0));
  EXPECT_FALSE(pick(iconFile(3, {{16, 16, 0, 1, 8, kDummy}}), 0, 0));
  EXPECT_FALSE(pick(iconFile(1, {}), 0, 0));
  Bytes tooMany = Bytes().u16(0).u16(1).u16(2).append(std::vector<uint8_t>(good.bytes().begin() + 6, good.bytes().end()));
  EXPECT_FALSE(pick(tooMany, 0, 0));
  // An entry whose image lies past the end is passed over.
  Bytes pastEnd = iconFile(1, {{32, 32, 0, 1, 32, kDummy}, {16, 16, 0, 1, 8, kDummy}});
  std::vector<uint8_t> bytes = pastEnd.bytes();
  bytes[6 + 12] = 0xff;
  auto entry = PickIconFileEntry(bytes.data(), bytes.size(), 32, 32);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->width, 16);
}

TEST(PickIconGroupEntry, IconGroupEntriesAreFourteenBytesWithAnId) {
  Bytes group;
  group.u16(0).u16(1).u16(3);
  group.u8({16, 16, 0, 0}).u16(1).u16(8).u32(100).u16(7);
  group.u8({32, 32, 16, 0}).u16(1).u16(0).u32(200).u16(8);  // no depth: 16 colours are 4 bits
  group.u8({32, 32, 0, 0}).u16(1).u16(8).u32(300).u16(9);
  auto entry = pickGroup(group, 0, 0);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->offsetOrId, 9u);
  EXPECT_EQ(entry->bitCount, 8);
  EXPECT_EQ(entry->bytes, 300u);
  EXPECT_EQ(pickGroup(group, 16, 16)->offsetOrId, 7u);
  EXPECT_FALSE(PickIconGroupEntry(group.bytes().data(), group.size() - 1, 0, 0));
}

TEST(PickIconGroupEntry, CursorGroupEntriesHaveWordSizesWithDoubledHeight) {
  Bytes group;
  group.u16(0).u16(2).u16(2);
  group.u16(32).u16(64).u16(1).u16(1).u32(308).u16(1);
  group.u16(300).u16(600).u16(1).u16(32).u32(9000).u16(2);
  auto entry = pickGroup(group, 0, 0);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->width, 32);
  EXPECT_EQ(entry->height, 32);
  EXPECT_EQ(entry->offsetOrId, 1u);
  EXPECT_EQ(pickGroup(group, 300, 300)->height, 300);
}

TEST(DecodeIconFile, IconFileOfTwoSizes) {
  std::vector<uint8_t> file = readData("two_sizes.ico");
  auto small = DecodeIconFile(file.data(), file.size(), 16, 16);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->image.width, 16);
  EXPECT_EQ(small->image.bitsPerPixel, 4);
  EXPECT_EQ(small->image.argb[0], 0u);                // the top-left 4x4 are masked out
  EXPECT_EQ(small->image.argb[4], 0xff40bf04u);       // index 4: red 0x40, green 0xbf, blue 4
  EXPECT_EQ(small->image.argb[16 * 5 + 3], 0xff807f08u);  // (3, 5): index 8
  auto large = DecodeIconFile(file.data(), file.size(), 0, 0);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->image.width, 32);
  EXPECT_EQ(large->image.argb[5], 0x40280080u);       // top row: alpha 0x40, the mask ignored
  EXPECT_EQ(large->image.argb[32 * 2 + 1], 0xff081080u);
}

TEST(DecodeIconFile, CursorFileKeepsTheHotSpot) {
  std::vector<uint8_t> file = readData("diagonal.cur");
  auto cursor = DecodeIconFile(file.data(), file.size(), 0, 0);
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->hotX, 2);
  EXPECT_EQ(cursor->hotY, 3);
  EXPECT_EQ(cursor->image.width, 16);
  EXPECT_EQ(cursor->image.argb[16 * 4 + 4], 0xffffffffu);
  EXPECT_EQ(cursor->image.argb[16 * 4 + 3], 0xff000000u);
  EXPECT_EQ(cursor->image.argb[16 * 4 + 5], 0u);
  for (size_t size = 0; size < file.size(); ++size) EXPECT_FALSE(DecodeIconFile(file.data(), size, 0, 0)) << size;
}

TEST(DecodeIconFile, PngImagesKeepTheirAlpha) {
  std::vector<uint8_t> file = readData("png_image.ico");
  auto icon = DecodeIconFile(file.data(), file.size(), 0, 0);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->image.width, 3);
  EXPECT_EQ(icon->image.height, 2);
  EXPECT_EQ(icon->image.bitsPerPixel, 32);
  EXPECT_TRUE(icon->image.hasAlpha);
  EXPECT_EQ(icon->image.argb[0], 0xffff0000u);
  EXPECT_EQ(icon->image.argb[1], 0x8000ff00u);
  EXPECT_EQ(icon->image.argb[2], 0x000000ffu);
  EXPECT_EQ(icon->image.argb[3], 0xffffffffu);
  EXPECT_EQ(icon->image.argb[5], 0x40808080u);
  const uint8_t* png = file.data() + 22;
  const size_t withoutEnd = file.size() - 22 - 12;  // the IEND chunk may be missing, the pixels may not
  for (size_t size = 0; size < withoutEnd; ++size) EXPECT_FALSE(win32::DecodeIconImage(png, size, false)) << size;
  EXPECT_TRUE(win32::DecodeIconImage(png, withoutEnd, false));
}

TEST(DecodeIconImage, PngLargerThanAnIconCanBeFails) {
  std::vector<uint8_t> png = readData("too_wide.png");  // 300 by 1
  ASSERT_FALSE(png.empty());
  EXPECT_FALSE(win32::DecodeIconImage(png.data(), png.size(), false));
}
