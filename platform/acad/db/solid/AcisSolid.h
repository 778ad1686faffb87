// The body that an ACIS model describes, where the host can interpret it exactly.
#pragma once
#include <memory>

#include <acadsim/AcisModel.h>

#include "SolidBody.h"

namespace acadsim {

// A polyhedron when every face is planar with straight edges; a sphere, a torus, or a cylinder or cone (also
// elliptical) with planar caps square to its axis when the faces are exactly those. eDegenerateGeometry for
// a model without faces or a polyhedron whose shells are not closed; eNotImplementedYet for any other body.
Acad::ErrorStatus solidFromAcis(const AcisModel& model, std::unique_ptr<SolidBody>& body);

}  // namespace acadsim
