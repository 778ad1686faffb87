#include "ReplyValues.h"

#include <cmath>
#include <vector>

#include "../lisp/LispNumberText.h"
#include "../lisp/UnitTextParsing.h"

namespace acadsim::command {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

size_t SkipDigits(std::u16string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

size_t SkipSign(std::u16string_view text, size_t at) {
  return at < text.size() && (text[at] == u'+' || text[at] == u'-') ? at + 1 : at;
}

std::vector<std::u16string_view> Split(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
    if (end == std::u16string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<Point> Coordinates(const std::vector<std::u16string_view>& parts, double missingZ) {
  if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
  Point point{0, 0, missingZ};
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::optional<double> value = ParseReal(parts[i]);
    if (!value) return std::nullopt;
    point[i] = *value;
  }
  return point;
}

// "distance<angle" as an offset in the plane.
std::optional<Point> PolarOffset(std::u16string_view text, const AngleUnits& angles) {
  const size_t less = text.find(u'<');
  const std::optional<double> distance = ParseReal(text.substr(0, less));
  const std::optional<double> angle = lisp::ParseAngleText(text.substr(less + 1), angles.mode);
  if (!distance || !angle) return std::nullopt;
  const double world = angles.base + (angles.clockwise ? -*angle : *angle);
  return Point{*distance * std::cos(world), *distance * std::sin(world), 0.0};
}

}  // namespace

std::optional<long long> ParseInteger(std::u16string_view text) {
  const size_t digitsStart = SkipSign(text, 0);
  if (digitsStart == text.size() || SkipDigits(text, digitsStart) != text.size()) return std::nullopt;
  // More digits than any reply needs would overflow; such a number is out of every range anyway.
  if (text.size() - digitsStart > 18) return std::nullopt;
  long long value = 0;
  for (size_t i = digitsStart; i < text.size(); ++i) value = value * 10 + (text[i] - u'0');
  return text[0] == u'-' ? -value : value;
}

std::optional<double> ParseReal(std::u16string_view text) {
  // The decimal numbers AutoLISP reads, so a value typed and one given through AutoLISP read alike.
  if (text.empty() || lisp::ScanNumber(text).length != text.size()) return std::nullopt;
  const double value = lisp::RealOf(text);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<Point> ParsePoint(std::u16string_view text, const Point& lastPoint, double elevation,
                                const AngleUnits& angles) {
  if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
    std::vector<std::u16string_view> parts;
    for (std::u16string_view part : Split(text.substr(1, text.size() - 2), u' ')) {
      if (!part.empty()) parts.push_back(part);
    }
    return Coordinates(parts, elevation);
  }
  const bool polar = text.find(u'<') != std::u16string_view::npos;
  if (!text.empty() && text.front() == u'@') {
    if (text.size() == 1) return lastPoint;
    std::optional<Point> offset =
        polar ? PolarOffset(text.substr(1), angles) : Coordinates(Split(text.substr(1), u','), 0.0);
    if (!offset) return std::nullopt;
    return Point{lastPoint[0] + (*offset)[0], lastPoint[1] + (*offset)[1], lastPoint[2] + (*offset)[2]};
  }
  if (polar) {
    std::optional<Point> point = PolarOffset(text, angles);
    if (point) (*point)[2] = elevation;
    return point;
  }
  return Coordinates(Split(text, u','), elevation);
}

}  // namespace acadsim::command
