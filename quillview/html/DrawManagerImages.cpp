// CDrawManager's images: bitmaps and icons through one pipeline of looks, shadow and straight-alpha blending.
#include <climits>

#include "html/Dib.h"
#include "html/DrawManager.h"
#include "html/DrawManagerLooks.h"
#include "html/DrawManagerShadow.h"
#include "html/DrawManagerStretch.h"

namespace {

// Blends the image's pixels shown in area over canvas (canvas's top-left pixel being origin on the DC).
void BlendImage(CDib& canvas, POINT origin, const RECT& area, const CStretchSampler& image) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const RGBQUAD* source = image.At(x, y);
      if (!source || source->rgbReserved == 0) continue;
      RGBQUAD& p = canvas.At(x - origin.x, y - origin.y);
      const int a = source->rgbReserved;
      auto blend = [a](int beneath, int over) {
        return static_cast<BYTE>((over * a + beneath * (255 - a) + 127) / 255);
      };
      p = RGBQUAD{blend(p.rgbBlue, source->rgbBlue), blend(p.rgbGreen, source->rgbGreen),
                  blend(p.rgbRed, source->rgbRed), p.rgbReserved};
    }
  }
}

// rect moved by (-dx, -dy), held inside int.
RECT MovedBack(const RECT& rect, int dx, int dy) {
  auto held = [](long long v) { return static_cast<LONG>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v); };
  return RECT{held(static_cast<long long>(rect.left) - dx), held(static_cast<long long>(rect.top) - dy),
              held(static_cast<long long>(rect.right) - dx), held(static_cast<long long>(rect.bottom) - dy)};
}

}  // namespace

void CDrawManager::DrawBitmap(HBITMAP bitmap, const RECT& source, const RECT& target, const ImageLook& look,
                              const ShadowSettings& shadow) {
  if (!m_dc || !bitmap || IsRectEmpty(&source) || IsRectEmpty(&target)) return;
  CDib image;  // only the part of the bitmap that source covers
  if (!image.CreateFromBitmap(bitmap, &source)) return;
  const int partLeft = source.left < 0 ? 0 : source.left, partTop = source.top < 0 ? 0 : source.top;
  DrawImage(image, MovedBack(source, partLeft, partTop), target, look, shadow);
}

void CDrawManager::DrawIcon(HICON icon, const RECT& target, const ImageLook& look, const ShadowSettings& shadow) {
  if (!m_dc || !icon || IsRectEmpty(&target)) return;
  CDib image;
  if (!image.CreateFromIcon(icon)) return;
  DrawImage(image, RECT{0, 0, image.Width(), image.Height()}, target, look, shadow);
}

void CDrawManager::DrawImage(CDib& image, const RECT& source, const RECT& target, const ImageLook& look,
                             const ShadowSettings& shadow) {
  const bool withShadow = look.shadow && (shadow.offset.cx != 0 || shadow.offset.cy != 0);
  const RECT imageArea = VisibleArea(target);
  const RECT shadowArea = withShadow ? VisibleArea(ShadowBounds(target, shadow)) : RECT{};
  RECT work{};
  if (!UnionRect(&work, &imageArea, &shadowArea) || IsRectEmpty(&work)) return;
  ApplyLook(image, look);
  CDib canvas;  // what is beneath, read once, written back once
  if (!canvas.Create(work.right - work.left, work.bottom - work.top) || !canvas.CopyFrom(m_dc, work.left, work.top))
    return;
  const POINT origin{work.left, work.top};
  const CStretchSampler sampler(image, source, target);
  if (!IsRectEmpty(&shadowArea)) BlendShadow(canvas, origin, shadowArea, sampler, shadow);
  if (!IsRectEmpty(&imageArea)) BlendImage(canvas, origin, imageArea, sampler);
  GdiFlush();
  canvas.CopyTo(m_dc, work.left, work.top);
}
