// CDib::CreateFromIcon: an icon's colour and alpha, recovered by drawing it once on black and once on white.
#include <algorithm>

#include "html/Dib.h"
#include "html/DibSelectedBitmap.h"

namespace {

// The icon's own size: its colour bitmap's, or half the height of a monochrome icon's AND/XOR mask.
SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return SIZE{0, 0};
  BITMAP header{};
  SIZE size{0, 0};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof(header), &header) == sizeof(header)) {
    size = SIZE{header.bmWidth, header.bmHeight};
  } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof(header), &header) == sizeof(header)) {
    size = SIZE{header.bmWidth, header.bmHeight / 2};
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size;
}

bool DrawIconOn(CDib& dib, HICON icon) {
  CDibSelectedBitmap target(nullptr, dib.Handle());
  if (!target.Dc()) return false;
  BOOL drawn = DrawIconEx(target.Dc(), 0, 0, icon, dib.Width(), dib.Height(), 0, nullptr, DI_NORMAL);
  GdiFlush();
  return drawn != FALSE;
}

}  // namespace

bool CDib::CreateFromIcon(HICON icon) {
  Destroy();
  if (!icon) return false;
  const SIZE size = IconSize(icon);
  CDib onWhite;
  if (!Create(size.cx, size.cy) || !onWhite.Create(size.cx, size.cy)) {
    Destroy();
    return false;
  }
  onWhite.FillWith(RGBQUAD{255, 255, 255, 255});
  FillWith(RGBQUAD{0, 0, 0, 255});
  if (!DrawIconOn(*this, icon) || !DrawIconOn(onWhite, icon)) {
    Destroy();
    return false;
  }
  // On black a pixel shows colour x alpha, on white that plus (1 - alpha) x 255: their gap is the transparency.
  for (size_t i = 0; i < PixelCount(); ++i) {
    RGBQUAD& black = m_pixels[i];
    const RGBQUAD& white = onWhite.m_pixels[i];
    const int gap = std::max({white.rgbRed - black.rgbRed, white.rgbGreen - black.rgbGreen,
                              white.rgbBlue - black.rgbBlue, 0});
    const int alpha = 255 - std::min(gap, 255);
    auto unpremultiply = [alpha](BYTE c) {
      return static_cast<BYTE>(alpha == 0 ? 0 : std::min(255, (c * 255 + alpha / 2) / alpha));
    };
    black = RGBQUAD{unpremultiply(black.rgbBlue), unpremultiply(black.rgbGreen), unpremultiply(black.rgbRed),
                    static_cast<BYTE>(alpha)};
  }
  return true;
}
