// Volume integrals of a body and the mass properties AutoCAD reports from them (unit density).
#pragma once
#include <acadstrc.h>
#include <gemat3d.h>

namespace acadsim {

// The integrals of 1, x_i and x_i * x_j over a body, about the origin of its coordinates.
struct MassMoments {
  double volume = 0.0;
  double first[3] = {0.0, 0.0, 0.0};
  double second[3][3] = {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}};

  MassMoments& operator+=(const MassMoments& other);
};

// The moments of the image of the body under xform (any affine map: volumes scale by |det|).
MassMoments transformMoments(const MassMoments& moments, const AcGeMatrix3d& xform);

// What getMassProp reports: moments of inertia about the world axes (X: the integral of y² + z²), products
// of inertia as the integrals of xy, yz and zx, radii of gyration from those moments, principal moments
// about the centroid in ascending order with their unit axes (a right-handed set).
// eDegenerateGeometry when the volume is not positive; eGeneralModelingFailure for a value that is not finite.
Acad::ErrorStatus reportMassProperties(const MassMoments& moments, double& volume, AcGePoint3d& centroid,
                                       double momInertia[3], double prodInertia[3], double prinMoments[3],
                                       AcGeVector3d prinAxes[3], double radiiGyration[3]);

}  // namespace acadsim
