// Exact volume integrals, surface area and box of a polyhedron by the divergence theorem.
#pragma once
#include <vector>

#include "SolidBody.h"

namespace acadsim {

// Signed sums over the faces: a consistently oriented closed surface gives its enclosed volume's moments.
MassMoments polyhedronMoments(const std::vector<PolyhedronFace>& faces);
double polyhedronArea(const std::vector<PolyhedronFace>& faces);
AcDbExtents polyhedronExtents(const std::vector<PolyhedronFace>& faces);

}  // namespace acadsim
