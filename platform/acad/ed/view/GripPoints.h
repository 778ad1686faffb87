// Where an entity shows its grips when gripped: line ends and midpoint, circle centre and quadrants, arc
// ends, midpoint and centre, polyline vertices, insertion points of references and text, a point's position.
#pragma once
#include <dbmain.h>
#include <gepnt2d.h>

#include <vector>

namespace acadsim::view {

// In world coordinates seen from above; none for the other kinds of entity.
std::vector<AcGePoint2d> gripPoints(const AcDbEntity& entity);

}  // namespace acadsim::view
