// Distance and angle text as AutoCAD's rtos and angtos give it, from explicit settings (host-internal).
#pragma once
#include <optional>
#include <string>

namespace acadsim {

// unit 1 scientific, 2 decimal, 3 engineering, 4 architectural, 5 fractional; precision 0-8.
// unitMode is UNITMODE, dimzin DIMZIN. Null for a unit or precision out of range.
std::optional<std::u16string> FormatDistance(double value, int unit, int precision, int unitMode, int dimzin);

// unit 0 degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians, 4 surveyor's units; precision 0-8.
// The angle is in radians and reduced to [0, 2π). Null for a unit or precision out of range.
std::optional<std::u16string> FormatAngle(double radians, int unit, int precision, int unitMode, int dimzin);

}  // namespace acadsim
