// Reading and writing the rows of a packed DIB (BI_RGB at 1, 4, 8, 24 or 32 bits; BI_BITFIELDS at 32) as pixels.
#pragma once
#include <cstdint>

#include "wingdi.h"

namespace win32 {

bool DibFormatSupported(const BITMAPINFOHEADER& header);
int DibStride(int width, int bitsPerPixel);
// Pixel x of scan line `scan` (0 is the bottom row of a bottom-up DIB, as the DIB functions count).
uint32_t ReadDibPixel(const BITMAPINFO& info, const uint8_t* bits, int x, int scan);
void WriteDibPixel(const BITMAPINFO& info, uint8_t* bits, int x, int scan, uint32_t pixel);

}  // namespace win32
