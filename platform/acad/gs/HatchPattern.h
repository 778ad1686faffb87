// A pattern hatch's lines clipped to its loops, in the hatch's plane. Each definition line of the pattern
// (as the record keeps it: angle, base point and offset, scaled and turned already) repeats at its offset
// across the loops; the parts inside (even-odd) are kept. Dashes are drawn as continuous lines.
#pragma once
#include <gepnt2d.h>

#include <utility>
#include <vector>

class AcDbHatch;

namespace acadsim::gs {

using PlanSegment = std::pair<AcGePoint2d, AcGePoint2d>;

// Empty when the hatch keeps no pattern lines, or when they would be denser than maxLines lines per
// definition line across the loops (the caller then draws the loops).
std::vector<PlanSegment> patternSegments(const AcDbHatch& hatch, const std::vector<std::vector<AcGePoint2d>>& loops,
                                         int maxLines);

}  // namespace acadsim::gs
