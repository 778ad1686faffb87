// Digits of rounded magnitudes, shared by the distance and angle formats.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace acadsim::ut {

// round(magnitude * quantaPerUnit), halves away from zero, forgiving the last bits of binary error;
// null when the count does not fit in 62 bits.
std::optional<uint64_t> RoundedQuanta(double magnitude, double quantaPerUnit);

// The number quanta / 10^precision with exactly precision decimals ("12.50").
std::u16string DecimalDigits(uint64_t quanta, int precision);

// DIMZIN 4 drops a leading zero ("0.50" -> ".50"), DIMZIN 8 trailing zeros and a bare point
// ("12.50" -> "12.5", "12.00" -> "12"); a text left empty becomes "0".
std::u16string SuppressZeros(std::u16string digits, int dimzin);

std::u16string Digits(uint64_t number);

}  // namespace acadsim::ut
