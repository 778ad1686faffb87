// A 32-bit top-down device-independent bitmap: the pixel work of the fills, image looks and shadows.
#pragma once
#include <windows.h>

class CDib {
 public:
  CDib() = default;
  ~CDib();
  CDib(const CDib&) = delete;
  CDib& operator=(const CDib&) = delete;

  // A new bitmap of that size, every pixel transparent black; false (and empty) when it cannot be made.
  bool Create(int width, int height);
  // A copy of a bitmap's pixels (any depth; only part of them when part is given), opaque; false when the handle
  // is no bitmap, cannot be selected, or part holds none of its pixels.
  bool CreateFromBitmap(HBITMAP bitmap, const RECT* part = nullptr);
  // A copy of an icon at its own size with its alpha recovered (straight, not premultiplied); false when the
  // handle is no icon.
  bool CreateFromIcon(HICON icon);
  void Destroy();

  bool IsValid() const { return m_bitmap != nullptr; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // Row-major from the top; rgbReserved is the alpha (0 transparent, 255 opaque), not premultiplied.
  RGBQUAD* Pixels() const { return m_pixels; }
  RGBQUAD& At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
  size_t PixelCount() const { return static_cast<size_t>(m_width) * static_cast<size_t>(m_height); }
  HBITMAP Handle() const { return m_bitmap; }

  // Blends the bitmap onto dc at (x, y) by its alpha.
  void Draw(HDC dc, int x, int y) const;
  // Reads this bitmap's size of dc's pixels from (x, y), their fourth byte as it is.
  bool CopyFrom(HDC dc, int x, int y);
  // Writes the pixels to dc at (x, y) unblended, the fourth byte included.
  bool CopyTo(HDC dc, int x, int y) const;
  // Every pixel's alpha set to 255.
  void MakeOpaque();

 private:
  // Every pixel set to the colour, alpha included.
  void FillWith(RGBQUAD pixel);

  HBITMAP m_bitmap = nullptr;
  RGBQUAD* m_pixels = nullptr;
  int m_width = 0;
  int m_height = 0;
};
