// Windows' ternary raster operations: the ROP code's index byte is the truth table of pattern, source and
// destination bits (P = 0xF0, S = 0xCC, D = 0xAA).
#pragma once
#include <cstdint>

#include "windef.h"

namespace win32 {

inline uint32_t ApplyRop3(DWORD rop, uint32_t pattern, uint32_t source, uint32_t destination) {
  unsigned table = (rop >> 16) & 0xFF;
  uint32_t result = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!((table >> i) & 1)) continue;
    uint32_t term = (i & 4 ? pattern : ~pattern) & (i & 2 ? source : ~source) & (i & 1 ? destination : ~destination);
    result |= term;
  }
  return result & 0xFFFFFF;
}

inline bool RopUsesSource(DWORD rop) { return (((rop >> 2) ^ rop) & 0x330000) != 0; }
inline bool RopUsesPattern(DWORD rop) { return (((rop >> 4) ^ rop) & 0x0F0000) != 0; }

}  // namespace win32
