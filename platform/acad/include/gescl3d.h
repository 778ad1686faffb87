// AcGeScale3d: scale factors along X, Y and Z.
#pragma once
#include <cmath>

class AcGeScale3d {
 public:
  AcGeScale3d() = default;
  explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  AcGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}

  static const AcGeScale3d kIdentity;

  bool isEqualTo(const AcGeScale3d& s, double tol = 1e-10) const {
    return std::fabs(sx - s.sx) <= tol && std::fabs(sy - s.sy) <= tol && std::fabs(sz - s.sz) <= tol;
  }
  bool operator==(const AcGeScale3d& s) const { return isEqualTo(s); }
  double operator[](unsigned i) const { return i == 0 ? sx : i == 1 ? sy : sz; }

  double sx = 1.0, sy = 1.0, sz = 1.0;
};

inline const AcGeScale3d AcGeScale3d::kIdentity{1.0, 1.0, 1.0};
