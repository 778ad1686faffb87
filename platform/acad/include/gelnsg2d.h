// AcGeLineSeg2d: the straight segment between two points; parameter 0 at the start, 1 at the end.
#pragma once
#include "gecurv2d.h"

class AcGeLineSeg2d : public AcGeCurve2d {
 public:
  AcGeLineSeg2d() = default;
  AcGeLineSeg2d(const AcGePoint2d& start, const AcGePoint2d& end) : mStart(start), mEnd(end) {}

  AcGe::EntityId type() const override { return AcGe::kLineSeg2d; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kLineSeg2d || AcGeCurve2d::isKindOf(id); }
  AcGeEntity2d* copy() const override { return new AcGeLineSeg2d(*this); }
  double startParam() const override { return 0.0; }
  double endParam() const override { return 1.0; }
  AcGePoint2d evalPoint(double param) const override { return mStart + (mEnd - mStart) * param; }

  AcGeLineSeg2d& set(const AcGePoint2d& start, const AcGePoint2d& end) {
    mStart = start;
    mEnd = end;
    return *this;
  }
  AcGePoint2d startPoint() const { return mStart; }
  AcGePoint2d endPoint() const { return mEnd; }
  double length() const { return mStart.distanceTo(mEnd); }

 private:
  AcGePoint2d mStart, mEnd;
};
