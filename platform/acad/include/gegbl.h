// AcGeContext: the geometry library's global settings; gTol is the default tolerance of every comparison.
#pragma once
#include "getol.h"

struct AcGeContext {
  static inline AcGeTol gTol{};
};

namespace AcGe {
enum EntityId {
  kEntity2d, kCurve2d, kLineSeg2d, kCircArc2d, kEllipArc2d, kSplineEnt2d, kNurbCurve2d,
  kEntity3d, kCurve3d, kPlane,
};
}  // namespace AcGe
