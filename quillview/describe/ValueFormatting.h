// Distances, angles and areas in the drawing's own units, and the integer system variable reader.
#pragma once
#include <AdAChar.h>

#include <string>

// Two reals are equal, or a real is zero, when they differ by less than this.
constexpr double kTolerance = 1e-8;
bool IsNearZero(double value);
// Computed once at load as the two-argument arc tangent of (0, -1).
extern const double kPi;

// The 16-bit integer value of a system variable, or -1 when it cannot be read as one.
int GetIntSysVar(const ACHAR* name);

// format has one %s, filled with the value in the current LUNITS and LUPREC ("0" if that fails).
std::u16string& AppendDistance(std::u16string& part, const ACHAR* format, double value);
// value in radians; unit -1 is the current AUNITS, the precision is the current AUPREC.
std::u16string& AppendAngle(std::u16string& part, const ACHAR* format, double value, int unit);
// As AppendAngle, of value plus ANGBASE (0 when ANGBASE cannot be read).
std::u16string& AppendBaseAngle(std::u16string& part, const ACHAR* format, double value, int unit);
// The area by LUNITS at LUPREC: square inches as acres or square feet, square feet with acres beyond 15000.
std::u16string& AppendAreaLines(std::u16string& part, double area);
