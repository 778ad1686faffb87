// Image looks: mask colour, grey, darker, lighter.
#include "html/DrawManagerLooks.h"

#include <algorithm>

#include "html/Dib.h"
#include "html/DrawManager.h"

namespace {

template <typename Change>
void ForEachPixel(CDib& image, Change change) {
  RGBQUAD* pixels = image.Pixels();
  for (size_t i = 0; i < image.PixelCount(); ++i) change(pixels[i]);
}

template <typename Scale>
void ScaleChannels(CDib& image, Scale scale) {
  ForEachPixel(image, [&](RGBQUAD& p) {
    p.rgbRed = scale(p.rgbRed);
    p.rgbGreen = scale(p.rgbGreen);
    p.rgbBlue = scale(p.rgbBlue);
  });
}

}  // namespace

void ApplyMaskColour(CDib& image, COLORREF mask) {
  const RGBQUAD key{GetBValue(mask), GetGValue(mask), GetRValue(mask), 0};
  ForEachPixel(image, [&](RGBQUAD& p) {
    if (p.rgbRed == key.rgbRed && p.rgbGreen == key.rgbGreen && p.rgbBlue == key.rgbBlue) p.rgbReserved = 0;
  });
}

void MakeGrey(CDib& image) {
  ForEachPixel(image, [](RGBQUAD& p) {
    const BYTE grey = static_cast<BYTE>((299 * p.rgbRed + 587 * p.rgbGreen + 114 * p.rgbBlue + 500) / 1000);
    p.rgbRed = p.rgbGreen = p.rgbBlue = grey;
  });
}

void MakeDarker(CDib& image) {
  ScaleChannels(image, [](BYTE c) { return static_cast<BYTE>((3 * c + 2) / 4); });
}

void MakeLighter(CDib& image) {
  ScaleChannels(image, [](BYTE c) { return static_cast<BYTE>(std::min(255, (5 * c + 2) / 4)); });
}

void ApplyLook(CDib& image, const ImageLook& look) {
  if (look.hasMask) ApplyMaskColour(image, look.mask);
  if (look.grey) MakeGrey(image);
  if (look.darker) MakeDarker(image);
  if (look.lighter) MakeLighter(image);
}
