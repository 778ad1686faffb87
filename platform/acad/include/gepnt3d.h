// AcGePoint3d: a point in 3D space.
#pragma once
#include <cmath>
#include "gevec3d.h"

class AcGeMatrix3d;

class AcGePoint3d {
 public:
  AcGePoint3d() = default;
  AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  static const AcGePoint3d kOrigin;

  AcGePoint3d& set(double xx, double yy, double zz) {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  double distanceTo(const AcGePoint3d& p) const { return (p - *this).length(); }
  bool isEqualTo(const AcGePoint3d& p, double tol = 1e-10) const { return distanceTo(p) <= tol; }

  AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  AcGePoint3d& operator+=(const AcGeVector3d& v) { return *this = *this + v; }
  AcGePoint3d& operator-=(const AcGeVector3d& v) { return *this = *this - v; }
  bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }
  double operator[](unsigned i) const { return i == 0 ? x : i == 1 ? y : z; }
  double& operator[](unsigned i) { return i == 0 ? x : i == 1 ? y : z; }

  // Defined in gemat3d.h.
  inline AcGePoint3d& transformBy(const AcGeMatrix3d& leftSide);

  double x = 0.0, y = 0.0, z = 0.0;
};

inline const AcGePoint3d AcGePoint3d::kOrigin{0.0, 0.0, 0.0};
