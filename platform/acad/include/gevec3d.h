// AcGeVector3d: a displacement in 3D space.
#pragma once
#include <cmath>

class AcGeMatrix3d;

class AcGeVector3d {
 public:
  AcGeVector3d() = default;
  AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  static const AcGeVector3d kIdentity;
  static const AcGeVector3d kXAxis;
  static const AcGeVector3d kYAxis;
  static const AcGeVector3d kZAxis;

  double length() const { return std::sqrt(x * x + y * y + z * z); }
  double lengthSqrd() const { return x * x + y * y + z * z; }
  double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  AcGeVector3d crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  // The unit vector of this direction; the zero vector stays zero.
  AcGeVector3d normal() const {
    double len = length();
    return len > 0.0 ? AcGeVector3d(x / len, y / len, z / len) : AcGeVector3d();
  }
  AcGeVector3d& normalize() { return *this = normal(); }
  // The angle between the two directions, 0 to pi.
  double angleTo(const AcGeVector3d& v) const { return std::atan2(crossProduct(v).length(), dotProduct(v)); }
  bool isZeroLength(double tol = 1e-10) const { return length() <= tol; }
  bool isEqualTo(const AcGeVector3d& v, double tol = 1e-10) const { return (*this - v).length() <= tol; }

  AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-() const { return {-x, -y, -z}; }
  AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  bool operator==(const AcGeVector3d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector3d& v) const { return !isEqualTo(v); }

  // Defined in gemat3d.h.
  inline AcGeVector3d& transformBy(const AcGeMatrix3d& leftSide);

  double x = 0.0, y = 0.0, z = 0.0;
};

inline const AcGeVector3d AcGeVector3d::kIdentity{0.0, 0.0, 0.0};
inline const AcGeVector3d AcGeVector3d::kXAxis{1.0, 0.0, 0.0};
inline const AcGeVector3d AcGeVector3d::kYAxis{0.0, 1.0, 0.0};
inline const AcGeVector3d AcGeVector3d::kZAxis{0.0, 0.0, 1.0};
