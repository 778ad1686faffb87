// Fills and effects for table backgrounds and images: gradients, shades, bumps, metal, noise, looks, shadows.
#pragma once
#include <windows.h>

class CDib;

// The fills a table's bgeffect names; the values are the markup's numbers.
enum BackgroundEffect : int {
  kEffectTransparent = -1,
  kEffectSolid = 0,
  kEffectHGradient = 1,
  kEffectVGradient = 2,
  kEffectHCGradient = 3,
  kEffectVCGradient = 4,
  kEffect3HGradient = 5,
  kEffect3VGradient = 6,
  kEffectNoise = 7,
  kEffectDiagShade = 8,
  kEffectHShade = 9,
  kEffectVShade = 10,
  kEffectHBump = 11,
  kEffectVBump = 12,
  kEffectSoftBump = 13,
  kEffectHardBump = 14,
  kEffectMetal = 15,
};

// How an image looks: the letters of the style and hotstyle attributes, and its transparent colour.
struct ImageLook {
  bool grey = false;     // "g"
  bool darker = false;   // "d"
  bool lighter = false;  // "l"
  bool shadow = false;   // "s"
  bool hasMask = false;
  COLORREF mask = 0;
};

// The renderer's image shadow settings.
struct ShadowSettings {
  SIZE offset{4, 4};
  SIZE depth{7, 7};
  int darknessPercent = 50;
  bool gradient = true;
  COLORREF colour = RGB(128, 128, 128);
};

class CDrawManager {
 public:
  explicit CDrawManager(HDC dc) : m_dc(dc) {}

  // Fills rect with the effect; start, mid and end are the gradient colours (mid only for the three-colour forms).
  // Transparent and unknown effects draw nothing.
  void FillEffect(const RECT& rect, int effect, COLORREF start, COLORREF mid, COLORREF end);

  // Draws the part source of bitmap stretched into target with the look; the shadow falls beyond target.
  // Parts of source outside the bitmap are transparent.
  void DrawBitmap(HBITMAP bitmap, const RECT& source, const RECT& target, const ImageLook& look,
                  const ShadowSettings& shadow);
  // Draws the icon into target (its own mask and alpha kept) with the look.
  void DrawIcon(HICON icon, const RECT& target, const ImageLook& look, const ShadowSettings& shadow);

 private:
  // The part of rect that the DC shows; empty when nothing of it can be seen.
  RECT VisibleArea(const RECT& rect) const;
  // Draws the part source of image (straight alpha; outside the image transparent) stretched into target with
  // the look: shadow beneath, then the image.
  void DrawImage(CDib& image, const RECT& source, const RECT& target, const ImageLook& look,
                 const ShadowSettings& shadow);

  HDC m_dc;
};
