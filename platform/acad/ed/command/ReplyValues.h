// Reading the values that replies to prompts stand for.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace acadsim::command {

using Point = std::array<double, 3>;

// An optional sign and digits only.
std::optional<long long> ParseInteger(std::u16string_view text);
// A decimal number: optional sign, digits with an optional fraction, an optional exponent; finite.
std::optional<double> ParseReal(std::u16string_view text);
// How typed angles read: mode as AUNITS, and the direction of angle 0 and of increasing angles (ANGBASE
// in radians, ANGDIR).
struct AngleUnits {
  int mode = 0;
  double base = 0;
  bool clockwise = false;
};

// "x,y" or "x,y,z"; "@dx,dy" or "@dx,dy,dz" relative to lastPoint ("@" alone is lastPoint); polar
// "distance<angle" from the origin or "@distance<angle" from lastPoint, the angle in angles' units; or an
// AutoLISP point list "(x y)" / "(x y z)". A point given without z takes elevation.
std::optional<Point> ParsePoint(std::u16string_view text, const Point& lastPoint, double elevation,
                                const AngleUnits& angles);

}  // namespace acadsim::command
