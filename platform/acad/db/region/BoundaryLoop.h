// One closed loop of a region's boundary: its pieces in order, end to end, with the box and signed area they give.
#pragma once
#include <vector>

#include "BoundaryPiece.h"

namespace acadsim {

class BoundaryLoop {
 public:
  // pieces must run end to end and close; gaps are bridged by straight pieces so that nothing leaks from the area.
  explicit BoundaryLoop(std::vector<BoundaryPiece> pieces);

  const std::vector<BoundaryPiece>& pieces() const { return mPieces; }
  AcGePoint2d low() const { return mLow; }
  AcGePoint2d high() const { return mHigh; }
  // The box's diagonal: the loop's size, which tolerances are relative to.
  double size() const;
  // Positive when the loop runs counter-clockwise.
  double signedArea() const { return mSignedArea; }
  double length() const;
  // Moments about origin of the area the loop encloses, signed as signedArea.
  AreaMoments moments(const AcGePoint2d& origin) const;
  // A point on the loop, for telling what side of other loops it is on.
  AcGePoint2d samplePoint() const { return mSample; }
  BoundaryLoop reversed() const;
  BoundaryLoop mapped(const AcGePoint2d& origin, const AcGeVector2d& xDir, const AcGeVector2d& yDir) const;
  // The loop as a closed polygon (last point repeats the first), within tolerance of the curve.
  std::vector<AcGePoint2d> flattened(double tolerance) const;
  bool boxOverlaps(const BoundaryLoop& other, double margin) const;

 private:
  AcGePoint2d center() const;

  std::vector<BoundaryPiece> mPieces;
  AcGePoint2d mLow, mHigh, mSample;
  double mSignedArea = 0.0;
};

// The relative flattening tolerance for loops that cross: far below what a drawing shows.
constexpr double kFineFlattening = 1e-8;

}  // namespace acadsim
