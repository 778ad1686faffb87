#include "gdi/dib_rows.h"

#include <cstdlib>

namespace win32 {

bool DibFormatSupported(const BITMAPINFOHEADER& h) {
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biPlanes != 1) return false;
  switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
      return h.biCompression == BI_RGB;
    case 32:
      return h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS;
    default:
      return false;
  }
}

int DibStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

namespace {

const uint8_t* rowOf(const BITMAPINFO& info, const uint8_t* bits, int scan) {
  return bits + static_cast<size_t>(scan) * DibStride(info.bmiHeader.biWidth, info.bmiHeader.biBitCount);
}

uint32_t paletteColor(const BITMAPINFO& info, int index) {
  const RGBQUAD* colors = info.bmiColors;  // the table runs past the declared single entry
  const RGBQUAD& q = colors[index];
  return q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue;
}

int paletteIndex(const BITMAPINFO& info, uint32_t pixel) {
  int colours = info.bmiHeader.biClrUsed ? static_cast<int>(info.bmiHeader.biClrUsed) : 1 << info.bmiHeader.biBitCount;
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < colours; ++i) {
    uint32_t c = paletteColor(info, i);
    long dr = long((c >> 16) & 0xFF) - long((pixel >> 16) & 0xFF), dg = long((c >> 8) & 0xFF) - long((pixel >> 8) & 0xFF),
         db = long(c & 0xFF) - long(pixel & 0xFF);
    long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

uint32_t ReadDibPixel(const BITMAPINFO& info, const uint8_t* bits, int x, int scan) {
  const uint8_t* row = rowOf(info, bits, scan);
  switch (info.bmiHeader.biBitCount) {
    case 1:
      return paletteColor(info, (row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return paletteColor(info, (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
      return paletteColor(info, row[x]);
    case 24:
      return row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
    default: {
      const uint8_t* p = row + 4 * x;
      return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24);
    }
  }
}

void WriteDibPixel(const BITMAPINFO& info, uint8_t* bits, int x, int scan, uint32_t pixel) {
  uint8_t* row = const_cast<uint8_t*>(rowOf(info, bits, scan));
  switch (info.bmiHeader.biBitCount) {
    case 1: {
      int bit = paletteIndex(info, pixel);
      row[x / 8] = static_cast<uint8_t>((row[x / 8] & ~(0x80 >> (x % 8))) | (bit << (7 - x % 8)));
      return;
    }
    case 4: {
      int index = paletteIndex(info, pixel);
      row[x / 2] = static_cast<uint8_t>(x % 2 ? (row[x / 2] & 0xF0) | index : (row[x / 2] & 0x0F) | index << 4);
      return;
    }
    case 8:
      row[x] = static_cast<uint8_t>(paletteIndex(info, pixel));
      return;
    case 24:
      row[3 * x] = pixel & 0xFF;
      row[3 * x + 1] = (pixel >> 8) & 0xFF;
      row[3 * x + 2] = (pixel >> 16) & 0xFF;
      return;
    default: {
      uint8_t* p = row + 4 * x;
      p[0] = pixel & 0xFF;
      p[1] = (pixel >> 8) & 0xFF;
      p[2] = (pixel >> 16) & 0xFF;
      p[3] = 0;
      return;
    }
  }
}

}  // namespace win32
