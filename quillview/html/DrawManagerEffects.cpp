// The background fills, pixel by pixel: (x, y) is a pixel's place in the fill, (w, h) the fill's size.
#include "html/DrawManagerEffects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "html/Dib.h"
#include "html/DrawManager.h"

namespace {

using Int = long long;  // fill sizes may exceed int: a fill is clipped, its formulas are not

constexpr uint32_t kNoiseSeed = 0x5EEDF00Du;
constexpr uint32_t kStreakSeed = 0x3E7A1u;
constexpr uint32_t kGrainSeed = 0xB1A5Eu;

RGBQUAD Quad(Int red, Int green, Int blue) {
  auto byte = [](Int c) { return static_cast<BYTE>(std::clamp<Int>(c, 0, 255)); };
  return RGBQUAD{byte(blue), byte(green), byte(red), 0};
}

RGBQUAD Quad(COLORREF c) { return Quad(GetRValue(c), GetGValue(c), GetBValue(c)); }

// a + (b - a) x num / den per channel, rounded half up; 0 <= num <= den, den > 0.
RGBQUAD Mix(COLORREF a, COLORREF b, Int num, Int den) {
  auto channel = [&](Int ca, Int cb) { return (ca * (den - num) + cb * num + den / 2) / den; };
  return Quad(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
              channel(GetBValue(a), GetBValue(b)));
}

// k > 0 blends toward white by k, k < 0 toward black by -k; rounded to nearest.
RGBQUAD Shade(COLORREF c, double k) {
  auto channel = [k](int v) { return static_cast<Int>(std::lround(k >= 0 ? v + (255 - v) * k : v * (1 + k))); };
  return Quad(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

RGBQUAD Brighten(RGBQUAD p, int delta) {
  return Quad(Int{p.rgbRed} + delta, Int{p.rgbGreen} + delta, Int{p.rgbBlue} + delta);
}

uint32_t Scramble(uint32_t v) {
  v ^= v >> 16;
  v *= 0x7FEB352Du;
  v ^= v >> 15;
  v *= 0x846CA68Bu;
  v ^= v >> 16;
  return v;
}

// A reproducible pseudo-random value in [-amplitude, amplitude] for the place and seed.
int Jitter(Int x, Int y, uint32_t seed, int amplitude) {
  const uint32_t h = Scramble(static_cast<uint32_t>(x) * 0x9E3779B1u ^ Scramble(static_cast<uint32_t>(y) + seed));
  return static_cast<int>(h % static_cast<uint32_t>(2 * amplitude + 1)) - amplitude;
}

// 0 at the first pixel of a length, 1 at its last.
double Along(Int position, Int length) { return length > 1 ? static_cast<double>(position) / (length - 1) : 0.0; }

// cos(pi t): 1 at the near edge, 0 in the middle, -1 at the far edge, smooth like a lit cylinder.
double Cylinder(Int position, Int length) { return std::cos(std::numbers::pi * Along(position, length)); }

template <typename PixelAt>
void Paint(CDib& dib, const RECT& fill, const RECT& area, PixelAt pixelAt) {
  const Int w = Int{fill.right} - fill.left, h = Int{fill.bottom} - fill.top;
  for (int row = 0; row < dib.Height(); ++row) {
    const Int y = Int{area.top} + row - fill.top;
    for (int column = 0; column < dib.Width(); ++column)
      dib.At(column, row) = pixelAt(Int{area.left} + column - fill.left, y, w, h);
  }
}

// hardbump: a hip roof lit from the top-left; every pixel takes the face of its nearest edge, faces meet in
// sharp ridges: top +0.35, left +0.2, bottom -0.3, right -0.2.
double RoofFace(Int x, Int y, Int w, Int h) {
  const Int top = y, left = x, bottom = h - 1 - y, right = w - 1 - x;
  const Int nearest = std::min({top, left, bottom, right});
  if (nearest == top) return 0.35;
  if (nearest == left) return 0.2;
  if (nearest == bottom) return -0.3;
  return -0.2;
}

// metal: a bright sheen a third of the way down, dimming toward the bottom.
double Sheen(double t) { return 0.5 * std::exp(-std::pow((t - 0.3) / 0.22, 2)) - 0.25 * t; }

}  // namespace

bool IsPaintingEffect(int effect) { return effect >= kEffectSolid && effect <= kEffectMetal; }

bool PaintEffect(CDib& dib, const RECT& fill, const RECT& area, int effect, const EffectColours& colours) {
  const COLORREF start = colours.start, mid = colours.mid, end = colours.end;
  switch (effect) {
    case kEffectSolid:  // start everywhere
      Paint(dib, fill, area, [&](Int, Int, Int, Int) { return Quad(start); });
      return true;
    case kEffectHGradient:  // start + (end - start) x / (w - 1)
      Paint(dib, fill, area, [&](Int x, Int, Int w, Int) { return Mix(start, end, x, std::max<Int>(w - 1, 1)); });
      return true;
    case kEffectVGradient:  // start + (end - start) y / (h - 1)
      Paint(dib, fill, area, [&](Int, Int y, Int, Int h) { return Mix(start, end, y, std::max<Int>(h - 1, 1)); });
      return true;
    case kEffectHCGradient:  // start + (end - start) (1 - |2x - (w - 1)| / (w - 1)): start at both edges
      Paint(dib, fill, area, [&](Int x, Int, Int w, Int) {
        return Mix(start, end, (w - 1) - std::llabs(2 * x - (w - 1)), std::max<Int>(w - 1, 1));
      });
      return true;
    case kEffectVCGradient:  // start + (end - start) (1 - |2y - (h - 1)| / (h - 1))
      Paint(dib, fill, area, [&](Int, Int y, Int, Int h) {
        return Mix(start, end, (h - 1) - std::llabs(2 * y - (h - 1)), std::max<Int>(h - 1, 1));
      });
      return true;
    case kEffect3HGradient:  // start -> mid over the left half (2x / (w - 1)), mid -> end over the right half
      Paint(dib, fill, area, [&](Int x, Int, Int w, Int) {
        const Int n = std::max<Int>(w - 1, 1);
        return 2 * x <= w - 1 ? Mix(start, mid, 2 * x, n) : Mix(mid, end, 2 * x - (w - 1), n);
      });
      return true;
    case kEffect3VGradient:  // start -> mid over the top half (2y / (h - 1)), mid -> end over the bottom half
      Paint(dib, fill, area, [&](Int, Int y, Int, Int h) {
        const Int n = std::max<Int>(h - 1, 1);
        return 2 * y <= h - 1 ? Mix(start, mid, 2 * y, n) : Mix(mid, end, 2 * y - (h - 1), n);
      });
      return true;
    case kEffectNoise:  // start with every channel moved by the same seeded jitter(x, y) in [-16, 16]
      Paint(dib, fill, area,
            [&](Int x, Int y, Int, Int) { return Brighten(Quad(start), Jitter(x, y, kNoiseSeed, 16)); });
      return true;
    case kEffectDiagShade:  // start + (end - start) (x + y) / ((w - 1) + (h - 1)): top-left to bottom-right
      Paint(dib, fill, area, [&](Int x, Int y, Int w, Int h) {
        return Mix(start, end, x + y, std::max<Int>(w - 1 + h - 1, 1));
      });
      return true;
    case kEffectHShade:  // start blended toward black by 0.4 x / (w - 1)
      Paint(dib, fill, area, [&](Int x, Int, Int w, Int) { return Shade(start, -0.4 * Along(x, w)); });
      return true;
    case kEffectVShade:  // start blended toward black by 0.4 y / (h - 1)
      Paint(dib, fill, area, [&](Int, Int y, Int, Int h) { return Shade(start, -0.4 * Along(y, h)); });
      return true;
    case kEffectHBump:  // shade(start, 0.45 cos(pi x / (w - 1))): lit left edge, dark right edge
      Paint(dib, fill, area, [&](Int x, Int, Int w, Int) { return Shade(start, 0.45 * Cylinder(x, w)); });
      return true;
    case kEffectVBump:  // shade(start, 0.45 cos(pi y / (h - 1))): lit top edge, dark bottom edge
      Paint(dib, fill, area, [&](Int, Int y, Int, Int h) { return Shade(start, 0.45 * Cylinder(y, h)); });
      return true;
    case kEffectSoftBump:  // shade(start, 0.225 (cos(pi x / (w - 1)) + cos(pi y / (h - 1)))): a lit pillow
      Paint(dib, fill, area, [&](Int x, Int y, Int w, Int h) {
        return Shade(start, 0.225 * (Cylinder(x, w) + Cylinder(y, h)));
      });
      return true;
    case kEffectHardBump:  // shade(start, roof face of the nearest edge)
      Paint(dib, fill, area, [&](Int x, Int y, Int w, Int h) { return Shade(start, RoofFace(x, y, w, h)); });
      return true;
    case kEffectMetal:  // shade(start, sheen(y / (h - 1))) + row streak in [-8, 8] + grain in [-3, 3]
      Paint(dib, fill, area, [&](Int x, Int y, Int, Int h) {
        const int streak = Jitter(0, y, kStreakSeed, 8) + Jitter(x, y, kGrainSeed, 3);
        return Brighten(Shade(start, Sheen(Along(y, h))), streak);
      });
      return true;
    default:
      return false;
  }
}
