// CDib: a 32-bit top-down DIB section and its transfers to and from device contexts.
#include "html/Dib.h"

#include <algorithm>

#include "html/DibSelectedBitmap.h"

namespace {

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: the first row is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

CDib::~CDib() { Destroy(); }

bool CDib::Create(int width, int height) {
  Destroy();
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info = TopDownInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return false;
  }
  m_bitmap = bitmap;
  m_pixels = static_cast<RGBQUAD*>(bits);
  m_width = width;
  m_height = height;
  FillWith(RGBQUAD{0, 0, 0, 0});
  return true;
}

bool CDib::CreateFromBitmap(HBITMAP bitmap, const RECT* part) {
  Destroy();
  BITMAP header{};
  if (!bitmap || GetObjectW(bitmap, sizeof(header), &header) != sizeof(header)) return false;
  RECT area{0, 0, header.bmWidth, header.bmHeight};
  if (part && !IntersectRect(&area, &area, part)) return false;
  if (!Create(area.right - area.left, area.bottom - area.top)) return false;
  CDibSelectedBitmap source(nullptr, bitmap);
  CDibSelectedBitmap target(nullptr, m_bitmap);
  if (!source.Dc() || !target.Dc() ||
      !BitBlt(target.Dc(), 0, 0, m_width, m_height, source.Dc(), area.left, area.top, SRCCOPY)) {
    Destroy();
    return false;
  }
  GdiFlush();
  MakeOpaque();
  return true;
}

void CDib::Destroy() {
  if (m_bitmap) DeleteObject(m_bitmap);
  m_bitmap = nullptr;
  m_pixels = nullptr;
  m_width = 0;
  m_height = 0;
}

void CDib::FillWith(RGBQUAD pixel) { std::fill(m_pixels, m_pixels + PixelCount(), pixel); }

void CDib::MakeOpaque() {
  for (size_t i = 0; i < PixelCount(); ++i) m_pixels[i].rgbReserved = 255;
}

void CDib::Draw(HDC dc, int x, int y) const {
  if (!IsValid() || !dc) return;
  CDib premultiplied;  // AlphaBlend takes the colour already scaled by the alpha
  if (!premultiplied.Create(m_width, m_height)) return;
  for (size_t i = 0; i < PixelCount(); ++i) {
    const RGBQUAD& p = m_pixels[i];
    int a = p.rgbReserved;
    premultiplied.m_pixels[i] = RGBQUAD{static_cast<BYTE>((p.rgbBlue * a + 127) / 255),
                                        static_cast<BYTE>((p.rgbGreen * a + 127) / 255),
                                        static_cast<BYTE>((p.rgbRed * a + 127) / 255), static_cast<BYTE>(a)};
  }
  CDibSelectedBitmap source(dc, premultiplied.m_bitmap);
  if (!source.Dc()) return;
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, m_width, m_height, source.Dc(), 0, 0, m_width, m_height, blend);
}

bool CDib::CopyFrom(HDC dc, int x, int y) {
  if (!IsValid() || !dc) return false;
  CDibSelectedBitmap target(dc, m_bitmap);
  if (!target.Dc()) return false;
  BOOL copied = BitBlt(target.Dc(), 0, 0, m_width, m_height, dc, x, y, SRCCOPY);
  GdiFlush();
  return copied != FALSE;
}

bool CDib::CopyTo(HDC dc, int x, int y) const {
  if (!IsValid() || !dc) return false;
  GdiFlush();
  CDibSelectedBitmap source(dc, m_bitmap);
  if (!source.Dc()) return false;
  return BitBlt(dc, x, y, m_width, m_height, source.Dc(), 0, 0, SRCCOPY) != FALSE;
}
