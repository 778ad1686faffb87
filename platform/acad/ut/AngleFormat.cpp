// Angle text as angtos gives it, for the five angular unit modes.
#include <acadsim/UnitFormat.h>
#include <cmath>
#include <numbers>
#include "NumberText.h"

namespace acadsim {
namespace {

using ut::DecimalDigits;
using ut::Digits;
using ut::RoundedQuanta;
using ut::SuppressZeros;

constexpr double kFullTurn = 2 * std::numbers::pi;

double Pow10(int exponent) { return std::pow(10.0, exponent); }

// Rounds first, then wraps, so 359.99999 at precision 4 reads 0.0000 and never 360.0000.
std::optional<uint64_t> QuantaOfTurn(double radians, double unitsPerTurn, double quantaPerUnit) {
  std::optional<uint64_t> quanta = RoundedQuanta(radians / kFullTurn * unitsPerTurn, quantaPerUnit);
  std::optional<uint64_t> turn = RoundedQuanta(unitsPerTurn, quantaPerUnit);
  if (!quanta || !turn) return std::nullopt;
  return *quanta % *turn;
}

// Degrees, minutes and seconds: precision 0 shows degrees, 1-2 minutes, 3-4 seconds, and 5-8 add
// precision - 4 decimals to the seconds.
double DmsQuantaPerDegree(int precision) {
  if (precision == 0) return 1;
  if (precision <= 2) return 60;
  return 3600 * Pow10(precision > 4 ? precision - 4 : 0);
}

std::u16string DmsText(uint64_t quanta, int precision) {
  const auto perDegree = static_cast<uint64_t>(DmsQuantaPerDegree(precision));
  std::u16string text = Digits(quanta / perDegree) + u"d";
  const uint64_t rest = quanta % perDegree;
  if (precision == 0) return text;
  if (precision <= 2) return text + Digits(rest) + u"'";
  const uint64_t perMinute = perDegree / 60;
  return text + Digits(rest / perMinute) + u"'" + DecimalDigits(rest % perMinute, precision > 4 ? precision - 4 : 0) +
         u"\"";
}

// A bearing from north or south towards east or west; the four exact directions are a letter alone.
std::optional<std::u16string> Surveyor(double radians, int precision, int unitMode) {
  const double perDegree = DmsQuantaPerDegree(precision);
  std::optional<uint64_t> quanta = QuantaOfTurn(radians, 360, perDegree);
  if (!quanta) return std::nullopt;
  const auto quarter = static_cast<uint64_t>(90 * perDegree);
  const uint64_t q = *quanta;
  if (q % quarter == 0) {
    static constexpr const char16_t* kCardinal[] = {u"E", u"N", u"W", u"S"};
    return kCardinal[q / quarter];
  }
  const char16_t* from = q < 2 * quarter ? u"N" : u"S";
  const char16_t* towards = (q < quarter || q > 3 * quarter) ? u"E" : u"W";
  const uint64_t northOrSouth = q < 2 * quarter ? quarter : 3 * quarter;
  const uint64_t bearing = q > northOrSouth ? q - northOrSouth : northOrSouth - q;
  const std::u16string space = unitMode == 0 ? u" " : u"";
  return from + space + DmsText(bearing, precision) + space + towards;
}

std::optional<std::u16string> DecimalAngle(double radians, double unitsPerTurn, int precision, int dimzin,
                                           const char16_t* suffix) {
  std::optional<uint64_t> quanta = QuantaOfTurn(radians, unitsPerTurn, Pow10(precision));
  if (!quanta) return std::nullopt;
  return SuppressZeros(DecimalDigits(*quanta, precision), dimzin) + suffix;
}

}  // namespace

// DIMZIN 4 and 8 act on the decimal forms (units 0, 2 and 3); UNITMODE 1 drops the spaces of unit 4.
std::optional<std::u16string> FormatAngle(double radians, int unit, int precision, int unitMode, int dimzin) {
  if (!std::isfinite(radians) || precision < 0 || precision > 8) return std::nullopt;
  double reduced = std::fmod(radians, kFullTurn);
  if (reduced < 0) reduced += kFullTurn;
  switch (unit) {
    case 0:
      return DecimalAngle(reduced, 360, precision, dimzin, u"");
    case 1: {
      std::optional<uint64_t> quanta = QuantaOfTurn(reduced, 360, DmsQuantaPerDegree(precision));
      if (!quanta) return std::nullopt;
      return DmsText(*quanta, precision);
    }
    case 2:
      return DecimalAngle(reduced, 400, precision, dimzin, u"g");
    case 3:
      return DecimalAngle(reduced, kFullTurn, precision, dimzin, u"r");
    case 4:
      return Surveyor(reduced, precision, unitMode);
    default:
      return std::nullopt;
  }
}

}  // namespace acadsim
