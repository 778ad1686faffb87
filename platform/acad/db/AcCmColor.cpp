#include <dbcolor.h>

#include <cmath>
#include <string>

namespace {

// AutoCAD's palette: 1-9 the standard colours, 10-249 24 hues in 15-degree steps at five values (255, 189,
// 129, 104, 79), each full and a third saturated, 250-255 greys.
Adesk::UInt32 paletteRGB(int index) {
  static const Adesk::UInt32 kFirst[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                           0x0000FF, 0xFF00FF, 0xFFFFFF, 0x414141, 0x808080};
  static const Adesk::UInt32 kGreys[6] = {0x333333, 0x505050, 0x696969, 0x828282, 0xBEBEBE, 0xFFFFFF};
  if (index < 10) return kFirst[index < 0 ? 0 : index];
  if (index >= 250) return kGreys[index > 255 ? 5 : index - 250];
  static const double kValues[5] = {255, 189, 129, 104, 79};
  int hue = (index - 10) / 10, step = (index - 10) % 10;
  double v = kValues[step / 2];
  double low = step % 2 ? std::round(v * 2.0 / 3.0) : 0.0;
  double angle = hue * 15.0;
  int sector = static_cast<int>(angle / 60.0);
  double f = (angle - sector * 60.0) / 60.0;
  double rising = std::floor(low + (v - low) * f), falling = std::floor(v - (v - low) * f);
  double r, g, b;
  switch (sector) {
    case 0: r = v, g = rising, b = low; break;
    case 1: r = falling, g = v, b = low; break;
    case 2: r = low, g = v, b = rising; break;
    case 3: r = low, g = falling, b = v; break;
    case 4: r = rising, g = low, b = v; break;
    default: r = v, g = low, b = falling; break;
  }
  return (Adesk::UInt32(r) << 16) | (Adesk::UInt32(g) << 8) | Adesk::UInt32(b);
}

}  // namespace

AcCmEntityColor::AcCmEntityColor(ColorMethod method) { setColorMethod(method); }

AcCmEntityColor::AcCmEntityColor(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) { setRGB(red, green, blue); }

Acad::ErrorStatus AcCmEntityColor::setColorMethod(ColorMethod method) {
  if (method < kByLayer || method > kNone) return Acad::eInvalidInput;
  Adesk::UInt32 value = 0;
  if (method == kByACI) value = 7;
  if (method == kByColor) value = mRGBM & 0xFFFFFF;
  mRGBM = (Adesk::UInt32(method) << 24) | value;
  return Acad::eOk;
}

bool AcCmEntityColor::isByLayer() const {
  return colorMethod() == kByLayer || (colorMethod() == kByACI && (mRGBM & 0xFFFF) == 256);
}

bool AcCmEntityColor::isByBlock() const {
  return colorMethod() == kByBlock || (colorMethod() == kByACI && (mRGBM & 0xFFFF) == 0);
}

Acad::ErrorStatus AcCmEntityColor::setColor(Adesk::UInt32 color) {
  ColorMethod method = ColorMethod(color >> 24);
  if (method < kByLayer || method > kNone) return Acad::eInvalidInput;
  mRGBM = color;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setColorIndex(Adesk::Int16 colorIndex) {
  if (colorIndex == 0) mRGBM = Adesk::UInt32(kByBlock) << 24;
  else if (colorIndex == 256) mRGBM = Adesk::UInt32(kByLayer) << 24;
  else if (colorIndex == 257) mRGBM = Adesk::UInt32(kNone) << 24;
  else if (colorIndex >= 1 && colorIndex <= 255) mRGBM = (Adesk::UInt32(kByACI) << 24) | Adesk::UInt16(colorIndex);
  else return Acad::eBadColorIndex;
  return Acad::eOk;
}

Adesk::Int16 AcCmEntityColor::colorIndex() const {
  switch (colorMethod()) {
    case kByLayer: return 256;
    case kByBlock: return 0;
    case kByACI:
    case kByPen: return Adesk::Int16(mRGBM & 0xFFFF);
    case kForeground: return 7;
    case kByColor: return lookUpACI(red(), green(), blue());
    default: return 257;
  }
}

Acad::ErrorStatus AcCmEntityColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  mRGBM = (Adesk::UInt32(kByColor) << 24) | (Adesk::UInt32(red) << 16) | (Adesk::UInt32(green) << 8) | blue;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setRed(Adesk::UInt8 red) { return setRGB(red, green(), blue()); }
Acad::ErrorStatus AcCmEntityColor::setGreen(Adesk::UInt8 green) { return setRGB(red(), green, blue()); }
Acad::ErrorStatus AcCmEntityColor::setBlue(Adesk::UInt8 blue) { return setRGB(red(), green(), blue); }

Adesk::UInt8 AcCmEntityColor::red() const {
  return colorMethod() == kByColor ? Adesk::UInt8(mRGBM >> 16) : Adesk::UInt8(lookUpRGB(Adesk::UInt8(colorIndex())) >> 16);
}
Adesk::UInt8 AcCmEntityColor::green() const {
  return colorMethod() == kByColor ? Adesk::UInt8(mRGBM >> 8) : Adesk::UInt8(lookUpRGB(Adesk::UInt8(colorIndex())) >> 8);
}
Adesk::UInt8 AcCmEntityColor::blue() const {
  return colorMethod() == kByColor ? Adesk::UInt8(mRGBM) : Adesk::UInt8(lookUpRGB(Adesk::UInt8(colorIndex())));
}

Adesk::UInt32 AcCmEntityColor::lookUpRGB(Adesk::UInt8 colorIndex) { return paletteRGB(colorIndex); }

Adesk::UInt8 AcCmEntityColor::lookUpACI(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  int best = 1;
  long bestDistance = -1;
  for (int i = 1; i <= 255; ++i) {
    Adesk::UInt32 rgb = paletteRGB(i);
    long dr = long(rgb >> 16 & 0xFF) - red, dg = long(rgb >> 8 & 0xFF) - green, db = long(rgb & 0xFF) - blue;
    long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return Adesk::UInt8(best);
}

struct AcCmColor::Names {
  std::u16string colorName, bookName, display;
  bool hasColorName = false, hasBookName = false;
};

AcCmColor::AcCmColor(const AcCmColor& other) : mColor(other.mColor) {
  if (other.mNames) mNames = std::make_unique<Names>(*other.mNames);
}

AcCmColor& AcCmColor::operator=(const AcCmColor& other) {
  if (this != &other) {
    mColor = other.mColor;
    mNames = other.mNames ? std::make_unique<Names>(*other.mNames) : nullptr;
  }
  return *this;
}

AcCmColor::AcCmColor() = default;
AcCmColor::~AcCmColor() = default;

Acad::ErrorStatus AcCmColor::setColorMethod(AcCmEntityColor::ColorMethod method) {
  mNames.reset();
  return mColor.setColorMethod(method);
}

Acad::ErrorStatus AcCmColor::setColor(Adesk::UInt32 color) {
  mNames.reset();
  return mColor.setColor(color);
}

Adesk::UInt16 AcCmColor::colorIndex() const { return Adesk::UInt16(mColor.colorIndex()); }

Acad::ErrorStatus AcCmColor::setColorIndex(Adesk::UInt16 colorIndex) {
  if (colorIndex > 257) return Acad::eBadColorIndex;
  mNames.reset();
  return mColor.setColorIndex(Adesk::Int16(colorIndex));
}

Acad::ErrorStatus AcCmColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  mNames.reset();
  return mColor.setRGB(red, green, blue);
}
Acad::ErrorStatus AcCmColor::setRed(Adesk::UInt8 red) { return setRGB(red, green(), blue()); }
Acad::ErrorStatus AcCmColor::setGreen(Adesk::UInt8 green) { return setRGB(red(), green, blue()); }
Acad::ErrorStatus AcCmColor::setBlue(Adesk::UInt8 blue) { return setRGB(red(), green(), blue); }

bool AcCmColor::setNames(const ACHAR* colorName, const ACHAR* bookName) {
  if (!isByColor() || colorName == nullptr || *colorName == 0) return false;
  if (!mNames) mNames = std::make_unique<Names>();
  mNames->colorName = colorName;
  mNames->hasColorName = true;
  mNames->hasBookName = bookName != nullptr && *bookName != 0;
  mNames->bookName = mNames->hasBookName ? bookName : u"";
  return true;
}

const ACHAR* AcCmColor::colorName() const {
  return mNames && mNames->hasColorName ? mNames->colorName.c_str() : nullptr;
}

const ACHAR* AcCmColor::bookName() const { return mNames && mNames->hasBookName ? mNames->bookName.c_str() : nullptr; }

const ACHAR* AcCmColor::colorNameForDisplay() {
  if (!mNames) mNames = std::make_unique<Names>();
  std::u16string& out = mNames->display;
  static const char16_t* const kStandard[8] = {u"ByBlock", u"Red",     u"Yellow", u"Green",
                                               u"Cyan",    u"Blue",    u"Magenta", u"White"};
  if (isByColor()) {
    if (mNames->hasColorName) {
      out = mNames->colorName;
    } else {
      std::string rgb = std::to_string(red()) + "," + std::to_string(green()) + "," + std::to_string(blue());
      out.assign(rgb.begin(), rgb.end());
    }
  } else if (isByLayer()) {
    out = u"ByLayer";
  } else if (colorIndex() <= 7) {
    out = kStandard[colorIndex()];
  } else if (isForeground()) {
    out = u"Foreground";
  } else if (isNone()) {
    out = u"None";
  } else {
    std::string digits = std::to_string(colorIndex());
    out.assign(digits.begin(), digits.end());
  }
  return out.c_str();
}

bool AcCmColor::operator==(const AcCmColor& other) const {
  if (mColor != other.mColor) return false;
  auto name = [](const ACHAR* s) { return s ? std::u16string(s) : std::u16string(); };
  return name(colorName()) == name(other.colorName()) && name(bookName()) == name(other.bookName());
}
