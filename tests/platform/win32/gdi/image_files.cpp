#include "image_files.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace gditest {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

void infoHeader(std::vector<uint8_t>& out, int width, int height, int imageBytes) {
  put32(out, 40);
  put32(out, width);
  put32(out, height);
  put16(out, 1);
  put16(out, 32);
  put32(out, 0);
  put32(out, imageBytes);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
}

}  // namespace

std::vector<uint8_t> BmpFile(int width, int height, const std::vector<uint32_t>& pixels) {
  std::vector<uint8_t> out;
  int imageBytes = width * height * 4;
  out.push_back('B');
  out.push_back('M');
  put32(out, 14 + 40 + imageBytes);
  put32(out, 0);
  put32(out, 14 + 40);
  infoHeader(out, width, height, imageBytes);
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) put32(out, pixels[y * width + x]);
  return out;
}

std::vector<uint8_t> IconFile(int size, const std::vector<uint32_t>& pixels, bool cursor, int hotX, int hotY) {
  int maskStride = (size + 31) / 32 * 4;
  int imageBytes = 40 + size * size * 4 + maskStride * size;
  std::vector<uint8_t> out;
  put16(out, 0);
  put16(out, cursor ? 2 : 1);
  put16(out, 1);
  out.push_back(static_cast<uint8_t>(size));
  out.push_back(static_cast<uint8_t>(size));
  out.push_back(0);
  out.push_back(0);
  put16(out, cursor ? hotX : 1);
  put16(out, cursor ? hotY : 32);
  put32(out, imageBytes);
  put32(out, 6 + 16);
  infoHeader(out, size, size * 2, 0);
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) put32(out, pixels[y * size + x]);
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < size; ++x)
      if ((pixels[y * size + x] >> 24) == 0) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  char folder[] = "/tmp/gdi_test_XXXXXX";
  std::string path = std::string(mkdtemp(folder)) + "/" + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return path;
}

}  // namespace gditest
