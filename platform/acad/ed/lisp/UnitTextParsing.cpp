#include "UnitTextParsing.h"

#include <numbers>

#include "LispNumberText.h"

namespace acadsim::lisp {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Reads from the front of a text; a failed read leaves the position where it was.
class Cursor {
 public:
  explicit Cursor(std::u16string_view text) : m_text(text) {}

  bool done() const { return m_pos == m_text.size(); }
  bool eat(char16_t c) {
    if (done() || Upper(m_text[m_pos]) != Upper(c)) return false;
    ++m_pos;
    return true;
  }
  // -1 for a minus sign, 1 otherwise.
  double sign() {
    if (eat(u'-')) return -1;
    eat(u'+');
    return 1;
  }
  // An unsigned decimal or scientific number.
  std::optional<double> number() {
    const std::u16string_view rest = m_text.substr(m_pos);
    if (rest.empty() || rest[0] == u'+' || rest[0] == u'-') return std::nullopt;
    const NumberPrefix prefix = ScanNumber(rest);
    if (prefix.length == 0) return std::nullopt;
    m_pos += prefix.length;
    return RealOf(rest.substr(0, prefix.length));
  }
  std::optional<double> wholeNumber() {
    const size_t start = m_pos;
    while (!done() && IsDigit(m_text[m_pos])) ++m_pos;
    if (m_pos == start) return std::nullopt;
    return RealOf(m_text.substr(start, m_pos - start));
  }
  size_t position() const { return m_pos; }
  void rewind(size_t pos) { m_pos = pos; }

 private:
  std::u16string_view m_text;
  size_t m_pos = 0;
};

std::optional<double> Fraction(Cursor& in) {
  const size_t start = in.position();
  std::optional<double> numerator = in.wholeNumber();
  std::optional<double> denominator;
  if (numerator && in.eat(u'/')) denominator = in.wholeNumber();
  if (denominator && *denominator != 0) return *numerator / *denominator;
  in.rewind(start);
  return std::nullopt;
}

// "17 1/2", "17-1/2", "1/2" or a decimal number.
std::optional<double> Amount(Cursor& in) {
  const size_t start = in.position();
  if (std::optional<double> whole = in.wholeNumber(); whole && (in.eat(u' ') || in.eat(u'-')))
    if (std::optional<double> fraction = Fraction(in)) return *whole + *fraction;
  in.rewind(start);
  if (std::optional<double> fraction = Fraction(in)) return fraction;
  return in.number();
}

std::optional<double> FeetAndInches(Cursor& in) {
  const size_t start = in.position();
  std::optional<double> feet = in.number();
  if (!feet || !in.eat(u'\'')) {
    in.rewind(start);
    return std::nullopt;
  }
  if (in.done()) return *feet * 12;
  in.eat(u'-');
  std::optional<double> inches = Amount(in);
  if (!inches) return std::nullopt;
  in.eat(u'"');
  return *feet * 12 + *inches;
}

std::optional<double> Whole(std::optional<double> value, const Cursor& in) {
  return value && in.done() ? value : std::nullopt;
}

// "45d30'15.5\"", "45d30'", "45d" or decimal degrees.
std::optional<double> Degrees(Cursor& in) {
  std::optional<double> degrees = in.number();
  if (!degrees || !in.eat(u'd')) return degrees;
  const size_t afterDegrees = in.position();
  if (std::optional<double> minutes = in.number(); minutes && in.eat(u'\'')) {
    *degrees += *minutes / 60;
    const size_t afterMinutes = in.position();
    if (std::optional<double> seconds = in.number(); seconds && in.eat(u'"')) *degrees += *seconds / 3600;
    else in.rewind(afterMinutes);
  } else {
    in.rewind(afterDegrees);
  }
  return degrees;
}

std::optional<double> Bearing(std::u16string_view text) {
  if (text.size() == 1) {
    switch (Upper(text[0])) {
      case u'E': return 0.0;
      case u'N': return 90.0;
      case u'W': return 180.0;
      case u'S': return 270.0;
      default: return std::nullopt;
    }
  }
  if (text.size() < 3) return std::nullopt;
  const char16_t from = Upper(text.front());
  const char16_t towards = Upper(text.back());
  if ((from != u'N' && from != u'S') || (towards != u'E' && towards != u'W')) return std::nullopt;
  Cursor in(Trim(text.substr(1, text.size() - 2)));
  std::optional<double> bearing = Whole(Degrees(in), in);
  if (!bearing || *bearing > 90) return std::nullopt;
  if (from == u'N') return towards == u'E' ? 90 - *bearing : 90 + *bearing;
  return towards == u'E' ? 270 + *bearing : 270 - *bearing;
}

}  // namespace

std::optional<double> ParseDistanceText(std::u16string_view text, int mode) {
  Cursor in(Trim(text));
  const double sign = in.sign();
  const size_t start = in.position();
  if (std::optional<double> plain = Whole(in.number(), in)) return sign * *plain;
  if (mode == 3 || mode == 4) {
    in.rewind(start);
    if (std::optional<double> length = Whole(FeetAndInches(in), in)) return sign * *length;
    in.rewind(start);
    std::optional<double> inches = Amount(in);
    in.eat(u'"');
    if (Whole(inches, in)) return sign * *inches;
  } else if (mode == 5) {
    in.rewind(start);
    if (std::optional<double> amount = Whole(Amount(in), in)) return sign * *amount;
  }
  return std::nullopt;
}

std::optional<double> ParseAngleText(std::u16string_view text, int mode) {
  const std::u16string_view trimmed = Trim(text);
  if (mode == 4)
    if (std::optional<double> bearing = Bearing(trimmed)) return *bearing * kRadiansPerDegree;
  Cursor in(trimmed);
  const double sign = in.sign();
  switch (mode) {
    case 0:
    case 1:
    case 4:
      if (std::optional<double> degrees = Whole(Degrees(in), in)) return sign * *degrees * kRadiansPerDegree;
      return std::nullopt;
    case 2: {
      std::optional<double> grads = in.number();
      in.eat(u'g');
      if (Whole(grads, in)) return sign * *grads * std::numbers::pi / 200;
      return std::nullopt;
    }
    case 3: {
      std::optional<double> radians = in.number();
      in.eat(u'r');
      if (Whole(radians, in)) return sign * *radians;
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace acadsim::lisp
