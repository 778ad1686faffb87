// The angles angular and arc dimensions measure, worked out in the plane of the dimension.
#pragma once
#include <acadstrc.h>
#include <gepnt3d.h>

namespace acadsim::annotation {

// The angle at vertex from the ray through first to the ray through second, taken on the side that holds
// inside (the smaller one when inside is the vertex). eDegenerateGeometry when a ray has no direction or the
// two rays coincide.
Acad::ErrorStatus angleOnSideOf(const AcGePoint3d& vertex, const AcGePoint3d& first, const AcGePoint3d& second,
                                const AcGePoint3d& inside, const AcGeVector3d& normal, double& angle);

// The angle between the line through line1Start and line1End and the line through line2Start and line2End:
// the one of the four angles at their crossing that holds inside (with inside at the crossing, the one
// between the lines' own directions). eDegenerateGeometry for a line without length or parallel lines.
Acad::ErrorStatus angleBetweenLines(const AcGePoint3d& line1Start, const AcGePoint3d& line1End,
                                    const AcGePoint3d& line2Start, const AcGePoint3d& line2End,
                                    const AcGePoint3d& inside, const AcGeVector3d& normal, double& angle);

}  // namespace acadsim::annotation
