// The pixel formulas of the background fills; each pixel depends only on its place in the fill, so clipping
// never shifts a pattern.
#pragma once
#include <windows.h>

class CDib;

struct EffectColours {
  COLORREF start;
  COLORREF mid;
  COLORREF end;
};

// Whether the value names a fill that puts pixels down (not transparent, not unknown).
bool IsPaintingEffect(int effect);
// Paints the part area of the fill rectangle fill into dib (dib's top-left pixel being area's top-left), the
// fourth byte 0; false for an effect that paints nothing.
bool PaintEffect(CDib& dib, const RECT& fill, const RECT& area, int effect, const EffectColours& colours);
