// AcGeCircArc2d: an arc of a circle; angles in radians from the reference vector, counter-clockwise unless
// isClockWise, with endAng >= startAng. Its parameter is the angle.
#pragma once
#include <cmath>

#include "gecurv2d.h"

class AcGeCircArc2d : public AcGeCurve2d {
 public:
  AcGeCircArc2d() = default;
  // A full circle.
  AcGeCircArc2d(const AcGePoint2d& center, double radius) : mCenter(center), mRadius(radius), mEndAng(2 * M_PI) {}
  AcGeCircArc2d(const AcGePoint2d& center, double radius, double startAngle, double endAngle,
                const AcGeVector2d& refVec = AcGeVector2d::kXAxis, Adesk::Boolean isClockWise = Adesk::kFalse)
      : mCenter(center), mRefVec(refVec.normal()), mRadius(radius), mStartAng(startAngle), mEndAng(endAngle),
        mClockWise(isClockWise) {}

  AcGe::EntityId type() const override { return AcGe::kCircArc2d; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kCircArc2d || AcGeCurve2d::isKindOf(id); }
  AcGeEntity2d* copy() const override { return new AcGeCircArc2d(*this); }
  double startParam() const override { return mStartAng; }
  double endParam() const override { return mEndAng; }
  AcGePoint2d evalPoint(double angle) const override {
    double a = mClockWise ? -angle : angle;
    double c = std::cos(a), s = std::sin(a);
    AcGeVector2d dir(mRefVec.x * c - mRefVec.y * s, mRefVec.x * s + mRefVec.y * c);
    return mCenter + dir * mRadius;
  }
  // A whole turn is closed even where rounding leaves the two ends a hair apart.
  Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const override {
    return mEndAng - mStartAng >= 2 * M_PI - tol.equalVector() || AcGeCurve2d::isClosed(tol);
  }

  AcGePoint2d center() const { return mCenter; }
  double radius() const { return mRadius; }
  double startAng() const { return mStartAng; }
  double endAng() const { return mEndAng; }
  Adesk::Boolean isClockWise() const { return mClockWise; }
  AcGeVector2d refVec() const { return mRefVec; }
  AcGePoint2d startPoint() const { return evalPoint(mStartAng); }
  AcGePoint2d endPoint() const { return evalPoint(mEndAng); }

 private:
  AcGePoint2d mCenter;
  AcGeVector2d mRefVec = AcGeVector2d::kXAxis;
  double mRadius = 1.0;
  double mStartAng = 0.0;
  double mEndAng = 0.0;
  Adesk::Boolean mClockWise = Adesk::kFalse;
};
