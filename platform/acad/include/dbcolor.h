// AcCmEntityColor and AcCmColor: colour by layer, by block, by index (ACI) or true colour, with colour-book names.
#pragma once
#include <memory>
#include "AdAChar.h"
#include "acadstrc.h"
#include "adesk.h"

class AcCmEntityColor {
 public:
  enum ColorMethod {
    kByLayer = 0xC0,
    kByBlock = 0xC1,
    kByColor = 0xC2,
    kByACI = 0xC3,
    kByPen = 0xC4,
    kForeground = 0xC5,
    kLayerOff = 0xC6,
    kLayerFrozen = 0xC7,
    kNone = 0xC8,
  };
  enum ACIcolorMethod {
    kACIbyBlock = 0,
    kACIforeground = 7,
    kACIbyLayer = 256,
    kACIclear = 0,
    kACIRed = 1,
    kACIYellow = 2,
    kACIGreen = 3,
    kACICyan = 4,
    kACIBlue = 5,
    kACIMagenta = 6,
    kACIWhite = 7,
    kACIstandard = 7,
    kACImaximum = 255,
    kACInone = 257,
    kACIminimum = -255,
  };

  AcCmEntityColor() = default;
  AcCmEntityColor(ColorMethod method);
  AcCmEntityColor(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);

  ColorMethod colorMethod() const { return ColorMethod(mRGBM >> 24); }
  Acad::ErrorStatus setColorMethod(ColorMethod method);
  bool isByColor() const { return colorMethod() == kByColor; }
  bool isByLayer() const;  // also an index of 256
  bool isByBlock() const;  // also an index of 0
  bool isByACI() const { return colorMethod() == kByACI; }
  bool isForeground() const { return colorMethod() == kForeground; }
  bool isNone() const { return colorMethod() == kNone; }

  // The whole value: method in the top byte, then red, green and blue (or the index in the low 16 bits).
  Adesk::UInt32 color() const { return mRGBM; }
  Acad::ErrorStatus setColor(Adesk::UInt32 color);
  Acad::ErrorStatus setColorIndex(Adesk::Int16 colorIndex);
  Adesk::Int16 colorIndex() const;
  Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
  Acad::ErrorStatus setRed(Adesk::UInt8 red);
  Acad::ErrorStatus setGreen(Adesk::UInt8 green);
  Acad::ErrorStatus setBlue(Adesk::UInt8 blue);
  Adesk::UInt8 red() const;
  Adesk::UInt8 green() const;
  Adesk::UInt8 blue() const;

  bool operator==(const AcCmEntityColor& other) const { return mRGBM == other.mRGBM; }
  bool operator!=(const AcCmEntityColor& other) const { return mRGBM != other.mRGBM; }

  // The red, green and blue of an index of AutoCAD's 256-colour palette (0x00RRGGBB).
  static Adesk::UInt32 lookUpRGB(Adesk::UInt8 colorIndex);
  // The palette index nearest to a true colour.
  static Adesk::UInt8 lookUpACI(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);

 private:
  Adesk::UInt32 mRGBM = Adesk::UInt32(kByLayer) << 24;
};

class AcCmColor {
 public:
  AcCmColor();
  AcCmColor(const AcCmColor& other);
  AcCmColor& operator=(const AcCmColor& other);
  ~AcCmColor();

  AcCmEntityColor::ColorMethod colorMethod() const { return mColor.colorMethod(); }
  Acad::ErrorStatus setColorMethod(AcCmEntityColor::ColorMethod method);
  bool isByColor() const { return mColor.isByColor(); }
  bool isByLayer() const { return mColor.isByLayer(); }
  bool isByBlock() const { return mColor.isByBlock(); }
  bool isByACI() const { return mColor.isByACI(); }
  bool isForeground() const { return mColor.isForeground(); }
  bool isNone() const { return mColor.isNone(); }

  Adesk::UInt32 color() const { return mColor.color(); }
  Acad::ErrorStatus setColor(Adesk::UInt32 color);
  // 0 by block, 1-255 the palette, 256 by layer; for a true colour the nearest palette index.
  Adesk::UInt16 colorIndex() const;
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex);
  Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
  Acad::ErrorStatus setRed(Adesk::UInt8 red);
  Acad::ErrorStatus setGreen(Adesk::UInt8 green);
  Acad::ErrorStatus setBlue(Adesk::UInt8 blue);
  // For an index colour these are the palette's components.
  Adesk::UInt8 red() const { return mColor.red(); }
  Adesk::UInt8 green() const { return mColor.green(); }
  Adesk::UInt8 blue() const { return mColor.blue(); }

  // Names a true colour from a colour book; false (names unchanged) unless the colour is a true colour.
  bool setNames(const ACHAR* colorName, const ACHAR* bookName = nullptr);
  const ACHAR* colorName() const;  // null when unnamed
  const ACHAR* bookName() const;   // null when unnamed
  bool hasColorName() const { return colorName() != nullptr; }
  bool hasBookName() const { return bookName() != nullptr; }
  // The text AutoCAD's property palette shows: "ByLayer", "ByBlock", "red".."white" or the index digits,
  // "R,G,B" for a true colour, and for a colour-book colour its colour name alone. Valid until the next call.
  const ACHAR* colorNameForDisplay();

  const AcCmEntityColor& entityColor() const { return mColor; }

  bool operator==(const AcCmColor& other) const;
  bool operator!=(const AcCmColor& other) const { return !(*this == other); }

 private:
  struct Names;
  AcCmEntityColor mColor;
  std::unique_ptr<Names> mNames;  // colour-book names and the display buffer, only when used
};
