// AcGePlane: an unbounded plane through a point with a unit normal.
#pragma once
#include <cmath>

#include "gepnt3d.h"
#include "gevec3d.h"

class AcGePlane {
 public:
  AcGePlane() = default;
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal) { set(origin, normal); }

  static const AcGePlane kXYPlane;

  // The normal is stored as a unit vector; a zero normal keeps +Z.
  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& normal) {
    mOrigin = origin;
    mNormal = normal.length() > 0.0 ? normal.normal() : AcGeVector3d::kZAxis;
    return *this;
  }
  AcGePoint3d pointOnPlane() const { return mOrigin; }
  AcGeVector3d normal() const { return mNormal; }
  double signedDistanceTo(const AcGePoint3d& p) const { return mNormal.dotProduct(p - mOrigin); }
  double distanceTo(const AcGePoint3d& p) const { return std::fabs(signedDistanceTo(p)); }
  bool isOn(const AcGePoint3d& p, double tol = 1e-10) const { return distanceTo(p) <= tol; }

 private:
  AcGePoint3d mOrigin;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};

inline const AcGePlane AcGePlane::kXYPlane{};
