// AcGeEllipArc2d: an arc of an ellipse. startAng and endAng are true angles from the major axis (as a hatch's
// ellipse edges store them); the parameter t of evalPoint is that of center + a cos t + b sin t, where a and b
// are the major and minor axes scaled by their radii. Counter-clockwise when the minor axis is the major one
// turned by +90 degrees.
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
  double startParam() const override { return paramAtAngle(mStartAng); }
  double endParam() const override {
    double end = paramAtAngle(mEndAng);
    return end < startParam() || (end == startParam() && mEndAng > mStartAng) ? end + 2 * M_PI : end;
  }
  // The parameter of the point seen at angle from the centre, in the turn that contains the angle.
  double paramAtAngle(double angle) const {
    double turns = std::floor(angle / (2 * M_PI));
    double a = angle - turns * 2 * M_PI;
    double t = std::atan2(std::sin(a) * mMajorRadius, std::cos(a) * mMinorRadius);
    if (t < 0) t += 2 * M_PI;
    return t + turns * 2 * M_PI;
  }
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
  AcGePoint2d startPoint() const { return evalPoint(startParam()); }
  AcGePoint2d endPoint() const { return evalPoint(endParam()); }

 private:
  AcGePoint2d mCenter;
  AcGeVector2d mMajorAxis = AcGeVector2d::kXAxis;
  AcGeVector2d mMinorAxis = AcGeVector2d::kYAxis;
  double mMajorRadius = 1.0;
  double mMinorRadius = 1.0;
  double mStartAng = 0.0;
  double mEndAng = 2 * M_PI;
};
