// Boolean operations on sets of boundary loops: exact when no loops cross, through polygon overlay otherwise.
#pragma once
#include <vector>

#include <acadstrc.h>
#include <acdb.h>

#include "BoundaryLoop.h"

namespace acadsim {

// True when a loop of a meets or crosses a loop of b, judged on their fine flattenings.
bool loopsMeet(const std::vector<BoundaryLoop>& a, const std::vector<BoundaryLoop>& b);

// The loops of (a op b) for loop sets whose loops do not meet: every loop is kept or dropped whole by what side
// of the other set it lies on, so arcs and splines stay exact.
std::vector<BoundaryLoop> combineSeparateLoops(AcDb::BoolOperType operation, std::vector<BoundaryLoop> a,
                                               std::vector<BoundaryLoop> b);

// The loops of (a op b) by overlaying the fine flattenings (segments only); eGeneralModelingFailure when the
// overlay fails.
Acad::ErrorStatus combineFlattenedLoops(AcDb::BoolOperType operation, const std::vector<BoundaryLoop>& a,
                                        const std::vector<BoundaryLoop>& b, std::vector<BoundaryLoop>& result);

// True when the loop crosses or touches itself (on a flattening within 1e-6 of its size).
bool crossesItself(const BoundaryLoop& loop);

}  // namespace acadsim
