#include <gtest/gtest.h>

#include <climits>

#include "image_bytes.h"
#include "image_format/image_decode.h"

using namespace image_test;
using win32::DecodeBmpFile;
using win32::DecodedImage;
using win32::DecodePackedDib;

namespace {

std::optional<DecodedImage> decode(const Bytes& dib) { return DecodePackedDib(dib.bytes().data(), dib.size()); }

uint32_t at(const DecodedImage& image, int x, int y) { return image.argb[static_cast<size_t>(y) * image.width + x]; }

// 3x2, 24 bits: each 9-byte row padded to 12; the bottom row (red, green, blue) comes first.
Bytes rows3x2() {
  Bytes bits;
  bits.u8({0, 0, 255, 0, 255, 0, 255, 0, 0}).zeros(3);
  bits.u8({1, 2, 3, 4, 5, 6, 7, 8, 9}).zeros(3);
  return bits;
}

Bytes bmpFile(const Bytes& dib, uint32_t offBits) {
  Bytes file;
  file.u8({'B', 'M'}).u32(14 + static_cast<uint32_t>(dib.size())).u16(0).u16(0).u32(offBits);
  return file.append(dib.bytes());
}

}  // namespace

TEST(DecodeBmpFile, BottomUpRowsWithPadding) {
  Bytes dib = InfoHeader(3, 2, 24).append(rows3x2().bytes());
  auto image = DecodeBmpFile(bmpFile(dib, 54).bytes().data(), 14 + dib.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(image->bitsPerPixel, 24);
  EXPECT_FALSE(image->hasAlpha);
  EXPECT_EQ(at(*image, 0, 0), 0xff030201u);
  EXPECT_EQ(at(*image, 2, 0), 0xff090807u);
  EXPECT_EQ(at(*image, 0, 1), 0xffff0000u);
  EXPECT_EQ(at(*image, 1, 1), 0xff00ff00u);
  EXPECT_EQ(at(*image, 2, 1), 0xff0000ffu);
}

TEST(DecodeBmpFile, OffBitsSaysWhereTheBitsStart) {
  Bytes dib = InfoHeader(3, 2, 24).zeros(6).append(rows3x2().bytes());
  Bytes file = bmpFile(dib, 60);
  auto image = DecodeBmpFile(file.bytes().data(), file.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 1), 0xffff0000u);
  EXPECT_FALSE(DecodeBmpFile(bmpFile(dib, 64).bytes().data(), file.size()));  // the last row cut short
  EXPECT_FALSE(DecodeBmpFile(bmpFile(dib, 5000).bytes().data(), file.size()));
  std::vector<uint8_t> notBm = file.bytes();
  notBm[1] = 'A';
  EXPECT_FALSE(DecodeBmpFile(notBm.data(), notBm.size()));
}

TEST(DecodePackedDib, TopDownWhenHeightIsNegative) {
  auto image = decode(InfoHeader(3, -2, 24).append(rows3x2().bytes()));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(at(*image, 0, 0), 0xffff0000u);
  EXPECT_EQ(at(*image, 2, 1), 0xff090807u);
}

TEST(DecodePackedDib, OneBitIndexesTwoColoursHighBitFirst) {
  // 10 pixels need 2 bytes, padded to 4; palette: 0 red, 1 blue.
  auto image = decode(InfoHeader(10, 1, 1).rgbQuads({0xff0000, 0x0000ff}).u8({0xa0, 0x40, 0xee, 0xee}));
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xff0000ffu);
  EXPECT_EQ(at(*image, 1, 0), 0xffff0000u);
  EXPECT_EQ(at(*image, 2, 0), 0xff0000ffu);
  EXPECT_EQ(at(*image, 8, 0), 0xffff0000u);
  EXPECT_EQ(at(*image, 9, 0), 0xff0000ffu);
}

TEST(DecodePackedDib, ColourTableSize) {
  // biClrUsed 0: 2^4 entries; the bits follow all sixteen.
  Bytes full = InfoHeader(2, 1, 4);
  for (uint32_t i = 0; i < 16; ++i) full.rgbQuads({i * 0x10101});
  auto image = decode(full.u8({0x3f, 0, 0, 0}));
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xff030303u);
  EXPECT_EQ(at(*image, 1, 0), 0xff0f0f0fu);
  // biClrUsed 2: the bits follow two entries; an index past them is black.
  image = decode(InfoHeader(3, 1, 8, kBiRgb, 2).rgbQuads({0x112233, 0x445566}).u8({1, 0, 7, 0}));
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xff445566u);
  EXPECT_EQ(at(*image, 1, 0), 0xff112233u);
  EXPECT_EQ(at(*image, 2, 0), 0xff000000u);
}

TEST(DecodePackedDib, CoreHeaderHasWordSizesAndTripleColours) {
  Bytes core;
  core.u32(12).u16(2).u16(2).u16(1).u16(1).u8({0x33, 0x22, 0x11, 0x66, 0x55, 0x44});
  core.u8({0x40, 0, 0, 0, 0x80, 0, 0, 0});
  auto image = decode(core);
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xff445566u);
  EXPECT_EQ(at(*image, 1, 0), 0xff112233u);
  EXPECT_EQ(at(*image, 0, 1), 0xff112233u);
  EXPECT_EQ(at(*image, 1, 1), 0xff445566u);
}

TEST(DecodePackedDib, SixteenBits555And565) {
  auto image = decode(InfoHeader(4, 1, 16).u16(0x7c00).u16(0x03e0).u16(0x001f).u16(0x4210));
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xffff0000u);
  EXPECT_EQ(at(*image, 1, 0), 0xff00ff00u);
  EXPECT_EQ(at(*image, 2, 0), 0xff0000ffu);
  EXPECT_EQ(at(*image, 3, 0), 0xff848484u);  // 5 bits widened by repeating them
  Bytes bits565 = InfoHeader(3, 1, 16, kBiBitfields).u32(0xf800).u32(0x07e0).u32(0x001f);
  image = decode(bits565.u16(0xf800).u16(0x07e0).u16(0x0400).zeros(2));
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xffff0000u);
  EXPECT_EQ(at(*image, 1, 0), 0xff00ff00u);
  EXPECT_EQ(at(*image, 2, 0), 0xff008200u);
  EXPECT_FALSE(image->hasAlpha);
}

TEST(DecodePackedDib, ThirtyTwoBitsAlphaOnlyWhenSomePixelHasIt) {
  auto image = decode(InfoHeader(2, 1, 32).u8({1, 2, 3, 0, 4, 5, 6, 0}));
  ASSERT_TRUE(image);
  EXPECT_FALSE(image->hasAlpha);
  EXPECT_EQ(at(*image, 0, 0), 0xff030201u);
  EXPECT_EQ(at(*image, 1, 0), 0xff060504u);
  image = decode(InfoHeader(2, 1, 32).u8({1, 2, 3, 0, 4, 5, 6, 0x80}));
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->hasAlpha);
  EXPECT_EQ(at(*image, 0, 0), 0x00030201u);
  EXPECT_EQ(at(*image, 1, 0), 0x80060504u);
}

TEST(DecodePackedDib, V4AndV5HeadersHoldTheMasks) {
  // V4: masks (blue in the high byte here) and the alpha mask inside the header.
  Bytes v4 = InfoHeader(1, 1, 32, kBiBitfields, 0, 108);
  v4.u32(0x0000ff00).u32(0x00ff0000).u32(0xff000000).u32(0x000000ff).zeros(108 - 56);
  auto image = decode(v4.u8({0x7f, 0x11, 0x22, 0x33}));
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->hasAlpha);
  EXPECT_EQ(at(*image, 0, 0), 0x7f112233u);
  // V5 with BI_RGB: its mask fields do not apply, and the colour table follows the 124 bytes.
  Bytes v5 = InfoHeader(1, 1, 8, kBiRgb, 1, 124);
  v5.u32(0xff).u32(0xff).u32(0xff).u32(0).zeros(124 - 56);
  image = decode(v5.rgbQuads({0xabcdef}).u8({0, 0, 0, 0}));
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 0), 0xffabcdefu);
}

TEST(DecodePackedDib, Rle8RunsAbsoluteRunsAndEscapes) {
  // 4x3; palette 0 grey, 1 red, 2 green, 3 blue. Skipped pixels stay black.
  Bytes rle = InfoHeader(4, 3, 8, kBiRle8, 4).rgbQuads({0x0a0a0a, 0xff0000, 0x00ff00, 0x0000ff});
  rle.u8({3, 1, 0, 0});           // bottom row: three red; end of line
  rle.u8({0, 3, 2, 3, 2, 0});     // absolute green, blue, green, padded to a WORD
  rle.u8({0, 2, 0, 1, 1, 3});     // delta up one row, then one blue
  rle.u8({0, 1, 9, 9});           // end of bitmap: what follows is ignored
  auto image = decode(rle);
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, 0, 2), 0xffff0000u);
  EXPECT_EQ(at(*image, 2, 2), 0xffff0000u);
  EXPECT_EQ(at(*image, 3, 2), 0xff000000u);
  EXPECT_EQ(at(*image, 0, 1), 0xff00ff00u);
  EXPECT_EQ(at(*image, 1, 1), 0xff0000ffu);
  EXPECT_EQ(at(*image, 2, 1), 0xff00ff00u);
  EXPECT_EQ(at(*image, 0, 0), 0xff000000u);
  EXPECT_EQ(at(*image, 3, 0), 0xff0000ffu);
}

TEST(DecodePackedDib, Rle4AlternatesNibbles) {
  Bytes rle = InfoHeader(9, 1, 4, kBiRle4, 6).rgbQuads({0, 0x010101, 0x020202, 0x030303, 0x040404, 0x050505});
  rle.u8({5, 0x12, 0, 3, 0x34, 0x50, 3, 0x55, 0, 1});  // the last run is cut at the row's end
  auto image = decode(rle);
  ASSERT_TRUE(image);
  const uint32_t expected[] = {1, 2, 1, 2, 1, 3, 4, 5, 5};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(at(*image, x, 0), 0xff000000u | expected[x] * 0x010101) << x;
}

TEST(DecodePackedDib, TruncatedDataFails) {
  Bytes dib = InfoHeader(3, 2, 24).append(rows3x2().bytes());
  for (size_t size = 0; size < dib.size() - 3; ++size) EXPECT_FALSE(DecodePackedDib(dib.bytes().data(), size)) << size;
  EXPECT_TRUE(DecodePackedDib(dib.bytes().data(), dib.size() - 3));  // only the last row's padding missing
  Bytes palette = InfoHeader(1, 1, 8).rgbQuads({1, 2, 3});
  EXPECT_FALSE(decode(palette.zeros(4)));  // 256 entries promised, 4 given
}

TEST(DecodePackedDib, BadHeadersFail) {
  Bytes bits;
  bits.zeros(64);
  EXPECT_FALSE(decode(InfoHeader(0, 1, 24).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(-1, 1, 24).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(1, 0, 24).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(1, INT_MIN, 24).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(16385, 1, 1).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(1, 7, 7).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(1, 1, 24, 4).append(bits.bytes())));               // BI_JPEG
  EXPECT_FALSE(decode(InfoHeader(1, 1, 24, kBiBitfields).append(bits.bytes())));    // bit fields need 16 or 32
  EXPECT_FALSE(decode(InfoHeader(1, 1, 8, kBiRle4).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(1, -1, 8, kBiRle8, 1).append(bits.bytes())));      // RLE is bottom-up only
  EXPECT_FALSE(decode(InfoHeader(1, 1, 8, kBiRgb, 0x40000000).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(1, 1, 24, kBiRgb, 0, 20).append(bits.bytes())));
}

TEST(DecodePackedDib, AbsurdSizesFailWithoutAllocating) {
  Bytes bits;
  bits.zeros(64);
  EXPECT_FALSE(decode(InfoHeader(16384, 16384, 1).append(bits.bytes())));
  EXPECT_FALSE(decode(InfoHeader(16384, 16384, 8, kBiRle8, 1).rgbQuads({0}).u8({0, 1})));
}
