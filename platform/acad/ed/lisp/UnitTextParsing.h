// Distance and angle text read back as distof and angtof read it: what rtos and angtos write, and what
// AutoCAD takes at the keyboard in those units.
#pragma once
#include <optional>
#include <string_view>

namespace acadsim::lisp {

// mode as LUNITS: 1 scientific, 2 decimal, 3 engineering, 4 architectural, 5 fractional. Every mode reads
// decimal and scientific numbers; 5 also fractions ("17 1/2", "17-1/2", "1/2"); 3 and 4 alike also feet
// and inches ("1'-5.50\"", "1'-5 1/2\"", "1'5-1/2\"", "1'", "5.5\""), twelve units to the foot.
std::optional<double> ParseDistanceText(std::u16string_view text, int mode);

// mode as AUNITS: 0 degrees, 1 degrees/minutes/seconds, 2 grads ("50g"), 3 radians ("1.5r"), 4 surveyor's
// bearings ("N 45d0'0\" E", "N45dE", "E"). Degrees, minutes and seconds ("45d30'15\"") read in modes 0, 1
// and 4. The result is in radians, counter-clockwise from east.
std::optional<double> ParseAngleText(std::u16string_view text, int mode);

}  // namespace acadsim::lisp
