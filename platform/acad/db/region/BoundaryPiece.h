// The pieces of a region's boundary, each running in the boundary's direction: straight segments, arcs of
// circles and ellipses, and stretches of splines, in the region's plane.
#pragma once
#include <memory>
#include <variant>
#include <vector>

#include <gepnt2d.h>

namespace acadsim {

class NurbsEvaluator;

struct LinePiece {
  AcGePoint2d start, end;
};

// center + u cos t + v sin t for t from t0 to t1 (t0 < t1); a circular arc when u and v are perpendicular and equal.
struct ConicPiece {
  AcGePoint2d center;
  AcGeVector2d u, v;
  double t0 = 0.0, t1 = 0.0;
};

// A stretch of a NURBS curve (the host's evaluator, its curve at z = 0) from t0 to t1, or back from t1 to t0
// when reversed, placed in the region by origin + x * xDir + y * yDir.
struct SplinePiece {
  std::shared_ptr<const NurbsEvaluator> curve;
  double t0 = 0.0, t1 = 0.0;
  bool reversed = false;
  int degree = 1;
  bool rational = false;
  AcGePoint2d hullLow, hullHigh;  // the control points' box, before the placement
  AcGePoint2d origin;
  AcGeVector2d xDir = AcGeVector2d::kXAxis, yDir = AcGeVector2d::kYAxis;
};

using BoundaryPiece = std::variant<LinePiece, ConicPiece, SplinePiece>;

// Integrals over the area to the left of the boundary, from Green's theorem: area, first moments (x, y) and
// second moments (x x, y y, x y), all about a chosen origin.
struct AreaMoments {
  double area = 0.0, firstX = 0.0, firstY = 0.0, secondXX = 0.0, secondYY = 0.0, secondXY = 0.0;
  AreaMoments& operator+=(const AreaMoments& other);
};

AcGePoint2d pieceStart(const BoundaryPiece& piece);
AcGePoint2d pieceEnd(const BoundaryPiece& piece);
// The point halfway along the piece's parameter range.
AcGePoint2d pieceMidpoint(const BoundaryPiece& piece);
BoundaryPiece reversedPiece(const BoundaryPiece& piece);
// The piece moved by the affine map p -> origin + p.x * xDir + p.y * yDir.
BoundaryPiece mappedPiece(const BoundaryPiece& piece, const AcGePoint2d& origin, const AcGeVector2d& xDir,
                          const AcGeVector2d& yDir);

// This piece's term of the area (exact: closed forms for segments and conics, Gauss rules exact for polynomial
// spline spans, adaptive quadrature for rational ones), measured about origin.
double pieceArea(const BoundaryPiece& piece, const AcGePoint2d& origin);
AreaMoments pieceMoments(const BoundaryPiece& piece, const AcGePoint2d& origin);
double pieceLength(const BoundaryPiece& piece);
// A box that holds the piece (for splines, the box of the control points).
void extendBox(const BoundaryPiece& piece, AcGePoint2d& low, AcGePoint2d& high);
// Appends points after the start up to the end, no chord farther than tolerance from the curve.
void flattenPiece(const BoundaryPiece& piece, double tolerance, std::vector<AcGePoint2d>& points);
// True when the piece has no extent worth keeping at the given size.
bool isNegligiblePiece(const BoundaryPiece& piece, double tolerance);

}  // namespace acadsim
