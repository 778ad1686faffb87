// Distance text as rtos gives it, for the five linear unit modes.
#include <acadsim/UnitFormat.h>
#include <qvwide.h>
#include <cmath>
#include <cstdio>
#include <numeric>
#include "NumberText.h"

namespace acadsim {
namespace {

using ut::DecimalDigits;
using ut::Digits;
using ut::RoundedQuanta;
using ut::SuppressZeros;

std::u16string Signed(bool negative, std::u16string text) { return negative ? u"-" + text : text; }

std::u16string Fraction(uint64_t numerator, uint64_t denominator) {
  const uint64_t divisor = std::gcd(numerator, denominator);
  return Digits(numerator / divisor) + u"/" + Digits(denominator / divisor);
}

// DIMZIN 0-3 in feet-and-inches units: 0 drops zero feet and exactly zero inches, 1 keeps both,
// 2 keeps zero feet and drops zero inches, 3 drops zero feet and keeps zero inches.
bool ShowsFeet(uint64_t feet, int dimzin) { return feet != 0 || (dimzin & 3) == 1 || (dimzin & 3) == 2; }
bool ShowsInches(bool inchesNonZero, bool showsFeet, int dimzin) {
  return inchesNonZero || (dimzin & 3) == 1 || (dimzin & 3) == 3 || !showsFeet;
}

std::u16string FeetAndInches(bool showsFeet, uint64_t feet, bool showsInches, const std::u16string& inches,
                             int unitMode) {
  std::u16string text;
  if (showsFeet) text = Digits(feet) + u"'";
  if (showsFeet && showsInches && unitMode == 0) text += u'-';
  if (showsInches) text += inches + u"\"";
  return text;
}

std::u16string Scientific(double value, int precision, int dimzin) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*E", precision, std::fabs(value));
  std::u16string text = Utf8ToWide(buffer);
  const size_t exponent = text.find(u'E');
  std::u16string mantissa = SuppressZeros(text.substr(0, exponent), dimzin & 8);
  return Signed(value < 0, mantissa + text.substr(exponent));
}

std::u16string Decimal(double value, int precision, int dimzin) {
  std::optional<uint64_t> quanta = RoundedQuanta(std::fabs(value), std::pow(10.0, precision));
  if (!quanta) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", precision, std::fabs(value));
    return Signed(value < 0, SuppressZeros(Utf8ToWide(buffer), dimzin));
  }
  return Signed(value < 0 && *quanta != 0, SuppressZeros(DecimalDigits(*quanta, precision), dimzin));
}

std::optional<std::u16string> Engineering(double value, int precision, int unitMode, int dimzin) {
  const double perInch = std::pow(10.0, precision);
  std::optional<uint64_t> quanta = RoundedQuanta(std::fabs(value), perInch);
  if (!quanta) return std::nullopt;
  const uint64_t perFoot = 12 * static_cast<uint64_t>(perInch);
  const uint64_t feet = *quanta / perFoot;
  const uint64_t inches = *quanta % perFoot;
  const bool showsFeet = ShowsFeet(feet, dimzin);
  const bool showsInches = ShowsInches(inches != 0, showsFeet, dimzin);
  const std::u16string inchText = SuppressZeros(DecimalDigits(inches, precision), dimzin);
  return Signed(value < 0 && *quanta != 0, FeetAndInches(showsFeet, feet, showsInches, inchText, unitMode));
}

std::optional<std::u16string> Architectural(double value, int precision, int unitMode, int dimzin) {
  const uint64_t perInch = uint64_t{1} << precision;
  std::optional<uint64_t> quanta = RoundedQuanta(std::fabs(value), static_cast<double>(perInch));
  if (!quanta) return std::nullopt;
  const uint64_t feet = *quanta / (12 * perInch);
  const uint64_t rest = *quanta % (12 * perInch);
  const uint64_t wholeInches = rest / perInch;
  const uint64_t numerator = rest % perInch;
  const bool showsFeet = ShowsFeet(feet, dimzin);
  const bool showsInches = ShowsInches(rest != 0, showsFeet, dimzin);
  std::u16string inchText = Digits(wholeInches);
  if (numerator != 0) {
    const std::u16string fraction = Fraction(numerator, perInch);
    inchText = (wholeInches == 0 && !showsFeet) ? fraction : inchText + (unitMode == 0 ? u" " : u"-") + fraction;
  }
  return Signed(value < 0 && *quanta != 0, FeetAndInches(showsFeet, feet, showsInches, inchText, unitMode));
}

std::optional<std::u16string> Fractional(double value, int precision, int unitMode) {
  const uint64_t perUnit = uint64_t{1} << precision;
  std::optional<uint64_t> quanta = RoundedQuanta(std::fabs(value), static_cast<double>(perUnit));
  if (!quanta) return std::nullopt;
  const uint64_t whole = *quanta / perUnit;
  const uint64_t numerator = *quanta % perUnit;
  std::u16string text = Digits(whole);
  if (numerator != 0) {
    const std::u16string fraction = Fraction(numerator, perUnit);
    text = whole == 0 ? fraction : text + (unitMode == 0 ? u" " : u"-") + fraction;
  }
  return Signed(value < 0 && *quanta != 0, text);
}

}  // namespace

// Precision is decimal places in units 1-3 and the power of two of the smallest fraction in 4 and 5.
// DIMZIN 4 and 8 act on decimal digits (units 1-3); DIMZIN 0-3 on the feet and inches of units 3 and 4.
// Halves round away from zero. Units 3-5 refuse magnitudes too large to count in their finest fraction.
std::optional<std::u16string> FormatDistance(double value, int unit, int precision, int unitMode, int dimzin) {
  if (!std::isfinite(value) || precision < 0 || precision > 8) return std::nullopt;
  switch (unit) {
    case 1:
      return Scientific(value, precision, dimzin);
    case 2:
      return Decimal(value, precision, dimzin);
    case 3:
      return Engineering(value, precision, unitMode, dimzin);
    case 4:
      return Architectural(value, precision, unitMode, dimzin);
    case 5:
      return Fractional(value, precision, unitMode);
    default:
      return std::nullopt;
  }
}

}  // namespace acadsim
