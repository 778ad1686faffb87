// Closed forms for the analytic primitives in their own coordinates: volume integrals and surface area.
#pragma once
#include "SolidBody.h"

namespace acadsim {

// A frustum along z from -height/2 (x radius baseX) to height/2 (x radius topX); y radii are ratio times those.
MassMoments frustumMoments(double height, double baseX, double topX, double ratio);
double frustumArea(double height, double baseX, double topX, double ratio);
MassMoments sphereMoments(double radius);
double sphereArea(double radius);
// Axis z.
MassMoments torusMoments(double majorRadius, double minorRadius);
double torusArea(double majorRadius, double minorRadius);
// The profile in z = 0 swept to z = height.
MassMoments prismMoments(const PrismProfile& profile, double height);
double prismArea(const PrismProfile& profile, double height);

// The perimeter of an ellipse with semi-axes a and b, by the arithmetic-geometric mean (exact to rounding).
double ellipsePerimeter(double a, double b);

}  // namespace acadsim
