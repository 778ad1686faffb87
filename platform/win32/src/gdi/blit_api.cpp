// BitBlt, StretchBlt, SetStretchBltMode, TransparentBlt, AlphaBlend: per pixel, exactly as the raster
// operations define them; monochrome and colour convert through the DCs' text and background colours.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "gdi/bitmap.h"
#include "gdi/pixel_color.h"
#include "gdi/pixel_writer.h"
#include "gdi/raster_ops.h"
#include "winbase.h"

using namespace win32;

namespace {

// A copy of the source DC's pixels (raw, alpha byte included), so that source and destination may overlap.
struct SourceImage {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  bool monochrome = false;
  COLORREF bkColor = 0;

  bool read(DeviceContext& dc) {
    cairo_surface_t* surface = dc.surface();
    if (!surface) return false;
    dc.beginAccess();
    width = dc.width();
    height = dc.height();
    pixels.resize(static_cast<size_t>(width) * height);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
      std::copy(row, row + width, pixels.begin() + static_cast<size_t>(y) * width);
    }
    Bitmap* bitmap = dc.bitmap();
    monochrome = bitmap && bitmap->monochrome();
    bkColor = dc.state.bkColor;
    return true;
  }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  uint32_t raw(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Source pixels as the destination sees them: monochrome black is the destination's text colour and white its
// background; into monochrome, the source's background colour is white and every other colour black.
uint32_t convert(uint32_t source, const SourceImage& image, DeviceContext& target, bool targetMono) {
  source &= 0xFFFFFF;
  if (image.monochrome && !targetMono)
    return ColorToPixel(source ? target.state.bkColor : target.state.textColor);
  if (!image.monochrome && targetMono) return source == ColorToPixel(image.bkColor) ? 0xFFFFFF : 0;
  return source;
}

struct Span {
  int start, length;
  bool mirrored;
};

Span normalized(int start, int length) {
  return length < 0 ? Span{start + length, -length, true} : Span{start, length, false};
}

// The source coordinate that destination step i of n samples from a source span of m.
int sampleOf(const Span& source, bool mirrored, int i, int n) {
  int offset = static_cast<int>((static_cast<long long>(2 * i + 1) * source.length) / (2LL * n));
  return mirrored ? source.start + source.length - 1 - offset : source.start + offset;
}

// The source columns [first, last) that destination step i of n covers.
std::pair<int, int> boxOf(const Span& source, bool mirrored, int i, int n) {
  int first = static_cast<int>(static_cast<long long>(i) * source.length / n);
  int last = static_cast<int>(static_cast<long long>(i + 1) * source.length / n);
  if (mirrored) return {source.start + source.length - last, source.start + source.length - first};
  return {source.start + first, source.start + last};
}

// The mean of the source box a destination pixel covers, for HALFTONE shrinking.
uint32_t boxAverage(const SourceImage& image, int x0, int x1, int y0, int y1) {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = y0; y < std::max(y1, y0 + 1); ++y) {
    for (int x = x0; x < std::max(x1, x0 + 1); ++x) {
      if (!image.inside(x, y)) continue;
      uint32_t p = image.raw(x, y);
      r += (p >> 16) & 0xFF;
      g += (p >> 8) & 0xFF;
      b += p & 0xFF;
      ++n;
    }
  }
  if (n == 0) return 0;
  return static_cast<uint32_t>((r + n / 2) / n << 16 | (g + n / 2) / n << 8 | (b + n / 2) / n);
}

BOOL stretch(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
             int hSrc, DWORD rop) {
  DeviceContext* dest = FindDc(hdcDest);
  if (!dest) return FALSE;
  bool usesSource = RopUsesSource(rop);
  SourceImage image;
  if (usesSource) {
    DeviceContext* src = FindDc(hdcSrc);
    if (!src || !image.read(*src)) return FALSE;
  }
  std::optional<COLORREF> brush = dest->brushColor(dest->brush());
  PixelWriter pixels(*dest);
  if (!pixels.ready()) return TRUE;
  uint32_t pattern = brush ? ColorToPixel(*brush) : 0;
  if (pixels.monochrome()) pattern = ToMonochrome(pattern);
  Span dx = normalized(xDest, wDest), dy = normalized(yDest, hDest);
  Span sx = normalized(xSrc, wSrc), sy = normalized(ySrc, hSrc);
  bool flipX = dx.mirrored != sx.mirrored, flipY = dy.mirrored != sy.mirrored;
  bool halftone = dest->state.stretchMode == HALFTONE && (sx.length > dx.length || sy.length > dy.length);
  for (int j = 0; j < dy.length; ++j) {
    int ty = dy.start + j;
    for (int i = 0; i < dx.length; ++i) {
      int tx = dx.start + i;
      if (!pixels.inside(tx, ty)) continue;
      uint32_t source = 0;
      if (usesSource) {
        int px = sampleOf(sx, flipX, i, dx.length), py = sampleOf(sy, flipY, j, dy.length);
        if (!image.inside(px, py)) continue;
        if (halftone) {
          auto [x0, x1] = boxOf(sx, flipX, i, dx.length);
          auto [y0, y1] = boxOf(sy, flipY, j, dy.length);
          source = convert(boxAverage(image, x0, x1, y0, y1), image, *dest, pixels.monochrome());
        } else {
          source = convert(image.raw(px, py), image, *dest, pixels.monochrome());
        }
      }
      pixels.put(tx, ty, ApplyRop3(rop, pattern, source, pixels.get(tx, ty)));
    }
  }
  return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  return stretch(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

extern "C" BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                                  int ySrc, int wSrc, int hSrc, DWORD rop) {
  return stretch(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop);
}

extern "C" int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  DeviceContext* dc = FindDc(hdc);
  if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  int previous = dc->state.stretchMode;
  dc->state.stretchMode = mode;
  return previous;
}

extern "C" BOOL WINAPI TransparentBlt(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest,
                                      HDC hdcSrc, int xoriginSrc, int yoriginSrc, int wSrc, int hSrc,
                                      UINT crTransparent) {
  DeviceContext* dest = FindDc(hdcDest);
  DeviceContext* src = FindDc(hdcSrc);
  SourceImage image;
  if (!dest || !src || wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0 || !image.read(*src)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  PixelWriter pixels(*dest);
  if (!pixels.ready()) return TRUE;
  uint32_t transparent = ColorToPixel(crTransparent);
  Span sx{xoriginSrc, wSrc, false}, sy{yoriginSrc, hSrc, false};
  for (int j = 0; j < hDest; ++j) {
    for (int i = 0; i < wDest; ++i) {
      int px = sampleOf(sx, false, i, wDest), py = sampleOf(sy, false, j, hDest);
      if (!image.inside(px, py)) continue;
      uint32_t source = image.raw(px, py) & 0xFFFFFF;
      if (source == transparent) continue;
      pixels.put(xoriginDest + i, yoriginDest + j, convert(source, image, *dest, pixels.monochrome()));
    }
  }
  return TRUE;
}

// Source pixels are premultiplied when AC_SRC_ALPHA is given: dest = src * k + dest * (1 - srcAlpha * k),
// k being the constant alpha / 255.
extern "C" BOOL WINAPI AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                                  int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
  DeviceContext* dest = FindDc(hdcDest);
  DeviceContext* src = FindDc(hdcSrc);
  SourceImage image;
  if (!dest || !src || ftn.BlendOp != AC_SRC_OVER || wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0 ||
      !image.read(*src) || xoriginSrc < 0 || yoriginSrc < 0 || xoriginSrc + wSrc > image.width ||
      yoriginSrc + hSrc > image.height) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  PixelWriter pixels(*dest);
  if (!pixels.ready()) return TRUE;
  int k = ftn.SourceConstantAlpha;
  bool perPixel = ftn.AlphaFormat & AC_SRC_ALPHA;
  Span sx{xoriginSrc, wSrc, false}, sy{yoriginSrc, hSrc, false};
  for (int j = 0; j < hDest; ++j) {
    for (int i = 0; i < wDest; ++i) {
      int tx = xoriginDest + i, ty = yoriginDest + j;
      if (!pixels.inside(tx, ty)) continue;
      uint32_t s = image.raw(sampleOf(sx, false, i, wDest), sampleOf(sy, false, j, hDest));
      uint32_t d = pixels.get(tx, ty);
      int alpha = perPixel ? static_cast<int>(s >> 24) * k / 255 : k;
      uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        int sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        int value = perPixel ? (sc * k + dc * (255 - alpha) + 127) / 255 : (sc * k + dc * (255 - k) + 127) / 255;
        out |= static_cast<uint32_t>(std::min(value, 255)) << shift;
      }
      pixels.put(tx, ty, pixels.monochrome() ? ToMonochrome(out) : out);
    }
  }
  return TRUE;
}
