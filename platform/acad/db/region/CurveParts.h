// The host's curves as the region reads them: straight, conic and spline parts in space, then in a plane.
#pragma once
#include <variant>
#include <vector>

#include <acadstrc.h>
#include <gepnt3d.h>

#include "BoundaryPiece.h"
#include "RegionBody.h"

class AcDbCurve;

namespace acadsim {

struct LinePart {
  AcGePoint3d start, end;
};

// center + u cos t + v sin t for t from t0 to t1 (t0 < t1).
struct ConicPart {
  AcGePoint3d center;
  AcGeVector3d u, v;
  double t0 = 0.0, t1 = 0.0;
};

struct SplinePart {
  int degree = 0;
  bool periodic = false;
  std::vector<double> knots;
  std::vector<AcGePoint3d> controlPoints;
  std::vector<double> weights;  // empty for a polynomial spline
};

using CurvePart = std::variant<LinePart, ConicPart, SplinePart>;

// One curve's parts in the order it runs, and the normal of its own plane (zero when it has none, as a line).
// eInvalidInput for curves without a bounded planar shape (rays, xlines, leaders, bad data) and for polylines
// other than lightweight ones, whose vertices live in a database.
Acad::ErrorStatus readCurveParts(const AcDbCurve* curve, std::vector<CurvePart>& parts, AcGeVector3d& normal);

// Points that span the part, for finding and checking the plane.
void addSpanningPoints(const CurvePart& part, std::vector<AcGePoint3d>& points);

// The part in the plane's coordinates; false for a spline the host cannot evaluate.
bool projectPart(const CurvePart& part, const RegionPlane& plane, BoundaryPiece& piece);

}  // namespace acadsim
