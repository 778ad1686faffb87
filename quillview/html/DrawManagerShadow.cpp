// Drop shadow: a separable box blur, depth pixels wide, of the moved alpha shape: the shadow fades across its
// edge over the depth, half inside and half beyond.
#include "html/DrawManagerShadow.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "html/Dib.h"
#include "html/DrawManager.h"
#include "html/DrawManagerStretch.h"

namespace {

constexpr int kMaxOffset = 1024;
constexpr int kMaxDepth = 64;

struct Reach {
  int offsetX, offsetY;  // where the shadow falls from the image
  int blurX, blurY;      // how far on each side of an edge it fades: half the depth
};

Reach ReachOf(const ShadowSettings& shadow) {
  const bool soft = shadow.gradient;
  return Reach{std::clamp<int>(shadow.offset.cx, -kMaxOffset, kMaxOffset),
               std::clamp<int>(shadow.offset.cy, -kMaxOffset, kMaxOffset),
               soft ? std::clamp<int>(shadow.depth.cx, 0, kMaxDepth) / 2 : 0,
               soft ? std::clamp<int>(shadow.depth.cy, 0, kMaxDepth) / 2 : 0};
}

int HeldToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

// Box means, rounded, over windows of 2 radius + 1 values along `lines` lines of `count` outputs (the steps give
// the layouts of input and output).
void BoxBlur(const std::vector<int>& in, std::vector<int>& out, int lines, int count, int radius, int inLineStep,
             int inStep, int outLineStep, int outStep) {
  const int window = 2 * radius + 1;
  for (int line = 0; line < lines; ++line) {
    int sum = 0;
    const int* first = in.data() + static_cast<size_t>(line) * inLineStep;
    for (int k = 0; k < window - 1; ++k) sum += first[static_cast<size_t>(k) * inStep];
    for (int i = 0; i < count; ++i) {
      sum += first[static_cast<size_t>(i + window - 1) * inStep];
      const int mean = (sum + window / 2) / window;
      out[static_cast<size_t>(line) * outLineStep + static_cast<size_t>(i) * outStep] = mean;
      sum -= first[static_cast<size_t>(i) * inStep];
    }
  }
}

// The shadow's strength (0..255) at each pixel of a width x height area whose top-left is (left, top).
std::vector<int> Coverage(const CStretchSampler& image, const Reach& reach, int left, int top, int width,
                          int height) {
  const int shapeWidth = width + 2 * reach.blurX, shapeHeight = height + 2 * reach.blurY;
  std::vector<int> shape(static_cast<size_t>(shapeWidth) * shapeHeight);
  for (int j = 0; j < shapeHeight; ++j) {
    const long long y = static_cast<long long>(top) - reach.blurY + j - reach.offsetY;
    for (int i = 0; i < shapeWidth; ++i) {
      const long long x = static_cast<long long>(left) - reach.blurX + i - reach.offsetX;
      shape[static_cast<size_t>(j) * shapeWidth + i] = image.AlphaAt(HeldToInt(x), HeldToInt(y));
    }
  }
  std::vector<int> across(static_cast<size_t>(width) * shapeHeight);
  BoxBlur(shape, across, shapeHeight, width, reach.blurX, shapeWidth, 1, width, 1);
  std::vector<int> coverage(static_cast<size_t>(width) * height);
  BoxBlur(across, coverage, width, height, reach.blurY, 1, width, 1, width);
  return coverage;
}

}  // namespace

RECT ShadowBounds(const RECT& target, const ShadowSettings& shadow) {
  const Reach reach = ReachOf(shadow);
  return RECT{HeldToInt(static_cast<long long>(target.left) + reach.offsetX - reach.blurX),
              HeldToInt(static_cast<long long>(target.top) + reach.offsetY - reach.blurY),
              HeldToInt(static_cast<long long>(target.right) + reach.offsetX + reach.blurX),
              HeldToInt(static_cast<long long>(target.bottom) + reach.offsetY + reach.blurY)};
}

void BlendShadow(CDib& canvas, POINT origin, const RECT& area, const CStretchSampler& image,
                 const ShadowSettings& shadow) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  const std::vector<int> coverage = Coverage(image, ReachOf(shadow), area.left, area.top, width, height);
  const int darkness = std::clamp(shadow.darknessPercent, 0, 100);
  const int red = GetRValue(shadow.colour), green = GetGValue(shadow.colour), blue = GetBValue(shadow.colour);
  constexpr int kFull = 255 * 100;
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const int f = coverage[static_cast<size_t>(j) * width + i] * darkness;
      if (f == 0) continue;
      RGBQUAD& p = canvas.At(area.left - origin.x + i, area.top - origin.y + j);
      auto blend = [f](int beneath, int colour) {
        return static_cast<BYTE>((beneath * (kFull - f) + colour * f + kFull / 2) / kFull);
      };
      p = RGBQUAD{blend(p.rgbBlue, blue), blend(p.rgbGreen, green), blend(p.rgbRed, red), p.rgbReserved};
    }
  }
}
