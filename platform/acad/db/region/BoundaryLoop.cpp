#include "BoundaryLoop.h"

#include <cmath>

namespace acadsim {

BoundaryLoop::BoundaryLoop(std::vector<BoundaryPiece> pieces) {
  mLow = AcGePoint2d(HUGE_VAL, HUGE_VAL);
  mHigh = AcGePoint2d(-HUGE_VAL, -HUGE_VAL);
  for (const BoundaryPiece& p : pieces) extendBox(p, mLow, mHigh);
  // Gaps below this are rounding; larger ones (within the chaining tolerance) get a bridging segment.
  const double bridgeGap = 1e-13 * std::hypot(mHigh.x - mLow.x, mHigh.y - mLow.y);
  for (size_t i = 0; i < pieces.size(); ++i) {
    mPieces.push_back(pieces[i]);
    AcGePoint2d end = pieceEnd(pieces[i]), next = pieceStart(pieces[(i + 1) % pieces.size()]);
    if (end.distanceTo(next) > bridgeGap) mPieces.push_back(LinePiece{end, next});
  }
  mSample = pieceMidpoint(mPieces.front());
  AcGePoint2d origin = center();
  for (const BoundaryPiece& p : mPieces) mSignedArea += pieceArea(p, origin);
}

double BoundaryLoop::size() const { return std::hypot(mHigh.x - mLow.x, mHigh.y - mLow.y); }

AcGePoint2d BoundaryLoop::center() const { return AcGePoint2d(0.5 * (mLow.x + mHigh.x), 0.5 * (mLow.y + mHigh.y)); }

double BoundaryLoop::length() const {
  double total = 0.0;
  for (const BoundaryPiece& p : mPieces) total += pieceLength(p);
  return total;
}

AreaMoments BoundaryLoop::moments(const AcGePoint2d& origin) const {
  // Integrated about the loop's own centre, where rounding is smallest, then moved to origin.
  AcGePoint2d c = center();
  AreaMoments local;
  for (const BoundaryPiece& p : mPieces) local += pieceMoments(p, c);
  double dx = c.x - origin.x, dy = c.y - origin.y;
  AreaMoments m;
  m.area = local.area;
  m.firstX = local.firstX + dx * local.area;
  m.firstY = local.firstY + dy * local.area;
  m.secondXX = local.secondXX + 2 * dx * local.firstX + dx * dx * local.area;
  m.secondYY = local.secondYY + 2 * dy * local.firstY + dy * dy * local.area;
  m.secondXY = local.secondXY + dx * local.firstY + dy * local.firstX + dx * dy * local.area;
  return m;
}

BoundaryLoop BoundaryLoop::reversed() const {
  std::vector<BoundaryPiece> pieces;
  for (auto it = mPieces.rbegin(); it != mPieces.rend(); ++it) pieces.push_back(reversedPiece(*it));
  return BoundaryLoop(std::move(pieces));
}

BoundaryLoop BoundaryLoop::mapped(const AcGePoint2d& origin, const AcGeVector2d& xDir, const AcGeVector2d& yDir) const {
  std::vector<BoundaryPiece> pieces;
  for (const BoundaryPiece& p : mPieces) pieces.push_back(mappedPiece(p, origin, xDir, yDir));
  return BoundaryLoop(std::move(pieces));
}

std::vector<AcGePoint2d> BoundaryLoop::flattened(double tolerance) const {
  std::vector<AcGePoint2d> points{pieceStart(mPieces.front())};
  for (const BoundaryPiece& p : mPieces) flattenPiece(p, tolerance, points);
  points.back() = points.front();
  return points;
}

bool BoundaryLoop::boxOverlaps(const BoundaryLoop& other, double margin) const {
  return mLow.x <= other.mHigh.x + margin && other.mLow.x <= mHigh.x + margin && mLow.y <= other.mHigh.y + margin &&
         other.mLow.y <= mHigh.y + margin;
}

}  // namespace acadsim
