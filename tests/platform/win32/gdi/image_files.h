// Small .bmp and .ico files written by the image tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace gditest {

// A 32-bit bottom-up .bmp of the given top-down 0xAARRGGBB pixels.
std::vector<uint8_t> BmpFile(int width, int height, const std::vector<uint32_t>& pixels);
// An .ico (or .cur with the hot spot) holding one 32-bit image of the top-down pixels, with its AND mask.
std::vector<uint8_t> IconFile(int size, const std::vector<uint32_t>& pixels, bool cursor = false, int hotX = 0,
                              int hotY = 0);
// Writes the bytes to a file in a fresh temporary folder and gives its path.
std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace gditest
