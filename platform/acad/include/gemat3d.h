// AcGeMatrix3d: an affine transformation of 3D space, as a 4x4 matrix applied to column vectors.
#pragma once
#include <cmath>
#include <utility>

#include "gepnt3d.h"
#include "gescl3d.h"
#include "getol.h"
#include "gevec3d.h"

class AcGeMatrix3d {
 public:
  AcGeMatrix3d() { setToIdentity(); }

  static const AcGeMatrix3d kIdentity;

  AcGeMatrix3d& setToIdentity() {
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
    return *this;
  }
  double operator()(unsigned row, unsigned column) const { return entry[row][column]; }
  double& operator()(unsigned row, unsigned column) { return entry[row][column]; }

  AcGeMatrix3d operator*(const AcGeMatrix3d& m) const {
    AcGeMatrix3d p;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) {
        double sum = 0.0;
        for (int k = 0; k < 4; ++k) sum += entry[r][k] * m.entry[k][c];
        p.entry[r][c] = sum;
      }
    return p;
  }
  AcGeMatrix3d& operator*=(const AcGeMatrix3d& m) { return *this = *this * m; }
  AcGeMatrix3d& preMultBy(const AcGeMatrix3d& left) { return *this = left * *this; }
  AcGeMatrix3d& postMultBy(const AcGeMatrix3d& right) { return *this = *this * right; }
  AcGeMatrix3d& setToProduct(const AcGeMatrix3d& m1, const AcGeMatrix3d& m2) { return *this = m1 * m2; }

  double det() const {
    // Affine matrices keep (0,0,0,1) as their last row, but the full determinant costs little.
    double m[4][4];
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) m[r][c] = entry[r][c];
    double d = 1.0;
    for (int c = 0; c < 4; ++c) {
      int pivot = c;
      for (int r = c + 1; r < 4; ++r)
        if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
      if (m[pivot][c] == 0.0) return 0.0;
      if (pivot != c) {
        for (int k = 0; k < 4; ++k) std::swap(m[c][k], m[pivot][k]);
        d = -d;
      }
      d *= m[c][c];
      for (int r = c + 1; r < 4; ++r) {
        double f = m[r][c] / m[c][c];
        for (int k = c; k < 4; ++k) m[r][k] -= f * m[c][k];
      }
    }
    return d;
  }
  bool isSingular(const AcGeTol& tol = AcGeTol()) const { return std::fabs(det()) <= tol.equalPoint(); }

  // False, leaving result untouched, when the matrix is singular.
  bool inverse(AcGeMatrix3d& result, double tol) const {
    double a[4][8];
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) {
        a[r][c] = entry[r][c];
        a[r][c + 4] = r == c ? 1.0 : 0.0;
      }
    for (int c = 0; c < 4; ++c) {
      int pivot = c;
      for (int r = c + 1; r < 4; ++r)
        if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
      if (!(std::fabs(a[pivot][c]) > tol)) return false;
      if (pivot != c)
        for (int k = 0; k < 8; ++k) std::swap(a[c][k], a[pivot][k]);
      double p = a[c][c];
      for (int k = 0; k < 8; ++k) a[c][k] /= p;
      for (int r = 0; r < 4; ++r) {
        if (r == c || a[r][c] == 0.0) continue;
        double f = a[r][c];
        for (int k = 0; k < 8; ++k) a[r][k] -= f * a[c][k];
      }
    }
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) result.entry[r][c] = a[r][c + 4];
    return true;
  }
  // A singular matrix has no inverse: it is returned unchanged (isSingular tells the caller).
  AcGeMatrix3d inverse() const {
    AcGeMatrix3d result = *this;
    inverse(result, 1e-300);
    return result;
  }
  AcGeMatrix3d& invert() { return *this = inverse(); }
  AcGeMatrix3d transpose() const {
    AcGeMatrix3d t;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) t.entry[r][c] = entry[c][r];
    return t;
  }

  bool isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol = AcGeTol()) const {
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c)
        if (std::fabs(entry[r][c] - m.entry[r][c]) > tol.equalVector()) return false;
    return true;
  }
  bool operator==(const AcGeMatrix3d& m) const { return isEqualTo(m); }
  bool operator!=(const AcGeMatrix3d& m) const { return !isEqualTo(m); }

  AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                               const AcGeVector3d& zAxis) {
    setToIdentity();
    const AcGeVector3d* axes[3] = {&xAxis, &yAxis, &zAxis};
    for (int c = 0; c < 3; ++c) {
      entry[0][c] = axes[c]->x;
      entry[1][c] = axes[c]->y;
      entry[2][c] = axes[c]->z;
    }
    entry[0][3] = origin.x;
    entry[1][3] = origin.y;
    entry[2][3] = origin.z;
    return *this;
  }
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis, AcGeVector3d& zAxis) const {
    origin.set(entry[0][3], entry[1][3], entry[2][3]);
    xAxis = {entry[0][0], entry[1][0], entry[2][0]};
    yAxis = {entry[0][1], entry[1][1], entry[2][1]};
    zAxis = {entry[0][2], entry[1][2], entry[2][2]};
  }
  AcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }

  AcGeMatrix3d& setToTranslation(const AcGeVector3d& v) {
    setToIdentity();
    entry[0][3] = v.x;
    entry[1][3] = v.y;
    entry[2][3] = v.z;
    return *this;
  }
  // Counter-clockwise by angle (radians) about axis through center, looking against the axis.
  AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    setToIdentity();
    double len = axis.length();
    if (len == 0.0) return *this;
    double x = axis.x / len, y = axis.y / len, z = axis.z / len;
    double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    double r[3][3] = {{t * x * x + c, t * x * y - s * z, t * x * z + s * y},
                      {t * x * y + s * z, t * y * y + c, t * y * z - s * x},
                      {t * x * z - s * y, t * y * z + s * x, t * z * z + c}};
    double p[3] = {center.x, center.y, center.z};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) entry[i][j] = r[i][j];
      entry[i][3] = p[i] - (r[i][0] * p[0] + r[i][1] * p[1] + r[i][2] * p[2]);
    }
    return *this;
  }
  AcGeMatrix3d& setToScaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    return setToScaling(AcGeScale3d(scale), center);
  }
  AcGeMatrix3d& setToScaling(const AcGeScale3d& scale, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    setToIdentity();
    double s[3] = {scale.sx, scale.sy, scale.sz};
    double p[3] = {center.x, center.y, center.z};
    for (int i = 0; i < 3; ++i) {
      entry[i][i] = s[i];
      entry[i][3] = p[i] * (1.0 - s[i]);
    }
    return *this;
  }
  // From the plane's object coordinate system (DXF's arbitrary axis algorithm) to world coordinates.
  AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal) {
    AcGeVector3d n = normal.length() > 0.0 ? normal / normal.length() : AcGeVector3d::kZAxis;
    const double limit = 1.0 / 64.0;
    AcGeVector3d ax = (std::fabs(n.x) < limit && std::fabs(n.y) < limit) ? AcGeVector3d::kYAxis.crossProduct(n)
                                                                       : AcGeVector3d::kZAxis.crossProduct(n);
    ax = ax / ax.length();
    AcGeVector3d ay = n.crossProduct(ax);
    ay = ay / ay.length();
    return setCoordSystem(AcGePoint3d::kOrigin, ax, ay, n);
  }
  AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal) {
    setToPlaneToWorld(normal);
    return *this = transpose();
  }
  // Maps the "from" coordinate system onto the "to" one.
  AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                   const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                   const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                   const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
    AcGeMatrix3d from, to;
    from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
    to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
    return *this = to * from.inverse();
  }

  static AcGeMatrix3d translation(const AcGeVector3d& v) { return AcGeMatrix3d().setToTranslation(v); }
  static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    return AcGeMatrix3d().setToRotation(angle, axis, center);
  }
  static AcGeMatrix3d scaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    return AcGeMatrix3d().setToScaling(scale, center);
  }
  static AcGeMatrix3d scaling(const AcGeScale3d& scale, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    return AcGeMatrix3d().setToScaling(scale, center);
  }
  static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal) { return AcGeMatrix3d().setToPlaneToWorld(normal); }
  static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal) { return AcGeMatrix3d().setToWorldToPlane(normal); }

  double entry[4][4];
};

inline const AcGeMatrix3d AcGeMatrix3d::kIdentity{};

inline AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) {
  double p[3] = {x, y, z};
  for (int r = 0; r < 3; ++r) (*this)[r] = m.entry[r][0] * p[0] + m.entry[r][1] * p[1] + m.entry[r][2] * p[2] + m.entry[r][3];
  return *this;
}

inline AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) {
  double v[3] = {x, y, z};
  x = m.entry[0][0] * v[0] + m.entry[0][1] * v[1] + m.entry[0][2] * v[2];
  y = m.entry[1][0] * v[0] + m.entry[1][1] * v[1] + m.entry[1][2] * v[2];
  z = m.entry[2][0] * v[0] + m.entry[2][1] * v[1] + m.entry[2][2] * v[2];
  return *this;
}

inline AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) { return AcGePoint3d(p).transformBy(m); }
inline AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v) { return AcGeVector3d(v).transformBy(m); }
