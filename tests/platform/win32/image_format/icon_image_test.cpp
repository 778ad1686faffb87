#include <gtest/gtest.h>

#include "image_bytes.h"
#include "image_format/image_decode.h"

using namespace image_test;
using win32::DecodedIcon;
using win32::DecodeIconImage;

namespace {

std::optional<DecodedIcon> decode(const Bytes& image, bool cursor = false) {
  return DecodeIconImage(image.bytes().data(), image.size(), cursor);
}

uint32_t at(const DecodedIcon& icon, int x, int y) { return icon.image.argb[static_cast<size_t>(y) * icon.image.width + x]; }

// 16x16, 1 bit, black and white: the top row white. Mask: the left column and the bottom row transparent.
// Both are stored bottom-up, rows padded to 4 bytes.
Bytes icon16(bool withMask = true) {
  Bytes b = InfoHeader(16, 32, 1).rgbQuads({0x000000, 0xffffff});
  for (int row = 0; row < 16; ++row) b.u8({row == 15 ? 0xff : 0, row == 15 ? 0xff : 0, 0, 0});
  if (withMask)
    for (int row = 0; row < 16; ++row) b.u8({row == 0 ? 0xff : 0x80, row == 0 ? 0xff : 0, 0, 0});
  return b;
}

}  // namespace

TEST(DecodeIconImage, XorImageAndMaskOfHalfTheHeight) {
  auto icon = decode(icon16());
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->image.width, 16);
  EXPECT_EQ(icon->image.height, 16);
  EXPECT_EQ(icon->image.bitsPerPixel, 1);
  EXPECT_TRUE(icon->image.hasAlpha);
  EXPECT_EQ(at(*icon, 0, 0), 0u);
  EXPECT_EQ(at(*icon, 1, 0), 0xffffffffu);
  EXPECT_EQ(at(*icon, 15, 0), 0xffffffffu);
  EXPECT_EQ(at(*icon, 1, 1), 0xff000000u);
  EXPECT_EQ(at(*icon, 0, 7), 0u);
  EXPECT_EQ(at(*icon, 8, 15), 0u);
  EXPECT_EQ(icon->hotX, 0);
  EXPECT_EQ(icon->hotY, 0);
}

TEST(DecodeIconImage, CursorResourceStartsWithTheHotSpot) {
  auto cursor = decode(Bytes().u16(5).u16(7).append(icon16().bytes()), true);
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->hotX, 5);
  EXPECT_EQ(cursor->hotY, 7);
  EXPECT_EQ(at(*cursor, 1, 0), 0xffffffffu);
  EXPECT_FALSE(decode(Bytes().u16(5).u8({7}), true));
  EXPECT_FALSE(decode(icon16(), true));  // read as a cursor, the header is off by four bytes
}

TEST(DecodeIconImage, ThirtyTwoBitsWithAlphaIgnoreTheMask) {
  Bytes image = InfoHeader(2, 4, 32).u8({1, 2, 3, 0x80, 4, 5, 6, 0xff, 7, 8, 9, 0, 10, 11, 12, 0x10});
  image.u8({0xc0, 0, 0, 0, 0xc0, 0, 0, 0});
  auto icon = decode(image);
  ASSERT_TRUE(icon);
  EXPECT_TRUE(icon->image.hasAlpha);
  EXPECT_EQ(at(*icon, 0, 1), 0x80030201u);
  EXPECT_EQ(at(*icon, 1, 1), 0xff060504u);
  EXPECT_EQ(at(*icon, 0, 0), 0x00090807u);
  EXPECT_EQ(at(*icon, 1, 0), 0x100c0b0au);
}

TEST(DecodeIconImage, ThirtyTwoBitsWithoutAlphaUseTheMask) {
  Bytes image = InfoHeader(2, 4, 32).u8({1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0});
  image.u8({0x80, 0, 0, 0, 0x40, 0, 0, 0});
  auto icon = decode(image);
  ASSERT_TRUE(icon);
  EXPECT_EQ(at(*icon, 0, 1), 0u);
  EXPECT_EQ(at(*icon, 1, 1), 0xff060504u);
  EXPECT_EQ(at(*icon, 0, 0), 0xff090807u);
  EXPECT_EQ(at(*icon, 1, 0), 0u);
}

TEST(DecodeIconImage, DamagedOrUnsupportedImagesFail) {
  Bytes noMask = icon16(false);
  EXPECT_FALSE(decode(noMask));
  Bytes full = icon16();
  EXPECT_FALSE(DecodeIconImage(full.bytes().data(), full.size() - 1, false));
  EXPECT_FALSE(DecodeIconImage(full.bytes().data(), 0, false));
  EXPECT_FALSE(decode(InfoHeader(16, 1, 1).rgbQuads({0, 0xffffff}).zeros(64)));  // height 1: no rows once halved
  EXPECT_FALSE(decode(InfoHeader(2, 4, 8, kBiRle8, 1).rgbQuads({0}).u8({2, 0, 0, 1}).zeros(16)));
  Bytes png;
  png.u8({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}).zeros(64);
  EXPECT_FALSE(decode(png));  // a PNG signature on no PNG
}
