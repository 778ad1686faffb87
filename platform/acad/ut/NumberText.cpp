#include "NumberText.h"
#include <cmath>

namespace acadsim::ut {

std::optional<uint64_t> RoundedQuanta(double magnitude, double quantaPerUnit) {
  const double scaled = magnitude * quantaPerUnit;
  if (!std::isfinite(scaled) || scaled < 0 || scaled >= 4.6e18) return std::nullopt;
  // A value a billionth of its last digit short of a half is taken as the half it was meant to be.
  return static_cast<uint64_t>(std::floor(scaled + 0.5 + 1e-9));
}

std::u16string Digits(uint64_t number) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + number % 10));
    number /= 10;
  } while (number != 0);
  return text;
}

std::u16string DecimalDigits(uint64_t quanta, int precision) {
  uint64_t scale = 1;
  for (int i = 0; i < precision; ++i) scale *= 10;
  std::u16string text = Digits(quanta / scale);
  if (precision > 0) {
    std::u16string fraction = Digits(quanta % scale);
    text += u'.';
    text.append(precision - fraction.size(), u'0');
    text += fraction;
  }
  return text;
}

std::u16string SuppressZeros(std::u16string digits, int dimzin) {
  const bool hasPoint = digits.find(u'.') != std::u16string::npos;
  if ((dimzin & 8) != 0 && hasPoint) {
    while (!digits.empty() && digits.back() == u'0') digits.pop_back();
    if (!digits.empty() && digits.back() == u'.') digits.pop_back();
  }
  if ((dimzin & 4) != 0 && digits.size() > 1 && digits[0] == u'0' && digits[1] == u'.') digits.erase(0, 1);
  if (digits.empty() || digits == u".") return u"0";
  return digits;
}

}  // namespace acadsim::ut
