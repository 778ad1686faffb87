// A memory DC over a 32-bit top-down DIB section whose pixels the tests read directly.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

class TestCanvas {
 public:
  TestCanvas(int width, int height, COLORREF background) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<uint32_t*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_previous = SelectObject(m_dc, m_bitmap);
    uint32_t pixel = GetRValue(background) << 16 | GetGValue(background) << 8 | GetBValue(background);
    for (int i = 0; i < width * height; ++i) m_bits[i] = pixel;
  }
  ~TestCanvas() {
    SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
  }
  TestCanvas(const TestCanvas&) = delete;
  TestCanvas& operator=(const TestCanvas&) = delete;

  HDC Dc() const { return m_dc; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  uint32_t Raw(int x, int y) const {
    GdiFlush();
    return m_bits[y * m_width + x];
  }
  COLORREF Pixel(int x, int y) const {
    uint32_t p = Raw(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  std::vector<uint32_t> Snapshot() const {
    GdiFlush();
    return std::vector<uint32_t>(m_bits, m_bits + m_width * m_height);
  }
  // The sum of the three channels: a pixel's brightness for comparisons.
  int Brightness(int x, int y) const {
    COLORREF c = Pixel(x, y);
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
  }

 private:
  int m_width, m_height;
  HBITMAP m_bitmap = nullptr;
  uint32_t* m_bits = nullptr;
  HDC m_dc = nullptr;
  HGDIOBJ m_previous = nullptr;
};
