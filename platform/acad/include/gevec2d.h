// AcGeVector2d: a displacement in the plane.
#pragma once
#include <cmath>

class AcGeVector2d {
 public:
  AcGeVector2d() = default;
  AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static const AcGeVector2d kXAxis;
  static const AcGeVector2d kYAxis;

  double length() const { return std::hypot(x, y); }
  double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
  double angle() const { double a = std::atan2(y, x); return a < 0 ? a + 2 * M_PI : a; }
  double crossProduct(const AcGeVector2d& v) const { return x * v.y - y * v.x; }
  AcGeVector2d normal() const {
    double len = length();
    return len > 0.0 ? AcGeVector2d(x / len, y / len) : AcGeVector2d();
  }
  bool isEqualTo(const AcGeVector2d& v, double tol = 1e-10) const { return (*this - v).length() <= tol; }

  AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d operator-() const { return {-x, -y}; }
  AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
  AcGeVector2d operator/(double s) const { return {x / s, y / s}; }
  bool operator==(const AcGeVector2d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector2d& v) const { return !isEqualTo(v); }

  double x = 0.0, y = 0.0;
};

inline const AcGeVector2d AcGeVector2d::kXAxis{1.0, 0.0};
inline const AcGeVector2d AcGeVector2d::kYAxis{0.0, 1.0};
