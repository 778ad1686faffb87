// AcGeEllipArc2d: an arc of an ellipse; angles are parameters of center + a cos t + b sin t, where a and b are
// the major and minor axes scaled by their radii. Counter-clockwise when the minor axis is the major one turned
// by +90 degrees.
#pragma once
#include <cmath>

#include "gecurv2d.h"

class AcGeEllipArc2d : public AcGeCurve2d {
 public:
  AcGeEllipArc2d() = default;
  AcGeEllipArc2d(const AcGePoint2d& center, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                 double majorRadius, double minorRadius, double startAngle = 0.0, double endAngle = 2 * M_PI)
      : mCenter(center), mMajorAxis(majorAxis.normal()), mMinorAxis(minorAxis.normal()), mMajorRadius(majorRadius),
        mMinorRadius(minorRadius), mStartAng(startAngle), mEndAng(endAngle) {}

  AcGe::EntityId type() const override { return AcGe::kEllipArc2d; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kEllipArc2d || AcGeCurve2d::isKindOf(id); }
  AcGeEntity2d* copy() const override { return new AcGeEllipArc2d(*this); }
  double startParam() const override { return mStartAng; }
  double endParam() const override { return mEndAng; }
  AcGePoint2d evalPoint(double t) const override {
    return mCenter + mMajorAxis * (mMajorRadius * std::cos(t)) + mMinorAxis * (mMinorRadius * std::sin(t));
  }
  Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const override {
    return mEndAng - mStartAng >= 2 * M_PI - tol.equalVector() || AcGeCurve2d::isClosed(tol);
  }

  AcGePoint2d center() const { return mCenter; }
  AcGeVector2d majorAxis() const { return mMajorAxis; }
  AcGeVector2d minorAxis() const { return mMinorAxis; }
  double majorRadius() const { return mMajorRadius; }
  double minorRadius() const { return mMinorRadius; }
  double startAng() const { return mStartAng; }
  double endAng() const { return mEndAng; }
  Adesk::Boolean isClockWise() const { return mMajorAxis.crossProduct(mMinorAxis) < 0.0; }
  AcGePoint2d startPoint() const { return evalPoint(mStartAng); }
  AcGePoint2d endPoint() const { return evalPoint(mEndAng); }

 private:
  AcGePoint2d mCenter;
  AcGeVector2d mMajorAxis = AcGeVector2d::kXAxis;
  AcGeVector2d mMinorAxis = AcGeVector2d::kYAxis;
  double mMajorRadius = 1.0;
  double mMinorRadius = 1.0;
  double mStartAng = 0.0;
  double mEndAng = 2 * M_PI;
};
